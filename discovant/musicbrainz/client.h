#pragma once

#include "discovant/cddb/enums.h"
#include "discovant/cddb/httpclient.h"
#include "discovant/musicbrainz/answers.h"
#include "discovant/musicbrainz/discid.h"
#include "discovant/musicbrainz/ratelimiter.h"

#include <atomic>
#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace discovant::musicbrainz {

inline constexpr const char* kDefaultMusicBrainzServer = "https://musicbrainz.org";
inline constexpr const char* kDefaultCoverArtServer = "https://coverartarchive.org";

// Why a request gave no answer: a ProtocolError number (the component's own, see
// cddb/protocoltexts.h, or libcurl's) and what to add to its text (an HTTP status, the
// server's words), as failureText() puts them together.
struct Failure {
    int32_t number = 0;
    std::string detail;
};
std::string failureText(const Failure& failure, uCDDBLang language);

// The answer of one call: a value, or the failure.
template <typename T> struct Answer {
    std::optional<T> value;
    Failure failure;
    explicit operator bool() const { return value.has_value(); }
};

// A front cover as it arrived: the picture's bytes and their Content-Type ("image/jpeg").
// The caller checks that the bytes are a picture before it stores them.
struct Cover {
    std::string bytes;
    std::string contentType;
};

// How requests to the services go out.
struct ServiceOptions {
    std::string musicBrainzServer = kDefaultMusicBrainzServer; // "https://host[:port]", or "host[:port]"
    std::string coverArtServer = kDefaultCoverArtServer;
    std::string userAgent; // "Melotheek/1.2.0 ( user@example.org )"
    // A 503 is asked again this many times, after the server's Retry-After (at most
    // kLongestRetryAfter) or the limiter's own interval.
    int retries = 3;
    std::size_t maxJsonBytes = 4 * 1024 * 1024;
    std::size_t maxCoverBytes = 10 * 1024 * 1024;
};
inline constexpr std::chrono::seconds kLongestRetryAfter { 30 };

// Client of the MusicBrainz web service (version 2, JSON) and of the Cover Art Archive. Every
// request waits for its turn at `limiter` (the process's one limiter unless a test or a
// benchmark hands another), goes through `http` (whose watch cancels it) and is bounded by
// its limits. Blocking; one client per thread, like the HttpClient under it.
class MusicBrainzClient {
public:
    MusicBrainzClient(
        HttpClient& http, ServiceOptions options, RateLimiter& limiter = RateLimiter::musicBrainz());

    // Seen while a request waits for its turn; the HttpClient's own watch stops transfers.
    void setCancelFlag(const std::atomic<bool>* cancelled) { cancelled_ = cancelled; }

    // The releases holding the disc: by disc ID, and when the service does not know the ID
    // (404), by the fuzzy TOC form. An empty list when neither finds a release.
    Answer<std::vector<Release>> lookupDisc(const MusicBrainzDisc& disc);

    // Releases of `title` by `artist` (and `year`, when not empty) that the search scores at
    // least 90 and whose artist and title equal the asked ones after case and accent
    // folding, best first.
    Answer<std::vector<Release>> searchReleases(
        const std::string& artist, const std::string& title, const std::string& year);

    // Artists of that name, best first, each with its disambiguation.
    Answer<std::vector<Artist>> searchArtists(const std::string& name);

    // Every release group of the artist whose primary type is one of `types` ("album",
    // "ep", "single"; empty: all), through all pages of the browse.
    Answer<std::vector<ReleaseGroup>> releaseGroups(
        const std::string& artistId, const std::vector<std::string>& types);

    // The address of a release's front cover (500 pixels).
    std::string coverUrl(const std::string& releaseId) const;
    // The front cover, following the archive's redirect (at most five hops). Failures:
    // kErrorNoCover for a release without one (404), kErrorNotPicture for an answer that is
    // no image, CURLE_FILESIZE_EXCEEDED above maxCoverBytes, CURLE_TOO_MANY_REDIRECTS.
    Answer<Cover> frontCover(const std::string& releaseId);

private:
    struct Fetched {
        HttpResult result;
        std::optional<Failure> failure;
    };
    Fetched fetch(const std::string& url, std::size_t maxBytes, bool json);
    Answer<std::string> fetchJson(const std::string& url, bool notFoundIsEmpty);
    std::string apiUrl(const std::string& pathAndQuery) const;

    HttpClient& http_;
    ServiceOptions options_;
    RateLimiter& limiter_;
    const std::atomic<bool>* cancelled_ = nullptr;
};

// The address of a release's front cover (500 pixels) at the archive `coverArtServer`.
std::string frontCoverUrl(const std::string& coverArtServer, const std::string& releaseId);

// Text folded for comparing names: case folded, accents and other combining marks removed,
// compatibility forms unified (NFKC), so "Beyoncé" and "BEYONCE" agree. Invalid UTF-8 is
// compared as it is.
std::string foldForComparison(const std::string& text);

} // namespace discovant::musicbrainz
