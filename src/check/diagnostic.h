#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

enum class Severity : std::uint8_t { Error, Warning, Note };

// What a diagnostic is about. A line gets at most one warning of each kind.
enum class Problem : std::uint8_t {
    Failure,  // an error: the program stops loading here
    StopsHere,
    Utf8,
    Utf16,  // said as the file's one error
    Attribute,
    Price,
    Flag,
    EmptyName,
    SameName,
    EqualsSign,
    CostRange,
    LoneCr,
    ShortLine,
    AfterCtrlZ,
    Tab,
    TrailingBlanks,
    Nbsp,
    Control,
};

// A problem found at one byte of a catalogue file. The message is UTF-8, except that an
// error quotes the program's own message, which may hold the file's Windows-1251 bytes.
struct Diagnostic {
    std::size_t offset = 0;  // in the file as stored, from 0
    std::size_t line = 0;    // from 1; lines end at LF
    std::size_t column = 0;  // from 1: the byte within the line, CRs counted
    Severity severity = Severity::Warning;
    Problem problem = Problem::Failure;
    std::string message;
    std::string cause;  // UTF-8: why an error's program message most likely came, or empty
};

// Found at a byte of the stored file or of the bytes given to the reader, before lines and
// columns are known. `first`: for a repeated name, where the name stood first.
struct Finding {
    std::size_t at = 0;
    Problem problem = Problem::Failure;
    std::string message;
    std::size_t first = 0;
};
