#pragma once

#include <string_view>
#include <vector>

#include "diagnostic.h"
#include "messages.h"

// Checks of a catalogue file's bytes as stored, up to where the reader stopped; findings at
// offsets into `text`.

// A UTF-8 byte-order mark, or the first line whose bytes are valid UTF-8 and hold a
// two-byte Cyrillic letter: at most one finding for the file.
void findutf8(std::string_view text, Language language, std::vector<Finding>& out);

// Each CR that is not part of a line end: the reader drops it and joins what stands on
// both sides into one line.
void findlonecrs(std::string_view text, Language language, std::vector<Finding>& out);
