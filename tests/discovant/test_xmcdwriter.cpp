// The xmcd entry text a submission writes.
#include "discovant/cddb/xmcdwriter.h"

#include <gtest/gtest.h>
#include <regex>

using namespace discovant;

namespace {

XmcdDraft kindOfBlue()
{
    return { .toc = "150 10000 20000",
        .discId = "09010802",
        .revision = 3,
        .submittedVia = "Melo_theek 2.0_beta",
        .artist = "Miles Davis",
        .album = "Kind of Blue",
        .year = "1959",
        .genre = "Jazz",
        .notes = "Recorded\r\nin New York",
        .trackTitles = { "So What", "Freddie Freeloader" },
        .trackNotes = { "Modal", "" } };
}

} // namespace

TEST(XmcdWriter, WritesTheWholeEntryLineByLine)
{
    EXPECT_EQ(writeXmcdEntry(kindOfBlue()),
        "# xmcd\r\n#\r\n# Track frame offsets:\r\n#   150\r\n#   10000\r\n#\r\n"
        "# Disc length: 266 seconds\r\n#\r\n# Revision: 3\r\n"
        "# Submitted via: Melo_theek 2.0_beta\r\n#\r\nDISCID=09010802\r\n"
        "DTITLE=Miles Davis / Kind of Blue\r\nDYEAR=1959\r\nDGENRE=Jazz\r\n"
        "TTITLE0=So What\r\nTTITLE1=Freddie Freeloader\r\n"
        "EXTD=Recorded\\nin New York\r\nEXTT0=Modal\r\nEXTT1=\r\nPLAYORDER=\r\n");
}

TEST(XmcdWriter, NotesAreCutIntoEightyCharacterLinesWithAtLeastOne)
{
    XmcdDraft draft = kindOfBlue();
    draft.notes = std::string(200, 'n');
    draft.trackNotes = {}; // tracks without notes still get their line
    draft.year.clear();
    const std::string entry = writeXmcdEntry(draft);
    EXPECT_NE(entry.find("EXTD=" + std::string(80, 'n') + "\r\nEXTD=" + std::string(80, 'n')
                  + "\r\nEXTD=" + std::string(40, 'n') + "\r\nEXTT0=\r\nEXTT1=\r\n"),
        std::string::npos);
    EXPECT_NE(entry.find("\r\nDYEAR=\r\n"), std::string::npos);

    draft.notes.clear();
    EXPECT_NE(writeXmcdEntry(draft).find("\r\nEXTD=\r\nEXTT0="), std::string::npos);

    // Line breaks of every kind become backslash-n; the escape counts as two characters.
    draft.notes = "a\nb\rc\r\nd";
    EXPECT_NE(writeXmcdEntry(draft).find("\r\nEXTD=a\\nb\\nc\\nd\r\n"), std::string::npos);
}

TEST(XmcdWriter, LengthsCountCharactersAndValuesStayOnTheirLine)
{
    XmcdDraft draft = kindOfBlue();
    std::string longTitle;
    for (int i = 0; i < 250; ++i)
        longTitle += "é"; // two bytes each
    draft.trackTitles[0] = longTitle;
    draft.genre = std::string(130, 'g');
    draft.trackNotes[1] = std::string(79, 'x') + "ü" + "rest";
    draft.artist = "Line\r\nBreak";
    const std::string entry = writeXmcdEntry(draft);
    EXPECT_NE(entry.find("\r\nTTITLE0=" + longTitle.substr(0, 480) + "\r\n"), std::string::npos);
    EXPECT_NE(entry.find("\r\nDGENRE=" + std::string(120, 'g') + "\r\n"), std::string::npos);
    EXPECT_NE(entry.find("\r\nEXTT1=" + std::string(79, 'x') + "ü\r\nEXTT1=rest\r\n"), std::string::npos);
    EXPECT_NE(entry.find("\r\nDTITLE=Line  Break / Kind of Blue\r\n"), std::string::npos);
    EXPECT_FALSE(std::regex_search(entry, std::regex("[^\r]\n|\r[^\n]"))); // no line break but CR LF
}

TEST(XmcdWriter, TrackCountFollowsTheTocFields)
{
    XmcdDraft draft = kindOfBlue();
    draft.toc = " 150 5000 10000 20000 ";
    draft.trackTitles = { "One" }; // fewer titles than tracks: the rest are written empty
    const std::string entry = writeXmcdEntry(draft);
    EXPECT_NE(entry.find("#   150\r\n#   5000\r\n#   10000\r\n#\r\n"), std::string::npos);
    EXPECT_NE(entry.find("TTITLE0=One\r\nTTITLE1=\r\nTTITLE2=\r\nEXTD="), std::string::npos);
    EXPECT_NE(entry.find("EXTT2=\r\nPLAYORDER=\r\n"), std::string::npos);
    EXPECT_EQ(entry.find("TTITLE3"), std::string::npos);
}
