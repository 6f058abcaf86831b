#pragma once

#include <string>
#include <string_view>

#include "codec/cp1251.h"

// The page's edge of the code page: its script's strings are UTF-16, the core's bytes
// Windows-1251; a character the code page lacks comes in as "?".
inline std::u16string utf16(std::string_view bytes) { return cp1251toutf16(bytes); }
inline std::string cp1251(std::u16string_view text) { return utf16tocp1251(text); }
