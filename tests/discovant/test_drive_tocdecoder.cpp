// The READ TOC format 0 decoder on answers shaped like real discs and on damaged ones.
#include "discovant/drive/tocdecoder.h"
#include "support/drivebuffers.h"

#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

namespace discovant {
namespace {

using test::buildTocAnswer;
using test::kAudioTrack;
using test::kDataTrack;
using test::kNoQMode1Track;
using test::padTo;
using test::TocEntry;
using Bytes = std::vector<unsigned char>;

// A twelve-track audio album with its pregaps, as a drive reports it.
const std::vector<TocEntry> kAlbum = { { 150 }, { 17980 }, { 34215 }, { 50420 }, { 67935 }, { 84100 },
    { 101250 }, { 118475 }, { 135000 }, { 151720 }, { 168355 }, { 185410 }, { 203190 } };
const std::string kAlbumToc
    = "150 17980 34215 50420 67935 84100 101250 118475 135000 151720 168355 185410 203190";

// `answer` with the bytes at the given offsets replaced.
Bytes changed(Bytes answer, const std::vector<std::pair<std::size_t, unsigned char>>& bytes)
{
    for (const auto& [offset, value] : bytes)
        answer.at(offset) = value;
    return answer;
}

// The first and last track numbers of the header (bytes 2 and 3) set to `first` and `last`.
Bytes trackRange(unsigned char first, unsigned char last)
{
    return changed(padTo(buildTocAnswer(1, kAlbum), kTocBufferSize), { { 2, first }, { 3, last } });
}

// Ninety-nine tracks and the lead-out fill the whole 804-byte answer.
std::pair<Bytes, std::string> ninetyNineTracks()
{
    std::vector<TocEntry> entries;
    std::string toc;
    for (long track = 0; track <= 99; ++track) {
        entries.push_back({ 150 + track * 3000 });
        toc += (track ? " " : "") + std::to_string(150 + track * 3000);
    }
    return { buildTocAnswer(1, entries), toc };
}

struct TocCase {
    const char* name;
    Bytes answer;
    std::string toc;
};

TEST(TocDecoder, DecodesEveryKindOfAnswer)
{
    const auto [full, fullToc] = ninetyNineTracks();
    ASSERT_EQ(full.size(), kTocBufferSize);
    // 1:02:03 = 4500 + 150 + 3; 72:59:74 is the end of a full 74-minute disc.
    const Bytes msf = buildTocAnswer(1, { { 150 }, { 4653 }, { 72 * 4500 + 59 * 75 + 74 } });
    const TocCase cases[] = {
        { "album in a full zero-filled buffer", padTo(buildTocAnswer(1, kAlbum), kTocBufferSize), kAlbumToc },
        // The answer a drive sends is only as long as its descriptors; the rest stays unread.
        { "album as sent", buildTocAnswer(1, kAlbum), kAlbumToc },
        { "enhanced CD: ten audio tracks, then the data track of the second session",
            buildTocAnswer(1,
                { { 150 }, { 20000 }, { 41000 }, { 62000 }, { 83000 }, { 104000 }, { 125000 }, { 146000 },
                    { 167000 }, { 188000 }, { 222400, kDataTrack }, { 260000, kDataTrack } }),
            "150 20000 41000 62000 83000 104000 125000 146000 167000 188000 222400 260000" },
        { "data-only disc", buildTocAnswer(1, { { 150, kDataTrack }, { 333000, kDataTrack } }),
            "150 333000" },
        { "every part of the address counts", msf, "150 4653 328499" },
        { "minute, second and frame as they come, beyond 59 and 74",
            changed(msf, { { 4 + 8 + 5, 255 }, { 4 + 8 + 6, 255 }, { 4 + 8 + 7, 255 } }),
            "150 " + std::to_string(255 * 4500 + 255 * 75 + 255) + " 328499" },
        { "single track", buildTocAnswer(1, { { 150 }, { 22000 } }), "150 22000" },
        { "numbering starting at 3: descriptors taken by position",
            buildTocAnswer(3, { { 150 }, { 9000 }, { 18000 }, { 27000 } }), "150 9000 18000 27000" },
        { "first and last track 0", trackRange(0, 0), "" },
        { "last before first", trackRange(5, 4), "" },
        { "first far beyond last", trackRange(200, 1), "" },
        { "100 tracks", trackRange(1, 100), "" },
        { "256 tracks", trackRange(0, 255), "" },
        { "99 tracks fill the buffer", full, fullToc },
        { "one byte less cuts the lead-out", Bytes(full.begin(), full.end() - 1), "" },
        { "no descriptor with Q mode 1",
            buildTocAnswer(
                1, { { 150, kNoQMode1Track }, { 9000, kNoQMode1Track }, { 18000, kNoQMode1Track } }),
            "" },
        { "Q mode 1 on the lead-out only is enough",
            buildTocAnswer(1, { { 150, kNoQMode1Track }, { 9000, kNoQMode1Track }, { 18000, kAudioTrack } }),
            "150 9000 18000" },
        { "Q mode 1 after the lead-out is not looked at",
            changed(padTo(buildTocAnswer(1, { { 150, kNoQMode1Track }, { 9000, kNoQMode1Track } }),
                        kTocBufferSize),
                { { 4 + 2 * 8 + 1, kAudioTrack } }),
            "" },
    };
    for (const TocCase& c : cases)
        EXPECT_EQ(decodeTocBuffer(c.answer.data(), c.answer.size()), c.toc) << c.name;
}

TEST(TocDecoder, ShortBuffersNeverReadPastTheirEnd)
{
    const auto full = buildTocAnswer(1, kAlbum);
    // Every cut before the last byte loses part of a descriptor the header announces. Each cut
    // is a buffer of its own, so that a read past its end is caught by the address sanitizer.
    for (std::size_t size = 0; size < full.size(); ++size) {
        const Bytes cut(full.begin(), full.begin() + static_cast<long>(size));
        EXPECT_EQ(decodeTocBuffer(cut.data(), cut.size()), "") << "size " << size;
    }
    EXPECT_EQ(decodeTocBuffer(nullptr, 804), "");
}

} // namespace
} // namespace discovant
