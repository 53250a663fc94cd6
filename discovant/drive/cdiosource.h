#pragma once

#include <cdio/cdio.h>

#include <memory>
#include <string>

namespace discovant {

struct CdioDestroyer {
    void operator()(CdIo_t* cdio) const { cdio_destroy(cdio); }
};

// A drive or disc image opened through libcdio; destroyed when the pointer goes.
using CdioSource = std::unique_ptr<CdIo_t, CdioDestroyer>;

// Opens an optical drive or a disc image (.cue/.bin, cdrdao .toc, Nero .nrg), letting libcdio
// recognise which. Null when nothing can read it, and at once for anything but a regular
// file or a block device (see discsource.h). libcdio's own log messages are silenced
// first (once per process), so callers print nothing they did not mean to print.
CdioSource openCdioSource(const std::string& driveOrImage);

} // namespace discovant
