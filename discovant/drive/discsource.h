#pragma once

#include <string>

namespace discovant {

// What a path given as a drive or a disc image is, found without opening it: opening a FIFO
// blocks until someone writes to it, and reading a character device such as /dev/zero may
// never end.
enum class DiscSourceKind {
    None, // missing, or a FIFO, socket or folder: nothing a reader may open
    ImageFile, // a regular file: a disc image (.cue, .toc, .nrg, .iso)
    BlockDevice, // an optical drive such as /dev/sr0
    CharacterDevice, // a SCSI generic device such as /dev/sg1: pass-through commands only
};

DiscSourceKind discSourceKind(const std::string& path);

} // namespace discovant
