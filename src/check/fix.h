#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "messages.h"

// What --fix makes of a catalogue's bytes: a file in UTF-8, with or without a byte-order
// mark, or in UTF-16 with one, becomes the Windows-1251 file it should be, byte for byte;
// in a file otherwise in Windows-1251, the lines in UTF-8 are converted and the others kept.
// Anything else is left.
struct Conversion {
    enum class Result { Converted, Nothing, Refused };
    enum class From { Utf8, Utf8Lines, Utf16 };
    Result result = Result::Nothing;
    From from = From::Utf8;
    std::string bytes;               // Converted: the Windows-1251 bytes
    std::vector<std::size_t> lines;  // Utf8Lines: the numbers of the lines converted, from 1
    // Refused: the first character without a Windows-1251 form, its line and column (counted
    // in characters, from 1), as an editor shows them.
    std::string character;
    std::string code;  // "U+1F600"
    std::size_t line = 0;
    std::size_t column = 0;
};

Conversion convertcatalogue(std::string_view bytes);

// Converts the catalogue at `path` as above, keeping the original beside it ("skills.res.bak",
// or "skills.res.bak2" and on when that is taken). Returns what to tell the user, a line in
// UTF-8, and whether the file was refused or could not be written.
struct Fixed {
    std::string said;
    bool failed = false;
};
Fixed fixcatalogue(const std::filesystem::path& path, Language language);
