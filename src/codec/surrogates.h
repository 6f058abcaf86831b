#pragma once

#include <cstddef>
#include <string_view>

// UTF-16's surrogates: a character beyond U+FFFF is a high half followed by a low half; a
// half on its own is no character, and the code page's converters count it as one.

constexpr bool highsurrogate(char32_t unit) { return unit >= 0xD800 && unit < 0xDC00; }
constexpr bool lowsurrogate(char32_t unit) { return unit >= 0xDC00 && unit < 0xE000; }

// Whether a pair, a high half followed by a low half, starts at `at`.
constexpr bool pairat(std::u16string_view text, std::size_t at) {
    return highsurrogate(text[at]) && at + 1 < text.size() && lowsurrogate(text[at + 1]);
}

// The character at `at`: a pair's code point, else the unit itself, a lone half included.
constexpr char32_t codepointat(std::u16string_view text, std::size_t at) {
    if (!pairat(text, at)) return text[at];
    return 0x10000 + ((char32_t{text[at]} - 0xD800) << 10) + (char32_t{text[at + 1]} - 0xDC00);
}
