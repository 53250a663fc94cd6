// The libcdio reader on disc images written by the tests.
#include "discovant/drive/tocreader.h"
#include "support/discimages.h"

#include <gtest/gtest.h>

#include <string>

namespace discovant {
namespace {

using test::ImageFolder;
using test::writeCueImage;

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

TEST(CdioReader, ReadsTheTocOfACueImage)
{
    ImageFolder folder;
    const auto cue = writeCueImage(folder, "disc", kThreeTrackCue, kTenSeconds);
    const auto reader = makeAspiReader();
    EXPECT_EQ(reader->GetTOC(), "");
    ASSERT_TRUE(reader->InitMediaToc(cue.string()));
    // Start of each track's index 1 plus the 150-frame lead-in, then the lead-out.
    EXPECT_EQ(reader->GetTOC(), "150 525 685 900");
    EXPECT_EQ(reader->GetTEXT(), "");
}

TEST(CdioReader, ReadsDataTracksLikeAudioTracks)
{
    ImageFolder folder;
    const auto cue = writeCueImage(folder, "mixed", R"(FILE "mixed.bin" BINARY
  TRACK 01 MODE1/2352
    INDEX 01 00:00:00
  TRACK 02 AUDIO
    INDEX 01 00:04:00
)",
                                   600);
    const auto reader = makeAspiReader();
    ASSERT_TRUE(reader->InitMediaToc(cue.string()));
    EXPECT_EQ(reader->GetTOC(), "150 450 750");
}

TEST(CdioReader, BuildsTheCdTextStringFromTheCueSheet)
{
    ImageFolder folder;
    const auto cue = writeCueImage(folder, "text", R"(PERFORMER "The Band"
TITLE "Live at Home"
FILE "text.bin" BINARY
  TRACK 01 AUDIO
    TITLE "Opening"
    PERFORMER "The Band"
    INDEX 01 00:00:00
  TRACK 02 AUDIO
    INDEX 01 00:03:00
  TRACK 03 AUDIO
    TITLE "Encore"
    INDEX 01 00:06:00
)",
                                   kTenSeconds);
    const auto reader = makeAspiReader();
    ASSERT_TRUE(reader->InitMediaToc(cue.string()));
    EXPECT_EQ(reader->GetTOC(), "150 375 600 900");
    // Track 2 has no title: its field stays empty.
    EXPECT_EQ(reader->GetTEXT(), "The Band|Live at Home||||Opening||Encore|");
}

TEST(CdioReader, CdTextStringEndsAtTheLastTrackWithText)
{
    ImageFolder folder;
    const auto cue = writeCueImage(folder, "partial", R"(TITLE "Sampler"
FILE "partial.bin" BINARY
  TRACK 01 AUDIO
    INDEX 01 00:00:00
  TRACK 02 AUDIO
    PERFORMER "Guest"
    INDEX 01 00:03:00
  TRACK 03 AUDIO
    INDEX 01 00:06:00
)",
                                   kTenSeconds);
    const auto reader = makeAspiReader();
    ASSERT_TRUE(reader->InitMediaToc(cue.string()));
    EXPECT_EQ(reader->GetTEXT(), "|Sampler||||||");
}

TEST(CdioReader, CdTextComesOutAsUtf8)
{
    ImageFolder folder;
    // A cue sheet saved as UTF-8 and one in the Windows code page.
    const auto utf8 = writeCueImage(folder, "utf8", "PERFORMER \"Die \xC3\x84rzte\"\n"
                                                    "TITLE \"Gr\xC3\xBC\xC3\x9F\x65\"\n"
                                                    "FILE \"utf8.bin\" BINARY\n"
                                                    "  TRACK 01 AUDIO\n"
                                                    "    TITLE \"\xE2\x82\xAC uro\"\n"
                                                    "    INDEX 01 00:00:00\n",
                                    kTenSeconds);
    const auto ansi = writeCueImage(folder, "ansi", "PERFORMER \"Beyonc\xE9\"\n"
                                                    "TITLE \"\x93Quoted\x94\"\n"
                                                    "FILE \"ansi.bin\" BINARY\n"
                                                    "  TRACK 01 AUDIO\n"
                                                    "    INDEX 01 00:00:00\n",
                                    kTenSeconds);
    const auto reader = makeAspiReader();
    ASSERT_TRUE(reader->InitMediaToc(utf8.string()));
    EXPECT_EQ(reader->GetTEXT(), "Die \xC3\x84rzte|Gr\xC3\xBC\xC3\x9F\x65||||\xE2\x82\xAC uro|");
    ASSERT_TRUE(reader->InitMediaToc(ansi.string()));
    EXPECT_EQ(reader->GetTEXT(), "Beyonc\xC3\xA9|\xE2\x80\x9CQuoted\xE2\x80\x9D||||");
}

TEST(CdioReader, FailsOnMissingOrForeignFilesAndKeepsTheLastRead)
{
    ImageFolder folder;
    const auto cue = writeCueImage(folder, "disc", kThreeTrackCue, kTenSeconds);
    test::writeFile(folder.file("notes.txt"), "FILE nothing\n");
    test::writeFile(folder.file("broken.cue"), "this is no cue sheet\n");
    test::writeFile(folder.file("broken.bin"), std::string(2352 * 10, '\0'));

    const auto reader = makeAspiReader();
    ASSERT_TRUE(reader->InitMediaToc(cue.string()));
    for (const auto& path : {folder.file("missing.cue"), folder.file("notes.txt"),
                             folder.file("broken.cue"), folder.path()}) {
        EXPECT_FALSE(reader->InitMediaToc(path.string())) << path;
    }
    EXPECT_FALSE(reader->InitMediaToc(""));
    EXPECT_EQ(reader->GetTOC(), "150 525 685 900");
}

} // namespace
} // namespace discovant
