// The SCSI readers' command sequence on recorded drive answers, and the device readers on
// paths that are not drives.
#include "discovant/drive/readtoccommand.h"
#include "discovant/drive/tocdecoder.h"
#include "discovant/drive/tocreader.h"
#include "support/drivebuffers.h"
#include "testkit/files.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

namespace discovant {
namespace {

using test::buildCdTextAnswer;
using test::buildTocAnswer;
using Answer = std::optional<std::vector<unsigned char>>;

const std::vector<unsigned char> kThreeTracks
    = buildTocAnswer(1, { { 150 }, { 15000 }, { 30000 }, { 45000 } });
const std::vector<unsigned char> kCdText
    = buildCdTextAnswer({ { 0x80, { "Album", "A", "B", "C" } }, { 0x81, { "Band" } } });

// One recorded drive: its answers to the two commands (nullopt: the command fails) and what it
// reports to have delivered of the TOC answer (nullopt: all of it).
struct ReadCase {
    const char* name;
    Answer toc;
    Answer cdText;
    std::optional<std::size_t> tocDelivered;
    std::optional<TocAndCdText> read;
    std::size_t commandsSent;
};

TEST(ScsiRead, CommandBlocksAskForMsfTocAndCdText)
{
    EXPECT_EQ(readTocCdb(0, 804), (ReadTocCdb { 0x43, 0x02, 0, 0, 0, 0, 0, 0x03, 0x24, 0 }));
    EXPECT_EQ(readTocCdb(5, 4612), (ReadTocCdb { 0x43, 0x02, 5, 0, 0, 0, 0, 0x12, 0x04, 0 }));
}

TEST(ScsiRead, ReadsTocThenCdTextAndDecodesWhatTheDriveDelivered)
{
    const std::string toc = "150 15000 30000 45000";
    const ReadCase cases[] = {
        { "both answered", kThreeTracks, kCdText, {}, TocAndCdText { toc, "Band|Album||||A|B|C|" }, 2 },
        { "CD-Text refused", kThreeTracks, {}, {}, TocAndCdText { toc, "" }, 2 },
        { "TOC refused: CD-Text not asked for", {}, kCdText, {}, std::nullopt, 1 },
        { "blank disc: answered, no tracks", std::vector<unsigned char> { 0, 2, 0, 0 }, {}, {},
            TocAndCdText {}, 2 },
        { "malformed CD-Text", kThreeTracks,
            test::cdTextAnswerFromPacks({ test::cdTextPack(0x80, 120, 0, "X") }), {}, std::nullopt, 2 },
        // The buffer is full, but the drive reports the header and one descriptor only.
        { "TOC transfer cut short", kThreeTracks, {}, 12, TocAndCdText {}, 2 },
    };
    for (const ReadCase& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<ReadTocCdb> commands;
        std::vector<std::size_t> allocations;
        const auto send
            = [&](const ReadTocCdb& cdb, std::span<unsigned char> answer) -> std::optional<std::size_t> {
            commands.push_back(cdb);
            allocations.push_back(answer.size());
            const bool toc = cdb[2] == kReadTocFormatToc;
            const Answer& recorded = toc ? c.toc : c.cdText;
            if (!recorded)
                return std::nullopt;
            const std::size_t n = std::min(recorded->size(), answer.size());
            std::copy_n(recorded->begin(), n, answer.begin());
            return toc && c.tocDelivered ? *c.tocDelivered : n;
        };
        const auto read = readTocAndCdText(send);
        EXPECT_EQ(read ? read->toc + "\n" + read->cdText : "no read",
            c.read ? c.read->toc + "\n" + c.read->cdText : "no read");
        // The TOC first, then the CD-Text, each with the whole allocation as its answer buffer.
        const std::vector<ReadTocCdb> sequence = { readTocCdb(0, 804), readTocCdb(5, 4612) };
        const std::vector<std::size_t> sizes = { 804, 4612 };
        const auto sent = static_cast<long>(c.commandsSent);
        EXPECT_EQ(commands, std::vector(sequence.begin(), sequence.begin() + sent));
        EXPECT_EQ(allocations, std::vector(sizes.begin(), sizes.begin() + sent));
    }
}

TEST(DeviceReaders, FailOnPathsThatAreNotDrives)
{
    testkit::TempFolder folder;
    const auto plainFile = folder.file("notes.txt");
    testkit::writeFile(plainFile, "not a drive\n");

    for (auto make : { makeSptiReader, makeMciReader }) {
        const auto reader = make();
        EXPECT_EQ(reader->GetTOC(), "");
        EXPECT_EQ(reader->GetTEXT(), "");
        for (const std::string& path :
            { folder.file("missing").string(), plainFile.string(), folder.path().string(), std::string() })
            EXPECT_FALSE(reader->InitMediaToc(path)) << path;
        EXPECT_EQ(reader->GetTOC(), "");
    }
}

} // namespace
} // namespace discovant
