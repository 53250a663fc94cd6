// The catalogue routines of the main window against the same statements run bare through
// SQLite's C API, on a generated catalogue of 3,000 artists, 25,000 albums and 300,000 tracks.
// Both sides open and close the file per operation, as the program does. Prints the ratio
// catalogue/bare for each pair after the runs.
#include "db/catalogue.h"
#include "support/benchtools.h"
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

// Reads the rows of a statement as the lists do; a statement without rows spoils the run.
void readRowsOrSkip(sqlite3_stmt* s, benchmark::State& state)
{
    if (readRowsBare(s) == 0)
        state.SkipWithError("no rows");
}

void refreshWorkCopy(const QString& pristine, const QString& work, benchmark::State& state)
{
    QFile::remove(work);
    if (!QFile::copy(pristine, work))
        state.SkipWithError("cannot copy the generated catalogue");
}

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
            auto artists = catalogue.FillArtistList(QLocale(QLocale::English));
            if (!artists || artists.value().size() != 3000)
                state.SkipWithError("artist list not filled");
            benchmark::DoNotOptimize(artists);
        }
    })->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("FillArtistList/bare", [&](benchmark::State& state) {
        for (auto _ : state) {
            BareDb db(pristine);
            BareStatement statement(db.db, artistListSql);
            readRowsOrSkip(statement.s, state);
        }
    })->Unit(benchmark::kMicrosecond);

    // A name that is not catalogued: the whole artist table is compared with case and accents
    // folded, the lookup's worst case.
    benchmark::RegisterBenchmark("ArtistIdByName/absent", [&](benchmark::State& state) {
        for (auto _ : state)
            benchmark::DoNotOptimize(catalogue.ArtistIdByName(QStringLiteral("\u00c9dith Nobody")));
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
                readRowsOrSkip(statement.s, state);
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
    reporter.printRatiosOf("catalogue");
    benchmark::Shutdown();
    return 0;
}
