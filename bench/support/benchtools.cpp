#include "support/benchtools.h"

#include <QFile>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

BareDb::BareDb(const QString& path, int flags)
{
    sqlite3_open_v2(QFile::encodeName(path).constData(), &db, flags, nullptr);
}

BareDb::~BareDb()
{
    sqlite3_close_v2(db);
}

BareStatement::BareStatement(sqlite3* db, const char* sql)
{
    sqlite3_prepare_v2(db, sql, -1, &s, nullptr);
}

BareStatement::~BareStatement()
{
    sqlite3_finalize(s);
}

std::size_t readRowsBare(sqlite3_stmt* statement)
{
    std::size_t rows = 0;
    const int columns = sqlite3_column_count(statement);
    while (sqlite3_step(statement) == SQLITE_ROW) {
        for (int c = 0; c < columns; ++c) {
            benchmark::DoNotOptimize(sqlite3_column_text(statement, c));
            benchmark::DoNotOptimize(sqlite3_column_bytes(statement, c));
        }
        ++rows;
    }
    return rows;
}

void RatioReporter::ReportRuns(const std::vector<Run>& runs)
{
    // With --benchmark_repetitions the median stands for the benchmark.
    const std::string median = "_median";
    for (const Run& run : runs) {
        if (run.error_occurred)
            continue;
        std::string name = run.benchmark_name();
        if (run.run_type == Run::RT_Aggregate) {
            if (!name.ends_with(median))
                continue;
            name.resize(name.size() - median.size());
        }
        m_times[name] = { run.GetAdjustedRealTime(), run.GetAdjustedCPUTime() };
    }
    ConsoleReporter::ReportRuns(runs);
}

void RatioReporter::printRatios(const std::vector<std::pair<std::string, std::string>>& pairs) const
{
    std::printf("\n%-24s %11s %11s %7s %11s %11s %7s\n", "operation", "real", "bare real", "ratio", "cpu",
        "bare cpu", "ratio");
    for (const auto& [name, bareName] : pairs) {
        const auto run = m_times.find(name);
        const auto bare = m_times.find(bareName);
        if (run == m_times.end() || bare == m_times.end())
            continue;
        const auto [real, cpu] = run->second;
        const auto [bareReal, bareCpu] = bare->second;
        std::printf("%-24s %11.3f %11.3f %6.2fx %11.3f %11.3f %6.2fx\n", name.c_str(), real, bareReal,
            real / bareReal, cpu, bareCpu, cpu / bareCpu);
    }
    std::printf("(times per operation in the unit shown above)\n");
}

void RatioReporter::printRatiosOf(const std::string& measuredSuffix) const
{
    const std::string suffix = "/" + measuredSuffix;
    std::vector<std::pair<std::string, std::string>> pairs;
    for (const auto& entry : m_times) {
        const std::string& name = entry.first;
        if (name.size() > suffix.size() && name.ends_with(suffix))
            pairs.emplace_back(name, name.substr(0, name.size() - suffix.size()) + "/bare");
    }
    printRatios(pairs);
}

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

int printOwnPeakKb()
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

int SilentPrompts::messageBox(QWidget*, const QString&, int, const QString&)
{
    return MsgBox::no;
}

void SilentPrompts::errorReport(QWidget*, const QString& report, const QString&, const QString&)
{
    std::fprintf(stderr, "unexpected error report:\n%s\n", qPrintable(report));
}

bool SilentPrompts::openUrl(const QUrl&)
{
    return true;
}

QString SilentPrompts::openFileName(QWidget*, const QString&, const QString&, const QString&)
{
    return {};
}

QString SilentPrompts::existingFolder(QWidget*, const QString&, const QString&)
{
    return {};
}
