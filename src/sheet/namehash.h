#pragma once

#include <bit>
#include <cstdint>
#include <cstring>
#include <string_view>

// A hash for the open tables over names: eight bytes at a time with a multiply, then a final
// mix. Quick for the short names of catalogues and sheets, and spread well enough.
inline std::uint32_t namehash(std::string_view key) {
    constexpr std::uint64_t kOdd = 0x9E3779B97F4A7C15ull;
    std::uint64_t h = key.size() * kOdd;
    std::size_t i = 0;
    for (; i + 8 <= key.size(); i += 8) {
        std::uint64_t word = 0;
        std::memcpy(&word, key.data() + i, 8);
        h = (std::rotl(h, 23) ^ word) * kOdd;
    }
    std::uint64_t tail = 0;
    for (; i < key.size(); ++i) tail = tail << 8 | static_cast<unsigned char>(key[i]);
    h = (std::rotl(h, 23) ^ tail) * kOdd;
    h ^= h >> 32;
    return static_cast<std::uint32_t>(h);
}
