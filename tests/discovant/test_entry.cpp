#include "discovant/cddb/entry.h"

#include <gtest/gtest.h>
#include <string>

using namespace discovant;

namespace {

// Lines written with LF; a server ends them with CR LF.
std::string crlf(std::string_view text)
{
    std::string out;
    for (const char c : text) {
        if (c == '\n')
            out += '\r';
        out += c;
    }
    return out;
}

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

} // namespace

TEST(DiscEntry, ParsesARealisticAnswer)
{
    for (const std::string& answer : { crlf(kReadAnswer), kReadAnswer }) {
        const DiscEntry entry = parsed(answer);
        EXPECT_EQ(entry.GetMediaID(), "180b0c03");
        EXPECT_EQ(entry.GetArtistName(), "Some Band");
        EXPECT_EQ(entry.GetAlbumName(), "Greatest Hits");
        EXPECT_EQ(entry.GetAlbumCategory(), "rock");
        EXPECT_EQ(entry.GetAlbumGenre(), "Alternative Rock");
        EXPECT_EQ(entry.GetAlbumYear(), "1999");
        EXPECT_EQ(entry.GetAlbumRevision(), "7");
        EXPECT_EQ(entry.GetAlbumNotes(), "Recorded live.\r\nRemastered 2009.");
        EXPECT_EQ(entry.GetAlbumTracks(), 3);
        EXPECT_EQ(entry.GetAlbumLength(), 2830);
        EXPECT_EQ(entry.trackNames(),
            (std::vector<std::string> {
                "Opening", "The Long Song With a Title That Was Continued On a Second Line", "Closing" }));
        EXPECT_EQ(entry.GetTrackNotes(2), "Single edit\r\nB-side");
        EXPECT_EQ(entry.trackNotes().size(), 3u);
        EXPECT_EQ(entry.GetTrackTime(1), (21052 - 150) / 75);
        EXPECT_EQ(entry.GetTrackTime(3), (212250 - 41412) / 75);
    }
}

TEST(DiscEntry, AccessorsOutOfRange)
{
    const DiscEntry entry = parsed(crlf(kReadAnswer));
    for (const int16_t idx : { int16_t(0), int16_t(-1), int16_t(4), int16_t(32767), int16_t(-32768) }) {
        EXPECT_EQ(entry.GetTrackName(idx), "") << idx;
        EXPECT_EQ(entry.GetTrackNotes(idx), "") << idx;
        EXPECT_EQ(entry.GetTrackTime(idx), 0) << idx;
    }
    const DiscEntry empty;
    EXPECT_EQ(empty.GetTrackName(1), "");
    EXPECT_EQ(empty.GetTrackTime(1), 0);
    EXPECT_EQ(empty.GetAlbumRevision(), "0");
}

TEST(DiscEntry, TitleSplitAndContinuations)
{
    DiscEntry entry;
    entry.parseReadAnswer(crlf("210 x\nDTITLE=A / B / C\n.\n"));
    EXPECT_EQ(entry.GetArtistName(), "A");
    EXPECT_EQ(entry.GetAlbumName(), "B");

    DiscEntry single;
    single.parseReadAnswer(crlf("210 x\nDTITLE=Various\n"));
    EXPECT_EQ(single.GetArtistName(), "Various");
    EXPECT_EQ(single.GetAlbumName(), "Various");

    // A continued DTITLE whose separator is cut between the two lines.
    DiscEntry continued;
    continued.parseReadAnswer(crlf("210 x\nDTITLE=The Artist /\nDTITLE= The Album\n"));
    EXPECT_EQ(continued.GetArtistName(), "The Artist");
    EXPECT_EQ(continued.GetAlbumName(), "The Album");

    DiscEntry tracks;
    tracks.parseReadAnswer(crlf("210 x\nTTITLE0=Hello \nTTITLE0=World\nTTITLE5=Second\n"
                                "TTITLE5=!\nTTITLE0=Third\n"));
    // Names are numbered by first appearance; a key seen again after another is a new item.
    EXPECT_EQ(tracks.trackNames(), (std::vector<std::string> { "Hello World", "Second!", "Third" }));

    DiscEntry notes;
    notes.parseReadAnswer(crlf("210 x\nEXTD=one\\n\nEXTD=two\nEXTT3=a\\\nEXTT3=nb\n"));
    EXPECT_EQ(notes.GetAlbumNotes(), "one\r\ntwo");
    // The backslash-n cut across two continuation lines is still a line break.
    EXPECT_EQ(notes.GetTrackNotes(1), "a\r\nb");
}

TEST(DiscEntry, KeysAnywhereInTheLineAndInAnyCase)
{
    DiscEntry entry;
    entry.setAlbumCategory("jazz");
    entry.parseReadAnswer(crlf("210 jazz 01020304\n"
                               "dyear=1975\n"
                               "  DGenre=Bebop\n"
                               "\xEF\xBB\xBF"
                               "DTITLE=Artist / Album\n"
                               "# REVISION: 12\n"
                               "ttitle0=First\n"));
    EXPECT_EQ(entry.GetAlbumYear(), "1975");
    EXPECT_EQ(entry.GetAlbumGenre(), "Bebop");
    EXPECT_EQ(entry.GetArtistName(), "Artist");
    EXPECT_EQ(entry.GetAlbumRevision(), "12");
    EXPECT_EQ(entry.GetTrackName(1), "First");

    DiscEntry noGenre;
    noGenre.setAlbumCategory("jazz");
    noGenre.parseReadAnswer(crlf("210 jazz 01020304\nDGENRE=\nDYEAR=\n"));
    EXPECT_EQ(noGenre.GetAlbumGenre(), "jazz");
    EXPECT_EQ(noGenre.GetAlbumYear(), "");
}

