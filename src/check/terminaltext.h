#pragma once

#include <string>
#include <string_view>

// Windows-1251 bytes as UTF-8 for a terminal, one character for each byte, so that a caret
// lines up under a column: control bytes as their Unicode control pictures (a tab as "␉",
// Ctrl-Z as "␚"), a byte the code page lacks (0x98) as "?". Converted by the system's codec.
std::string terminaltext(std::string_view cp1251);
