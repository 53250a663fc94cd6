#include "discovant/musicbrainz/answers.h"

#include <algorithm>
#include <cctype>
#include <limits>
#include <nlohmann/json.hpp>

namespace discovant::musicbrainz {

namespace {

using nlohmann::json;

// Deeper nesting than any answer has is refused rather than parsed (the parser recurses).
constexpr int kMaxDepth = 64;

std::optional<json> parse(std::string_view text)
{
    bool tooDeep = false;
    json::parser_callback_t watchDepth = [&](int level, json::parse_event_t, json&) {
        if (level > kMaxDepth)
            tooDeep = true;
        return !tooDeep;
    };
    json value = json::parse(text.begin(), text.end(), watchDepth, false);
    if (value.is_discarded() || tooDeep || !value.is_object())
        return std::nullopt;
    return value;
}

std::string text(const json& object, const char* key)
{
    const auto found = object.find(key);
    return found != object.end() && found->is_string() ? found->get<std::string>() : std::string();
}

int32_t number(const json& object, const char* key)
{
    const auto found = object.find(key);
    if (found == object.end() || !found->is_number())
        return 0;
    const double value = found->get<double>();
    if (!(value >= 0) || value > std::numeric_limits<int32_t>::max())
        return 0;
    return static_cast<int32_t>(value);
}

// The objects of list `key` (other items skipped); nothing when `key` is not a list.
const json* list(const json& object, const char* key)
{
    const auto found = object.find(key);
    return found != object.end() && found->is_array() ? &*found : nullptr;
}

template <typename Visit> void eachObject(const json& object, const char* key, Visit visit)
{
    if (const json* items = list(object, key))
        for (const json& item : *items)
            if (item.is_object())
                visit(item);
}

const json& member(const json& object, const char* key)
{
    static const json none = json::object();
    const auto found = object.find(key);
    return found != object.end() && found->is_object() ? *found : none;
}

std::string joinedCredit(const json& object)
{
    std::string joined;
    eachObject(object, "artist-credit", [&](const json& credit) {
        std::string name = text(credit, "name");
        if (name.empty())
            name = text(member(credit, "artist"), "name");
        joined += name + text(credit, "joinphrase");
    });
    return joined;
}

std::string firstGenre(const json& object)
{
    std::string genre;
    eachObject(object, "genres", [&](const json& item) {
        if (genre.empty())
            genre = text(item, "name");
    });
    return genre;
}

Medium readMedium(const json& object)
{
    Medium medium;
    medium.position = number(object, "position");
    medium.format = text(object, "format");
    eachObject(object, "discs", [&](const json& disc) { medium.discIds.push_back(text(disc, "id")); });
    eachObject(object, "tracks", [&](const json& item) {
        Track track;
        track.title = text(item, "title");
        const json& recording = member(item, "recording");
        if (track.title.empty())
            track.title = text(recording, "title");
        int64_t milliseconds = number(item, "length");
        if (milliseconds == 0)
            milliseconds = number(recording, "length");
        track.seconds = static_cast<int32_t>((milliseconds + 500) / 1000);
        medium.tracks.push_back(std::move(track));
    });
    medium.trackCount = number(object, "track-count");
    if (medium.trackCount == 0)
        medium.trackCount = static_cast<int32_t>(medium.tracks.size());
    return medium;
}

Release readRelease(const json& object)
{
    Release release;
    release.id = text(object, "id");
    release.title = text(object, "title");
    release.artist = joinedCredit(object);
    release.date = text(object, "date");
    release.country = text(object, "country");
    release.barcode = text(object, "barcode");
    eachObject(object, "label-info", [&](const json& info) {
        if (release.label.empty())
            release.label = text(member(info, "label"), "name");
    });
    const json& group = member(object, "release-group");
    release.releaseGroupId = text(group, "id");
    release.genre = firstGenre(group);
    release.score = number(object, "score");
    eachObject(object, "media", [&](const json& medium) { release.media.push_back(readMedium(medium)); });
    return release;
}

std::string yearOf(const std::string& date)
{
    if (date.size() < 4
        || !std::all_of(date.begin(), date.begin() + 4, [](unsigned char c) { return std::isdigit(c); }))
        return {};
    return date.substr(0, 4);
}

} // namespace

std::string Release::year() const
{
    return yearOf(date);
}

std::optional<std::vector<Release>> readReleases(std::string_view json)
{
    const std::optional<nlohmann::json> answer = parse(json);
    if (!answer || !list(*answer, "releases"))
        return std::nullopt;
    std::vector<Release> releases;
    eachObject(
        *answer, "releases", [&](const nlohmann::json& item) { releases.push_back(readRelease(item)); });
    return releases;
}

std::optional<std::vector<Artist>> readArtists(std::string_view json)
{
    const std::optional<nlohmann::json> answer = parse(json);
    if (!answer || !list(*answer, "artists"))
        return std::nullopt;
    std::vector<Artist> artists;
    eachObject(*answer, "artists", [&](const nlohmann::json& item) {
        artists.push_back(
            { text(item, "id"), text(item, "name"), text(item, "disambiguation"), number(item, "score") });
    });
    return artists;
}

std::optional<ReleaseGroupPage> readReleaseGroups(std::string_view json)
{
    const std::optional<nlohmann::json> answer = parse(json);
    if (!answer || !list(*answer, "release-groups"))
        return std::nullopt;
    ReleaseGroupPage page;
    page.total = number(*answer, "release-group-count");
    page.offset = number(*answer, "release-group-offset");
    eachObject(*answer, "release-groups", [&](const nlohmann::json& item) {
        ReleaseGroup group;
        group.id = text(item, "id");
        group.title = text(item, "title");
        group.year = yearOf(text(item, "first-release-date"));
        group.primaryType = text(item, "primary-type");
        if (const nlohmann::json* types = list(item, "secondary-types"))
            for (const nlohmann::json& type : *types)
                if (type.is_string())
                    group.secondaryTypes.push_back(type.get<std::string>());
        page.groups.push_back(std::move(group));
    });
    return page;
}

const Medium* matchingMedium(const Release& release, const std::string& discId, int32_t trackCount)
{
    for (const Medium& medium : release.media)
        if (std::find(medium.discIds.begin(), medium.discIds.end(), discId) != medium.discIds.end())
            return &medium;
    for (const Medium& medium : release.media)
        if (medium.trackCount == trackCount)
            return &medium;
    return nullptr;
}

std::string mediumTitle(const Release& release, const Medium& medium)
{
    if (release.media.size() < 2)
        return release.title;
    const int32_t position
        = medium.position > 0 ? medium.position : static_cast<int32_t>(&medium - release.media.data()) + 1;
    return release.title + " (disc " + std::to_string(position) + " of "
        + std::to_string(release.media.size()) + ")";
}

} // namespace discovant::musicbrainz
