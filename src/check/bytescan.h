#pragma once

#include <string_view>
#include <vector>

#include "diagnostic.h"
#include "encoding.h"
#include "messages.h"

// Checks of a catalogue file's bytes as stored, up to where the reader stopped; findings at
// offsets into `text`.

// What shows that the file is not Windows-1251 throughout: a UTF-8 byte-order mark; a file
// in UTF-8, said once at its first character beyond ASCII; or in a file otherwise in
// Windows-1251, each UTF-8 line. `encoding` is that of the whole file, of which `text` may
// be the start.
void findutf8(std::string_view text, const Encoding& encoding, Language language,
              std::vector<Finding>& out);

// Each CR that is not part of a line end: the reader drops it and joins what stands on
// both sides into one line.
void findlonecrs(std::string_view text, Language language, std::vector<Finding>& out);
