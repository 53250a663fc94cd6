#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace discovant::cli {

// Streams of one run of the tool: results go to `out` as KEY=value lines, messages and
// ProtocolError events to `err`, chooser answers come from `in`.
struct Console {
    std::istream& in;
    std::ostream& out;
    std::ostream& err;
};

// Runs the command line `args` (without the program name); returns the exit status.
// 0 on success (a lookup that completed, with or without a match); 1 when a disc or file
// could not be read; 2 for a usage error; 3 when the server or the network failed.
int runCommand(const std::vector<std::string>& args, Console console);

} // namespace discovant::cli
