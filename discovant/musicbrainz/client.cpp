#include "discovant/musicbrainz/client.h"

#include "discovant/cddb/protocoltexts.h"

#include <algorithm>
#include <curl/curl.h>
#include <memory>
#include <utf8proc.h>

namespace discovant::musicbrainz {

namespace {

constexpr long kHttpOk = 200;
constexpr long kHttpNotFound = 404;
constexpr long kHttpUnavailable = 503;
constexpr int32_t kLeastScore = 90;
// The largest page a browse gives.
constexpr int32_t kBrowsePage = 100;
// A browse that keeps announcing more than this is not followed further.
constexpr int32_t kMostBrowsed = 5000;

const char* const kDiscIncludes = "inc=artist-credits+recordings+release-groups+labels&fmt=json";

std::string withoutTrailingSlash(std::string address)
{
    while (!address.empty() && address.back() == '/')
        address.pop_back();
    if (address.find("://") == std::string::npos)
        address = "https://" + address;
    return address;
}

// A value inside a quoted phrase of the search's query language.
std::string phrase(const std::string& value)
{
    std::string quoted = "\"";
    for (const char c : value) {
        if (c == '"' || c == '\\')
            quoted += '\\';
        quoted += c;
    }
    return quoted + "\"";
}

bool isPicture(const std::string& contentType)
{
    return contentType.rfind("image/", 0) == 0;
}

} // namespace

std::string failureText(const Failure& failure, uCDDBLang language)
{
    if (failure.number >= kErrorMissingEmail && failure.number <= kErrorNotPicture)
        return protocolErrorText(failure.number, language, failure.detail);
    std::string text = errorDescription(failure.number, language);
    if (!failure.detail.empty())
        text += " (" + failure.detail + ")";
    return text;
}

std::string foldForComparison(const std::string& text)
{
    utf8proc_uint8_t* folded = nullptr;
    const utf8proc_ssize_t length = utf8proc_map(reinterpret_cast<const utf8proc_uint8_t*>(text.data()),
        static_cast<utf8proc_ssize_t>(text.size()), &folded,
        static_cast<utf8proc_option_t>(
            UTF8PROC_COMPOSE | UTF8PROC_COMPAT | UTF8PROC_CASEFOLD | UTF8PROC_STRIPMARK | UTF8PROC_STABLE));
    if (length < 0)
        return text;
    const std::unique_ptr<utf8proc_uint8_t, decltype(&std::free)> owned(folded, &std::free);
    return std::string(reinterpret_cast<const char*>(folded), static_cast<std::size_t>(length));
}

MusicBrainzClient::MusicBrainzClient(HttpClient& http, ServiceOptions options, RateLimiter& limiter)
    : http_(http)
    , options_(std::move(options))
    , limiter_(limiter)
{
    options_.musicBrainzServer = withoutTrailingSlash(options_.musicBrainzServer);
    options_.coverArtServer = withoutTrailingSlash(options_.coverArtServer);
}

std::string MusicBrainzClient::apiUrl(const std::string& pathAndQuery) const
{
    return options_.musicBrainzServer + "/ws/2/" + pathAndQuery;
}

std::string frontCoverUrl(const std::string& coverArtServer, const std::string& releaseId)
{
    return withoutTrailingSlash(coverArtServer) + "/release/" + urlEscape(releaseId) + "/front-500";
}

std::string MusicBrainzClient::coverUrl(const std::string& releaseId) const
{
    return frontCoverUrl(options_.coverArtServer, releaseId);
}

MusicBrainzClient::Fetched MusicBrainzClient::fetch(const std::string& url, std::size_t maxBytes, bool json)
{
    HttpLimits limits = http_.limits();
    const HttpLimits kept = limits;
    limits.maxBodyBytes = maxBytes;
    http_.setLimits(limits);
    // The client may be shared with the CDDB requests, which keep their own agent name.
    const std::string keptAgent = http_.userAgent();
    http_.setUserAgent(options_.userAgent);
    const std::vector<std::string> headers
        = json ? std::vector<std::string> { "Accept: application/json" } : std::vector<std::string> {};

    Fetched fetched;
    for (int attempt = 0;; ++attempt) {
        limiter_.acquire(cancelled_);
        if (cancelled_ && cancelled_->load()) {
            fetched.failure = Failure { kErrorCancelled, {} };
            break;
        }
        fetched.result = http_.get(url, headers);
        const HttpResult& result = fetched.result;
        if (!result.ok) {
            fetched.failure = Failure { result.errorCode, result.errorDetail };
            break;
        }
        if (result.httpStatus != kHttpUnavailable)
            break;
        if (attempt >= options_.retries) {
            fetched.failure = Failure { kErrorServiceBusy, {} };
            break;
        }
        // The service sheds load with 503: the next try waits as long as it asks (bounded,
        // so a hostile value cannot park the program), and every other request waits too.
        if (result.retryAfterSeconds > 0)
            limiter_.holdUntil(RateLimiter::Clock::now()
                + std::min<std::chrono::seconds>(
                    std::chrono::seconds(result.retryAfterSeconds), kLongestRetryAfter));
    }
    http_.setLimits(kept);
    http_.setUserAgent(keptAgent);
    return fetched;
}

Answer<std::string> MusicBrainzClient::fetchJson(const std::string& url, bool notFoundIsEmpty)
{
    Fetched fetched = fetch(url, options_.maxJsonBytes, true);
    Answer<std::string> answer;
    if (fetched.failure) {
        answer.failure = *fetched.failure;
    } else if (fetched.result.httpStatus == kHttpOk
        || (notFoundIsEmpty && fetched.result.httpStatus == kHttpNotFound)) {
        answer.value = fetched.result.httpStatus == kHttpOk ? std::move(fetched.result.body) : std::string();
    } else {
        answer.failure = Failure { kErrorHttpStatus, std::to_string(fetched.result.httpStatus) };
    }
    return answer;
}

Answer<std::vector<Release>> MusicBrainzClient::lookupDisc(const MusicBrainzDisc& disc)
{
    Answer<std::vector<Release>> answer;
    Answer<std::string> json = fetchJson(apiUrl("discid/" + urlEscape(disc.id) + "?" + kDiscIncludes), true);
    // Unknown disc ID: ask for discs of a similar TOC.
    if (json && json.value->empty())
        json = fetchJson(apiUrl("discid/-?toc=" + disc.tocArgument + "&" + kDiscIncludes), true);
    if (!json) {
        answer.failure = json.failure;
        return answer;
    }
    if (json.value->empty()) {
        answer.value.emplace();
        return answer;
    }
    answer.value = readReleases(*json.value);
    if (!answer.value)
        answer.failure = Failure { kErrorBadAnswer, {} };
    return answer;
}

Answer<std::vector<Release>> MusicBrainzClient::searchReleases(
    const std::string& artist, const std::string& title, const std::string& year)
{
    Answer<std::vector<Release>> answer;
    std::string query = "artist:" + phrase(artist) + " AND release:" + phrase(title);
    if (!year.empty())
        query += " AND date:" + phrase(year);
    const Answer<std::string> json
        = fetchJson(apiUrl("release?query=" + urlEscape(query) + "&fmt=json"), false);
    if (!json) {
        answer.failure = json.failure;
        return answer;
    }
    std::optional<std::vector<Release>> found = readReleases(*json.value);
    if (!found) {
        answer.failure = Failure { kErrorBadAnswer, {} };
        return answer;
    }
    const std::string wantedArtist = foldForComparison(artist);
    const std::string wantedTitle = foldForComparison(title);
    std::erase_if(*found, [&](const Release& release) {
        return release.score < kLeastScore || foldForComparison(release.artist) != wantedArtist
            || foldForComparison(release.title) != wantedTitle;
    });
    std::stable_sort(
        found->begin(), found->end(), [](const Release& a, const Release& b) { return a.score > b.score; });
    answer.value = std::move(found);
    return answer;
}

Answer<std::vector<Artist>> MusicBrainzClient::searchArtists(const std::string& name)
{
    Answer<std::vector<Artist>> answer;
    const Answer<std::string> json
        = fetchJson(apiUrl("artist?query=" + urlEscape("artist:" + phrase(name)) + "&fmt=json"), false);
    if (!json) {
        answer.failure = json.failure;
        return answer;
    }
    answer.value = readArtists(*json.value);
    if (!answer.value)
        answer.failure = Failure { kErrorBadAnswer, {} };
    else
        std::stable_sort(answer.value->begin(), answer.value->end(),
            [](const Artist& a, const Artist& b) { return a.score > b.score; });
    return answer;
}

Answer<std::vector<ReleaseGroup>> MusicBrainzClient::releaseGroups(
    const std::string& artistId, const std::vector<std::string>& types)
{
    Answer<std::vector<ReleaseGroup>> answer;
    std::string typeFilter;
    for (const std::string& type : types)
        typeFilter += (typeFilter.empty() ? "&type=" : "|") + urlEscape(type);
    std::vector<ReleaseGroup> groups;
    for (int32_t offset = 0;;) {
        const Answer<std::string> json = fetchJson(
            apiUrl("release-group?artist=" + urlEscape(artistId) + typeFilter + "&limit="
                + std::to_string(kBrowsePage) + "&offset=" + std::to_string(offset) + "&fmt=json"),
            false);
        if (!json) {
            answer.failure = json.failure;
            return answer;
        }
        const std::optional<ReleaseGroupPage> page = readReleaseGroups(*json.value);
        if (!page) {
            answer.failure = Failure { kErrorBadAnswer, {} };
            return answer;
        }
        groups.insert(groups.end(), page->groups.begin(), page->groups.end());
        offset += static_cast<int32_t>(page->groups.size());
        // An empty page ends the list whatever the count says, so a wrong count cannot loop.
        if (page->groups.empty() || offset >= page->total || offset >= kMostBrowsed)
            break;
    }
    answer.value = std::move(groups);
    return answer;
}

Answer<Cover> MusicBrainzClient::frontCover(const std::string& releaseId)
{
    Answer<Cover> answer;
    Fetched fetched = fetch(coverUrl(releaseId), options_.maxCoverBytes, false);
    if (fetched.failure) {
        answer.failure = *fetched.failure;
    } else if (fetched.result.httpStatus == kHttpNotFound) {
        answer.failure = Failure { kErrorNoCover, {} };
    } else if (fetched.result.httpStatus != kHttpOk) {
        answer.failure = Failure { kErrorHttpStatus, std::to_string(fetched.result.httpStatus) };
    } else if (!isPicture(fetched.result.contentType) || fetched.result.body.empty()) {
        answer.failure = Failure { kErrorNotPicture, fetched.result.contentType };
    } else {
        answer.value = Cover { std::move(fetched.result.body), fetched.result.contentType };
    }
    return answer;
}

} // namespace discovant::musicbrainz
