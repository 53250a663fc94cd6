#include "discovant/drive/discsource.h"

#include <sys/stat.h>

namespace discovant {

DiscSourceKind discSourceKind(const std::string& path)
{
    struct stat status { };
    if (path.empty() || ::stat(path.c_str(), &status) != 0)
        return DiscSourceKind::None;
    if (S_ISREG(status.st_mode))
        return DiscSourceKind::ImageFile;
    if (S_ISBLK(status.st_mode))
        return DiscSourceKind::BlockDevice;
    if (S_ISCHR(status.st_mode))
        return DiscSourceKind::CharacterDevice;
    return DiscSourceKind::None;
}

} // namespace discovant
