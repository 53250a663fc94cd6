#include "discovant/cddb/queryanswer.h"

#include "discovant/cddb/numeric.h"
#include "discovant/cddb/textcodec.h"

namespace discovant {

namespace {

constexpr int kExactMatch = 200;
constexpr int kNoMatch = 202;
constexpr int kExactMatches = 210;
constexpr int kInexactMatches = 211;

// The space-separated field `index` (0-based) of `line`; "" when the line has fewer fields.
std::string_view field(std::string_view line, std::size_t index)
{
    std::size_t start = 0;
    for (std::size_t i = 0; i < index; ++i) {
        const std::size_t space = line.find(' ', start);
        if (space == std::string_view::npos)
            return {};
        start = space + 1;
    }
    return line.substr(start, line.find(' ', start) - start);
}

QueryOutcome chosenMatch(std::string_view line)
{
    QueryOutcome outcome;
    const std::string_view category = field(line, 0);
    const std::string_view discId = field(line, 1);
    if (category.empty() || discId.empty())
        return outcome;
    outcome.matchCode = uCDDBMatchCode::MATCH_MULTIPLE;
    outcome.category = category;
    outcome.discId = discId;
    return outcome;
}

} // namespace

bool AnswerLines::next(std::string_view& line)
{
    if (done_)
        return false;
    const std::size_t end = rest_.find('\n');
    if (end == std::string_view::npos) {
        done_ = true;
        if (rest_.empty())
            return false;
        line = rest_;
    } else {
        line = rest_.substr(0, end);
        rest_.remove_prefix(end + 1);
    }
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    return true;
}

std::vector<std::string> matchLines(std::string_view answer)
{
    std::vector<std::string> matches;
    AnswerLines lines(answer);
    std::string_view line;
    lines.next(line); // the status line
    while (matches.size() < kMaxMatchLines && lines.next(line) && line != ".") {
        if (!line.empty())
            matches.emplace_back(line);
    }
    return matches;
}

bool hasTerminatingLine(std::string_view answer)
{
    AnswerLines lines(answer);
    std::string_view line;
    lines.next(line);
    while (lines.next(line)) {
        if (line == ".")
            return true;
    }
    return false;
}

std::string shownMatchLine(std::string_view matchLine)
{
    const std::size_t first = matchLine.find(' ');
    if (first == std::string_view::npos)
        return {};
    const std::size_t second = matchLine.find(' ', first + 1);
    if (second == std::string_view::npos)
        return {};
    return std::string(matchLine.substr(second + 1));
}

QueryOutcome interpretQueryAnswer(std::string_view answer, const MatchChooser& chooser)
{
    QueryOutcome outcome;
    switch (answerStatus(answer)) {
    case kExactMatch: {
        // "200 category discid title": the category starts at the fifth character.
        const std::string_view statusLine = answer.substr(0, answer.find('\n'));
        std::string_view category = statusLine.size() > 4 ? statusLine.substr(4) : "";
        category = category.substr(0, category.find_first_of(" \r"));
        if (!category.empty()) {
            outcome.matchCode = uCDDBMatchCode::MATCH_EXACT;
            outcome.category = category;
        }
        return outcome;
    }
    case kExactMatches:
    case kInexactMatches: {
        const std::vector<std::string> matches = matchLines(answer);
        if (!chooser)
            return matches.empty() ? outcome : chosenMatch(matches.front());
        std::vector<std::string> shown;
        shown.reserve(matches.size());
        for (const std::string& match : matches)
            shown.push_back(toUtf8(shownMatchLine(match)));
        const int chosen = chooser(shown);
        if (chosen < 1 || static_cast<std::size_t>(chosen) > matches.size())
            return outcome;
        return chosenMatch(matches[static_cast<std::size_t>(chosen) - 1]);
    }
    case kNoMatch:
    default:
        return outcome;
    }
}

} // namespace discovant
