#include "discovant/cddb/entry.h"
#include "testkit/files.h"

#include <gtest/gtest.h>
#include <string>

using namespace discovant;
using testkit::withCrLf; // the answers are written with LF, a server ends lines with CR LF

namespace {

const std::string kReadAnswer = R"(210 rock 180b0c03 CD database entry follows (until terminating `.')
# xmcd
#
# Track frame offsets:
#	150
#	21052
#	41412
#
# Disc length: 2828 seconds
#
# Revision: 7
# Processed by: cddbd v1.5.2PL0 Copyright (c) Steve Scherf et al.
# Submitted via: ExactAudioCopy v0.99pb4
#
DISCID=180b0c03
DTITLE=Some Band / Greatest Hits
DYEAR=1999
DGENRE=Alternative Rock
TTITLE0=Opening
TTITLE1=The Long Song With a Title That Was Continued 
TTITLE1=On a Second Line
TTITLE2=Closing
EXTD=Recorded live.\nRemastered 2009.
EXTT0=
EXTT1=Single edit\nB-side
EXTT2=
PLAYORDER=
.
)";

DiscEntry parsed(std::string_view answer)
{
    DiscEntry entry;
    entry.reset(deriveLookupValues("150 21052 41412 212250"));
    entry.setAlbumCategory("rock");
    EXPECT_TRUE(entry.parseReadAnswer(answer));
    return entry;
}

// The parsed fields in one line: artist|album|year|genre|revision|notes|track names|track notes,
// the names and notes each ended by ";".
std::string fieldsOf(const DiscEntry& entry)
{
    std::string fields = entry.GetArtistName() + "|" + entry.GetAlbumName() + "|" + entry.GetAlbumYear() + "|"
        + entry.GetAlbumGenre() + "|" + entry.GetAlbumRevision() + "|" + entry.GetAlbumNotes() + "|";
    for (const std::string& name : entry.trackNames())
        fields += name + ";";
    fields += "|";
    for (const std::string& notes : entry.trackNotes())
        fields += notes + ";";
    return fields;
}

} // namespace

TEST(DiscEntry, ParsesARealisticAnswer)
{
    for (const std::string& answer : { withCrLf(kReadAnswer), kReadAnswer }) {
        const DiscEntry entry = parsed(answer);
        EXPECT_EQ(entry.GetMediaID(), "180b0c03");
        EXPECT_EQ(entry.GetAlbumCategory(), "rock");
        EXPECT_EQ(fieldsOf(entry),
            "Some Band|Greatest Hits|1999|Alternative Rock|7|Recorded live.\r\nRemastered 2009.|"
            "Opening;The Long Song With a Title That Was Continued On a Second Line;Closing;|;Single "
            "edit\r\nB-side;;");
        EXPECT_EQ(entry.GetAlbumTracks(), 3);
        EXPECT_EQ(entry.GetAlbumLength(), 2830);
        EXPECT_EQ(entry.GetTrackTime(1), (21052 - 150) / 75);
        EXPECT_EQ(entry.GetTrackTime(3), (212250 - 41412) / 75);
    }
}

TEST(DiscEntry, AccessorsOutOfRange)
{
    const DiscEntry entry = parsed(withCrLf(kReadAnswer));
    for (const int16_t idx : { int16_t(0), int16_t(-1), int16_t(4), int16_t(32767), int16_t(-32768) }) {
        EXPECT_EQ(entry.GetTrackName(idx), "") << idx;
        EXPECT_EQ(entry.GetTrackNotes(idx), "") << idx;
        EXPECT_EQ(entry.GetTrackTime(idx), 0) << idx;
    }

    // Out-of-order addresses give a track far longer than the disc: held to sixteen bits.
    DiscEntry disordered;
    disordered.reset(deriveLookupValues("150 3000000 150"));
    EXPECT_EQ(disordered.GetTrackTime(1), 32767);
    EXPECT_EQ(disordered.GetTrackTime(2), -32768);
}

