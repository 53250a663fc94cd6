// discovant: the command-line face of the lookup component. Prints KEY=value lines in UTF-8
// on stdout and nothing else; messages go to stderr. See commands.cpp for the commands.
#include "commands.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    return discovant::cli::runCommand(args, { std::cin, std::cout, std::cerr });
}
