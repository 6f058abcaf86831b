#pragma once

#include <filesystem>
#include <string>

struct Outcome {
    int status = -1;
    std::string out;  // standard output, then standard error
};

// Runs `program` with `args` (already quoted for the system's shell) in the folder `dir`, as a
// user at a command prompt does; with `lang`, as a user whose LANG is that, and no LC_ALL or
// LC_MESSAGES, which under wine also sets the user's language.
Outcome runin(const std::filesystem::path& dir, const std::filesystem::path& program,
              const std::string& args, const std::string& lang = "");

// Whether `lang` chooses the tool's language: on Windows that is the user's display language,
// which a test cannot change (the Russian words are pinned by checker_test there too).
extern const bool kLanguageFromEnvironment;

// A name in `dir` of something that is no file on a disk, to give the tool: a FIFO made there,
// which a reader would wait on forever; on Windows, whose folders hold none, the NUL device.
std::string specialfile(const std::filesystem::path& dir);
