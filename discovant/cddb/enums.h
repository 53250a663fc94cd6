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

} // namespace discovant
