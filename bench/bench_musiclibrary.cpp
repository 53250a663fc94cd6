// The music-library import on a generated library of 2,000 albums and 20,000 FLAC files
// (artist/album folders, tags written with TagLib, 16 kB of audio each): the first import
// into an empty catalogue beside `cat` of the same files to /dev/null in the same run, and a
// second run over the unchanged tree, which must read no file. Peak memory of a process doing
// each, and of one that only starts.
//
// The library is generated once into /tmp/melotheek-bench-library (about 330 MB, a minute)
// and reused; delete it when done.
#include "import/musiclibrary.h"
#include "support/benchtools.h"
#include "support/musicfiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

constexpr int kArtists = 200;
constexpr int kAlbumsPerArtist = 10;
constexpr int kTracksPerAlbum = 10;
const char* const kLibrary = "/tmp/melotheek-bench-library";

// Makes the library unless a complete one is there (its last file is written last).
void makeLibrary()
{
    const QString root = QString::fromLatin1(kLibrary) + QLatin1Char('/');
    const QString last = root
        + QStringLiteral("Artist %1/Album %2/%3.flac")
              .arg(kArtists)
              .arg(kAlbumsPerArtist)
              .arg(kTracksPerAlbum);
    if (QFileInfo::exists(last))
        return;
    const QByteArray audio(16 * 1024, '\x5a');
    for (int a = 1; a <= kArtists; ++a) {
        for (int b = 1; b <= kAlbumsPerArtist; ++b) {
            const QString folder = root + QStringLiteral("Artist %1/Album %2/").arg(a).arg(b);
            QDir().mkpath(folder);
            for (int t = 1; t <= kTracksPerAlbum; ++t) {
                const QString file = folder + QStringLiteral("%1.flac").arg(t);
                const TagValues tags { QStringLiteral("Track %1").arg(t), QStringLiteral("Artist %1").arg(a),
                    {}, QStringLiteral("Album %1").arg(b), 1990 + b, t, 0, {}, {}, {} };
                if (!writeMusicFile(file, AudioKind::Flac, 200, tags)) {
                    std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
                    std::exit(1);
                }
                QFile out(file);
                if (!out.open(QIODevice::Append) || out.write(audio) != audio.size())
                    std::exit(1);
            }
        }
    }
}

// A Melotheek destination in a fresh temporary folder: empty catalogue, playlist and cover folders.
struct Destination {
    QTemporaryDir dir;
    AlbumDestination target { Catalogue(dir.filePath(QStringLiteral("Muziek.db"))),
        dir.filePath(QStringLiteral("Playlist/")), dir.filePath(QStringLiteral("Covers/")) };
    Destination()
    {
        QDir().mkpath(target.muziekDir);
        QDir().mkpath(target.coverDir);
        if (!Catalogue::createEmpty(target.catalogue.path()))
            std::exit(1);
    }
};

// Scans and imports everything new; the number of albums stored.
qint64 importAll(const AlbumDestination& target, qint64* filesRead = nullptr)
{
    auto scan = scanMusicLibrary(target.catalogue, QString::fromLatin1(kLibrary));
    if (!scan)
        return -1;
    if (filesRead)
        *filesRead = scan.value().filesRead;
    return importFolderAlbums(target, scan.value().newAlbums).stored.size();
}

void BM_FirstImport(benchmark::State& state)
{
    makeLibrary();
    for (auto _ : state) {
        state.PauseTiming();
        auto destination = std::make_unique<Destination>();
        state.ResumeTiming();
        const qint64 stored = importAll(destination->target);
        if (stored != kArtists * kAlbumsPerArtist)
            state.SkipWithError("not every album was stored");
        state.PauseTiming();
        destination.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_FirstImport)->Iterations(1)->Repetitions(3)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_CatFiles(benchmark::State& state)
{
    makeLibrary();
    const std::string command
        = std::string("find ") + kLibrary + " -type f -print0 | xargs -0 cat > /dev/null";
    for (auto _ : state) {
        if (std::system(command.c_str()) != 0)
            state.SkipWithError("cat failed");
    }
}
BENCHMARK(BM_CatFiles)->Iterations(1)->Repetitions(3)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_SecondRun(benchmark::State& state)
{
    makeLibrary();
    Destination destination;
    if (importAll(destination.target) != kArtists * kAlbumsPerArtist)
        state.SkipWithError("the first import failed");
    for (auto _ : state) {
        qint64 filesRead = -1;
        if (importAll(destination.target, &filesRead) != 0 || filesRead != 0)
            state.SkipWithError("the second run read or stored something");
    }
}
BENCHMARK(BM_SecondRun)->Iterations(1)->Repetitions(3)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_PeakMemory(benchmark::State& state)
{
    makeLibrary();
    long firstKb = 0;
    long secondKb = 0;
    long idleKb = 0;
    for (auto _ : state) {
        firstKb = childPeakKb({ "bench_musiclibrary", "--import" });
        // The second run's child starts from a catalogue this process filled.
        Destination filled;
        if (importAll(filled.target) != kArtists * kAlbumsPerArtist)
            state.SkipWithError("the first import failed");
        secondKb
            = childPeakKb({ "bench_musiclibrary", "--rerun", filled.target.catalogue.path().toStdString() });
        idleKb = childPeakKb({ "bench_musiclibrary", "--idle" });
    }
    state.counters["first_import_peak_kB"] = static_cast<double>(firstKb);
    state.counters["second_run_peak_kB"] = static_cast<double>(secondKb);
    state.counters["idle_peak_kB"] = static_cast<double>(idleKb);
}
BENCHMARK(BM_PeakMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    // Child modes of BM_PeakMemory: the first import, and a second run on a filled catalogue.
    if (argc == 2 && std::strcmp(argv[1], "--import") == 0) {
        Destination destination;
        return importAll(destination.target) == kArtists * kAlbumsPerArtist ? printOwnPeakKb() : 1;
    }
    if (argc == 3 && std::strcmp(argv[1], "--rerun") == 0) {
        const QString db = QString::fromLocal8Bit(argv[2]);
        const QString folder = QFileInfo(db).path() + QLatin1Char('/');
        const AlbumDestination target { Catalogue(db), folder + QStringLiteral("Playlist/"),
            folder + QStringLiteral("Covers/") };
        qint64 filesRead = -1;
        return importAll(target, &filesRead) == 0 && filesRead == 0 ? printOwnPeakKb() : 1;
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
