// The READ TOC format 0 decoder on answers shaped like real discs and on damaged ones.
#include "discovant/drive/tocdecoder.h"
#include "support/drivebuffers.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace discovant {
namespace {

using test::buildTocAnswer;
using test::kAudioTrack;
using test::kDataTrack;
using test::kNoQMode1Track;
using test::padTo;
using test::TocEntry;

std::string decode(const std::vector<unsigned char>& answer)
{
    return decodeTocBuffer(answer.data(), answer.size());
}

// A twelve-track audio album with its pregaps, as a drive reports it.
const std::vector<TocEntry> kAlbum = {{150},    {17980},  {34215},  {50420},  {67935},
                                      {84100},  {101250}, {118475}, {135000}, {151720},
                                      {168355}, {185410}, {203190}};
const std::string kAlbumToc =
    "150 17980 34215 50420 67935 84100 101250 118475 135000 151720 168355 185410 203190";

TEST(TocDecoder, ReadsRealDiscLayouts)
{
    EXPECT_EQ(decode(padTo(buildTocAnswer(1, kAlbum), kTocBufferSize)), kAlbumToc);
    // The answer a drive sends is only as long as its descriptors; the rest stays unread.
    EXPECT_EQ(decode(buildTocAnswer(1, kAlbum)), kAlbumToc);

    // Enhanced CD: ten audio tracks, then the data track of the second session.
    const std::vector<TocEntry> enhanced = {{150},    {20000},  {41000},  {62000},
                                            {83000},  {104000}, {125000}, {146000},
                                            {167000}, {188000}, {222400, kDataTrack},
                                            {260000, kDataTrack}};
    EXPECT_EQ(decode(buildTocAnswer(1, enhanced)),
              "150 20000 41000 62000 83000 104000 125000 146000 167000 188000 222400 260000");

    // A data-only disc still has Q mode 1 descriptors.
    EXPECT_EQ(decode(buildTocAnswer(1, {{150, kDataTrack}, {333000, kDataTrack}})), "150 333000");
}

TEST(TocDecoder, AddressesIncludeEveryMsfPart)
{
    // 1:02:03 = 4500 + 150 + 3; 72:59:74 is the end of a full 74-minute disc.
    auto answer = buildTocAnswer(1, {{150}, {4653}, {72 * 4500 + 59 * 75 + 74}});
    EXPECT_EQ(decode(answer), "150 4653 328499");
    // Minute, second and frame are taken as they come, even beyond 59 seconds or 74 frames.
    answer[4 + 8 + 5] = 255;
    answer[4 + 8 + 6] = 255;
    answer[4 + 8 + 7] = 255;
    EXPECT_EQ(decode(answer), "150 " + std::to_string(255 * 4500 + 255 * 75 + 255) + " 328499");
}

TEST(TocDecoder, SingleTrackGivesTrackAndLeadOut)
{
    EXPECT_EQ(decode(buildTocAnswer(1, {{150}, {22000}})), "150 22000");
}

TEST(TocDecoder, DescriptorsAreTakenByPositionFromTheFirstTrack)
{
    // A disc whose numbering starts at 3: three tracks and the lead-out.
    EXPECT_EQ(decode(buildTocAnswer(3, {{150}, {9000}, {18000}, {27000}})), "150 9000 18000 27000");
}

TEST(TocDecoder, RejectsUnusableTrackRanges)
{
    auto answer = padTo(buildTocAnswer(1, kAlbum), kTocBufferSize);

    answer[2] = 0;
    answer[3] = 0;
    EXPECT_EQ(decode(answer), "") << "first and last track 0";

    answer[2] = 5;
    answer[3] = 4;
    EXPECT_EQ(decode(answer), "") << "last before first";

    answer[2] = 200;
    answer[3] = 1;
    EXPECT_EQ(decode(answer), "") << "first far beyond last";

    answer[2] = 1;
    answer[3] = 100;
    EXPECT_EQ(decode(answer), "") << "100 tracks";

    answer[2] = 0;
    answer[3] = 255;
    EXPECT_EQ(decode(answer), "") << "256 tracks";
}

TEST(TocDecoder, NinetyNineTracksFillTheWholeBuffer)
{
    std::vector<TocEntry> entries;
    std::string expected;
    for (long track = 0; track <= 99; ++track) {
        entries.push_back({150 + track * 3000});
        expected += (track ? " " : "") + std::to_string(150 + track * 3000);
    }
    const auto answer = buildTocAnswer(1, entries);
    ASSERT_EQ(answer.size(), kTocBufferSize);
    EXPECT_EQ(decode(answer), expected);
    // One byte less cuts the lead-out's frame: the answer is incomplete.
    EXPECT_EQ(decodeTocBuffer(answer.data(), answer.size() - 1), "");
}

TEST(TocDecoder, NeedsQMode1OnSomeDescriptor)
{
    EXPECT_EQ(decode(buildTocAnswer(1, {{150, kNoQMode1Track}, {9000, kNoQMode1Track},
                                        {18000, kNoQMode1Track}})),
              "");
    // One descriptor is enough, even the lead-out.
    EXPECT_EQ(decode(buildTocAnswer(1, {{150, kNoQMode1Track}, {9000, kNoQMode1Track},
                                        {18000, kAudioTrack}})),
              "150 9000 18000");
    // Descriptors after the lead-out are not looked at.
    auto answer = padTo(buildTocAnswer(1, {{150, kNoQMode1Track}, {9000, kNoQMode1Track}}),
                        kTocBufferSize);
    answer[4 + 2 * 8 + 1] = kAudioTrack;
    EXPECT_EQ(decode(answer), "");
}

TEST(TocDecoder, ShortBuffersNeverReadPastTheirEnd)
{
    const auto full = buildTocAnswer(1, kAlbum);
    // Every cut before the last byte loses part of a descriptor the header announces.
    for (std::size_t size = 0; size < full.size(); ++size) {
        const std::vector<unsigned char> cut(full.begin(), full.begin() + static_cast<long>(size));
        EXPECT_EQ(decode(cut), "") << "size " << size;
    }
    EXPECT_EQ(decodeTocBuffer(nullptr, 804), "");
}

} // namespace
} // namespace discovant
