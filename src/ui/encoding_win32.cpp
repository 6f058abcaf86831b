#include "encoding.h"

#include <windows.h>

#include <string>

namespace {

constexpr UINT kCodePage = 1251;

// A surrogate pair, or a half of one, as a single "?": one per character, not per UTF-16 unit.
std::wstring pairsasmarks(const QString& text) {
    std::wstring units;
    units.reserve(static_cast<std::size_t>(text.size()));
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (!c.isSurrogate()) {
            units += static_cast<wchar_t>(c.unicode());
            continue;
        }
        units += L'?';
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) ++i;
    }
    return units;
}

}  // namespace

bool cp1251available() { return ::IsValidCodePage(kCodePage) != 0; }

QString fromcp1251(std::string_view bytes) {
    if (bytes.empty()) return {};
    // A single-byte code page: one UTF-16 unit per byte.
    std::wstring units(bytes.size(), L'\0');
    const int size = static_cast<int>(bytes.size());
    const int got = ::MultiByteToWideChar(kCodePage, 0, bytes.data(), size, units.data(), size);
    return QString::fromWCharArray(units.data(), got);
}

std::string tocp1251(const QString& text) {
    const std::wstring units = pairsasmarks(text);
    if (units.empty()) return {};
    std::string bytes(units.size(), '\0');
    const int size = static_cast<int>(units.size());
    // No best fit: a character the code page lacks is "?", never a look-alike letter.
    const int got = ::WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS, units.data(), size,
                                          bytes.data(), size, "?", nullptr);
    bytes.resize(static_cast<std::size_t>(got));
    return bytes;
}
