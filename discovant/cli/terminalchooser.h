#pragma once

#include "discovant/cddb/lookupui.h"

#include <istream>
#include <ostream>

namespace discovant::cli {

// The choosers of the command-line tool: the lines are listed on the error stream (stdout
// carries only results) and the user types the number of a line on the input stream.
// An empty answer, the end of input or anything that is not a number takes the first line,
// as closing the chooser window does; "0" chooses none. Never submits an entry.
class TerminalChooser : public LookupUi {
public:
    TerminalChooser(std::istream& in, std::ostream& prompt)
        : in_(in)
        , prompt_(prompt)
    {
    }

    int chooseMatch(
        const std::vector<std::string>& lines, bool offerSubmit, const PopUpSettings& popUp) override;
    int chooseServer(const std::vector<std::string>& lines, const PopUpSettings& popUp) override;
    bool submitNewEntry(
        const SubmissionRequest& request, const PopUpSettings& popUp, SubmittedEntry& submitted) override;

private:
    int choose(const std::vector<std::string>& lines);

    std::istream& in_;
    std::ostream& prompt_;
};

} // namespace discovant::cli
