#include "terminalchooser.h"

#include <charconv>
#include <string>

namespace discovant::cli {

int TerminalChooser::chooseMatch(
    const std::vector<std::string>& lines, bool /*offerSubmit*/, const PopUpSettings& /*popUp*/)
{
    return choose(lines);
}

int TerminalChooser::chooseServer(const std::vector<std::string>& lines, const PopUpSettings& /*popUp*/)
{
    return choose(lines);
}

bool TerminalChooser::submitNewEntry(
    const SubmissionRequest& /*request*/, const PopUpSettings& /*popUp*/, SubmittedEntry& /*submitted*/)
{
    return false;
}

int TerminalChooser::choose(const std::vector<std::string>& lines)
{
    for (std::size_t i = 0; i < lines.size(); ++i)
        prompt_ << "  " << (i + 1) << ") " << lines[i] << '\n';
    prompt_ << "Choose 1-" << lines.size() << " (0 for none, Enter for 1): " << std::flush;
    std::string answer;
    if (!std::getline(in_, answer))
        return 1;
    int chosen = 1; // kept when the answer is not a number
    std::from_chars(answer.data(), answer.data() + answer.size(), chosen);
    return chosen;
}

} // namespace discovant::cli
