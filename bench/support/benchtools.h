#pragma once

// What the benchmark programs share: bare SQLite handles for the reference side of each
// comparison, a reporter that prints the ratios of measured and bare runs, and the probe
// of a child process's peak memory.

#include "shell/ui/userprompts.h"

#include <QString>

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <cstddef>
#include <map>
#include <string>
#include <utility>
#include <vector>

// A connection opened through SQLite's C API alone, closed when it goes.
struct BareDb {
    explicit BareDb(const QString& path, int flags = SQLITE_OPEN_READWRITE);
    ~BareDb();
    BareDb(const BareDb&) = delete;
    BareDb& operator=(const BareDb&) = delete;
    sqlite3* db = nullptr;
};

// A prepared statement, finalized when it goes.
struct BareStatement {
    BareStatement(sqlite3* db, const char* sql);
    ~BareStatement();
    BareStatement(const BareStatement&) = delete;
    BareStatement& operator=(const BareStatement&) = delete;
    sqlite3_stmt* s = nullptr;
};

// Steps through every row, touching each column as text (what a list or an export shows);
// returns the number of rows.
std::size_t readRowsBare(sqlite3_stmt* statement);

// The console reporter that also keeps the real and CPU time per iteration of every run (the
// median with --benchmark_repetitions) and prints the ratio of measured runs to bare ones.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override;

    // Ratios of the named pairs (measured run, bare run).
    void printRatios(const std::vector<std::pair<std::string, std::string>>& pairs) const;
    // Ratios of every run named "<operation>/<measuredSuffix>" to "<operation>/bare".
    void printRatiosOf(const std::string& measuredSuffix) const;

private:
    // Real and CPU time per iteration; the CPU ratio is the steadier one on a busy machine.
    std::map<std::string, std::pair<double, double>> m_times;
};

// Runs this program again with `arguments` (argv[0] first) and returns what the child
// prints: its own peak resident memory in kB, read by the child itself (the ru_maxrss a
// parent gets from wait4 still counts the memory of the parent the child was spawned from).
// -1 when the child could not run or failed.
long childPeakKb(std::vector<std::string> arguments);

// The child's side of childPeakKb: prints this process's peak resident memory in kB and
// returns the exit status for the child (0, or 1 when the figure could not be read).
int printOwnPeakKb();

// Answers no question: a benchmark never expects one, and an error report is printed on
// stderr instead of blocking the run.
class SilentPrompts : public UserPrompts {
public:
    int messageBox(QWidget*, const QString&, int, const QString&) override;
    void errorReport(QWidget*, const QString& report, const QString&, const QString&) override;
    bool openUrl(const QUrl&) override;
    QString openFileName(QWidget*, const QString&, const QString&, const QString&) override;
    QString existingFolder(QWidget*, const QString&, const QString&) override;
};
