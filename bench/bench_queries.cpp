// The search and statistics windows against the statements they run, bare through SQLite's C
// API, on a generated catalogue of 3,000 artists, 25,000 albums and 300,000 tracks. Both sides
// open and close the file per statement, as the program does. Prints each ratio against the
// bare run after the runs.
//
//   TrackSearch/catalogue  findTracks("love"): the search with Unicode case folding
//   TrackSearch/window     the search window: type, search, fill and size the grid
//   TrackSearch/bare       the same statement with SQLite's own (ASCII-only) LIKE
//   Statistics/catalogue   the six counts, the playlists and the top twelve
//   Statistics/window      the statistics window opened and its chart built
//   Statistics/bare        the same eight statements
#include "db/catalogue.h"
#include "db/textsearch.h"
#include "export/statistics.h"
#include "export/ui/statistiekwindow.h"
#include "import/ui/wizardtrack.h"
#include "shell/session.h"
#include "shell/ui/userprompts.h"
#include "support/catalogue_generator.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <sqlite3.h>
#include <string>
#include <utility>
#include <vector>

namespace {

const char* const trackSearchSql
    = "SELECT Artiest.Artiest AS Artist, Titel.Titel AS Album, Titel.Jaar AS Year, Tracks.Naam AS Title "
      "FROM Artiest, Titel, Tracks WHERE Artiest.Id = Titel.ArtiestId AND Titel.Id = Tracks.Titelid "
      "AND Tracks.Naam LIKE ? ORDER BY Titel.Jaar";
const char* const statisticsSql[] = {
    "SELECT COUNT(*) FROM Artiest",
    "SELECT COUNT(*) FROM Titel",
    "SELECT COUNT(*) FROM Tracks",
    "SELECT COUNT(*) FROM Discografie",
    "SELECT COUNT(*) FROM qryAlbumsInTracks",
    "SELECT COUNT(*) FROM qryArtiestenInDiscografie",
    "SELECT COUNT(*) FROM Titel WHERE Playlist = TRUE",
    "SELECT Artiest, Aantal FROM qryTopTwaalf",
};
const QString commonWord = QStringLiteral("love");

class SilentPrompts : public UserPrompts {
public:
    int messageBox(QWidget*, const QString&, int, const QString&) override { return MsgBox::no; }
    void errorReport(QWidget*, const QString& report, const QString&, const QString&) override
    {
        std::fprintf(stderr, "unexpected error report:\n%s\n", qPrintable(report));
    }
    bool openUrl(const QUrl&) override { return true; }
    QString openFileName(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
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

// Runs `sql` on its own connection and reads every row, touching each column as text.
std::size_t runBare(const QString& path, const char* sql, const char* likeValue = nullptr)
{
    BareDb db(path);
    BareStatement statement(db.db, sql);
    if (likeValue != nullptr)
        sqlite3_bind_text(statement.s, 1, likeValue, -1, SQLITE_STATIC);
    std::size_t rows = 0;
    const int columns = sqlite3_column_count(statement.s);
    while (sqlite3_step(statement.s) == SQLITE_ROW) {
        for (int c = 0; c < columns; ++c) {
            benchmark::DoNotOptimize(sqlite3_column_text(statement.s, c));
            benchmark::DoNotOptimize(sqlite3_column_bytes(statement.s, c));
        }
        ++rows;
    }
    return rows;
}

// Keeps the real and CPU time of every run and prints the ratios of the pairs below.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
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
        const std::pair<const char*, const char*> pairs[] = {
            { "TrackSearch/catalogue", "TrackSearch/bare" },
            { "TrackSearch/window", "TrackSearch/bare" },
            { "Statistics/catalogue", "Statistics/bare" },
            { "Statistics/window", "Statistics/bare" },
        };
        std::printf("\n%-22s %11s %11s %7s %11s %11s %7s\n", "operation", "real", "bare real", "ratio", "cpu",
            "bare cpu", "ratio");
        for (const auto& [name, bareName] : pairs) {
            const auto run = m_times.find(name);
            const auto bare = m_times.find(bareName);
            if (run == m_times.end() || bare == m_times.end())
                continue;
            const auto [real, cpu] = run->second;
            const auto [bareReal, bareCpu] = bare->second;
            std::printf("%-22s %11.3f %11.3f %6.2fx %11.3f %11.3f %6.2fx\n", name, real, bareReal,
                real / bareReal, cpu, bareCpu, cpu / bareCpu);
        }
        std::printf("(times per operation in the unit shown above)\n");
    }

private:
    std::map<std::string, std::pair<double, double>> m_times;
};

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);

    QTemporaryDir dir;
    const QString home = dir.path() + QLatin1Char('/');
    const QString path = home + QStringLiteral("Muziek.db");
    QElapsedTimer timer;
    timer.start();
    const GeneratedCatalogue generated = generateCatalogue(path);
    if (!generated.ok) {
        std::fprintf(stderr, "generating the catalogue failed: %s\n", qPrintable(generated.error));
        return 1;
    }
    std::printf("generated 3,000 artists, 25,000 albums, 300,000 tracks in %lld ms (%lld KiB)\n",
        static_cast<long long>(timer.elapsed()), static_cast<long long>(QFileInfo(path).size() / 1024));

    const Catalogue catalogue(path);
    SilentPrompts prompts;
    Session session(home);
    session.settings.database = path;
    session.settings.taal = QStringLiteral("200");

    // Both sides must find the same tracks, or the comparison says nothing.
    const auto hits = findTracks(catalogue, commonWord, "Artist", "Year", "Title");
    const std::size_t bareHits = runBare(path, trackSearchSql, "%love%");
    if (!hits || static_cast<std::size_t>(hits.value().rows.size()) != bareHits) {
        std::fprintf(stderr, "the searches disagree\n");
        return 1;
    }
    std::printf("a search for \"%s\" finds %zu of 300,000 tracks\n", qPrintable(commonWord), bareHits);

    benchmark::RegisterBenchmark("TrackSearch/catalogue", [&](benchmark::State& state) {
        for (auto _ : state) {
            auto found = findTracks(catalogue, commonWord, "Artist", "Year", "Title");
            if (!found || found.value().rows.isEmpty())
                state.SkipWithError("nothing found");
            benchmark::DoNotOptimize(found);
        }
    })->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("TrackSearch/window", [&](benchmark::State& state) {
        for (auto _ : state) {
            WizardTrack window(session, prompts);
            window.findChild<QLineEdit*>(QStringLiteral("txtCriterium"))->setText(commonWord);
            window.findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
            if (!window.showsResults())
                state.SkipWithError("nothing found");
        }
    })->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("TrackSearch/bare", [&](benchmark::State& state) {
        for (auto _ : state) {
            if (runBare(path, trackSearchSql, "%love%") == 0)
                state.SkipWithError("nothing found");
        }
    })->Unit(benchmark::kMillisecond);

    benchmark::RegisterBenchmark("Statistics/catalogue", [&](benchmark::State& state) {
        for (auto _ : state) {
            for (int i = 0; i < kStatisticsCountCount; ++i)
                benchmark::DoNotOptimize(readCount(catalogue, i));
            benchmark::DoNotOptimize(readPlaylistCount(catalogue));
            auto top = readTopTwelve(catalogue);
            if (!top || top.value().size() != kChartPlaces)
                state.SkipWithError("no chart");
            benchmark::DoNotOptimize(top);
        }
    })->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Statistics/window", [&](benchmark::State& state) {
        for (auto _ : state) {
            StatistiekWindow window(session, prompts);
            window.findChild<QPushButton*>(QStringLiteral("cmdMeer"))->click();
            if (!window.chartOpen())
                state.SkipWithError("no chart");
        }
    })->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Statistics/bare", [&](benchmark::State& state) {
        for (auto _ : state) {
            for (const char* sql : statisticsSql)
                if (runBare(path, sql) == 0)
                    state.SkipWithError("no rows");
        }
    })->Unit(benchmark::kMillisecond);

    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printRatios();
    benchmark::Shutdown();
    return 0;
}
