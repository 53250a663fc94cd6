// The ISO 9660 volume serial number, on images written by the tests.
#include "discovant/drive/tocreader.h"
#include "discovant/drive/volumeserial.h"
#include "testkit/discimage.h"
#include "testkit/files.h"

#include <gtest/gtest.h>

namespace discovant {
namespace {

using testkit::UserData;
using testkit::volumeDescriptor;

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
    UserData zero {};
    EXPECT_EQ(cdfsVolumeSerial(zero), 0u);
    // 512 words of 01 02 03 04: every lane sums to a multiple of 256. Changing one byte then
    // shows that the lanes wrap on their own, without carries or borrows between them.
    UserData words {};
    for (std::size_t i = 0; i < words.size(); ++i)
        words[i] = static_cast<unsigned char>(i % 4 + 1);
    EXPECT_EQ(cdfsVolumeSerial(words), 0u);
    words[3] = 5; // lane 3 gains 1
    EXPECT_EQ(cdfsVolumeSerial(words), 0x00000001u);
    words[0] = 0; // lane 0 loses 1: 0xFF, no borrow from the other lanes
    EXPECT_EQ(cdfsVolumeSerial(words), 0xFF000001u);
}

TEST(VolumeSerial, FindsThePrimaryDescriptorOnIsoAndCueImages)
{
    testkit::TempFolder folder;
    testkit::writeIsoImage(
        folder.file("disc.iso"), 20, { { 16, primaryDescriptor() }, { 17, volumeDescriptor(kTerminator) } });
    // A boot record before the primary descriptor, as on bootable discs.
    testkit::writeIsoImage(folder.file("boot.iso"), 20,
        { { 16, volumeDescriptor(kBootRecord) }, { 17, primaryDescriptor() },
            { 18, volumeDescriptor(kTerminator) } });
    // A mode 1 data track of raw sectors, the descriptor at its sector 16; and an enhanced CD,
    // audio first, the file system in the data track after it.
    testkit::writeCueSheet(folder.path(), "data",
        "FILE \"data.bin\" BINARY\n  TRACK 01 MODE1/2352\n    INDEX 01 00:00:00\n", 300);
    testkit::writeCueSheet(folder.path(), "enhanced",
        "FILE \"enhanced.bin\" BINARY\n  TRACK 01 AUDIO\n    INDEX 01 00:00:00\n"
        "  TRACK 02 MODE1/2352\n    INDEX 01 00:04:00\n",
        600);
    for (const auto& [bin, track] : { std::pair { "data.bin", 0 }, std::pair { "enhanced.bin", 300 } }) {
        testkit::putMode1Sector(folder.file(bin), track + 16, primaryDescriptor());
        testkit::putMode1Sector(folder.file(bin), track + 17, volumeDescriptor(kTerminator));
    }
    for (const char* name : { "disc.iso", "boot.iso", "data.cue", "enhanced.cue" })
        EXPECT_EQ(volumeSerial(folder.file(name).string()), kExpectedSerial) << name;
}

TEST(VolumeSerial, EmptyWithoutAnIso9660Volume)
{
    testkit::TempFolder folder;
    // An audio CD image, a file without volume descriptors, one cut before sector 16, a
    // descriptor set without a primary descriptor, and a High Sierra style identifier.
    testkit::writeAudioDisc(folder.path(), "audio", { 4 });
    testkit::writeIsoImage(folder.file("zeros.iso"), 20, {});
    testkit::writeIsoImage(folder.file("short.iso"), 10, {});
    testkit::writeIsoImage(folder.file("noprimary.iso"), 20,
        { { 16, volumeDescriptor(kBootRecord) }, { 17, volumeDescriptor(kTerminator) } });
    UserData foreign = primaryDescriptor();
    foreign[1] = 'X';
    testkit::writeIsoImage(folder.file("foreign.iso"), 20, { { 16, foreign } });
    testkit::writeFile(folder.file("notes.txt"), "hello\n");
    for (const char* name :
        { "audio.cue", "zeros.iso", "short.iso", "noprimary.iso", "foreign.iso", "notes.txt", "missing.iso" })
        EXPECT_EQ(volumeSerial(folder.file(name).string()), "") << name;
    EXPECT_EQ(volumeSerial(folder.path().string()), "");
    EXPECT_EQ(volumeSerial(""), "");
}

} // namespace
} // namespace discovant
