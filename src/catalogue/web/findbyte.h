#pragma once

#include <bit>
#include <cstdint>
#include <cstring>

// The first `byte` in [from, end), or nullptr. Emscripten's memchr looks at 4 bytes a step;
// WebAssembly loads 8 as one little-endian word from any address.
inline const char* findbyte(const char* from, const char* end, char byte) noexcept {
    constexpr std::uint64_t kOnes = 0x0101010101010101ull;
    const std::uint64_t pattern = kOnes * static_cast<unsigned char>(byte);
    for (; end - from >= 8; from += 8) {
        std::uint64_t word = 0;
        std::memcpy(&word, from, 8);
        const std::uint64_t x = word ^ pattern;
        // The lowest flagged byte is the first that equals `byte`; flags above it may be false.
        const std::uint64_t equal = (x - kOnes) & ~x & (kOnes * 0x80);
        if (equal != 0) return from + std::countr_zero(equal) / 8;
    }
    for (; from < end; ++from) {
        if (*from == byte) return from;
    }
    return nullptr;
}
