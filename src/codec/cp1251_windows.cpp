#include "cp1251.h"

#include <windows.h>

#include <algorithm>

namespace {

constexpr UINT kCodePage = 1251;

// Windows reads 0x98 as the C1 control U+0098 and writes that back as 0x98; the code page
// has no other C1 control, so none is a character of it either way.
bool c1control(char16_t unit) { return unit >= 0x80 && unit < 0xA0; }

bool highsurrogate(char16_t unit) { return unit >= 0xD800 && unit < 0xDC00; }
bool lowsurrogate(char16_t unit) { return unit >= 0xDC00 && unit < 0xE000; }

// What the code page cannot hold as "?" already, one per character: a surrogate pair, a lone
// half of one and a C1 control.
std::wstring marked(std::u16string_view text) {
    std::wstring units;
    units.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i];
        if (!c1control(unit) && !highsurrogate(unit) && !lowsurrogate(unit)) {
            units += static_cast<wchar_t>(unit);
            continue;
        }
        units += L'?';
        if (highsurrogate(unit) && i + 1 < text.size() && lowsurrogate(text[i + 1])) ++i;
    }
    return units;
}

}  // namespace

bool cp1251available() { return ::IsValidCodePage(kCodePage) != 0; }

std::u16string cp1251toutf16(std::string_view bytes) {
    if (bytes.empty()) return {};
    if (!cp1251available()) throw Cp1251Missing();
    // A single-byte code page: one UTF-16 unit per byte.
    std::wstring units(bytes.size(), L'\0');
    const int size = static_cast<int>(bytes.size());
    const int got = ::MultiByteToWideChar(kCodePage, 0, bytes.data(), size, units.data(), size);
    std::u16string text(units.begin(), units.begin() + std::max(got, 0));
    std::ranges::replace_if(text, c1control, u'?');
    return text;
}

std::string utf16tocp1251(std::u16string_view text) {
    const std::wstring units = marked(text);
    if (units.empty()) return {};
    if (!cp1251available()) throw Cp1251Missing();
    std::string bytes(units.size(), '\0');
    const int size = static_cast<int>(units.size());
    // No best fit: a character the code page lacks is "?", never a look-alike letter.
    const int got = ::WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS, units.data(), size,
                                          bytes.data(), size, "?", nullptr);
    bytes.resize(static_cast<std::size_t>(std::max(got, 0)));
    return bytes;
}
