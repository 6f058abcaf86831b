#pragma once

#include <string>
#include <vector>

// The command line's arguments after the program's name, in UTF-8, whatever the system's
// code page: on Windows they are read wide from the system, not from `argv`.
std::vector<std::string> utf8args(int argc, char* argv[]);
