// The HTML overview of all artists and the spreadsheet of all artists with tracks (all seven
// fields) on a generated catalogue of 3,000 artists, 25,000 albums and 300,000 tracks, each
// beside its bare statement read through SQLite's C API in the same run (every column touched
// as text). Prints the ratio export/bare per pair after the runs. BM_PeakMemory runs the
// spreadsheet export in fresh processes on the full catalogue and on one a tenth of its size,
// and a process that only starts, and reports each one's peak resident memory.
#include "db/catalogue.h"
#include "export/htmloverview.h"
#include "export/sheetfields.h"
#include "export/workbookexport.h"
#include "support/catalogue_generator.h"
#include "support/benchtools.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <map>
#include <spawn.h>
#include <sqlite3.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

// The statements the exports run, as the export code issues them.
const char* const htmlAllSql = "SELECT Artiest.Artiest, Titel.Titel, Titel.Jaar, Titel.Drager "
                               "FROM Titel INNER JOIN Artiest ON Titel.ArtiestId = Artiest.Id "
                               "ORDER BY Artiest.Artiest, Artiest.Id, Titel.Jaar DESC, Titel.Titel, Titel.Id";

const SheetFieldSelection allFields { true, true, true, true, true, true, true };
const SheetCaptions captions { QStringLiteral("Artist"), QStringLiteral("Title"), QStringLiteral("Year"),
    QStringLiteral("Format"), QStringLiteral("Purchased"), QStringLiteral("Comments"),
    QStringLiteral("Tracks") };

const HtmlOverviewTexts htmlTexts { QStringLiteral("Melotheek"), QStringLiteral("Overview Music Collection"),
    QStringLiteral("Artist"), QStringLiteral("Title"), QStringLiteral("Year"), QStringLiteral("Format") };

// Runs `sql` bare and touches every column of every row as text; returns the row count.
std::size_t readAllBare(const QString& path, const char* sql)
{
    BareDb db(path, SQLITE_OPEN_READONLY);
    sqlite3_stmt* s = nullptr;
    sqlite3_prepare_v2(db.db, sql, -1, &s, nullptr);
    std::size_t rows = 0;
    const int columns = sqlite3_column_count(s);
    while (sqlite3_step(s) == SQLITE_ROW) {
        for (int c = 0; c < columns; ++c) {
            benchmark::DoNotOptimize(sqlite3_column_text(s, c));
            benchmark::DoNotOptimize(sqlite3_column_bytes(s, c));
        }
        ++rows;
    }
    sqlite3_finalize(s);
    return rows;
}

bool writeWorkbookOnce(const QString& db, const QString& out)
{
    return !writeWorkbook(
        Catalogue(db), ExportScope::AllArtists, 0, allFields, captions, out, QStringLiteral("bench"))
                .has_value();
}

} // namespace

int main(int argc, char** argv)
{
    // Child modes of BM_PeakMemory.
    if (argc == 4 && std::strcmp(argv[1], "--workbook-once") == 0) {
        QCoreApplication app(argc, argv);
        return writeWorkbookOnce(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]))
            ? printOwnPeakKb()
            : 1;
    }
    if (argc == 2 && std::strcmp(argv[1], "--idle") == 0) {
        QCoreApplication app(argc, argv);
        return printOwnPeakKb();
    }

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    QTemporaryDir dir;
    const QString full = dir.filePath(QStringLiteral("Muziek.db"));
    const QString tenth = dir.filePath(QStringLiteral("Tiende.db"));
    QElapsedTimer timer;
    timer.start();
    const GeneratedCatalogue generated = generateCatalogue(full);
    const GeneratedCatalogue small = generateCatalogue(tenth, CatalogueSize { 300, 2500, 30000, 10, 100 });
    if (!generated.ok || !small.ok) {
        std::fprintf(stderr, "generating the catalogues failed: %s%s\n", qPrintable(generated.error),
            qPrintable(small.error));
        return 1;
    }
    std::printf("generated 3,000 artists, 25,000 albums, 300,000 tracks (and a tenth of that) in %lld ms\n",
        static_cast<long long>(timer.elapsed()));

    const Catalogue catalogue(full);
    const QString htmlOut = dir.filePath(QStringLiteral("Melotheek.html"));
    const QString workbookOut = dir.filePath(QStringLiteral("Melotheek.xlsx"));
    const QByteArray sheetSql = sheetStatement(SheetMode::Tracks, ExportScope::AllArtists, 0).sql.toUtf8();

    benchmark::RegisterBenchmark("HtmlAll(25000)/export", [&](benchmark::State& state) {
        for (auto _ : state) {
            if (writeHtmlOverview(
                    catalogue, ExportScope::AllArtists, 0, htmlTexts, htmlOut, QStringLiteral("bench")))
                state.SkipWithError("the overview failed");
        }
        state.counters["file_kB"] = static_cast<double>(QFileInfo(htmlOut).size() / 1024);
    })->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("HtmlAll(25000)/bare", [&](benchmark::State& state) {
        for (auto _ : state) {
            if (readAllBare(full, htmlAllSql) != 25000)
                state.SkipWithError("wrong row count");
        }
    })->Unit(benchmark::kMillisecond);

    benchmark::RegisterBenchmark("SheetAllTracks(300000)/export", [&](benchmark::State& state) {
        for (auto _ : state) {
            if (!writeWorkbookOnce(full, workbookOut))
                state.SkipWithError("the workbook failed");
        }
        state.counters["file_kB"] = static_cast<double>(QFileInfo(workbookOut).size() / 1024);
    })->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("SheetAllTracks(300000)/bare", [&](benchmark::State& state) {
        for (auto _ : state) {
            // Albums without tracks add one row each.
            if (readAllBare(full, sheetSql.constData()) < 300000)
                state.SkipWithError("wrong row count");
        }
    })->Unit(benchmark::kMillisecond);

    benchmark::RegisterBenchmark("PeakMemory",
        [&](benchmark::State& state) {
            long fullKb = 0, tenthKb = 0, idleKb = 0;
            const std::string out = dir.filePath(QStringLiteral("Peak.xlsx")).toStdString();
            for (auto _ : state) {
                fullKb = childPeakKb({ "bench_exports", "--workbook-once", full.toStdString(), out });
                tenthKb = childPeakKb({ "bench_exports", "--workbook-once", tenth.toStdString(), out });
                idleKb = childPeakKb({ "bench_exports", "--idle" });
            }
            if (fullKb < 0 || tenthKb < 0 || idleKb < 0)
                state.SkipWithError("a child process failed");
            state.counters["sheet300k_peak_kB"] = static_cast<double>(fullKb);
            state.counters["sheet30k_peak_kB"] = static_cast<double>(tenthKb);
            state.counters["idle_peak_kB"] = static_cast<double>(idleKb);
        })
        ->Iterations(1)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();

    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printRatiosOf("export");
    benchmark::Shutdown();
    return 0;
}
