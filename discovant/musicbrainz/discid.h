#pragma once

#include <optional>
#include <string>

namespace discovant::musicbrainz {

// A disc as MusicBrainz knows it, computed by libdiscid from the media TOC string.
struct MusicBrainzDisc {
    std::string id; // the 28-character disc ID ("YPv1TJ03f7pu6fgwp1cpr3cVsf0-")
    // The TOC in the service's own form for the fuzzy lookup: first track, last track,
    // lead-out, then the track offsets, separated by "+" ("1+2+2000+150+1000").
    std::string tocArgument;
};

// The disc of a media TOC string (normalised like every TOC, see cddb/discid.h). Nothing for
// an invalid TOC and for one libdiscid refuses (more than 99 tracks, addresses out of order,
// a lead-out beyond its 90-minute limit).
std::optional<MusicBrainzDisc> musicBrainzDisc(const std::string& mediaToc);

} // namespace discovant::musicbrainz
