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
using test::cdTextAnswerFromPacks;
using test::cdTextPack;

constexpr unsigned char kTitle = 0x80;
constexpr unsigned char kPerformer = 0x81;
constexpr unsigned char kSongwriter = 0x82;
constexpr unsigned char kComposer = 0x83;
constexpr unsigned char kMessage = 0x85;
constexpr unsigned char kGenre = 0x87;

struct Decoded {
    bool ok;
    std::string text;
};

Decoded decode(const std::vector<unsigned char>& answer)
{
    Decoded result{false, "garbage"};
    result.ok = decodeCdTextBuffer(answer.data(), answer.size(), result.text);
    return result;
}

TEST(CdTextDecoder, ReadsAnAlbumAsEncodersWriteIt)
{
    const auto answer = buildCdTextAnswer({
        {kTitle, {"Kind of Blue", "So What", "Freddie Freeloader", "Blue in Green"}},
        {kPerformer, {"Miles Davis", "Miles Davis", "Miles Davis", "Miles Davis"}},
        {kComposer, {"", "Davis", "Davis", "Evans"}},
    });
    ASSERT_LE(answer.size(), kCdTextBufferSize);
    const Decoded decoded = decode(answer);
    EXPECT_TRUE(decoded.ok);
    EXPECT_EQ(decoded.text,
              "Miles Davis|Kind of Blue|||"
              "|So What|Freddie Freeloader|Blue in Green|");
    // The same answer in a full-size, zero-filled buffer.
    auto full = answer;
    full.resize(kCdTextBufferSize, 0);
    EXPECT_EQ(decode(full).text, decoded.text);
}

TEST(CdTextDecoder, StringsSplitAcrossAndSharingPacksComeOutWhole)
{
    // The album title ends inside pack 0, which then holds the whole title of track 1; the
    // title of track 2 runs over three packs.
    const auto answer = cdTextAnswerFromPacks({
        cdTextPack(kTitle, 0, 0, std::string("Album\0One\0Tw", 12)),
        cdTextPack(kTitle, 2, 1, "o is a very "),
        cdTextPack(kTitle, 2, 2, std::string("long title\0", 11)),
    });
    const Decoded decoded = decode(answer);
    EXPECT_TRUE(decoded.ok);
    EXPECT_EQ(decoded.text, "|Album||||One|Two is a very long title|");
}

TEST(CdTextDecoder, TitleOfTheLastTrackInAPackOfTheTrackBeforeStillCounts)
{
    // Three short titles in one pack numbered for the album: the string must still have a
    // field for every track, and the zero padding after the last title adds none.
    const auto answer = cdTextAnswerFromPacks({
        cdTextPack(kTitle, 0, 0, std::string("LP\0A\0B\0C\0", 10)),
    });
    EXPECT_EQ(decode(answer).text, "|LP||||A|B|C|");
}

TEST(CdTextDecoder, OnlyPacksInSequenceAreRead)
{
    std::vector<std::vector<unsigned char>> packs;
    for (unsigned char i = 0; i <= 5; ++i)
        packs.push_back(cdTextPack(kMessage, 0, i, std::string(1, static_cast<char>('a' + i))));
    packs.push_back(cdTextPack(kMessage, 0, 7, "x"));  // jumps from 5 to 7
    packs.push_back(cdTextPack(kMessage, 0, 8, "y"));  // never reached
    const Decoded decoded = decode(cdTextAnswerFromPacks(packs));
    EXPECT_TRUE(decoded.ok);
    EXPECT_EQ(decoded.text, "||||abcdef|");
}

TEST(CdTextDecoder, MessageHoldsOnlyMessageText)
{
    // Songwriter strings (of the album and of track 1) are dropped, not taken as a message.
    const auto answer = buildCdTextAnswer({
        {kSongwriter, {"Lennon", "McCartney"}},
        {kMessage, {"Remastered ", "in 2009"}},
    });
    const Decoded decoded = decode(answer);
    EXPECT_TRUE(decoded.ok);
    EXPECT_EQ(decoded.text, "||||Remastered in 2009||");
}

TEST(CdTextDecoder, TrackPerformersAndOtherKindsAreDropped)
{
    const auto answer = buildCdTextAnswer({
        {kPerformer, {"Various", "Artist One", "Artist Two"}},
        {kGenre, {"Jazz"}}, // not one of the looked-at kinds
    });
    EXPECT_EQ(decode(answer).text, "Various|||||||");
}

