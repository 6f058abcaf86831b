#pragma once

#include <cstdio>
#include <string_view>

// Writes UTF-8 `text` to `stream` so that it reads right where it goes: the bytes as they are
// to a file, a pipe or a terminal that takes UTF-8, and as characters to a Windows console,
// whatever its code page.
void writeutf8(std::FILE* stream, std::string_view text);