TEST(DiscEntry, RevisionOnlyFromANumber)
{
    DiscEntry entry;
    entry.parseReadAnswer(crlf("210 x\n# Revision: 4\n# Revision: none\n# Revision: 99999\n"));
    EXPECT_EQ(entry.GetAlbumRevision(), "4");
    entry.parseReadAnswer(crlf("210 x\n# Revision: -2\n"));
    EXPECT_EQ(entry.GetAlbumRevision(), "-2");
}

TEST(DiscEntry, OnlyStatus210FillsTheEntry)
{
    DiscEntry entry;
    EXPECT_FALSE(entry.parseReadAnswer("401 rock 7a0b2c09 No such CD entry in database.\r\n"));
    EXPECT_FALSE(entry.parseReadAnswer("211 rock 7a0b2c09 DTITLE=A / B\r\n.\r\n"));
    EXPECT_FALSE(entry.parseReadAnswer("<html><body>DTITLE=A / B</body></html>"));
    EXPECT_FALSE(entry.parseReadAnswer(""));
    EXPECT_FALSE(entry.parseReadAnswer("21"));
    EXPECT_EQ(entry.GetArtistName(), "");
    EXPECT_TRUE(entry.parseReadAnswer("210"));
}

TEST(DiscEntry, ParsingStopsAtTheTerminatingDot)
{
    DiscEntry entry;
    entry.parseReadAnswer(crlf("210 x\nDTITLE=A / B\n.\nDTITLE=Garbage\nTTITLE0=x\n"));
    EXPECT_EQ(entry.GetAlbumName(), "B");
    EXPECT_TRUE(entry.trackNames().empty());
}

TEST(DiscEntry, AnswersCutAnywhereAreSafe)
{
    const std::string answer = crlf(kReadAnswer);
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

TEST(DiscEntry, Windows1252AndBrokenBytes)
{
    DiscEntry entry;
    std::string answer = crlf("210 x\nDTITLE=Bj\xF6rk / Homog\xE9nic\nTTITLE0=Caf\xC3\xA9\n"
                              "TTITLE1=A\xE2\x82\nTTITLE1=\xAC!\nEXTD=x\n");
    answer += std::string("TTITLE2=nul\0byte\r\n", 18);
    entry.parseReadAnswer(answer);
    EXPECT_EQ(entry.GetArtistName(), "Bj\xC3\xB6rk");
    EXPECT_EQ(entry.GetAlbumName(), "Homog\xC3\xA9nic");
    EXPECT_EQ(entry.GetTrackName(1), "Caf\xC3\xA9");
    // A UTF-8 character cut between two continuation lines is whole again.
    EXPECT_EQ(entry.GetTrackName(2), "A\xE2\x82\xAC!");
    EXPECT_EQ(entry.GetTrackName(3), std::string("nul\0byte", 8));

    const std::string longLine = "210 x\r\nTTITLE0=" + std::string(4 << 20, 'a') + "\r\n";
    DiscEntry big;
    big.parseReadAnswer(longLine);
    EXPECT_EQ(big.GetTrackName(1).size(), size_t(4 << 20));
}

TEST(DiscEntry, ResetStartsEveryLookup)
{
    DiscEntry entry = parsed(crlf(kReadAnswer));
    entry.setCdText("Band|Album|");
    entry.reset(deriveLookupValues("150 10000 20000"));
    EXPECT_EQ(entry.GetMediaID(), "09010802");
    EXPECT_EQ(entry.toc(), "150 10000 20000");
    EXPECT_EQ(entry.GetArtistName(), "");
    EXPECT_EQ(entry.GetAlbumCategory(), "");
    EXPECT_EQ(entry.GetAlbumNotes(), "");
    EXPECT_EQ(entry.GetAlbumRevision(), "0");
    EXPECT_TRUE(entry.trackNames().empty());
    EXPECT_EQ(entry.GetAlbumTracks(), 2);
    EXPECT_EQ(entry.GetTrackTime(2), 133);
    EXPECT_EQ(entry.GetCdText(), "Band|Album|");

    // After reset a repeated TTITLE key starts a new list rather than continuing the old one.
    entry.parseReadAnswer(crlf("210 x\nTTITLE0=New\n"));
    EXPECT_EQ(entry.trackNames(), (std::vector<std::string> { "New" }));

    // An invalid TOC leaves the previous identifier readable but no lengths.
    entry.reset(deriveLookupValues("150"));
    EXPECT_EQ(entry.GetMediaID(), "09010802");
    EXPECT_EQ(entry.GetAlbumTracks(), 0);
    EXPECT_EQ(entry.GetAlbumLength(), 0);
    EXPECT_EQ(entry.GetTrackTime(1), 0);
}

TEST(DiscEntry, TrackTimeHeldToSixteenBits)
{
    // Out-of-order addresses give a track far longer than the disc.
    DiscEntry entry;
    entry.reset(deriveLookupValues("150 3000000 150"));
    EXPECT_EQ(entry.GetTrackTime(1), 32767);
    EXPECT_EQ(entry.GetTrackTime(2), -32768);
}
