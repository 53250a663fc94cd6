#pragma once

#include <filesystem>
#include <string>

namespace discovant {

// The optical drives among the block devices listed in `blockClassDir` (the kernel's
// /sys/class/block): every SCSI CD/DVD/BD device srN, as "/dev/srN|", in the order of N.
// "" when there is none or the folder cannot be read. GetCdRoms() asks the running kernel.
std::string listOpticalDrives(const std::filesystem::path& blockClassDir);

} // namespace discovant
