// "Find missing covers": per album a release search on MusicBrainz and the fetch of the front
// cover (with the archive's redirect), over 1,000 albums, against fake services on 127.0.0.1;
// once as bare client calls, once as the program's whole run (the catalogue read, the walk,
// each cover checked by decoding it and stored beside its target and renamed). The request limiter runs on a
// virtual clock, so the figures are our own work (CPU time of the requesting thread: building requests,
// libcurl, JSON, folding, the picture's bytes), not the one-request-a-second wait that bounds a real run (two
// requests an album: 2 s an album, about 33 minutes for 1,000 albums).
#include "db/catalogue.h"
#include "discovant/cddb/httpclient.h"
#include "discovant/musicbrainz/client.h"
#include "discovant/musicbrainz/ratelimiter.h"
#include "extras/picturefiles.h"
#include "import/missingcovers.h"
#include "shell/progressreport.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <httplib.h>
#include <nlohmann/json.hpp>
#include <stdexcept>
#include <string>
#include <thread>

namespace {

using discovant::musicbrainz::RateLimiter;

constexpr int kAlbums = 1000;

// A 500-pixel JPEG of noise (60 to 200 KB), which is what the checks decode.
std::string coverPicture()
{
    QImage image(500, 500, QImage::Format_RGB32);
    QRandomGenerator random(7);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, 0xff000000u | (random.generate() & 0x3f3f3fu) | ((x * y) & 0xc0c0c0u));
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", 85);
    return buffer.data().toStdString();
}

// The search answers one release named as asked (with a rival of a lower score) and the
// archive redirects every cover to its picture, as the real services do.
class FakeServices {
public:
    FakeServices()
        : picture_(coverPicture())
    {
        server_.Get("/ws/2/release", [](const httplib::Request& request, httplib::Response& response) {
            const std::string query = request.get_param_value("query");
            // artist:"Artist 17" AND release:"Album 17" AND date:"1999"
            const std::size_t artistAt = query.find('"') + 1;
            const std::string artist = query.substr(artistAt, query.find('"', artistAt) - artistAt);
            const std::size_t titleAt = query.find("release:\"") + 9;
            const std::string title = query.substr(titleAt, query.find('"', titleAt) - titleAt);
            nlohmann::json releases = nlohmann::json::array();
            for (int score : { 100, 80 })
                releases.push_back({ { "id", "mbid-" + std::to_string(score) + "-" + title },
                    { "score", score }, { "title", title }, { "date", "1999-05-01" },
                    { "artist-credit", nlohmann::json::array({ { { "name", artist } } }) },
                    { "media", nlohmann::json::array({ { { "format", "CD" }, { "track-count", 12 } } }) } });
            response.set_content(
                nlohmann::json { { "count", 2 }, { "releases", releases } }.dump(), "application/json");
        });
        server_.Get(R"(/release/([^/]+)/front-500)",
            [this](const httplib::Request& request, httplib::Response& response) {
                response.set_redirect("http://127.0.0.1:" + std::to_string(port_) + "/images/"
                        + request.matches[1].str() + ".jpg",
                    307);
            });
        server_.Get(R"(/images/.*)", [this](const httplib::Request&, httplib::Response& response) {
            response.set_content(picture_, "image/jpeg");
        });
        port_ = server_.bind_to_any_port("127.0.0.1");
        if (port_ <= 0)
            throw std::runtime_error("no port for the fake services");
        thread_ = std::thread([this] { server_.listen_after_bind(); });
        while (!server_.is_running())
            std::this_thread::yield();
    }
    ~FakeServices()
    {
        server_.stop();
        thread_.join();
    }
    std::string url() const { return "http://127.0.0.1:" + std::to_string(port_); }

private:
    std::string picture_;
    httplib::Server server_;
    int port_ = 0;
    std::thread thread_;
};

// The limiter on virtual time: every wait is over at once, and the slots are still spaced
// one second apart.
struct VirtualTime {
    RateLimiter::Clock::time_point now {};
    RateLimiter limiter { std::chrono::seconds(1), [this] { return now; },
        [this](RateLimiter::Clock::time_point until, const std::atomic<bool>*) { now = std::max(now, until); } };
};

