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

struct BareDb {
    explicit BareDb(const QString& path)
    {
        sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    }
    ~BareDb() { sqlite3_close_v2(db); }
    BareDb(const BareDb&) = delete;
    BareDb& operator=(const BareDb&) = delete;
    sqlite3* db = nullptr;
};

// Runs `sql` bare and touches every column of every row as text; returns the row count.
std::size_t readAllBare(const QString& path, const char* sql)
{
    BareDb db(path);
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

// Collects the real and CPU time per iteration of every run for the ratios.
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
        std::printf("\n%-24s %11s %11s %7s %11s %11s %7s\n", "operation", "real", "bare real", "ratio", "cpu",
            "bare cpu", "ratio");
        for (const auto& [name, time] : m_times) {
            const std::string suffix = "/export";
            if (name.size() <= suffix.size()
                || name.compare(name.size() - suffix.size(), suffix.size(), suffix) != 0)
                continue;
            const std::string base = name.substr(0, name.size() - suffix.size());
            const auto bare = m_times.find(base + "/bare");
            if (bare == m_times.end())
                continue;
            const auto [real, cpu] = time;
            const auto [bareReal, bareCpu] = bare->second;
            std::printf("%-24s %11.1f %11.1f %6.2fx %11.1f %11.1f %6.2fx\n", base.c_str(), real, bareReal,
                real / bareReal, cpu, bareCpu, cpu / bareCpu);
        }
        std::printf("(milliseconds per operation)\n");
    }

private:
    std::map<std::string, std::pair<double, double>> m_times;
};

// Runs this program in one of its child modes and returns what it prints: its own peak
// resident memory in kB (read by the child itself: the ru_maxrss a parent gets from wait4
// still counts the memory of the parent the child was spawned from).
long childPeakKb(std::vector<std::string> arguments)
{
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return -1;
    std::vector<char*> argv;
    for (std::string& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    pid_t child = 0;
    const bool started = posix_spawn(&child, "/proc/self/exe", &actions, nullptr, argv.data(), environ) == 0;
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    std::string output;
    char chunk[256];
    for (ssize_t got; (got = read(pipeEnds[0], chunk, sizeof chunk)) > 0;)
        output.append(chunk, static_cast<size_t>(got));
    close(pipeEnds[0]);
    if (!started)
        return -1;
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? std::atol(output.c_str()) : -1;
}

// Child modes: print this process's peak resident memory (VmHWM) in kB.
int printPeakKb()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmHWM:", 0) == 0) {
            std::printf("%ld\n", std::atol(line.c_str() + 6));
            return 0;
        }
    }
    return 1;
}

} // namespace

int main(int argc, char** argv)
{
    // Child modes of BM_PeakMemory.
    if (argc == 4 && std::strcmp(argv[1], "--workbook-once") == 0) {
        QCoreApplication app(argc, argv);
        return writeWorkbookOnce(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]))
            ? printPeakKb()
            : 1;
    }
    if (argc == 2 && std::strcmp(argv[1], "--idle") == 0) {
        QCoreApplication app(argc, argv);
        return printPeakKb();
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
    reporter.printRatios();
    benchmark::Shutdown();
    return 0;
}
