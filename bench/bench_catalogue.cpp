// The catalogue routines of the main window against the same statements run bare through
// SQLite's C API, on a generated catalogue of 3,000 artists, 25,000 albums and 300,000 tracks.
// Both sides open and close the file per operation, as the program does. Prints the ratio
// catalogue/bare for each pair after the runs.
#include "db/catalogue.h"
#include "support/catalogue_generator.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <memory>
#include <sqlite3.h>
#include <string>

namespace {

const char* const artistListSql = "SELECT Id, Artiest FROM Artiest ORDER BY Artiest, Id";
const char* const titleListSql = "SELECT Id, Titel, Jaar, Drager, Gekocht, Playlist, Bijzonderheden, Lengte "
                                 "FROM Titel WHERE ArtiestId = ? ORDER BY Jaar DESC, Titel ASC";
const char* const artistCascadeSql[] = {
    "DELETE FROM Freedb WHERE Titelid IN (SELECT Id FROM Titel WHERE ArtiestId = ?)",
    "DELETE FROM Tracks WHERE Titelid IN (SELECT Id FROM Titel WHERE ArtiestId = ?)",
    "DELETE FROM Titel WHERE ArtiestId = ?",
    "DELETE FROM Discografie WHERE ArtiestId = ?",
    "DELETE FROM Artiest WHERE Id = ?",
};

struct BareDb {
    explicit BareDb(const QString& path)
    {
        sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
    }
    ~BareDb() { sqlite3_close_v2(db); }
    BareDb(const BareDb&) = delete;
    BareDb& operator=(const BareDb&) = delete;
    sqlite3* db = nullptr;
};

struct BareStatement {
    BareStatement(sqlite3* db, const char* sql) { sqlite3_prepare_v2(db, sql, -1, &s, nullptr); }
    ~BareStatement() { sqlite3_finalize(s); }
    BareStatement(const BareStatement&) = delete;
    BareStatement& operator=(const BareStatement&) = delete;
    sqlite3_stmt* s = nullptr;
};

// Reads the rows of a statement, touching every column as text (the lists show text).
void readRowsBare(sqlite3_stmt* s, benchmark::State& state)
{
    std::size_t rows = 0;
    const int columns = sqlite3_column_count(s);
    while (sqlite3_step(s) == SQLITE_ROW) {
        benchmark::DoNotOptimize(sqlite3_column_int64(s, 0));
        for (int c = 1; c < columns; ++c) {
            benchmark::DoNotOptimize(sqlite3_column_text(s, c));
            benchmark::DoNotOptimize(sqlite3_column_bytes(s, c));
        }
        ++rows;
    }
    if (rows == 0)
        state.SkipWithError("no rows");
}

void refreshWorkCopy(const QString& pristine, const QString& work, benchmark::State& state)
{
    QFile::remove(work);
    if (!QFile::copy(pristine, work))
        state.SkipWithError("cannot copy the generated catalogue");
}

// Collects the real time per iteration of every run for the ratios.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        // With --benchmark_repetitions the median stands for the benchmark.
        const std::string median = "_median";
        for (const Run& run : runs) {
            if (run.error_occurred)
                continue;
            std::string name = run.benchmark_name();
            if (run.run_type == Run::RT_Aggregate) {
                if (name.size() <= median.size()
                    || name.compare(name.size() - median.size(), median.size(), median) != 0)
                    continue;
                name.resize(name.size() - median.size());
            }
            m_times[name] = { run.GetAdjustedRealTime(), run.GetAdjustedCPUTime() };
        }
        ConsoleReporter::ReportRuns(runs);
    }

    void printRatios() const
    {
        std::printf("\n%-22s %11s %11s %7s %11s %11s %7s\n", "operation", "real", "bare real", "ratio", "cpu",
            "bare cpu", "ratio");
        for (const auto& [name, time] : m_times) {
            const std::string suffix = "/catalogue";
            if (name.size() <= suffix.size()
                || name.compare(name.size() - suffix.size(), suffix.size(), suffix) != 0)
                continue;
            const std::string base = name.substr(0, name.size() - suffix.size());
            const auto bare = m_times.find(base + "/bare");
            if (bare == m_times.end())
                continue;
            const auto [real, cpu] = time;
            const auto [bareReal, bareCpu] = bare->second;
            std::printf("%-22s %11.3f %11.3f %6.2fx %11.3f %11.3f %6.2fx\n", base.c_str(), real, bareReal,
                real / bareReal, cpu, bareCpu, cpu / bareCpu);
        }
        std::printf("(times per operation in the unit shown above)\n");
    }

