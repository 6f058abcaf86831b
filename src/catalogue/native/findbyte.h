#pragma once

#include <cstring>

// The first `byte` in [from, end), or nullptr: the C library's memchr, which is fast here.
// Inline, as in every platform's header of this name: it runs once per catalogue line.
inline const char* findbyte(const char* from, const char* end, char byte) noexcept {
    return static_cast<const char*>(std::memchr(from, byte, static_cast<std::size_t>(end - from)));
}
