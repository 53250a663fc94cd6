// "Find missing covers" as the core does it: per album a release search on MusicBrainz and
// the fetch of the front cover (with the archive's redirect), over 1,000 albums, against
// fake services on 127.0.0.1. The request limiter runs on a virtual clock, so the figures
// are our own work (CPU time of the requesting thread: building requests, libcurl, JSON,
// folding, the picture's bytes), not the one-request-a-second wait that bounds a real run
// (two requests an album: 2 s an album, about 33 minutes for 1,000 albums).
#include "discovant/cddb/httpclient.h"
#include "discovant/musicbrainz/client.h"
#include "discovant/musicbrainz/ratelimiter.h"

#include <benchmark/benchmark.h>
#include <httplib.h>
#include <nlohmann/json.hpp>
#include <stdexcept>
#include <string>
#include <thread>

namespace {

using discovant::musicbrainz::RateLimiter;

constexpr int kAlbums = 1000;
constexpr std::size_t kCoverBytes = 60 * 1024; // a typical 500-pixel JPEG

// The search answers one release named as asked (with a rival of a lower score) and the
// archive redirects every cover to its picture, as the real services do.
class FakeServices {
public:
    FakeServices()
        : picture_(kCoverBytes, '\x7f')
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

void BM_FindMissingCovers(benchmark::State& state)
{
    FakeServices services;
    // Virtual time: every wait is over at once, and the limiter still spaces the slots.
    RateLimiter::Clock::time_point now {};
    RateLimiter limiter(
        std::chrono::seconds(1), [&now] { return now; },
        [&now](
            RateLimiter::Clock::time_point until, const std::atomic<bool>*) { now = std::max(now, until); });
    discovant::HttpClient http;
    discovant::musicbrainz::ServiceOptions options;
    options.musicBrainzServer = services.url();
    options.coverArtServer = services.url();
    options.userAgent = "Melotheek/bench ( bench@example.org )";
    discovant::musicbrainz::MusicBrainzClient client(http, options, limiter);
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

} // namespace

BENCHMARK_MAIN();
