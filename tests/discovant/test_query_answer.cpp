// The query-answer interpreter on recorded server answers and on broken ones.
#include "discovant/cddb/queryanswer.h"

#include <gtest/gtest.h>
#include <optional>
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
const std::string kLfOnly = "211 inexact\nrock 01020304 A / B\nfolk 01020305 C / D\n.\n"
                            "blues 01020306 after the end\n";
const std::vector<std::string> kSeveralShown
    = { "Miles Davis / Kind of Blue", "Miles Davis / Kind of Blue (Legacy)" };

constexpr auto kNone = uCDDBMatchCode::MATCH_NONE;
constexpr auto kExactMatch = uCDDBMatchCode::MATCH_EXACT;
constexpr auto kMultiple = uCDDBMatchCode::MATCH_MULTIPLE;

struct AnswerCase {
    std::string answer;
    std::optional<int> choice; // what the chooser answers; none: no chooser (first match)
    uCDDBMatchCode matchCode;
    std::string category;
    std::string discId;
    std::optional<std::vector<std::string>> shown = std::nullopt; // none: the chooser is not asked
};

TEST(QueryAnswer, InterpretsEveryKindOfAnswer)
{
    const std::string megabytes(3 * 1024 * 1024, 'x');
    const std::string nul(1, '\0');
    std::vector<AnswerCase> cases = {
        // An exact match takes the category; the identifier computed from the TOC stays.
        { kExact, {}, kExactMatch, "rock", "" },
        { kExact, 2, kExactMatch, "rock", "" }, // never asks
        { "200 rock 09010802 A / B\n", {}, kExactMatch, "rock", "" },
        { "200 newage 09010802", {}, kExactMatch, "newage", "" },
        // A status line that names no category is no match to read.
        { "200\r\n", {}, kNone, "", "" },
        { "200  rock", {}, kNone, "", "" },
        // Several matches: the first without a chooser, else the chosen line.
        { kSeveral, {}, kMultiple, "rock", "09010802" },
        { kInexact, {}, kMultiple, "misc", "7a0b2c09" },
        { kSeveral, 2, kMultiple, "jazz", "0a010803", kSeveralShown },
        // 0 is "none of these"; positions outside the list are no choice either.
        { kSeveral, 0, kNone, "", "", kSeveralShown },
        { kSeveral, 3, kNone, "", "", kSeveralShown },
        { kSeveral, -1, kNone, "", "", kSeveralShown },
        { kSeveral, 1000, kNone, "", "", kSeveralShown },
        // An empty list opens the chooser empty; the first match finds nothing.
        { "210 Found exact matches\r\n.\r\n", 0, kNone, "", "", std::vector<std::string> {} },
        { "210 Found exact matches\r\n.\r\n", {}, kNone, "", "" },
        // Lines end in LF or CR LF and stop at the dot.
        { kLfOnly, 2, kMultiple, "folk", "01020305", std::vector<std::string> { "A / B", "C / D" } },
        // Shown titles are UTF-8, also from Windows-1252.
        { "210 list\r\nmisc 01020304 Bj\xF6rk / Homogenic\r\n.\r\n", 1, kMultiple, "misc", "01020304",
            std::vector<std::string> { "Bj\xC3\xB6rk / Homogenic" } },
        // Cut before the first match line, or inside it before the identifier.
        { "210 Found exact matches", {}, kNone, "", "" },
        { "210 Found\r\n", {}, kNone, "", "" },
        { "211 x\r\nrock", {}, kNone, "", "" },
        { "211 x\r\nrock ", {}, kNone, "", "" },
        { "210 x\r\n\r\n", {}, kNone, "", "" },
        // Blank lines are no matches, however many there are.
        { "211 x\r\n" + std::string(2 << 20, '\n') + "jazz 0a0b0c0d T\r\n\r\n.\r\n", 1, kMultiple, "jazz",
            "0a0b0c0d", std::vector<std::string> { "T" } },
        // Cut after a whole match line but before the terminating dot: that line is usable.
        { "210 x\r\nrock 09010802 T", {}, kMultiple, "rock", "09010802" },
        // Lines of megabytes and NUL bytes are taken as text.
        { "211 list\r\nrock 09010802 " + megabytes + "\r\nmisc 0102" + nul + "304 A" + nul + "B\r\n.\r\n", 2,
            kMultiple, "misc", "0102" + nul + "304",
            std::vector<std::string> { megabytes, "A" + nul + "B" } },
    };
    // No match, errors and garbage give no match without asking.
    for (const std::string answer :
        { "202 No match for disc ID 09010802.\r\n", "403 Database entry is corrupt.\r\n",
            "409 No handshake.\r\n", "500 Command syntax error, command unknown, command unimplemented.\r\n",
            "530 Server error, server timeout.\r\n",
            "<!DOCTYPE html><html><body>502 Bad Gateway</body></html>", "", "2", "20", "abc rock 09010802 x",
            "201 rock 09010802 close but not a match" })
        cases.push_back({ answer, 1, kNone, "", "" });
    cases.push_back({ nul + nul + nul + nul, 1, kNone, "", "" });
    for (const AnswerCase& c : cases) {
        SCOPED_TRACE(
            testing::PrintToString(c.answer.substr(0, 200)) + " choice " + testing::PrintToString(c.choice));
        std::optional<std::vector<std::string>> shown;
        MatchChooser chooser;
        if (c.choice) {
            chooser = [&](const std::vector<std::string>& lines) {
                shown = lines;
                return *c.choice;
            };
        }
        const QueryOutcome outcome = interpretQueryAnswer(c.answer, chooser);
        EXPECT_EQ(outcome.matchCode, c.matchCode);
        EXPECT_EQ(outcome.category, c.category);
        EXPECT_EQ(outcome.discId, c.discId);
        EXPECT_EQ(shown, c.shown);
    }
    EXPECT_EQ(
        matchLines(kLfOnly), (std::vector<std::string> { "rock 01020304 A / B", "folk 01020305 C / D" }));
}

} // namespace
