#pragma once

#include <array>
#include <optional>

// Each byte of Windows-1251 as the system's codec reads it: its character, or nothing for the
// byte the code page leaves without one. Nothing at all when the system cannot give the codec.
using CodePage = std::array<std::optional<char16_t>, 256>;
std::optional<CodePage> systemcodepage();