private:
    // Real and CPU time per iteration; the CPU ratio is the steadier one on a busy machine.
    std::map<std::string, std::pair<double, double>> m_times;
};

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    QTemporaryDir dir;
    const QString pristine = dir.filePath(QStringLiteral("Muziek.db"));
    const QString work = dir.filePath(QStringLiteral("Werk.db"));

    QElapsedTimer timer;
    timer.start();
    const GeneratedCatalogue generated = generateCatalogue(pristine);
    if (!generated.ok) {
        std::fprintf(stderr, "generating the catalogue failed: %s\n", qPrintable(generated.error));
        return 1;
    }
    std::printf("generated 3,000 artists, 25,000 albums, 300,000 tracks in %lld ms (%lld KiB)\n",
        static_cast<long long>(timer.elapsed()), static_cast<long long>(QFileInfo(pristine).size() / 1024));

    const Catalogue catalogue(pristine);
    const Catalogue workCatalogue(work);
    const qint64 typical = generated.typicalArtistId;
    const qint64 heavy = generated.heavyArtistId;

    benchmark::RegisterBenchmark("FillArtistList/catalogue", [&](benchmark::State& state) {
        for (auto _ : state) {
            auto artists = catalogue.FillArtistList();
            if (!artists || artists.value().size() != 3000)
                state.SkipWithError("artist list not filled");
            benchmark::DoNotOptimize(artists);
        }
    })->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("FillArtistList/bare", [&](benchmark::State& state) {
        for (auto _ : state) {
            BareDb db(pristine);
            BareStatement statement(db.db, artistListSql);
            readRowsBare(statement.s, state);
        }
    })->Unit(benchmark::kMicrosecond);

    for (const auto& [label, artist] :
        { std::pair { "FillTitleList(~9)", typical }, std::pair { "FillTitleList(100)", heavy } }) {
        const std::string name = label;
        const qint64 artistId = artist;
        benchmark::RegisterBenchmark((name + "/catalogue").c_str(), [&, artistId](benchmark::State& state) {
            for (auto _ : state) {
                auto titles = catalogue.FillTitleList(artistId);
                if (!titles || titles.value().isEmpty())
                    state.SkipWithError("title list not filled");
                benchmark::DoNotOptimize(titles);
            }
        })->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark((name + "/bare").c_str(), [&, artistId](benchmark::State& state) {
            for (auto _ : state) {
                BareDb db(pristine);
                BareStatement statement(db.db, titleListSql);
                sqlite3_bind_int64(statement.s, 1, artistId);
                readRowsBare(statement.s, state);
            }
        })->Unit(benchmark::kMicrosecond);
    }

    benchmark::RegisterBenchmark("DeleteArtist(100)/catalogue", [&](benchmark::State& state) {
        for (auto _ : state) {
            state.PauseTiming();
            refreshWorkCopy(pristine, work, state);
            state.ResumeTiming();
            if (!workCatalogue.deleteArtist(heavy))
                state.SkipWithError("delete failed");
        }
    })->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("DeleteArtist(100)/bare", [&](benchmark::State& state) {
        for (auto _ : state) {
            state.PauseTiming();
            refreshWorkCopy(pristine, work, state);
            state.ResumeTiming();
            BareDb db(work);
            sqlite3_exec(db.db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
            for (const char* sql : artistCascadeSql) {
                BareStatement statement(db.db, sql);
                sqlite3_bind_int64(statement.s, 1, heavy);
                if (sqlite3_step(statement.s) != SQLITE_DONE)
                    state.SkipWithError("delete failed");
            }
            sqlite3_exec(db.db, "COMMIT", nullptr, nullptr, nullptr);
        }
    })->Unit(benchmark::kMillisecond);

    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printRatios();
    benchmark::Shutdown();
    return 0;
}
