#pragma once

// The two-track disc with CD-Text that the component and command-line tests read from a
// cue sheet image: TOC "150 300 600", CD-Text "Band|Album||||Song1|Song2|".

#include "testkit/discimage.h"

#include <filesystem>
#include <string>

namespace discovant::test {

inline const std::string kSampleDiscToc = "150 300 600";
inline const std::string kSampleDiscCdText = "Band|Album||||Song1|Song2|";

// Writes the disc as "disc.cue" and "disc.bin" into `folder`; returns the cue sheet's path.
inline std::string writeSampleDisc(const std::filesystem::path& folder)
{
    return testkit::writeCueSheet(folder, "disc",
        "PERFORMER \"Band\"\nTITLE \"Album\"\nFILE \"disc.bin\" BINARY\n"
        "  TRACK 01 AUDIO\n    TITLE \"Song1\"\n    INDEX 01 00:00:00\n"
        "  TRACK 02 AUDIO\n    TITLE \"Song2\"\n    INDEX 01 00:02:00\n",
        450)
        .string();
}

} // namespace discovant::test
