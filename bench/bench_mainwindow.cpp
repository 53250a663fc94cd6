// The main window on a generated catalogue of 3,000 artists, 25,000 albums and 300,000
// tracks: start-up to a filled, shown window and choosing an artist, each beside the same
// statements run bare through SQLite's C API in the same process. Prints the ratios.
#include "shell/session.h"
#include "shell/ui/mainwindow.h"
#include "shell/ui/userprompts.h"
#include "support/catalogue_generator.h"
#include "support/benchtools.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <chrono>
#include <cstdio>
#include <map>
#include <string>

namespace {

struct Fixture {
    QTemporaryDir dir;
    QString home;
    QString db;
    GeneratedCatalogue generated;

    Fixture()
    {
        home = dir.path() + QLatin1Char('/');
        db = home + QStringLiteral("Muziek.db");
        generated = generateCatalogue(db);
        QFile ini(home + QStringLiteral("Melotheek.ini"));
        if (ini.open(QIODevice::WriteOnly))
            ini.write(QStringLiteral("[Instellingen]\nSetup=1\nTaal=200\nDatabase=%1\nCoverDir=%2\n"
                                     "[Beeld]\nLaatsteArtiest=0\nLaatsteAlbum=1\n")
                          .arg(db, home).toUtf8());
    }
};

Fixture& fixture()
{
    static Fixture f;
    return f;
}

std::map<std::string, double> meanNs;

void record(const benchmark::State& state, const std::string& name, double totalNs)
{
    if (state.iterations() > 0)
        meanNs[name] = totalNs / static_cast<double>(state.iterations());
}

// The artist list and the first artist's albums, read bare with the same statements.
void bareStartupStatements(sqlite3* db, qint64 artistId)
{
    sqlite3_stmt* s = nullptr;
    sqlite3_prepare_v2(db, "SELECT Id, Artiest FROM Artiest ORDER BY Artiest, Id", -1, &s, nullptr);
    while (sqlite3_step(s) == SQLITE_ROW)
        benchmark::DoNotOptimize(sqlite3_column_text(s, 1));
    sqlite3_finalize(s);
    sqlite3_prepare_v2(db,
                       "SELECT Id, Titel, Jaar, Drager, Gekocht, Playlist, Bijzonderheden, Lengte FROM Titel "
                       "WHERE ArtiestId = ? ORDER BY Jaar DESC, Titel ASC",
                       -1, &s, nullptr);
    sqlite3_bind_int64(s, 1, artistId);
    while (sqlite3_step(s) == SQLITE_ROW)
        for (int c = 0; c < 8; ++c)
            benchmark::DoNotOptimize(sqlite3_column_text(s, c));
    sqlite3_finalize(s);
}

void BM_StartupToFilledWindow(benchmark::State& state)
{
    Fixture& f = fixture();
    SilentPrompts prompts;
    double total = 0;
    for (auto _ : state) {
        const auto begin = std::chrono::steady_clock::now();
        Session session(f.home);
        MainWindow window(session, prompts, f.home);
        window.start();
        window.show();
        QApplication::processEvents();
        total += std::chrono::duration<double, std::nano>(std::chrono::steady_clock::now() - begin).count();
        window.hide();
    }
    record(state, "startup", total);
}

void BM_StartupBare(benchmark::State& state)
{
    Fixture& f = fixture();
    double total = 0;
    for (auto _ : state) {
        const auto begin = std::chrono::steady_clock::now();
        sqlite3* db = nullptr;
        sqlite3_open_v2(QFile::encodeName(f.db).constData(), &db, SQLITE_OPEN_READONLY, nullptr);
        sqlite3_stmt* first = nullptr;
        sqlite3_prepare_v2(db, "SELECT Id FROM Artiest ORDER BY Artiest, Id LIMIT 1", -1, &first, nullptr);
        const qint64 id = sqlite3_step(first) == SQLITE_ROW ? sqlite3_column_int64(first, 0) : 0;
        sqlite3_finalize(first);
        bareStartupStatements(db, id);
        sqlite3_close_v2(db);
        total += std::chrono::duration<double, std::nano>(std::chrono::steady_clock::now() - begin).count();
    }
    record(state, "startup bare", total);
}

void BM_ChooseArtistInWindow(benchmark::State& state)
{
    Fixture& f = fixture();
    SilentPrompts prompts;
    Session session(f.home);
    MainWindow window(session, prompts, f.home);
    window.start();
    auto* combo = window.findChild<QComboBox*>(QStringLiteral("cboArtiest"));
    int row = 0;
    double total = 0;
    for (auto _ : state) {
        row = (row + 97) % combo->count();
        const auto begin = std::chrono::steady_clock::now();
        combo->setCurrentIndex(row);
        emit combo->activated(row);
        total += std::chrono::duration<double, std::nano>(std::chrono::steady_clock::now() - begin).count();
    }
    record(state, "choose artist", total);
}

void BM_ChooseArtistBare(benchmark::State& state)
{
    Fixture& f = fixture();
    double total = 0;
    qint64 id = 0;
    for (auto _ : state) {
        id = id % 3000 + 97;
        const auto begin = std::chrono::steady_clock::now();
        sqlite3* db = nullptr;
        sqlite3_open_v2(QFile::encodeName(f.db).constData(), &db, SQLITE_OPEN_READONLY, nullptr);
        sqlite3_stmt* s = nullptr;
        sqlite3_prepare_v2(db,
                           "SELECT Id, Titel, Jaar, Drager, Gekocht, Playlist, Bijzonderheden, Lengte FROM Titel "
                           "WHERE ArtiestId = ? ORDER BY Jaar DESC, Titel ASC",
                           -1, &s, nullptr);
        sqlite3_bind_int64(s, 1, id);
        while (sqlite3_step(s) == SQLITE_ROW)
            for (int c = 0; c < 8; ++c)
                benchmark::DoNotOptimize(sqlite3_column_text(s, c));
        sqlite3_finalize(s);
        sqlite3_close_v2(db);
        total += std::chrono::duration<double, std::nano>(std::chrono::steady_clock::now() - begin).count();
    }
    record(state, "choose artist bare", total);
}

BENCHMARK(BM_StartupToFilledWindow)->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_StartupBare)->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_ChooseArtistInWindow)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ChooseArtistBare)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (!fixture().generated.ok) {
        std::fprintf(stderr, "cannot generate the catalogue: %s\n", qPrintable(fixture().generated.error));
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::printf("\nwindow / bare SQLite:\n");
    for (const char* name : {"startup", "choose artist"}) {
        const double window = meanNs[name];
        const double bare = meanNs[std::string(name) + " bare"];
        if (bare > 0)
            std::printf("  %-14s %9.3f ms vs %9.3f ms  ratio %.2f\n", name, window / 1e6, bare / 1e6, window / bare);
    }
    return 0;
}