TEST(CdTextDecoder, NoTextPacksGiveAnEmptyString)
{
    Decoded decoded = decode(std::vector<unsigned char>(kCdTextBufferSize, 0));
    EXPECT_TRUE(decoded.ok);
    EXPECT_EQ(decoded.text, "");

    decoded = decode(cdTextAnswerFromPacks({cdTextPack(kGenre, 0, 0, "Rock"),
                                            cdTextPack(0x8F, 0, 1, "\x01\x02")}));
    EXPECT_TRUE(decoded.ok);
    EXPECT_EQ(decoded.text, "");
}

TEST(CdTextDecoder, TrackNumbersBeyondNinetyNineAreErrors)
{
    Decoded decoded = decode(cdTextAnswerFromPacks({cdTextPack(kTitle, 100, 0, "Too far")}));
    EXPECT_FALSE(decoded.ok);
    EXPECT_EQ(decoded.text, "");

    // Even a pack whose strings are dropped names an impossible track.
    decoded = decode(cdTextAnswerFromPacks(
        {cdTextPack(kTitle, 0, 0, std::string("A\0", 2)), cdTextPack(kPerformer, 0xFF, 1, "X")}));
    EXPECT_FALSE(decoded.ok);
    EXPECT_EQ(decoded.text, "");

    // A title that advances past track 99.
    decoded = decode(cdTextAnswerFromPacks({cdTextPack(kTitle, 99, 0, std::string("Last\0Extra\0", 11))}));
    EXPECT_FALSE(decoded.ok);
}

TEST(CdTextDecoder, NinetyNineTracksAreAllowed)
{
    std::vector<std::string> titles{"Box"};
    std::string expected = "|Box|||";
    expected += '|';
    for (int track = 1; track <= 99; ++track) {
        titles.push_back(std::to_string(track));
        expected += std::to_string(track) + '|';
    }
    // The zero padding after the title of track 99 ends empty strings for 100, 101, ...
    const Decoded decoded = decode(buildCdTextAnswer({{kTitle, titles}}));
    EXPECT_TRUE(decoded.ok);
    EXPECT_EQ(decoded.text, expected);
}

TEST(CdTextDecoder, RunawayStringsAreNeverStored)
{
    // 256 packs of text without a single terminating zero.
    std::vector<std::vector<unsigned char>> packs;
    for (int i = 0; i < 256; ++i)
        packs.push_back(cdTextPack(kTitle, 0, static_cast<unsigned char>(i), std::string(12, 'z')));
    const auto answer = cdTextAnswerFromPacks(packs);
    ASSERT_EQ(answer.size(), kCdTextBufferSize);
    const Decoded decoded = decode(answer);
    EXPECT_TRUE(decoded.ok);
    EXPECT_EQ(decoded.text, "|||||");
}

TEST(CdTextDecoder, ShortBuffersReadOnlyWholePacks)
{
    const auto answer = buildCdTextAnswer({{kTitle, {"Album", "One"}}});
    for (std::size_t size = 0; size < answer.size(); ++size) {
        const std::vector<unsigned char> cut(answer.begin(), answer.begin() + static_cast<long>(size));
        const Decoded decoded = decode(cut);
        EXPECT_TRUE(decoded.ok) << "size " << size;
        // A pack cut short is not read: below one whole pack there is no text at all.
        if (size < 4 + 18) {
            EXPECT_EQ(decoded.text, "") << "size " << size;
        }
    }
    std::string text = "old";
    EXPECT_TRUE(decodeCdTextBuffer(nullptr, kCdTextBufferSize, text));
    EXPECT_EQ(text, "");
}

TEST(CdTextDecoder, TextsComeOutAsUtf8)
{
    const auto answer = buildCdTextAnswer({
        {kTitle, {"Caf\xE9 \x80uro", "Ni\xF1o"}},          // Windows-1252 on the disc
        {kPerformer, {"Bj\xC3\xB6rk"}},                     // already UTF-8
    });
    EXPECT_EQ(decode(answer).text, "Bj\xC3\xB6rk|Caf\xC3\xA9 \xE2\x82\xACuro||||Ni\xC3\xB1o|");
}

} // namespace
} // namespace discovant
