#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

#include "messages.h"

// What --fix makes of a catalogue's bytes: a UTF-8 file, with or without a byte-order mark,
// becomes the Windows-1251 file it should be, byte for byte; anything else is left.
struct Conversion {
    enum class Result { Converted, NotUtf8, Refused };
    Result result = Result::NotUtf8;
    std::string bytes;  // Converted: the Windows-1251 bytes
    // Refused: the first character without a Windows-1251 form, its line and column (counted
    // in characters, from 1), as an editor shows them.
    std::string character;
    std::string code;  // "U+1F600"
    std::size_t line = 0;
    std::size_t column = 0;
};

Conversion convertutf8(std::string_view bytes);

// Converts the catalogue at `path` when it is UTF-8, keeping the original beside it
// ("skills.res.bak", or "skills.res.bak2" and on when that is taken). Returns what to tell
// the user, a line in UTF-8, and whether the file was refused or could not be written.
struct Fixed {
    std::string said;
    bool failed = false;
};
Fixed fixcatalogue(const std::filesystem::path& path, Language language);
