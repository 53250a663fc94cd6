#pragma once

#include "db/catalogue.h"
#include "discovant/musicbrainz/answers.h"

#include <vector>

// Filling an artist's discography (`Discografie`) from the release groups MusicBrainz lists
// for the artist.

// The kinds the user picks from: albums, EPs, singles and compilations (an album, EP or
// single whose secondary types include "Compilation").
enum class ReleaseKind { Album, EP, Single, Compilation, Other };
ReleaseKind releaseKind(const discovant::musicbrainz::ReleaseGroup& group);

// The artists of a search that bear `name` (compared folded: "ABBA" is "Abba"); all of them
// when none does, so a name spelt a little differently can still be chosen.
std::vector<discovant::musicbrainz::Artist> artistsNamed(
    std::vector<discovant::musicbrainz::Artist> artists, const std::string& name);

// The primary types asked of the service; other kinds (broadcasts, ...) are no discography.
std::vector<std::string> discographyTypes();

// Adds the release groups as rows of artist `artistId`, title and first-release year (Null
// when unknown), all in one transaction. A group whose title and year the discography already
// holds (names compared folded, as artist names are) is skipped, also one that an earlier group
// of the same call added. Yields the number of rows added.
DbResult<qint64> addToDiscography(const Catalogue& catalogue, qint64 artistId,
    const std::vector<discovant::musicbrainz::ReleaseGroup>& groups);
