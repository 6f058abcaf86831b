#pragma once

#include <filesystem>
#include <string>
#include <vector>

struct ChildRun {
    std::string output;  // everything it wrote to its standard output
    std::string errors;  // and to its standard error, kept off the benchmark's report
    double seconds = 0;  // from spawning it to reaping it
};

// Runs argv[0] (looked up in PATH) with `argv` in the folder `dir` (empty: this process's
// own) and waits for it. Throws std::runtime_error, with what the child wrote to its
// standard error, when it cannot be started or does not exit with status 0.
ChildRun runchild(const std::vector<std::string>& argv, const std::filesystem::path& dir = {});
