#pragma once

#include <string>
#include <string_view>

#include "codec/cp1251.h"

// Test texts are written in UTF-8; the sheet keeps Windows-1251. Both ways through the codec.

inline std::string cp(std::string_view utf8) {
    std::u16string text;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        const std::size_t more = c < 0x80 ? 0 : c < 0xE0 ? 1 : 2;
        char32_t code = more == 0 ? c : c & (more == 1 ? 0x1Fu : 0x0Fu);
        for (std::size_t k = 0; k < more && i + 1 < utf8.size(); ++k)
            code = code << 6 | (static_cast<unsigned char>(utf8[++i]) & 0x3Fu);
        text += static_cast<char16_t>(code);
    }
    return utf16tocp1251(text);
}

inline std::string utf8of(std::string_view cp1251) {
    std::string utf8;
    for (const char16_t c : cp1251toutf16(cp1251)) {
        if (c < 0x80) {
            utf8 += static_cast<char>(c);
        } else if (c < 0x800) {
            utf8 += static_cast<char>(0xC0 | c >> 6);
            utf8 += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            utf8 += static_cast<char>(0xE0 | c >> 12);
            utf8 += static_cast<char>(0x80 | (c >> 6 & 0x3F));
            utf8 += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return utf8;
}
