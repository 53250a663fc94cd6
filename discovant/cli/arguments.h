#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace discovant::cli {

// A command line split into the command, its positional arguments and its options
// ("--name value" for valued options, "--name" for switches). Options may stand anywhere
// after the command.
struct Arguments {
    std::string command;
    std::vector<std::string> positional;
    std::map<std::string, std::string> values;
    std::set<std::string> switches;

    std::optional<std::string> value(const std::string& name) const;
    bool has(const std::string& name) const { return switches.count(name) != 0; }
};

// Parses argv. `valued` and `switchNames` are the options the command accepts (names
// without "--"). Throws std::invalid_argument with a message for an unknown option or a
// valued option without its value.
Arguments parseArguments(const std::vector<std::string>& argv, const std::set<std::string>& valued,
    const std::set<std::string>& switchNames);

} // namespace discovant::cli