TEST(DiscEntry, ParsesKeysContinuationsAndStatusLines)
{
    struct Case {
        const char* what;
        std::string answer; // lines ending in LF; parsed with CR LF
        bool parsed;
        std::string fields;
    };
    const Case cases[] = {
        { "the title splits at its first separator", "210 x\nDTITLE=A / B / C\n.\n", true, "A|B||jazz|0|||" },
        { "a title without separator is artist and album", "210 x\nDTITLE=Various\n", true,
            "Various|Various||jazz|0|||" },
        { "a separator cut between continued lines", "210 x\nDTITLE=The Artist /\nDTITLE= The Album\n", true,
            "The Artist|The Album||jazz|0|||" },
        // Names are numbered by first appearance; a key seen again after another is a new item.
        { "continued track names",
            "210 x\nTTITLE0=Hello \nTTITLE0=World\nTTITLE5=Second\nTTITLE5=!\nTTITLE0=Third\n", true,
            "|||jazz|0||Hello World;Second!;Third;|" },
        // A backslash-n cut across two continuation lines is still a line break.
        { "continued notes", "210 x\nEXTD=one\\n\nEXTD=two\nEXTT3=a\\\nEXTT3=nb\n", true,
            "|||jazz|0|one\r\ntwo||a\r\nb;" },
        { "keys anywhere in the line and in any case",
            "210 jazz 01020304\ndyear=1975\n  DGenre=Bebop\n\xEF\xBB\xBF"
            "DTITLE=Artist / Album\n# REVISION: 12\nttitle0=First\n",
            true, "Artist|Album|1975|Bebop|12||First;|" },
        { "no genre gives the category", "210 jazz 01020304\nDGENRE=\nDYEAR=\n", true, "|||jazz|0|||" },
        { "the revision only from a number", "210 x\n# Revision: 4\n# Revision: none\n# Revision: 99999\n",
            true, "|||jazz|4|||" },
        { "a negative revision", "210 x\n# Revision: -2\n", true, "|||jazz|-2|||" },
        { "nothing after the terminating dot", "210 x\nDTITLE=A / B\n.\nDTITLE=Garbage\nTTITLE0=x\n", true,
            "A|B||jazz|0|||" },
        { "a bare status", "210", true, "|||jazz|0|||" },
        { "no such entry", "401 rock 7a0b2c09 No such CD entry in database.\n", false, "|||jazz|0|||" },
        { "a list is no entry", "211 rock 7a0b2c09 DTITLE=A / B\n.\n", false, "|||jazz|0|||" },
        { "an HTML page", "<html><body>DTITLE=A / B</body></html>", false, "|||jazz|0|||" },
        { "nothing", "", false, "|||jazz|0|||" },
        { "a cut status", "21", false, "|||jazz|0|||" },
        // Each field is UTF-8, from Windows-1252 or UTF-8; a UTF-8 character cut between two
        // continuation lines is whole again.
        { "text in either encoding",
            "210 x\nDTITLE=Bj\xF6rk / Homog\xE9nic\nTTITLE0=Caf\xC3\xA9\nTTITLE1=A\xE2\x82\nTTITLE1=\xAC!\n",
            true, "Bj\xC3\xB6rk|Homog\xC3\xA9nic||jazz|0||Caf\xC3\xA9;A\xE2\x82\xAC!;|" },
    };
    for (const Case& c : cases) {
        DiscEntry entry;
        entry.setAlbumCategory("jazz");
        EXPECT_EQ(entry.parseReadAnswer(withCrLf(c.answer)), c.parsed) << c.what;
        EXPECT_EQ(fieldsOf(entry), c.fields) << c.what;
    }
}

TEST(DiscEntry, AnswersCutAnywhereAreSafe)
{
    const std::string answer = withCrLf(kReadAnswer);
    for (size_t length = 0; length <= answer.size(); ++length) {
        DiscEntry entry;
        entry.parseReadAnswer(std::string_view(answer).substr(0, length));
        ASSERT_LE(entry.trackNames().size(), 3u);
    }
    DiscEntry cut;
    cut.parseReadAnswer(answer.substr(0, answer.find("TTITLE1=") + 12));
    EXPECT_EQ(cut.trackNames(), (std::vector<std::string> { "Opening", "The " }));
    EXPECT_EQ(cut.GetAlbumNotes(), "");
}

TEST(DiscEntry, NulBytesAndLongLines)
{
    DiscEntry entry;
    entry.parseReadAnswer(std::string("210 x\r\nTTITLE0=nul\0byte\r\n", 25));
    EXPECT_EQ(entry.GetTrackName(1), std::string("nul\0byte", 8));

    const std::string longLine = "210 x\r\nTTITLE0=" + std::string(4 << 20, 'a') + "\r\n";
    DiscEntry big;
    big.parseReadAnswer(longLine);
    EXPECT_EQ(big.GetTrackName(1).size(), size_t(4 << 20));
}

TEST(DiscEntry, ResetStartsEveryLookup)
{
    DiscEntry entry = parsed(withCrLf(kReadAnswer));
    entry.setCdText("Band|Album|");
    entry.reset(deriveLookupValues("150 10000 20000"));
    EXPECT_EQ(entry.GetMediaID(), "09010802");
    EXPECT_EQ(entry.toc(), "150 10000 20000");
    EXPECT_EQ(entry.GetAlbumCategory(), "");
    EXPECT_EQ(fieldsOf(entry), "||||0|||");
    EXPECT_EQ(entry.GetAlbumTracks(), 2);
    EXPECT_EQ(entry.GetTrackTime(2), 133);
    EXPECT_EQ(entry.GetCdText(), "Band|Album|");

    // After reset a repeated TTITLE key starts a new list rather than continuing the old one.
    entry.parseReadAnswer(withCrLf("210 x\nTTITLE0=New\n"));
    EXPECT_EQ(entry.trackNames(), (std::vector<std::string> { "New" }));

    // An invalid TOC leaves the previous identifier readable but no lengths.
    entry.reset(deriveLookupValues("150"));
    EXPECT_EQ(entry.GetMediaID(), "09010802");
    EXPECT_EQ(entry.GetAlbumTracks(), 0);
    EXPECT_EQ(entry.GetAlbumLength(), 0);
    EXPECT_EQ(entry.GetTrackTime(1), 0);
}
