#pragma once

#include "discovant/cddb/enums.h"

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

// The lines of `text` split at LF, each without a trailing CR.
std::vector<std::string_view> answerLines(std::string_view text);

// The match lines of a 210/211 answer: the lines after the status line up to the line "."
// or the end.
std::vector<std::string> matchLines(std::string_view answer);

// A match line as shown in the chooser: the text after its first two space-separated fields.
std::string shownMatchLine(std::string_view matchLine);

// Interprets `answer`. With several matches, an empty `chooser` takes the first match line
// (UseFirstMatch); otherwise `chooser` decides. A chosen line that lacks a category or a disc
// identifier, and a choice outside the list, give MATCH_NONE.
QueryOutcome interpretQueryAnswer(std::string_view answer, const MatchChooser& chooser);

} // namespace discovant
