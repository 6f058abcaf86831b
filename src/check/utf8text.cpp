#include "utf8text.h"

#include "codec/surrogates.h"

namespace {

void appendcode(char32_t code, std::string& out) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// The code point at `at`, and how many bytes it takes; nothing for a byte that starts none.
std::optional<std::pair<char32_t, std::size_t>> decode(std::string_view bytes, std::size_t at) {
    const auto lead = static_cast<unsigned char>(bytes[at]);
    if (lead < 0x80) return std::pair<char32_t, std::size_t>(lead, 1);
    const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
    if (length == 0 || lead > 0xF4 || at + length > bytes.size()) return std::nullopt;
    char32_t code = lead & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(bytes[at + k]);
        if ((next & 0xC0) != 0x80) return std::nullopt;
        code = (code << 6) | (next & 0x3F);
    }
    constexpr char32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < kLeast[length] || code > 0x10FFFF || highsurrogate(code) || lowsurrogate(code))
        return std::nullopt;
    return std::pair(code, length);
}

}  // namespace

void appendutf8(std::u16string_view text, std::string& out) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t code = codepointat(text, i);
        if (code > 0xFFFF) {
            ++i;
        } else if (highsurrogate(code) || lowsurrogate(code)) {
            code = U'?';
        }
        appendcode(code, out);
    }
}

std::optional<std::u16string> utf16of(std::string_view bytes) {
    std::u16string text;
    text.reserve(bytes.size());
    for (std::size_t at = 0; at < bytes.size();) {
        const auto got = decode(bytes, at);
        if (!got) return std::nullopt;
        const auto [code, length] = *got;
        if (code < 0x10000) {
            text += static_cast<char16_t>(code);
        } else {
            text += static_cast<char16_t>(0xD800 + ((code - 0x10000) >> 10));
            text += static_cast<char16_t>(0xDC00 + ((code - 0x10000) & 0x3FF));
        }
        at += length;
    }
    return text;
}

bool validutf8(std::string_view bytes) {
    for (std::size_t at = 0; at < bytes.size();) {
        const auto got = decode(bytes, at);
        if (!got) return false;
        at += got->second;
    }
    return true;
}
