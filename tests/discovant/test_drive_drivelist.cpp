// Listing the optical drives from the kernel's block device class.
#include "discovant/drive/drivelist.h"
#include "discovant/drive/tocreader.h"
#include "support/discimages.h"

#include <gtest/gtest.h>

#include <regex>

namespace discovant {
namespace {

TEST(DriveList, ListsOpticalDrivesInNumericOrder)
{
    test::ImageFolder sysfs;
    for (const char* name : {"sr10", "vda", "sr2", "loop0", "sr0", "sr", "srx", "sr1a", "vda1", "zram0"})
        std::filesystem::create_directory(sysfs.file(name));
    EXPECT_EQ(listOpticalDrives(sysfs.path()), "/dev/sr0|/dev/sr2|/dev/sr10|");
}

TEST(DriveList, NoDrivesGiveAnEmptyList)
{
    test::ImageFolder sysfs;
    EXPECT_EQ(listOpticalDrives(sysfs.path()), "");
    std::filesystem::create_directory(sysfs.file("sda"));
    EXPECT_EQ(listOpticalDrives(sysfs.path()), "");
    EXPECT_EQ(listOpticalDrives(sysfs.file("missing")), "");
}

TEST(DriveList, MachineListIsWellFormed)
{
    // Whatever this machine has: nothing, or device paths each followed by "|".
    EXPECT_TRUE(std::regex_match(GetCdRoms(), std::regex("(/dev/sr[0-9]+\\|)*")));
}

} // namespace
} // namespace discovant
