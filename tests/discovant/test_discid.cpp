// The disc identifiers (freedb's and MusicBrainz's) and the values derived from a TOC, checked
// against libdiscid on random discs.
#include "discovant/cddb/discid.h"
#include "discovant/musicbrainz/discid.h"

#include <discid/discid.h>
#include <gtest/gtest.h>
#include <memory>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

using namespace discovant;

namespace {

std::string joinToc(const std::vector<int>& addresses)
{
    std::string toc;
    for (const int address : addresses) {
        if (!toc.empty())
            toc += ' ';
        toc += std::to_string(address);
    }
    return toc;
}

// Frame address of the start of second `s`.
int at(int s)
{
    return s * 75;
}

} // namespace

// The worked example whatever the blanks, and TOCs without a lead-out that give empty results.
TEST(DiscId, WorkedExampleWhateverTheBlanksAndInvalidTocs)
{
    for (const std::string toc : { "150 10000 20000", "   150 10000 20000  ", "150  10000 20000",
             "150 10000\t20000\r\n", "", "   ", "150", "  150  " }) {
        SCOPED_TRACE(toc);
        const bool valid = toc.find("20000") != std::string::npos;
        const LookupValues values = deriveLookupValues(toc);
        EXPECT_EQ(CalMediaID(toc) + "|" + std::to_string(CalAlbumlength(toc)) + "|" + CalTracklength(toc),
            valid ? "09010802|264|131 133" : "|0|");
        EXPECT_EQ(values.valid, valid);
        EXPECT_EQ(values.toc + "|" + std::to_string(values.trackCount) + "|"
                + std::to_string(values.discLength) + "|" + values.discId + "|" + values.queryArguments,
            valid ? "150 10000 20000|2|266|09010802|09010802+2+150+10000+266" : values.toc + "|0|0||");
        EXPECT_EQ(values.trackTimes, (valid ? std::vector<int32_t> { 131, 133 } : std::vector<int32_t> {}));
    }
}

TEST(DiscId, NinetyNineTracksAndTheHundredFieldLimit)
{
    std::vector<int> addresses;
    for (int track = 0; track < 100; ++track)
        addresses.push_back(150 + track * at(60));
    const std::string toc99 = joinToc(addresses);
    const LookupValues values = deriveLookupValues(toc99);
    ASSERT_TRUE(values.valid);
    EXPECT_EQ(values.trackCount, 99);
    EXPECT_EQ(values.trackTimes.size(), 99u);
    EXPECT_EQ(values.discLength, (150 + 99 * at(60)) / 75);
    EXPECT_EQ(CalMediaID(toc99).substr(6), "63");

    // A 101st field is not split off: it stays in the 100th field, whose leading number
    // is then taken as the lead-out, so the real lead-out is lost.
    const std::string toc100 = toc99 + " 999999";
    const LookupValues spoiled = deriveLookupValues(toc100);
    ASSERT_TRUE(spoiled.valid);
    EXPECT_EQ(spoiled.trackCount, 99);
    EXPECT_EQ(spoiled.discLength, values.discLength);
    EXPECT_EQ(CalMediaID(toc100), CalMediaID(toc99));
}

TEST(DiscId, EdgeDiscsAndTheSixteenBitSpan)
{
    const std::pair<std::string, std::string> ids[] = {
        // The span subtracts whole seconds (2 - 0), the track length divides frames (76 / 75).
        { "74 150", "00000201" },
        // Negative addresses truncate toward zero and add nothing to the digit sum.
        { "-149 150", "00000301" },
        { "150 " + std::to_string(at(32769)), "027fff01" }, // span 32767 s, the longest
        { "2400000 2460000", "05032001" }, // 32000 s, span 800 s
        { "150 0", "02fffe01" }, // a negative span as its 16-bit two's complement
        // Where libdiscid refuses the disc: longer than 90 minutes, tracks out of order.
        { joinToc({ 150, at(3000), at(5500) }), "05157a02" },
        { "150 10000 5000 20000", "15010803" },
    };
    for (const auto& [toc, id] : ids)
        EXPECT_EQ(CalMediaID(toc), id) << toc;
    EXPECT_EQ(CalAlbumlength("74 150"), 2);
    EXPECT_EQ(CalTracklength("74 150"), "1");
    EXPECT_EQ(CalAlbumlength("-149 150"), 3);

    const std::string tooLong = "150 " + std::to_string(at(32770)); // span 32768 s
    for (const std::string& toc : { tooLong, std::string("0 -2457675"), joinToc({ 150, at(40000) }) })
        EXPECT_THROW(CalMediaID(toc), std::overflow_error) << toc;
    EXPECT_EQ(CalAlbumlength(tooLong), 32768);
    EXPECT_EQ(CalTracklength(tooLong), "32768");

    // A lookup never throws: such a TOC is not a disc and the lookup finds nothing. A span that
    // fits but a lead-out second beyond 16 bits cannot be a disc length either.
    for (const std::string& toc : { tooLong, std::string("2400000 2460000") }) {
        const LookupValues values = deriveLookupValues(toc);
        EXPECT_FALSE(values.valid) << toc;
        EXPECT_EQ(values.discId + values.queryArguments, "") << toc;
    }
}

