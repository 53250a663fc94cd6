#pragma once

#include "discovant/cddb/enums.h"

#include <cstdint>
#include <string>

namespace discovant {

// The settings that every component instance on one thread shares: a host that places two
// lookup controls sets the reader interface or the language once for both. Held per thread
// so instances on different threads stay independent.
struct ThreadSettings {
    uCDDBIfc readerInterface = uCDDBIfc::AUTO;
    uCDDBLang language = uCDDBLang::ENGLISH;
    int32_t popUpTop = 0;
    int32_t popUpLeft = 0;
    // The drive of the last GetMediaTOC or GetMediaInfo; the submission editor reads its
    // CD-Text from there.
    std::string currentDrive;
};

// The calling thread's shared settings.
ThreadSettings& threadSettings();

} // namespace discovant
