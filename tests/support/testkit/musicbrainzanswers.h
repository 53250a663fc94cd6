#pragma once

// Answers of a fake MusicBrainz web service, written from the documented JSON shapes of the
// discid lookup (releases with artist credits, labels, release groups, media with their discs
// and tracks), and a virtual clock for the process's one MusicBrainz request limiter, so
// tests never wait a real second between requests.

#include "discovant/musicbrainz/ratelimiter.h"
#include "testkit/fakeserver.h"

#include <algorithm>
#include <mutex>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

namespace testkit {

// Time that passes only when someone waits for it; the limiter gets its real clock back when
// this one goes.
struct VirtualClock {
    using Limiter = discovant::musicbrainz::RateLimiter;
    VirtualClock() = default;
    VirtualClock(const VirtualClock&) = delete;
    VirtualClock& operator=(const VirtualClock&) = delete;
    ~VirtualClock()
    {
        if (installed)
            installed->setClock({}, {});
    }

    Limiter* installed = nullptr;
    std::mutex mutex;
    Limiter::Clock::time_point now { std::chrono::hours(1) };
    std::vector<Limiter::Clock::time_point> waits;

    void install(Limiter& limiter)
    {
        installed = &limiter;
        limiter.setClock(
            [this] {
                const std::lock_guard lock(mutex);
                return now;
            },
            [this](Limiter::Clock::time_point until, const std::atomic<bool>*) {
                const std::lock_guard lock(mutex);
                waits.push_back(until);
                now = std::max(now, until);
            });
    }
};

inline nlohmann::json mbTrack(const std::string& title, int milliseconds)
{
    return { { "title", title }, { "length", milliseconds }, { "recording", { { "title", title } } } };
}

inline nlohmann::json mbMedium(int position, const std::string& discId, std::vector<nlohmann::json> tracks)
{
    const int count = static_cast<int>(tracks.size());
    return { { "position", position }, { "format", "CD" }, { "track-count", count },
        { "discs", nlohmann::json::array({ { { "id", discId }, { "sectors", 20000 } } }) },
        { "tracks", tracks } };
}

// A release by "Ана & Łódź Ensemble", of 1991, in the release group "rg-" + id (genre rock).
inline nlohmann::json mbRelease(
    const std::string& id, const std::string& title, std::vector<nlohmann::json> media)
{
    using nlohmann::json;
    return { { "id", id }, { "title", title }, { "date", "1991-09-24" }, { "country", "GB" },
        { "barcode", "5012345678900" },
        { "artist-credit",
            json::array(
                { { { "name", "Ана" }, { "joinphrase", " & " } }, { { "name", "Łódź Ensemble" } } }) },
        { "label-info",
            json::array({ { { "catalog-number", "X1" }, { "label", { { "name", "Label" } } } } }) },
        { "release-group", { { "id", "rg-" + id }, { "genres", json::array({ { { "name", "rock" } } }) } } },
        { "media", media } };
}

// The body of a lookup answer holding `list`.
inline std::string mbReleases(std::vector<nlohmann::json> list)
{
    return nlohmann::json { { "releases", list } }.dump();
}

inline Reply jsonReply(std::string body, int status = 200)
{
    return { status, std::move(body), "application/json" };
}

} // namespace testkit
