// Local database lookups on a freedb-shaped dump (11 categories × 16 files, 330,000
// entries), beside `grep -F -c` on the same files in the same run, and the peak memory of a
// process that performs one lookup; and on the same kind of dump in the Unix layout (one file
// per entry, 300,000 files), beside `grep -rlF` over the same tree.
//
// The dumps are generated once into /tmp/discovant-bench-localdb (about 200 MB) and
// /tmp/discovant-bench-unixdb (300,000 files, about 1.2 GB on disk), and reused; delete them
// when done.
#include "discovant/cddb/localdb.h"
#include "support/freedb_dump.h"
#include "support/benchtools.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

constexpr size_t kEntriesPerCategory = 30000;
const char* const kFolder = "/tmp/discovant-bench-localdb";
constexpr size_t kUnixEntriesPerCategory = 27273; // 300,003 files in 11 categories
const char* const kUnixFolder = "/tmp/discovant-bench-unixdb";

const bench::FreedbDump& dump()
{
    static const bench::FreedbDump made = bench::makeFreedbDump(kFolder, kEntriesPerCategory);
    return made;
}

const bench::FreedbDump& unixDump()
{
    static const bench::FreedbDump made = bench::makeUnixDump(kUnixFolder, kUnixEntriesPerCategory);
    return made;
}

// Runs a program with its output sent to /dev/null; returns its resource usage.
rusage runQuietly(std::vector<std::string> arguments)
{
    std::vector<char*> argv;
    for (std::string& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t child = 0;
    rusage usage {};
    if (posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), environ) == 0) {
        int status = 0;
        wait4(child, &status, 0, &usage);
    }
    posix_spawn_file_actions_destroy(&actions);
    return usage;
}

// The file of every category that would hold `discId` (its first byte's range).
std::vector<std::string> filesFor(const std::string& discId)
{
    std::vector<std::string> files;
    const discovant::LocalDatabase database(kFolder);
    for (const std::string& category : discovant::LocalDatabase::categories()) {
        if (const auto file = database.fileFor(category, discId))
            files.push_back(file->string());
    }
    return files;
}

void setBytes(benchmark::State& state, uint64_t bytesPerIteration)
{
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytesPerIteration));
}

double cpuMicroseconds(const rusage& usage)
{
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e6
        + static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec);
}

// Runs grep once per iteration and reports its own CPU time (user + system) per run, which
// a busy machine disturbs less than the wall-clock time.
void timeGrep(benchmark::State& state, const std::vector<std::string>& arguments)
{
    double cpu = 0;
    for (auto _ : state)
        cpu += cpuMicroseconds(runQuietly(arguments));
    state.counters["grep_cpu_us"] = cpu / static_cast<double>(state.iterations());
}

// One category file: the entry text the read needs.
void BM_ScanFile(benchmark::State& state, bool hit)
{
    const auto& made = dump();
    const std::string id = hit ? made.hitId : made.missId;
    const discovant::LocalDatabase database(kFolder);
    for (auto _ : state) {
        const std::string text = database.entryText("rock", id);
        if (text.empty() == hit)
            state.SkipWithError("unexpected scan result");
        benchmark::DoNotOptimize(text);
    }
    setBytes(state, std::filesystem::file_size(made.hitFile));
}
BENCHMARK_CAPTURE(BM_ScanFile, hit, true)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK_CAPTURE(BM_ScanFile, miss, false)->Unit(benchmark::kMicrosecond)->UseRealTime();

void BM_GrepFile(benchmark::State& state, bool hit)
{
    const auto& made = dump();
    const std::string id = hit ? made.hitId : made.missId;
    timeGrep(state, { "grep", "-F", "-c", id, made.hitFile.string() });
    setBytes(state, std::filesystem::file_size(made.hitFile));
}
BENCHMARK_CAPTURE(BM_GrepFile, hit, true)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK_CAPTURE(BM_GrepFile, miss, false)->Unit(benchmark::kMicrosecond)->UseRealTime();

// grep on an empty file: what a grep run costs before it reads anything.
void BM_GrepStartOnly(benchmark::State& state)
{
    timeGrep(state, { "grep", "-F", "-c", dump().missId, "/dev/null" });
}
BENCHMARK(BM_GrepStartOnly)->Unit(benchmark::kMicrosecond)->UseRealTime();

// A whole local lookup: the query over all 11 categories, then the read of the entry.
void BM_Lookup(benchmark::State& state, bool hit)
{
    const auto& made = dump();
    const std::string id = hit ? made.hitId : made.missId;
    const discovant::LocalDatabase database(kFolder);
    uint64_t bytes = 0;
    for (const std::string& file : filesFor(id))
        bytes += std::filesystem::file_size(file);
    for (auto _ : state) {
        const std::string query = database.localQueryAnswer(id);
        if ((query.rfind("200 ", 0) == 0) != hit)
            state.SkipWithError("unexpected query answer");
        if (hit)
            benchmark::DoNotOptimize(database.localReadAnswer("rock", id));
        benchmark::DoNotOptimize(query);
    }
    setBytes(state, bytes);
}
BENCHMARK_CAPTURE(BM_Lookup, hit, true)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK_CAPTURE(BM_Lookup, miss, false)->Unit(benchmark::kMicrosecond)->UseRealTime();

