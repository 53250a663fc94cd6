#pragma once

// Runs a program of the build as a black box: arguments, environment, standard input in;
// exit status, standard output and standard error out.

#include <chrono>
#include <map>
#include <string>
#include <vector>

namespace testkit {

struct ProgramResult {
    int exitCode = -1; // -1 when the program did not end by itself
    std::string out;
    std::string err;
    bool timedOut = false;
};

// Runs `argv` (argv[0] is the program's path) with the caller's environment changed by
// `environment` (a value of "" removes the variable) and `input` on standard input. A program
// still running at `timeout` is killed and reported with `timedOut`.
ProgramResult runProgram(const std::vector<std::string>& argv,
                         const std::map<std::string, std::string>& environment = {},
                         const std::string& input = {},
                         std::chrono::milliseconds timeout = std::chrono::seconds(60));

} // namespace testkit
