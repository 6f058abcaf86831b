#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Our own Russian literals as Windows-1251 bytes, converted while compiling: the sources
// are UTF-8, the sheet works in the catalogues' code page. Only ASCII, the Russian
// alphabet and the marks below occur in them; anything else fails to compile.
template <std::size_t N>
struct W1251Literal {
    char bytes[N]{};
    std::size_t size = 0;

    constexpr operator std::string_view() const { return {bytes, size}; }
    std::string str() const { return std::string(bytes, size); }
};

// The few punctuation marks of our texts beyond ASCII, by their code point.
inline constexpr struct {
    unsigned code;
    char byte;
} kW1251Marks[] = {{0xA0, '\xA0'},   {0xAB, '\xAB'},   {0xB7, '\xB7'},   {0xBB, '\xBB'},
                   {0x2013, '\x96'}, {0x2014, '\x97'}, {0x2022, '\x95'}, {0x2026, '\x85'}};

consteval char w1251byte(unsigned code) {
    if (code >= 0x410 && code <= 0x44F) return static_cast<char>(0xC0 + (code - 0x410));
    if (code == 0x401) return static_cast<char>(0xA8);
    if (code == 0x451) return static_cast<char>(0xB8);
    for (const auto& mark : kW1251Marks) {
        if (mark.code == code) return mark.byte;
    }
    throw "only ASCII, Cyrillic and the marks of kW1251Marks in w1251 literals";
}

template <std::size_t N>
consteval W1251Literal<N> w1251(const char (&utf8)[N]) {
    W1251Literal<N> out;
    for (std::size_t i = 0; i + 1 < N; ++i) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        if (c < 0x80) {
            out.bytes[out.size++] = static_cast<char>(c);
            continue;
        }
        const std::size_t more = (c & 0xE0) == 0xC0 ? 1 : (c & 0xF0) == 0xE0 ? 2 : 0;
        if (more == 0 || i + more + 1 >= N) throw "a broken UTF-8 sequence in a w1251 literal";
        unsigned code = c & (more == 1 ? 0x1Fu : 0x0Fu);
        for (std::size_t k = 0; k < more; ++k)
            code = code << 6 | (static_cast<unsigned char>(utf8[++i]) & 0x3Fu);
        out.bytes[out.size++] = w1251byte(code);
    }
    return out;
}
