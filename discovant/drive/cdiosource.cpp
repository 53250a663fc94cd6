#include "discovant/drive/cdiosource.h"

#include "discovant/drive/discsource.h"

#include <cdio/logging.h>

#include <mutex>

namespace discovant {

namespace {

// libcdio writes warnings ("can't open nrg image file ...") to stderr by default. A reader
// reports failure through its result, so the messages are dropped.
void ignoreCdioMessage(cdio_log_level_t, const char*)
{
}

void silenceCdioLog()
{
    static std::once_flag once;
    std::call_once(once, [] { cdio_log_set_handler(ignoreCdioMessage); });
}

} // namespace

CdioSource openCdioSource(const std::string& driveOrImage)
{
    silenceCdioLog();
    // libcdio's image drivers read whatever they are given: a FIFO would block them, a
    // character device might never end.
    const DiscSourceKind kind = discSourceKind(driveOrImage);
    if (kind != DiscSourceKind::ImageFile && kind != DiscSourceKind::BlockDevice)
        return nullptr;
    // DRIVER_UNKNOWN tries the operating system's drive driver and every image driver in turn.
    return CdioSource(cdio_open(driveOrImage.c_str(), DRIVER_UNKNOWN));
}

} // namespace discovant
