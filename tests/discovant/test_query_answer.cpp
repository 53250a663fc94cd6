// The query-answer interpreter on recorded server answers and on broken ones.
#include "discovant/cddb/queryanswer.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace discovant;

namespace {

const std::string kExact = "200 rock 09010802 Miles Davis / Kind of Blue\r\n";
const std::string kSeveral = "210 Found exact matches, list follows (until terminating `.')\r\n"
                             "rock 09010802 Miles Davis / Kind of Blue\r\n"
                             "jazz 0a010803 Miles Davis / Kind of Blue (Legacy)\r\n"
                             ".\r\n";
const std::string kInexact = "211 Found inexact matches, list follows (until terminating `.')\r\n"
                             "misc 7a0b2c09 Various / Sampler\r\n"
                             ".\r\n";

// A chooser that records what it was shown and answers `choice`.
struct RecordingChooser {
    int choice = 1;
    int calls = 0;
    std::vector<std::string> shown;

    MatchChooser function()
    {
        return [this](const std::vector<std::string>& lines) {
            ++calls;
            shown = lines;
            return choice;
        };
    }
};

} // namespace

TEST(QueryAnswer, ExactMatchTakesTheCategoryAndKeepsTheComputedIdentifier)
{
    const QueryOutcome outcome = interpretQueryAnswer(kExact, {});
    EXPECT_EQ(outcome.matchCode, uCDDBMatchCode::MATCH_EXACT);
    EXPECT_EQ(outcome.category, "rock");
    EXPECT_EQ(outcome.discId, "");

    // The same answer without CR, and without any line end, reads the same.
    EXPECT_EQ(interpretQueryAnswer("200 rock 09010802 A / B\n", {}).category, "rock");
    EXPECT_EQ(interpretQueryAnswer("200 newage 09010802", {}).category, "newage");
    // A status line that names no category is no match to read.
    EXPECT_EQ(interpretQueryAnswer("200\r\n", {}).matchCode, uCDDBMatchCode::MATCH_NONE);
    EXPECT_EQ(interpretQueryAnswer("200  rock", {}).matchCode, uCDDBMatchCode::MATCH_NONE);
}

TEST(QueryAnswer, SeveralMatchesTakeTheFirstWithoutChooser)
{
    for (const std::string& answer : { kSeveral, kInexact }) {
        const QueryOutcome outcome = interpretQueryAnswer(answer, {});
        EXPECT_EQ(outcome.matchCode, uCDDBMatchCode::MATCH_MULTIPLE) << answer;
    }
    const QueryOutcome first = interpretQueryAnswer(kSeveral, {});
    EXPECT_EQ(first.category, "rock");
    EXPECT_EQ(first.discId, "09010802");
    const QueryOutcome inexact = interpretQueryAnswer(kInexact, {});
    EXPECT_EQ(inexact.category, "misc");
    EXPECT_EQ(inexact.discId, "7a0b2c09");
}

TEST(QueryAnswer, ChooserSeesTitlesAndDecides)
{
    RecordingChooser chooser;
    chooser.choice = 2;
    QueryOutcome outcome = interpretQueryAnswer(kSeveral, chooser.function());
    EXPECT_EQ(chooser.shown,
        (std::vector<std::string> { "Miles Davis / Kind of Blue", "Miles Davis / Kind of Blue (Legacy)" }));
    EXPECT_EQ(outcome.matchCode, uCDDBMatchCode::MATCH_MULTIPLE);
    EXPECT_EQ(outcome.category, "jazz");
    EXPECT_EQ(outcome.discId, "0a010803");

    // 0 is "none of these"; positions outside the list are no choice either.
    for (int choice : { 0, 3, -1, 1000 }) {
        chooser.choice = choice;
        outcome = interpretQueryAnswer(kSeveral, chooser.function());
        EXPECT_EQ(outcome.matchCode, uCDDBMatchCode::MATCH_NONE) << choice;
        EXPECT_EQ(outcome.category, "") << choice;
    }

    // An exact answer never asks.
    chooser.calls = 0;
    interpretQueryAnswer(kExact, chooser.function());
    EXPECT_EQ(chooser.calls, 0);
}

TEST(QueryAnswer, EmptyListOpensTheChooserEmptyAndFirstMatchFindsNothing)
{
    const std::string empty = "210 Found exact matches, list follows (until terminating `.')\r\n.\r\n";
    RecordingChooser chooser;
    chooser.choice = 0;
    EXPECT_EQ(interpretQueryAnswer(empty, chooser.function()).matchCode, uCDDBMatchCode::MATCH_NONE);
    EXPECT_EQ(chooser.calls, 1);
    EXPECT_TRUE(chooser.shown.empty());
    EXPECT_EQ(interpretQueryAnswer(empty, {}).matchCode, uCDDBMatchCode::MATCH_NONE);
}

