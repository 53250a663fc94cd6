// The READ TOC format 5 (CD-Text) decoder on pack sequences as encoders write them and on
// damaged ones.
#include "discovant/drive/tocdecoder.h"
#include "support/drivebuffers.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace discovant {
namespace {

using test::buildCdTextAnswer;
using test::buildCdTextBlocks;
using test::cdTextAnswerFromPacks;
using test::CdTextBlock;
using test::cdTextPack;
using Bytes = std::vector<unsigned char>;

constexpr unsigned char kTitle = 0x80;
constexpr unsigned char kPerformer = 0x81;
constexpr unsigned char kSongwriter = 0x82;
constexpr unsigned char kComposer = 0x83;
constexpr unsigned char kMessage = 0x85;
constexpr unsigned char kGenre = 0x87;

struct CdTextCase {
    const char* name;
    Bytes answer;
    bool ok;
    std::string text;
};

// A title for each of 99 tracks, and the string they decode to.
CdTextCase ninetyNineTitles()
{
    std::vector<std::string> titles { "Box" };
    std::string text = "|Box||||";
    for (int track = 1; track <= 99; ++track) {
        titles.push_back(std::to_string(track));
        text += std::to_string(track) + '|';
    }
    // The zero padding after the title of track 99 ends empty strings for 100, 101, ...
    return { "99 tracks", buildCdTextAnswer({ { kTitle, titles } }), true, text };
}

// Message packs numbered 0..5, then 7 and 8: the sequence breaks after 5.
Bytes brokenSequence()
{
    std::vector<Bytes> packs;
    for (unsigned char i = 0; i <= 5; ++i)
        packs.push_back(cdTextPack(kMessage, 0, i, std::string(1, static_cast<char>('a' + i))));
    packs.push_back(cdTextPack(kMessage, 0, 7, "x"));
    packs.push_back(cdTextPack(kMessage, 0, 8, "y"));
    return cdTextAnswerFromPacks(packs);
}

// 256 packs of text without a single terminating zero: exactly the whole buffer.
Bytes runawayString()
{
    std::vector<Bytes> packs;
    for (int i = 0; i < 256; ++i)
        packs.push_back(cdTextPack(kTitle, 0, static_cast<unsigned char>(i), std::string(12, 'z')));
    return cdTextAnswerFromPacks(packs);
}

// Single blocks as encoders write them, several language blocks, double-byte text, the "same as
// previous" TAB, and damaged sequences.
TEST(CdTextDecoder, DecodesEveryKindOfAnswer)
{
    const Bytes album = buildCdTextAnswer({
        { kTitle, { "Kind of Blue", "So What", "Freddie Freeloader", "Blue in Green" } },
        { kPerformer, { "Miles Davis", "Miles Davis", "Miles Davis", "Miles Davis" } },
        { kComposer, { "", "Davis", "Davis", "Evans" } },
    });
    const std::string albumText = "Miles Davis|Kind of Blue||||So What|Freddie Freeloader|Blue in Green|";
    ASSERT_LE(album.size(), kCdTextBufferSize);
    ASSERT_EQ(runawayString().size(), kCdTextBufferSize);
    const CdTextBlock english { 0, false, 0x01,
        { { kTitle, { "Winter", "Snow", "Ice" } }, { kPerformer, { "Band" } } } };
    const CdTextBlock german { 1, false, 0x00,
        { { kTitle, { "Winter DE", "Schnee", "Eis", "Zugabe" } }, { kPerformer, { "Kapelle" } } } };
    // Shift-JIS (MS-JIS): the album "日本" and the track "次", each ending in two zero bytes.
    const CdTextBlock japanese { 0, true, 0x80, { { kTitle, { "\x93\xFA\x96\x7B", "\x8E\x9F" } } } };
    // GBK (Mandarin): "中文", which the Japanese code page would read otherwise.
    const CdTextBlock mandarin { 0, true, 0x82, { { kTitle, { "\xD6\xD0\xCE\xC4", "" } } } };

    const CdTextCase cases[] = {
        { "album as an encoder writes it", album, true, albumText },
        { "the same in a full zero-filled buffer", test::padTo(album, kCdTextBufferSize), true, albumText },
        // The album title ends inside pack 0, which then holds the whole title of track 1; the
        // title of track 2 runs over three packs.
        { "strings split across and sharing packs",
            cdTextAnswerFromPacks({ cdTextPack(kTitle, 0, 0, std::string("Album\0One\0Tw", 12)),
                cdTextPack(kTitle, 2, 1, "o is a very "),
                cdTextPack(kTitle, 2, 2, std::string("long title\0", 11)) }),
            true, "|Album||||One|Two is a very long title|" },
        // Three short titles in a pack numbered for the album still get a field each; the zero
        // padding after the last adds none.
        { "titles of later tracks in the album's pack",
            cdTextAnswerFromPacks({ cdTextPack(kTitle, 0, 0, std::string("LP\0A\0B\0C\0", 10)) }), true,
            "|LP||||A|B|C|" },
        { "only packs in sequence are read", brokenSequence(), true, "||||abcdef|" },
        { "songwriters are no message",
            buildCdTextAnswer(
                { { kSongwriter, { "Lennon", "McCartney" } }, { kMessage, { "Remastered ", "in 2009" } } }),
            true, "||||Remastered in 2009||" },
        { "track performers and other kinds are dropped",
            buildCdTextAnswer(
                { { kPerformer, { "Various", "Artist One", "Artist Two" } }, { kGenre, { "Jazz" } } }),
            true, "Various|||||||" },
        { "no packs at all", Bytes(kCdTextBufferSize, 0), true, "" },
        { "no text packs",
            cdTextAnswerFromPacks({ cdTextPack(kGenre, 0, 0, "Rock"), cdTextPack(0x8F, 0, 1, "\x01\x02") }),
            true, "" },
        { "a track beyond 99", cdTextAnswerFromPacks({ cdTextPack(kTitle, 100, 0, "Too far") }), false, "" },
        { "an impossible track even in a dropped pack",
            cdTextAnswerFromPacks(
                { cdTextPack(kTitle, 0, 0, std::string("A\0", 2)), cdTextPack(kPerformer, 0xFF, 1, "X") }),
            false, "" },
        { "a title that advances past track 99",
            cdTextAnswerFromPacks({ cdTextPack(kTitle, 99, 0, std::string("Last\0Extra\0", 11)) }), false,
            "" },
        ninetyNineTitles(),
        { "runaway strings are never stored", runawayString(), true, "|||||" },
        { "Windows-1252 and UTF-8 texts come out as UTF-8",
            buildCdTextAnswer(
                { { kTitle, { "Caf\xE9 \x80uro", "Ni\xF1o" } }, { kPerformer, { "Bj\xC3\xB6rk" } } }),
            true, "Bj\xC3\xB6rk|Caf\xC3\xA9 \xE2\x82\xACuro||||Ni\xC3\xB1o|" },
        { "only the first language's block", buildCdTextBlocks({ english, german }), true,
            "Band|Winter||||Snow|Ice|" },
        { "whatever order the drive returns them in", buildCdTextBlocks({ german, english }), true,
            "Band|Winter||||Snow|Ice|" },
        { "another block alone is still read", buildCdTextBlocks({ german }), true,
            "Kapelle|Winter DE||||Schnee|Eis|Zugabe|" },
        { "double-byte characters", buildCdTextBlocks({ japanese }), true,
            "|\xE6\x97\xA5\xE6\x9C\xAC||||\xE6\xAC\xA1|" },
        { "the block's character code", buildCdTextBlocks({ mandarin }), true,
            "|\xE4\xB8\xAD\xE6\x96\x87||||" },
        { "a lone TAB repeats the previous track",
            buildCdTextAnswer({ { kTitle, { "Live", "Intro", "Song", "\t", "\t" } } }), true,
            "|Live||||Intro|Song|Song|Song|" },
        { "two TABs in double-byte text",
            buildCdTextBlocks({ { 0, true, 0x80, { { kTitle, { "\x93\xFA", "\x8E\x9F", "\t\t" } } } } }),
            true, "|\xE6\x97\xA5||||\xE6\xAC\xA1|\xE6\xAC\xA1|" },
    };
    for (const CdTextCase& c : cases) {
        std::string text = "garbage";
        EXPECT_EQ(decodeCdTextBuffer(c.answer.data(), c.answer.size(), text), c.ok) << c.name;
        EXPECT_EQ(text, c.text) << c.name;
    }
}

TEST(CdTextDecoder, ShortBuffersReadOnlyWholePacks)
{
    const auto answer = buildCdTextAnswer({ { kTitle, { "Album", "One" } } });
    // Each cut is a buffer of its own, so that a read past its end is caught by the address
    // sanitizer. A pack cut short is not read: below one whole pack there is no text at all.
    for (std::size_t size = 0; size < answer.size(); ++size) {
        const Bytes cut(answer.begin(), answer.begin() + static_cast<long>(size));
        std::string text;
        EXPECT_TRUE(decodeCdTextBuffer(cut.data(), cut.size(), text)) << "size " << size;
        if (size < 4 + 18) {
            EXPECT_EQ(text, "") << "size " << size;
        }
    }
    std::string text = "old";
    EXPECT_TRUE(decodeCdTextBuffer(nullptr, kCdTextBufferSize, text));
    EXPECT_EQ(text, "");
}

} // namespace
} // namespace discovant