void BM_FindMissingCovers(benchmark::State& state)
{
    FakeServices services;
    VirtualTime time;
    discovant::HttpClient http;
    discovant::musicbrainz::ServiceOptions options;
    options.musicBrainzServer = services.url();
    options.coverArtServer = services.url();
    options.userAgent = "Melotheek/bench ( bench@example.org )";
    discovant::musicbrainz::MusicBrainzClient client(http, options, time.limiter);
    int found = 0;
    for (auto _ : state) {
        for (int album = 0; album < kAlbums; ++album) {
            const std::string number = std::to_string(album);
            const auto releases = client.searchReleases("Artist " + number, "Album " + number, "1999");
            if (!releases || releases.value->empty())
                continue;
            const auto cover = client.frontCover(releases.value->front().id);
            found += cover ? 1 : 0;
        }
    }
    if (found != kAlbums * static_cast<int>(state.iterations()))
        state.SkipWithError("not every cover was found");
    state.counters["albums"] = kAlbums;
    state.counters["cpu_s_per_album"]
        = benchmark::Counter(static_cast<double>(kAlbums) * static_cast<double>(state.iterations()),
            benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_FindMissingCovers)->Unit(benchmark::kSecond)->Iterations(1);

// The program's run over a catalogue of 1,000 albums without covers: read the albums, search,
// fetch, decode-check and store every cover (the limiter on the virtual clock again).
void BM_FindMissingCoversInCatalogue(benchmark::State& state)
{
    FakeServices services;
    VirtualTime time;
    QTemporaryDir folder;
    const QString database = folder.filePath(QStringLiteral("Muziek.db"));
    const QString coverDir = folder.filePath(QStringLiteral("Covers/"));
    QDir().mkpath(coverDir);
    if (!Catalogue::createEmpty(database)) {
        state.SkipWithError("no catalogue");
        return;
    }
    const Catalogue catalogue(database);
    for (int album = 0; album < kAlbums; ++album) {
        const QString number = QString::number(album);
        const qint64 artist = catalogue
                                  .addRow(QStringLiteral("Artiest"),
                                      { { QStringLiteral("Artiest"), QStringLiteral("Artist ") + number } })
                                  .valueOr(0);
        catalogue.addRow(QStringLiteral("Titel"),
            { { QStringLiteral("ArtiestId"), artist },
                { QStringLiteral("Titel"), QStringLiteral("Album ") + number },
                { QStringLiteral("Jaar"), 1999 } });
    }
    discovant::HttpClient http;
    discovant::musicbrainz::ServiceOptions options;
    options.musicBrainzServer = services.url();
    options.coverArtServer = services.url();
    options.userAgent = "Melotheek/bench ( bench@example.org )";
    discovant::musicbrainz::MusicBrainzClient client(http, options, time.limiter);
    ProgressReport quiet;
    qsizetype found = 0;
    const RateLimiter::Clock::time_point start = time.now;
    for (auto _ : state) {
        const QList<CoverlessAlbum> albums = albumsWithoutCover(catalogue, coverDir).valueOr({});
        const CoverSearchReport report
            = findMissingCovers(albums, coverDir, client, discovant::uCDDBLang::ENGLISH, quiet);
        for (const CoverOutcome& outcome : report.outcomes)
            found += outcome.kind == CoverOutcome::Kind::Found ? 1 : 0;
        state.PauseTiming();
        for (int album = 1; album <= kAlbums; ++album)
            QFile::remove(coverPath(coverDir, album));
        state.ResumeTiming();
    }
    if (found != kAlbums * static_cast<qsizetype>(state.iterations()))
        state.SkipWithError("not every cover was found and stored");
    state.counters["albums"] = kAlbums;
    state.counters["cpu_s_per_album"]
        = benchmark::Counter(static_cast<double>(kAlbums) * static_cast<double>(state.iterations()),
            benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    // What the one-request-a-second rule makes of the run: the virtual time the limiter spent.
    state.counters["limiter_s_per_album"] = std::chrono::duration<double>(time.now - start).count()
        / (kAlbums * static_cast<double>(state.iterations()));
}
BENCHMARK(BM_FindMissingCoversInCatalogue)->Unit(benchmark::kSecond)->Iterations(1);

} // namespace

int main(int argc, char** argv)
{
    // The picture plugins (JPEG, PNG) are found through the application's library paths.
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
