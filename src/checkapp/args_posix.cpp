#include "args.h"

// The bytes as given: file names are bytes here, and a terminal types UTF-8.
std::vector<std::string> utf8args(int argc, char* argv[]) {
    return argc > 1 ? std::vector<std::string>(argv + 1, argv + argc) : std::vector<std::string>();
}
