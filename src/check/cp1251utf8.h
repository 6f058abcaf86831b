#pragma once

#include <string>
#include <string_view>

// Appends Windows-1251 `bytes`, none of them a control byte, to `out` as UTF-8, with "?" for
// a byte the code page leaves without a character (0x98). Converted by the system's codec.
void appendutf8(std::string_view bytes, std::string& out);
