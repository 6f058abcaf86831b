#include "casefold.h"

#include <string>

#include "codec/cp1251.h"

namespace {

// Unicode's lower case for the letters Windows-1251 holds: Latin, the Russian alphabet and
// the other Cyrillic letters of the code page; "ё" compares as "е".
char16_t lower(char16_t c) {
    if (c >= u'A' && c <= u'Z') return static_cast<char16_t>(c + 0x20);
    if (c >= 0x0410 && c <= 0x042F) return static_cast<char16_t>(c + 0x20);
    if (c >= 0x0400 && c <= 0x040F) return static_cast<char16_t>(c + 0x50);
    if (c == 0x0490) return 0x0491;
    return c;
}

std::array<unsigned char, 256> buildfold() {
    std::array<unsigned char, 256> fold{};
    for (std::size_t byte = 0; byte < fold.size(); ++byte) {
        fold[byte] = static_cast<unsigned char>(byte);
        const std::u16string text = cp1251toutf16(std::string(1, static_cast<char>(byte)));
        char16_t folded = lower(text.at(0));
        if (folded == u'ё') folded = u'е';
        if (folded == text[0]) continue;
        const std::string back = utf16tocp1251(std::u16string(1, folded));
        if (back.size() == 1 && back != "?") fold[byte] = static_cast<unsigned char>(back[0]);
    }
    return fold;
}

}  // namespace

const std::array<unsigned char, 256>& cp1251fold() {
    static const std::array<unsigned char, 256> fold = buildfold();
    return fold;
}
