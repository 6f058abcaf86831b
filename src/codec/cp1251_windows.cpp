#include <windows.h>

#include "systemcodepage.h"

namespace {

constexpr UINT kCodePage = 1251;

// Windows reads 0x98 as the C1 control U+0098 and writes that back as 0x98; the code page
// has no other C1 control, so none is a character of it either way.
bool c1control(wchar_t unit) { return unit >= 0x80 && unit < 0xA0; }

}  // namespace

std::optional<CodePage> systemcodepage() {
    if (::IsValidCodePage(kCodePage) == 0) return std::nullopt;
    char bytes[256];
    for (unsigned byte = 0; byte < 256; ++byte) bytes[byte] = static_cast<char>(byte);
    // A single-byte code page: one UTF-16 unit per byte.
    wchar_t units[256];
    if (::MultiByteToWideChar(kCodePage, 0, bytes, 256, units, 256) != 256) return std::nullopt;
    CodePage page;
    for (unsigned byte = 0; byte < 256; ++byte) {
        if (!c1control(units[byte])) page[byte] = static_cast<char16_t>(units[byte]);
    }
    return page;
}
