// Listing the optical drives from a block device class folder laid out like the kernel's.
#include "discovant/drive/drivelist.h"
#include "testkit/files.h"

#include <gtest/gtest.h>

namespace discovant {
namespace {

TEST(DriveList, ListsOpticalDrivesInNumericOrder)
{
    testkit::TempFolder sysfs;
    // The kernel lists each block device as a link to its device folder.
    const auto addDevices = [&](std::initializer_list<const char*> names) {
        for (const char* name : names) {
            std::filesystem::create_directories(sysfs.file("devices") / name);
            std::filesystem::create_directory_symlink(sysfs.file("devices") / name, sysfs.file(name));
        }
    };
    EXPECT_EQ(listOpticalDrives(sysfs.path()), "");
    EXPECT_EQ(listOpticalDrives(sysfs.file("missing")), "");
    addDevices({ "sda", "vda", "vda1", "loop0", "zram0", "sr", "srx", "sr1a" });
    EXPECT_EQ(listOpticalDrives(sysfs.path()), "") << "no optical drive among them";
    addDevices({ "sr10", "sr2", "sr0" });
    EXPECT_EQ(listOpticalDrives(sysfs.path()), "/dev/sr0|/dev/sr2|/dev/sr10|");
}

} // namespace
} // namespace discovant
