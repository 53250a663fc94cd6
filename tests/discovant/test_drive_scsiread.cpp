// The SCSI readers' command sequence on recorded drive answers, and the device readers on
// paths that are not drives.
#include "discovant/drive/readtoccommand.h"
#include "discovant/drive/tocdecoder.h"
#include "discovant/drive/tocreader.h"
#include "support/discimages.h"
#include "support/drivebuffers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace discovant {
namespace {

using test::buildCdTextAnswer;
using test::buildTocAnswer;

// A drive that answers from recorded buffers and remembers the commands it was sent.
struct RecordedDrive {
    using Answer = std::optional<std::vector<unsigned char>>;
    RecordedDrive(Answer toc, Answer cdText) : tocAnswer(std::move(toc)), cdTextAnswer(std::move(cdText)) {}

    Answer tocAnswer;
    Answer cdTextAnswer;
    std::vector<ReadTocCdb> commands;
    std::vector<std::size_t> allocations;

    SendReadToc sender()
    {
        return [this](const ReadTocCdb& cdb, std::span<unsigned char> answer) -> std::optional<std::size_t> {
            commands.push_back(cdb);
            allocations.push_back(answer.size());
            const auto& recorded = cdb[2] == kReadTocFormatToc ? tocAnswer : cdTextAnswer;
            if (!recorded)
                return std::nullopt;
            const std::size_t n = std::min(recorded->size(), answer.size());
            std::copy_n(recorded->begin(), n, answer.begin());
            return n;
        };
    }
};

const std::vector<unsigned char> kThreeTracks =
    buildTocAnswer(1, {{150}, {15000}, {30000}, {45000}});
const std::vector<unsigned char> kCdText =
    buildCdTextAnswer({{0x80, {"Album", "A", "B", "C"}}, {0x81, {"Band"}}});

TEST(ScsiRead, CommandBlocksAskForMsfTocAndCdText)
{
    EXPECT_EQ(readTocCdb(0, 804), (ReadTocCdb{0x43, 0x02, 0, 0, 0, 0, 0, 0x03, 0x24, 0}));
    EXPECT_EQ(readTocCdb(5, 4612), (ReadTocCdb{0x43, 0x02, 5, 0, 0, 0, 0, 0x12, 0x04, 0}));
}

TEST(ScsiRead, ReadsTocThenCdText)
{
    RecordedDrive drive{kThreeTracks, kCdText};
    const auto read = readTocAndCdText(drive.sender());
    ASSERT_TRUE(read);
    EXPECT_EQ(read->toc, "150 15000 30000 45000");
    EXPECT_EQ(read->cdText, "Band|Album||||A|B|C|");
    ASSERT_EQ(drive.commands.size(), 2u);
    EXPECT_EQ(drive.commands[0], readTocCdb(0, 804));
    EXPECT_EQ(drive.commands[1], readTocCdb(5, 4612));
    EXPECT_EQ(drive.allocations, (std::vector<std::size_t>{804, 4612}));
}

TEST(ScsiRead, RefusedCdTextLeavesTheTextEmpty)
{
    RecordedDrive drive{kThreeTracks, std::nullopt};
    const auto read = readTocAndCdText(drive.sender());
    ASSERT_TRUE(read);
    EXPECT_EQ(read->toc, "150 15000 30000 45000");
    EXPECT_EQ(read->cdText, "");
}

TEST(ScsiRead, RefusedTocFailsWithoutAskingForCdText)
{
    RecordedDrive drive{std::nullopt, kCdText};
    EXPECT_FALSE(readTocAndCdText(drive.sender()));
    EXPECT_EQ(drive.commands.size(), 1u);
}

TEST(ScsiRead, UnusableTocIsStillASuccessfulRead)
{
    // A blank disc: the drive answers, but with no tracks.
    RecordedDrive drive{std::vector<unsigned char>{0, 2, 0, 0}, std::nullopt};
    const auto read = readTocAndCdText(drive.sender());
    ASSERT_TRUE(read);
    EXPECT_EQ(read->toc, "");
}

TEST(ScsiRead, MalformedCdTextFailsTheRead)
{
    RecordedDrive drive{kThreeTracks, test::cdTextAnswerFromPacks({test::cdTextPack(0x80, 120, 0, "X")})};
    EXPECT_FALSE(readTocAndCdText(drive.sender()));
}

TEST(ScsiRead, OnlyTheBytesTheDriveDeliveredAreDecoded)
{
    // The drive fills the buffer but reports a transfer of the header and one descriptor.
    auto sender = [&](const ReadTocCdb& cdb, std::span<unsigned char> answer) -> std::optional<std::size_t> {
        if (cdb[2] != kReadTocFormatToc)
            return std::nullopt;
        std::copy(kThreeTracks.begin(), kThreeTracks.end(), answer.begin());
        return 12;
    };
    const auto read = readTocAndCdText(sender);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->toc, "");
}

TEST(DeviceReaders, FailOnPathsThatAreNotDrives)
{
    test::ImageFolder folder;
    const auto plainFile = folder.file("notes.txt");
    test::writeFile(plainFile, "not a drive\n");

    for (auto make : {makeSptiReader, makeMciReader}) {
        const auto reader = make();
        EXPECT_EQ(reader->GetTOC(), "");
        EXPECT_EQ(reader->GetTEXT(), "");
        EXPECT_FALSE(reader->InitMediaToc(folder.file("missing").string()));
        EXPECT_FALSE(reader->InitMediaToc(plainFile.string()));
        EXPECT_FALSE(reader->InitMediaToc(folder.path().string()));
        EXPECT_FALSE(reader->InitMediaToc(""));
        EXPECT_EQ(reader->GetTOC(), "");
    }
}

} // namespace
} // namespace discovant