// grep over the same 11 files in one run (it reads each file whole; a hit lookup also reads
// the rock file a second time for the entry).
void BM_GrepAllCategories(benchmark::State& state, bool hit)
{
    const auto& made = dump();
    const std::string id = hit ? made.hitId : made.missId;
    std::vector<std::string> arguments = { "grep", "-F", "-c", id };
    uint64_t bytes = 0;
    for (const std::string& file : filesFor(id)) {
        arguments.push_back(file);
        bytes += std::filesystem::file_size(file);
    }
    timeGrep(state, arguments);
    setBytes(state, bytes);
}
BENCHMARK_CAPTURE(BM_GrepAllCategories, hit, true)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK_CAPTURE(BM_GrepAllCategories, miss, false)->Unit(benchmark::kMicrosecond)->UseRealTime();

// A whole local lookup in the Unix layout: the query over all 11 category folders of
// about 27,000 files each, then the read of the entry.
void BM_UnixLookup(benchmark::State& state, bool hit)
{
    const auto& made = unixDump();
    const std::string id = hit ? made.hitId : made.missId;
    const discovant::LocalDatabase database(kUnixFolder);
    for (auto _ : state) {
        const std::string query = database.localQueryAnswer(id);
        if ((query.rfind("200 ", 0) == 0 || query.rfind("210 ", 0) == 0) != hit)
            state.SkipWithError("unexpected query answer");
        if (hit)
            benchmark::DoNotOptimize(database.localReadAnswer("rock", id));
        benchmark::DoNotOptimize(query);
    }
    state.counters["files"] = static_cast<double>(made.entries);
}
BENCHMARK_CAPTURE(BM_UnixLookup, hit, true)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK_CAPTURE(BM_UnixLookup, miss, false)->Unit(benchmark::kMicrosecond)->UseRealTime();

// grep looking for the identifier through every file of the same tree, as a user without
// the component would (`grep -rlF <id> <folder>`); it reads all 300,000 files.
void BM_UnixGrep(benchmark::State& state, bool hit)
{
    const auto& made = unixDump();
    timeGrep(state, { "grep", "-rlF", hit ? made.hitId : made.missId, kUnixFolder });
    setBytes(state, made.bytes);
    state.counters["files"] = static_cast<double>(made.entries);
}
BENCHMARK_CAPTURE(BM_UnixGrep, hit, true)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK_CAPTURE(BM_UnixGrep, miss, false)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

// Peak resident memory of a process doing one whole lookup in the Unix-layout tree.
void BM_UnixPeakMemory(benchmark::State& state)
{
    const auto& made = unixDump();
    long lookupKb = 0, idleKb = 0;
    for (auto _ : state) {
        lookupKb = childPeakKb({ "bench_localdb", "--lookup-once", kUnixFolder, made.hitId });
        idleKb = childPeakKb({ "bench_localdb", "--idle" });
    }
    state.counters["lookup_peak_kB"] = static_cast<double>(lookupKb);
    state.counters["idle_peak_kB"] = static_cast<double>(idleKb);
}
BENCHMARK(BM_UnixPeakMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

// All of rock's files in one: a category file far larger than the read block.
std::filesystem::path bigRockFile()
{
    namespace fs = std::filesystem;
    const fs::path file = fs::path(kFolder) / "big" / "rock" / "00toff";
    if (!fs::exists(file)) {
        fs::create_directories(file.parent_path());
        std::ofstream out(file, std::ios::binary);
        for (const fs::directory_entry& part : fs::directory_iterator(fs::path(kFolder) / "rock"))
            out << std::ifstream(part.path(), std::ios::binary).rdbuf();
    }
    return file;
}

// Peak resident memory of a process doing one whole lookup, of one scanning the big file
// for an identifier it does not hold, and of one that only starts.
void BM_PeakMemory(benchmark::State& state)
{
    const auto& made = dump();
    const std::filesystem::path big = bigRockFile();
    const std::string bigFolder = big.parent_path().parent_path().string();
    long lookupKb = 0, bigScanKb = 0, idleKb = 0;
    for (auto _ : state) {
        lookupKb = childPeakKb({ "bench_localdb", "--lookup-once", kFolder, made.hitId });
        bigScanKb = childPeakKb({ "bench_localdb", "--lookup-once", bigFolder, made.missId });
        idleKb = childPeakKb({ "bench_localdb", "--idle" });
    }
    state.counters["lookup_peak_kB"] = static_cast<double>(lookupKb);
    state.counters["bigfile_peak_kB"] = static_cast<double>(bigScanKb);
    state.counters["bigfile_kB"] = static_cast<double>(std::filesystem::file_size(big) / 1024);
    state.counters["idle_peak_kB"] = static_cast<double>(idleKb);
    state.counters["file_kB"] = static_cast<double>(std::filesystem::file_size(made.hitFile) / 1024);
    state.counters["entries"] = static_cast<double>(made.entries);
    state.counters["avg_entry_B"] = static_cast<double>(made.bytes / made.entries);
}
BENCHMARK(BM_PeakMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    // Child modes of BM_PeakMemory.
    if (argc == 4 && std::strcmp(argv[1], "--lookup-once") == 0) {
        const discovant::LocalDatabase database(argv[2]);
        const std::string answer = database.localQueryAnswer(argv[3]);
        const std::string entry = database.localReadAnswer("rock", argv[3]);
        benchmark::DoNotOptimize(entry);
        return answer.empty() ? 1 : printOwnPeakKb();
    }
    if (argc == 2 && std::strcmp(argv[1], "--idle") == 0)
        return printOwnPeakKb();

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
