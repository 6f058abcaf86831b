#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Our own Russian literals as Windows-1251 bytes, converted while compiling: the sources
// are UTF-8, the sheet works in the catalogues' code page. Only ASCII and the Russian
// alphabet occur in them; anything else fails to compile.
template <std::size_t N>
struct W1251Literal {
    char bytes[N]{};
    std::size_t size = 0;

    constexpr operator std::string_view() const { return {bytes, size}; }
    std::string str() const { return std::string(bytes, size); }
};

template <std::size_t N>
consteval W1251Literal<N> w1251(const char (&utf8)[N]) {
    W1251Literal<N> out;
    for (std::size_t i = 0; i + 1 < N; ++i) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        if (c < 0x80) {
            out.bytes[out.size++] = static_cast<char>(c);
            continue;
        }
        if ((c & 0xE0) != 0xC0 || i + 2 >= N) throw "only ASCII and Cyrillic in w1251 literals";
        const unsigned code = (c & 0x1Fu) << 6 | (static_cast<unsigned char>(utf8[++i]) & 0x3Fu);
        if (code >= 0x410 && code <= 0x44F) {
            out.bytes[out.size++] = static_cast<char>(0xC0 + (code - 0x410));
        } else if (code == 0x401) {
            out.bytes[out.size++] = static_cast<char>(0xA8);
        } else if (code == 0x451) {
            out.bytes[out.size++] = static_cast<char>(0xB8);
        } else {
            throw "only ASCII and Cyrillic in w1251 literals";
        }
    }
    return out;
}
