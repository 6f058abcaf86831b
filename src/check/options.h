#pragma once

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "messages.h"

// What the command line asks for.
struct Options {
    enum class Action { Check, Help, Version, Wrong };
    Action action = Action::Check;
    // The files to check; a folder given, or none, names both catalogues in it.
    std::optional<std::filesystem::path> skills;
    std::optional<std::filesystem::path> feats;
    // The folder given, which must then exist.
    std::optional<std::filesystem::path> folder;
    bool fix = false;   // convert a UTF-8 catalogue first
    std::string wrong;  // what is wrong with the arguments
};

// `args` without the program's name, in UTF-8.
Options parseoptions(std::span<const std::string_view> args, Language language = Language::English);