TEST(DiscId, LenientFieldParse)
{
    // Leading number, rounding to nearest with ties to even, text reads as 0.
    EXPECT_EQ(CalTracklength("150 10000.6 20000"), "131 133");
    EXPECT_EQ(CalTracklength("0 74.5 150"), "0 1"); // 74.5 -> 74
    EXPECT_EQ(CalTracklength("0 75.5 150"), "1 0"); // 75.5 -> 76
    EXPECT_EQ(CalTracklength("150 abc 20000"), "-2 266");
    EXPECT_EQ(CalTracklength("150 10000xyz 20000"), "131 133");
    EXPECT_EQ(CalTracklength("150  20000"), "264"); // two spaces are one separator
    EXPECT_EQ(CalTracklength("150 inf 20000"), "-2 266");
    EXPECT_EQ(CalTracklength("150 +10000 20000"), "131 133");

    // The query sends the track fields exactly as they stood.
    const LookupValues values = deriveLookupValues("150 10000xyz 20000");
    EXPECT_EQ(values.queryArguments, "09010802+2+150+10000xyz+266");

    // Fields beyond 32 bits are held to the 32-bit range instead of wrapping.
    EXPECT_EQ(CalTracklength("0 99999999999"), std::to_string(2147483647 / 75));
}

TEST(DiscId, SecondsToTimeString)
{
    const std::pair<int, const char*> cases[]
        = { { 0, "0:00" }, { 59, "0:59" }, { 75, "1:15" }, { 600, "10:00" }, { 3600, "60:00" },
              { 32767, "546:07" }, { -5, "-0:05" }, { -75, "-1:15" }, { -32768, "-546:08" } };
    for (const auto& [seconds, text] : cases)
        EXPECT_EQ(SecondsToTimeString(seconds), text) << seconds;
}

namespace {

struct DiscIdDeleter {
    void operator()(DiscId* disc) const { discid_free(disc); }
};

// libdiscid's limit for a disc (90 minutes of frames); it refuses longer discs.
constexpr int kLibdiscidLongest = 405000;

// A random but plausible audio CD: 1 to 99 tracks, often a hidden first track.
std::vector<int> randomDisc(std::mt19937& random)
{
    std::uniform_int_distribution<int> trackCountPick(1, 99);
    int tracks = trackCountPick(random);
    if (tracks > 40 && random() % 4 != 0)
        tracks = 8 + tracks % 20; // most discs have 8 to 27 tracks
    std::vector<int> addresses;
    int address = (random() % 8 == 0) ? 150 + static_cast<int>(random() % 30000) : 150;
    const int room = (kLibdiscidLongest - address) / tracks;
    std::uniform_int_distribution<int> lengthPick(std::min(300, room), room);
    for (int track = 0; track <= tracks; ++track) {
        addresses.push_back(address);
        address += lengthPick(random);
    }
    return addresses;
}

// libdiscid's freedb and MusicBrainz identifiers of a disc, both empty when it refuses it.
std::pair<std::string, std::string> libdiscidIds(const std::vector<int>& addresses)
{
    std::unique_ptr<DiscId, DiscIdDeleter> disc(discid_new());
    int offsets[100] = {};
    const int tracks = static_cast<int>(addresses.size()) - 1;
    offsets[0] = addresses.back();
    for (int track = 1; track <= tracks; ++track)
        offsets[track] = addresses[static_cast<size_t>(track) - 1];
    if (!discid_put(disc.get(), 1, tracks, offsets))
        return {};
    return { discid_get_freedb_id(disc.get()), discid_get_id(disc.get()) };
}

} // namespace

TEST(DiscId, AgreesWithLibdiscidOnRandomDiscs)
{
    std::mt19937 random(20240613);
    for (int i = 0; i < 5000; ++i) {
        const std::vector<int> addresses = randomDisc(random);
        const std::string toc = joinToc(addresses);
        SCOPED_TRACE(toc);
        const auto [freedb, musicBrainz] = libdiscidIds(addresses);
        ASSERT_FALSE(freedb.empty());
        ASSERT_EQ(CalMediaID(toc), freedb);
        ASSERT_EQ(deriveLookupValues(toc).discId, freedb);
        ASSERT_EQ(musicbrainz::musicBrainzDisc(toc).value().id, musicBrainz);
    }
}
