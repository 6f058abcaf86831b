#pragma once

#include <string>
#include <vector>

struct ChildRun {
    std::string output;  // everything it wrote to its standard output
    double seconds = 0;  // from spawning it to reaping it
};

// Runs argv[0] (looked up in PATH) with `argv` and waits for it. Throws std::runtime_error
// when it cannot be started or does not exit with status 0.
ChildRun runchild(const std::vector<std::string>& argv);
