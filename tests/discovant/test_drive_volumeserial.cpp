// The ISO 9660 volume serial number, on images written by the tests.
#include "discovant/drive/tocreader.h"
#include "discovant/drive/volumeserial.h"
#include "support/discimages.h"

#include <gtest/gtest.h>

namespace discovant {
namespace {

using test::ImageFolder;
using test::UserData;
using test::volumeDescriptor;

constexpr unsigned char kBootRecord = 0;
constexpr unsigned char kPrimary = 1;
constexpr unsigned char kTerminator = 255;

// A primary volume descriptor with volume identifier "AB" and two bytes at the end that make
// the checksums wrap. By hand, summing the bytes at offsets 0, 4, 8, ... into the high byte
// of the serial and those at 3, 7, 11, ... into the low byte, each modulo 256:
//   offsets 0 mod 4: 0x01 (type) + 0x30 ('0') + 0x41 ('A') + 0xF0 (2044) = 0x162 -> 0x62
//   offsets 1 mod 4: 0x43 ('C') + 0x31 ('1') + 0x42 ('B')                = 0xB6
//   offsets 2 mod 4: 0x44 ('D') + 0x01 (version)                         = 0x45
//   offsets 3 mod 4: 0x30 ('0') + 0xFF (2047)                            = 0x12F -> 0x2F
UserData primaryDescriptor()
{
    UserData pvd = volumeDescriptor(kPrimary);
    pvd[40] = 'A';
    pvd[41] = 'B';
    pvd[2044] = 0xF0;
    pvd[2047] = 0xFF;
    return pvd;
}
const std::string kExpectedSerial = "62B6452F";

TEST(VolumeSerial, ChecksumsThePrimaryDescriptorInFourLanes)
{
    EXPECT_EQ(cdfsVolumeSerial(primaryDescriptor()), 0x62B6452Fu);
    UserData zero{};
    EXPECT_EQ(cdfsVolumeSerial(zero), 0u);
    // 512 words of 01 02 03 04: every lane sums to a multiple of 256. Changing one byte then
    // shows that the lanes wrap on their own, without carries or borrows between them.
    UserData words{};
    for (std::size_t i = 0; i < words.size(); ++i)
        words[i] = static_cast<unsigned char>(i % 4 + 1);
    EXPECT_EQ(cdfsVolumeSerial(words), 0u);
    words[3] = 5; // lane 3 gains 1
    EXPECT_EQ(cdfsVolumeSerial(words), 0x00000001u);
    words[0] = 0; // lane 0 loses 1: 0xFF, no borrow from the other lanes
    EXPECT_EQ(cdfsVolumeSerial(words), 0xFF000001u);
}

TEST(VolumeSerial, ReadsAPlainIsoImage)
{
    ImageFolder folder;
    const auto iso = folder.file("disc.iso");
    test::writeIsoImage(iso, 20, {{16, primaryDescriptor()}, {17, volumeDescriptor(kTerminator)}});
    EXPECT_EQ(volumeSerial(iso.string()), kExpectedSerial);

    // A boot record before the primary descriptor, as on bootable discs.
    const auto bootable = folder.file("boot.iso");
    test::writeIsoImage(bootable, 20, {{16, volumeDescriptor(kBootRecord)}, {17, primaryDescriptor()},
                                       {18, volumeDescriptor(kTerminator)}});
    EXPECT_EQ(volumeSerial(bootable.string()), kExpectedSerial);
}

TEST(VolumeSerial, ReadsTheDataTrackOfACueImage)
{
    ImageFolder folder;
    // Mode 1 data track of raw sectors, the descriptor at its sector 16.
    const auto data = test::writeCueImage(folder, "data", R"(FILE "data.bin" BINARY
  TRACK 01 MODE1/2352
    INDEX 01 00:00:00
)",
                                          300);
    test::putMode1Sector(folder.file("data.bin"), 16, primaryDescriptor());
    test::putMode1Sector(folder.file("data.bin"), 17, volumeDescriptor(kTerminator));
    EXPECT_EQ(volumeSerial(data.string()), kExpectedSerial);

    // Enhanced CD: audio first, the file system in the data track after it.
    const auto enhanced = test::writeCueImage(folder, "enhanced", R"(FILE "enhanced.bin" BINARY
  TRACK 01 AUDIO
    INDEX 01 00:00:00
  TRACK 02 MODE1/2352
    INDEX 01 00:04:00
)",
                                              600);
    test::putMode1Sector(folder.file("enhanced.bin"), 300 + 16, primaryDescriptor());
    test::putMode1Sector(folder.file("enhanced.bin"), 300 + 17, volumeDescriptor(kTerminator));
    EXPECT_EQ(volumeSerial(enhanced.string()), kExpectedSerial);
}

TEST(VolumeSerial, EmptyWithoutAnIso9660Volume)
{
    ImageFolder folder;
    // An audio CD image.
    const auto audio = test::writeCueImage(folder, "audio", R"(FILE "audio.bin" BINARY
  TRACK 01 AUDIO
    INDEX 01 00:00:00
)",
                                           300);
    EXPECT_EQ(volumeSerial(audio.string()), "");

    // A file without volume descriptors, one cut before sector 16, a descriptor set without
    // a primary descriptor, and a High Sierra style identifier.
    test::writeIsoImage(folder.file("zeros.iso"), 20, {});
    test::writeIsoImage(folder.file("short.iso"), 10, {});
    test::writeIsoImage(folder.file("noprimary.iso"), 20,
                        {{16, volumeDescriptor(kBootRecord)}, {17, volumeDescriptor(kTerminator)}});
    UserData foreign = primaryDescriptor();
    foreign[1] = 'X';
    test::writeIsoImage(folder.file("foreign.iso"), 20, {{16, foreign}});
    test::writeFile(folder.file("notes.txt"), "hello\n");
    for (const char* name : {"zeros.iso", "short.iso", "noprimary.iso", "foreign.iso", "notes.txt",
                             "missing.iso"})
        EXPECT_EQ(volumeSerial(folder.file(name).string()), "") << name;
    EXPECT_EQ(volumeSerial(folder.path().string()), "");
    EXPECT_EQ(volumeSerial(""), "");
}

} // namespace
} // namespace discovant
