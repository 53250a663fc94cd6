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
#include "support/benchtools.h"

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
    reporter.printRatios({ { "TrackSearch/catalogue", "TrackSearch/bare" },
        { "TrackSearch/window", "TrackSearch/bare" }, { "Statistics/catalogue", "Statistics/bare" },
        { "Statistics/window", "Statistics/bare" } });
    benchmark::Shutdown();
    return 0;
}
