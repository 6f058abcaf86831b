#pragma once

#include <filesystem>
#include <string>

struct Outcome {
    int status = -1;
    std::string out;  // standard output, then standard error
};

// Runs `program` with `args` (already quoted for the system's shell) in the folder `dir`, as a
// user at a command prompt does.
Outcome runin(const std::filesystem::path& dir, const std::filesystem::path& program,
              const std::string& args);
