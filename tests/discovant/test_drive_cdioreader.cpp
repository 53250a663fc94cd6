// The libcdio reader on disc images written by the tests.
#include "discovant/drive/tocreader.h"
#include "testkit/discimage.h"
#include "testkit/files.h"

#include <gtest/gtest.h>
#include <string>

namespace discovant {
namespace {

// Three audio tracks at 0:00, 0:05 (after a 2-second pregap from 0:03) and 0:07.10, in an
// image of 10 seconds: lead-out at sector 750.
const std::string kThreeTrackCue = R"(FILE "disc.bin" BINARY
  TRACK 01 AUDIO
    INDEX 01 00:00:00
  TRACK 02 AUDIO
    INDEX 00 00:03:00
    INDEX 01 00:05:00
  TRACK 03 AUDIO
    INDEX 01 00:07:10
)";
constexpr std::size_t kTenSeconds = 750;

struct CueCase {
    const char* name;
    std::string cue; // its FILE line names "<name>.bin"
    std::size_t sectors;
    std::string toc;
    std::string cdText;
};

TEST(CdioReader, ReadsTocAndCdTextOfCueImages)
{
    const CueCase cases[] = {
        // Start of each track's index 1 plus the 150-frame lead-in, then the lead-out.
        { "disc", kThreeTrackCue, kTenSeconds, "150 525 685 900", "" },
        { "mixed",
            "FILE \"mixed.bin\" BINARY\n  TRACK 01 MODE1/2352\n    INDEX 01 00:00:00\n"
            "  TRACK 02 AUDIO\n    INDEX 01 00:04:00\n",
            600, "150 450 750", "" },
        // Track 2 has no title: its field stays empty.
        { "text",
            "PERFORMER \"The Band\"\nTITLE \"Live at Home\"\nFILE \"text.bin\" BINARY\n"
            "  TRACK 01 AUDIO\n    TITLE \"Opening\"\n    PERFORMER \"The Band\"\n    INDEX 01 00:00:00\n"
            "  TRACK 02 AUDIO\n    INDEX 01 00:03:00\n"
            "  TRACK 03 AUDIO\n    TITLE \"Encore\"\n    INDEX 01 00:06:00\n",
            kTenSeconds, "150 375 600 900", "The Band|Live at Home||||Opening||Encore|" },
        // The string ends at the last track with text.
        { "partial",
            "TITLE \"Sampler\"\nFILE \"partial.bin\" BINARY\n  TRACK 01 AUDIO\n    INDEX 01 00:00:00\n"
            "  TRACK 02 AUDIO\n    PERFORMER \"Guest\"\n    INDEX 01 00:03:00\n"
            "  TRACK 03 AUDIO\n    INDEX 01 00:06:00\n",
            kTenSeconds, "150 375 600 900", "|Sampler||||||" },
        // CD-Text comes out as UTF-8, from a cue sheet saved as UTF-8 or in the Windows code page.
        { "utf8",
            "PERFORMER \"Die \xC3\x84rzte\"\nTITLE \"Gr\xC3\xBC\xC3\x9F\x65\"\nFILE \"utf8.bin\" BINARY\n"
            "  TRACK 01 AUDIO\n    TITLE \"\xE2\x82\xAC uro\"\n    INDEX 01 00:00:00\n",
            kTenSeconds, "150 900", "Die \xC3\x84rzte|Gr\xC3\xBC\xC3\x9F\x65||||\xE2\x82\xAC uro|" },
        { "ansi",
            "PERFORMER \"Beyonc\xE9\"\nTITLE \"\x93Quoted\x94\"\nFILE \"ansi.bin\" BINARY\n"
            "  TRACK 01 AUDIO\n    INDEX 01 00:00:00\n",
            kTenSeconds, "150 900", "Beyonc\xC3\xA9|\xE2\x80\x9CQuoted\xE2\x80\x9D||||" },
    };
    testkit::TempFolder folder;
    const auto reader = makeAspiReader();
    EXPECT_EQ(reader->GetTOC(), "");
    for (const CueCase& c : cases) {
        SCOPED_TRACE(c.name);
        const auto cue = testkit::writeCueSheet(folder.path(), c.name, c.cue, c.sectors);
        ASSERT_TRUE(reader->InitMediaToc(cue.string()));
        EXPECT_EQ(reader->GetTOC(), c.toc);
        EXPECT_EQ(reader->GetTEXT(), c.cdText);
    }
}

TEST(CdioReader, FailsOnMissingOrForeignFilesAndKeepsTheLastRead)
{
    testkit::TempFolder folder;
    const auto cue = testkit::writeCueSheet(folder.path(), "disc", kThreeTrackCue, kTenSeconds);
    testkit::writeFile(folder.file("notes.txt"), "FILE nothing\n");
    testkit::writeFile(folder.file("broken.cue"), "this is no cue sheet\n");
    testkit::writeFile(folder.file("broken.bin"), std::string(2352 * 10, '\0'));

    const auto reader = makeAspiReader();
    ASSERT_TRUE(reader->InitMediaToc(cue.string()));
    for (const auto& path :
        { folder.file("missing.cue"), folder.file("notes.txt"), folder.file("broken.cue"), folder.path() }) {
        EXPECT_FALSE(reader->InitMediaToc(path.string())) << path;
    }
    EXPECT_FALSE(reader->InitMediaToc(""));
    EXPECT_EQ(reader->GetTOC(), "150 525 685 900");
}

} // namespace
} // namespace discovant
