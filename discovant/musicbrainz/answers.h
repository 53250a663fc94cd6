#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace discovant::musicbrainz {

// What the component takes from the web service's JSON answers (texts in UTF-8 as sent).
// Every reader is total: a field of the wrong type or missing reads as empty, an item of a
// list that is no object is skipped, and only an answer that is no JSON at all, or whose
// list is missing or of another type, is refused (nothing is returned).

struct Track {
    std::string title;
    int32_t seconds = 0; // 0 when the service does not know the length
};

struct Medium {
    int32_t position = 0; // 1-based place in the release
    std::string format; // "CD", "Enhanced CD", ...
    std::vector<std::string> discIds;
    int32_t trackCount = 0; // as the service counts them, else the listed tracks
    std::vector<Track> tracks;
};

struct Release {
    std::string id;
    std::string title;
    std::string artist; // the artist credit joined: names and join phrases
    std::string date; // "1991-09-24", "1991" or ""
    std::string country;
    std::string barcode;
    std::string label; // the first label's name
    std::string releaseGroupId;
    std::string genre; // the release group's first genre, when the answer lists genres
    int32_t score = 0; // searches only
    std::vector<Medium> media;

    // The year of the date ("" when the date does not start with four digits).
    std::string year() const;
};

struct Artist {
    std::string id;
    std::string name;
    std::string disambiguation;
    int32_t score = 0;
};

struct ReleaseGroup {
    std::string id;
    std::string title;
    std::string year; // of the first release, "" when not known
    std::string primaryType; // "Album", "EP", "Single", ...
    std::vector<std::string> secondaryTypes; // "Compilation", "Live", ...
};

// A page of a browse: its items and where the whole list ends.
struct ReleaseGroupPage {
    std::vector<ReleaseGroup> groups;
    int32_t total = 0;
    int32_t offset = 0;
};

// The answer of a disc ID lookup, of a fuzzy TOC lookup and of a release search: a
// "releases" list.
std::optional<std::vector<Release>> readReleases(std::string_view json);
// The answer of an artist search: an "artists" list.
std::optional<std::vector<Artist>> readArtists(std::string_view json);
// A page of a release-group browse.
std::optional<ReleaseGroupPage> readReleaseGroups(std::string_view json);

// The medium of `release` the disc is: the one listing `discId`, else (a fuzzy hit) the
// first with `trackCount` tracks; nothing when there is none.
const Medium* matchingMedium(const Release& release, const std::string& discId, int32_t trackCount);

// The album title of a medium: the release's title, and for a release of several media
// "Title (disc 2 of 3)".
std::string mediumTitle(const Release& release, const Medium& medium);

} // namespace discovant::musicbrainz
