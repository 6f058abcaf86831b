#include "terminaltext.h"

#include "codec/cp1251.h"
#include "utf8text.h"

namespace {

bool iscontrol(unsigned char c) { return c < 0x20 || c == 0x7F; }

// U+2400 to U+241F picture the bytes 0 to 0x1F, U+2421 the byte 0x7F.
void appendpicture(unsigned char c, std::string& out) {
    const unsigned code = c == 0x7F ? 0x2421 : 0x2400 + c;
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
}

}  // namespace

std::string terminaltext(std::string_view cp1251) {
    std::string out;
    out.reserve(cp1251.size() * 2);
    while (!cp1251.empty()) {
        std::size_t run = 0;
        while (run < cp1251.size() && !iscontrol(static_cast<unsigned char>(cp1251[run]))) ++run;
        appendutf8(cp1251toutf16(cp1251.substr(0, run)), out);
        if (run == cp1251.size()) break;
        appendpicture(static_cast<unsigned char>(cp1251[run]), out);
        cp1251.remove_prefix(run + 1);
    }
    return out;
}
