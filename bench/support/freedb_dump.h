#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace bench {

// A synthetic CDDB database shaped like freedb's dump in windows format: every category
// folder split into 16 files of equal hexadecimal ranges (00to0f … f0toff), entries of
// 10 to 20 tracks and about 600 bytes, each starting with its "#FILENAME=" line.
struct FreedbDump {
    std::filesystem::path folder;
    size_t entries = 0; // in all categories
    uint64_t bytes = 0; // in all files
    std::string hitId; // the last entry of rock's file for its first byte
    std::string missId; // an identifier in no file, with the same first byte
    std::filesystem::path hitFile; // rock's file that holds hitId (and would hold missId)
};

// Writes the dump into `folder` unless a complete one of the same shape is already there
// (a marker file records it), and describes it.
FreedbDump makeFreedbDump(const std::filesystem::path& folder, size_t entriesPerCategory);

// The same kind of entries the way the freedb and gnudb archives unpack (Unix layout): one
// file per entry, named by its disc identifier, in its category folder. hitId is an entry of
// rock, missId an identifier no category has; hitFile is the hit's own file. Reused like
// makeFreedbDump's dump.
FreedbDump makeUnixDump(const std::filesystem::path& folder, size_t entriesPerCategory);

} // namespace bench
