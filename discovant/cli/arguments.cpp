#include "arguments.h"

#include <stdexcept>

namespace discovant::cli {

std::optional<std::string> Arguments::value(const std::string& name) const
{
    const auto found = values.find(name);
    if (found == values.end())
        return std::nullopt;
    return found->second;
}

Arguments parseArguments(const std::vector<std::string>& argv, const std::set<std::string>& valued,
    const std::set<std::string>& switchNames)
{
    Arguments parsed;
    if (argv.empty())
        return parsed;
    parsed.command = argv.front();
    for (std::size_t i = 1; i < argv.size(); ++i) {
        const std::string& word = argv[i];
        if (word.rfind("--", 0) != 0 || word.size() == 2) {
            parsed.positional.push_back(word);
            continue;
        }
        const std::string name = word.substr(2);
        if (switchNames.count(name) != 0) {
            parsed.switches.insert(name);
        } else if (valued.count(name) != 0) {
            if (i + 1 >= argv.size())
                throw std::invalid_argument("option --" + name + " needs a value");
            parsed.values[name] = argv[++i];
        } else {
            throw std::invalid_argument("unknown option " + word);
        }
    }
    return parsed;
}

} // namespace discovant::cli
