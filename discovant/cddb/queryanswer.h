#pragma once

#include "discovant/cddb/enums.h"

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace discovant {

// Interpretation of a CDDB "cddb query" answer, shared by the network lookup and the local
// database (which synthesizes the same answers). Pure: no network, no state.
//
// Answers by status (the numeric value of the first three characters):
//   200 category discid title          one exact match
//   202 ...                            no match
//   210|211 ...  then match lines "category discid title", up to a "." line
//   anything else (4xx/5xx, HTML, garbage, nothing)
//
// Lines may end in CR LF (the protocol) or LF alone (servers and files that drop the CR).

// Chooses among several matches. Gets the match lines as shown to the user (without their
// category and disc identifier), in answer order; returns the 1-based position of the chosen
// line, or 0 for none. The shown lines are UTF-8.
using MatchChooser = std::function<int(const std::vector<std::string>& shownLines)>;

struct QueryOutcome {
    uCDDBMatchCode matchCode = uCDDBMatchCode::MATCH_NONE;
    // Category of the match to read; "" with MATCH_NONE.
    std::string category;
    // Disc identifier of the chosen match for 210/211; "" for 200, where the identifier
    // computed from the TOC stays the one to read.
    std::string discId;
};

// Walks the lines of an answer (split at LF, each without a trailing CR) without copying
// them: an answer of millions of short lines costs nothing but the walk.
class AnswerLines {
public:
    explicit AnswerLines(std::string_view text)
        : rest_(text)
    {
    }
    // The next line; false after the last.
    bool next(std::string_view& line);

private:
    std::string_view rest_;
    bool done_ = false;
};

// At most this many match lines are taken from an answer; servers list a handful.
inline constexpr std::size_t kMaxMatchLines = 1000;

// The match lines of a 210/211 answer: the lines after the status line up to the line "."
// or the end, blank lines left out, at most kMaxMatchLines.
std::vector<std::string> matchLines(std::string_view answer);

// Whether a multi-line answer is complete: some line after the status line is ".".
bool hasTerminatingLine(std::string_view answer);

// A match line as shown in the chooser: the text after its first two space-separated fields.
std::string shownMatchLine(std::string_view matchLine);

// Interprets `answer`. With several matches, an empty `chooser` takes the first match line
// (UseFirstMatch); otherwise `chooser` decides. A chosen line that lacks a category or a disc
// identifier, and a choice outside the list, give MATCH_NONE.
QueryOutcome interpretQueryAnswer(std::string_view answer, const MatchChooser& chooser);

} // namespace discovant