TEST(QueryAnswer, LinesEndInLfOrCrLfAndStopAtTheDot)
{
    const std::string lfOnly = "211 inexact\nrock 01020304 A / B\nfolk 01020305 C / D\n.\n"
                               "blues 01020306 after the end\n";
    RecordingChooser chooser;
    chooser.choice = 2;
    const QueryOutcome outcome = interpretQueryAnswer(lfOnly, chooser.function());
    EXPECT_EQ(chooser.shown.size(), 2u);
    EXPECT_EQ(outcome.category, "folk");
    EXPECT_EQ(outcome.discId, "01020305");
    EXPECT_EQ(
        matchLines(lfOnly), (std::vector<std::string> { "rock 01020304 A / B", "folk 01020305 C / D" }));
}

TEST(QueryAnswer, ShownTitlesAreUtf8)
{
    const std::string latin1 = "210 list\r\nmisc 01020304 Bj\xF6rk / Homogenic\r\n.\r\n";
    const std::string utf8 = "210 list\r\nmisc 01020304 Bj\xC3\xB6rk / Homogenic\r\n.\r\n";
    RecordingChooser chooser;
    interpretQueryAnswer(latin1, chooser.function());
    EXPECT_EQ(chooser.shown.at(0), "Bj\xC3\xB6rk / Homogenic");
    interpretQueryAnswer(utf8, chooser.function());
    EXPECT_EQ(chooser.shown.at(0), "Bj\xC3\xB6rk / Homogenic");
}

TEST(QueryAnswer, NoMatchErrorsAndGarbageGiveNoMatch)
{
    const std::vector<std::string> answers = {
        "202 No match for disc ID 09010802.\r\n",
        "403 Database entry is corrupt.\r\n",
        "409 No handshake.\r\n",
        "500 Command syntax error, command unknown, command unimplemented.\r\n",
        "530 Server error, server timeout.\r\n",
        "<!DOCTYPE html><html><body>502 Bad Gateway</body></html>",
        "",
        "2",
        "20",
        std::string("\0\0\0\0", 4),
        "abc rock 09010802 x",
        "201 rock 09010802 close but not a match",
    };
    for (const std::string& answer : answers) {
        RecordingChooser chooser;
        const QueryOutcome outcome = interpretQueryAnswer(answer, chooser.function());
        EXPECT_EQ(outcome.matchCode, uCDDBMatchCode::MATCH_NONE) << answer;
        EXPECT_EQ(outcome.category, "") << answer;
        EXPECT_EQ(chooser.calls, 0) << answer;
    }
}

TEST(QueryAnswer, CutAnswersGiveNoMatchOrWhatWasComplete)
{
    // Cut before the first match line, or inside it before the identifier.
    for (const std::string answer :
        { "210 Found exact matches", "210 Found\r\n", "211 x\r\nrock", "211 x\r\nrock ", "210 x\r\n\r\n" }) {
        EXPECT_EQ(interpretQueryAnswer(answer, {}).matchCode, uCDDBMatchCode::MATCH_NONE) << answer;
    }
    // Cut after a whole match line but before the terminating dot: that line is usable.
    const QueryOutcome outcome = interpretQueryAnswer("210 x\r\nrock 09010802 T", {});
    EXPECT_EQ(outcome.matchCode, uCDDBMatchCode::MATCH_MULTIPLE);
    EXPECT_EQ(outcome.discId, "09010802");
}

TEST(QueryAnswer, LinesOfMegabytesAndNulBytesAreTakenAsText)
{
    const std::string title(3 * 1024 * 1024, 'x');
    std::string answer = "211 list\r\nrock 09010802 " + title + "\r\n";
    const char nulLine[] = "misc 0102\0"
                           "304 A\0B\r\n.\r\n";
    answer += std::string(nulLine, sizeof nulLine - 1);
    RecordingChooser chooser;
    chooser.choice = 2;
    const QueryOutcome outcome = interpretQueryAnswer(answer, chooser.function());
    ASSERT_EQ(chooser.shown.size(), 2u);
    EXPECT_EQ(chooser.shown[0].size(), title.size());
    EXPECT_EQ(chooser.shown[1], std::string("A\0B", 3));
    EXPECT_EQ(outcome.category, "misc");
    EXPECT_EQ(outcome.discId,
        std::string("0102\0"
                    "304",
            8));
}
