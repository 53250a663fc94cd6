#pragma once

#include <cstdint>

namespace discovant {

// Public enumerations of the component, with their fixed numeric values. Setters take any
// number of the underlying type without a range check (hosts store and pass plain numbers),
// so code that reads them treats unknown values explicitly.

// Which TOC reader GetMediaTOC uses: AUTO tries SPTI, then ASPI, then MCI.
enum class uCDDBIfc : int32_t { AUTO = 0, SPTI = 1, ASPI = 2, MCI = 3 };

// Submit-Mode of a submission: "test" or "submit".
enum class uCDDBMode : int32_t { TEST = 0, SUBMIT = 1 };

// Language of the component's own texts; any value but GERMAN and FRENCH means English.
enum class uCDDBLang : int32_t { ENGLISH = 0, GERMAN = 1, FRENCH = 2 };

// Result of a lookup.
enum class uCDDBMatchCode : int32_t { MATCH_NONE = 0, MATCH_MULTIPLE = 1, MATCH_EXACT = 2 };

// Where LookupMediaByToc looks a disc up, and which source answered.
enum class uCDDBSource : int32_t {
    CDDB = 0, // the CDDB server (or the local database when QueryLocalDatabase is set)
    MUSICBRAINZ = 1,
    LOCAL_DATABASE = 2, // the local CDDB database under CDDBFilePath
    MUSICBRAINZ_THEN_CDDB = 3, // MusicBrainz, and the CDDB server when it has no match
};

// What a running operation is doing, for its progress reports.
enum class uCDDBStep : int32_t {
    READ_DISC = 0, // reading a drive's or a disc image's TOC and CD-Text
    QUERY = 1, // asking the server for matches
    READ_ENTRY = 2, // fetching the chosen entry
    SITES = 3, // fetching the mirror list
    SUBMIT = 4, // posting an entry
    LOCAL_DATABASE = 5, // searching the local database's categories
};

} // namespace discovant
