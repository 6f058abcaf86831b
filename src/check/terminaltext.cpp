#include "terminaltext.h"

#include <iconv.h>

#include <algorithm>

namespace {

class Cp1251ToUtf8 {
public:
    Cp1251ToUtf8() : cd_(iconv_open("UTF-8", "WINDOWS-1251")) {}
    Cp1251ToUtf8(const Cp1251ToUtf8&) = delete;
    Cp1251ToUtf8& operator=(const Cp1251ToUtf8&) = delete;
    ~Cp1251ToUtf8() {
        if (usable()) iconv_close(cd_);
    }

    // Appends `bytes`, none of them a control byte, converted; "?" for what fails.
    void append(std::string_view bytes, std::string& out) {
        while (!bytes.empty()) {
            const std::size_t done = convert(bytes, out);
            bytes.remove_prefix(done);
            if (bytes.empty()) break;
            out += '?';
            bytes.remove_prefix(1);
        }
    }

private:
    // iconv_open() fails with the handle (iconv_t)-1.
    // NOLINTNEXTLINE(performance-no-int-to-ptr)
    bool usable() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    // Converts as much as it can and returns how many bytes that was.
    std::size_t convert(std::string_view bytes, std::string& out) {
        if (!usable()) {
            // Without the C library's converters ASCII still shows.
            const auto ascii = static_cast<std::size_t>(
                std::find_if(bytes.begin(), bytes.end(),
                             [](char c) { return static_cast<unsigned char>(c) >= 0x80; }) -
                bytes.begin());
            out.append(bytes.substr(0, ascii));
            return ascii;
        }
        // A byte of Windows-1251 is at most 3 bytes of UTF-8.
        const std::size_t old = out.size();
        out.resize(old + 3 * bytes.size());
        char* in = const_cast<char*>(bytes.data());
        std::size_t inleft = bytes.size();
        char* to = out.data() + old;
        std::size_t toleft = 3 * bytes.size();
        iconv(cd_, &in, &inleft, &to, &toleft);
        out.resize(out.size() - toleft);
        return bytes.size() - inleft;
    }

    iconv_t cd_;
};

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
    static Cp1251ToUtf8 codec;
    std::string out;
    out.reserve(cp1251.size() * 2);
    while (!cp1251.empty()) {
        std::size_t run = 0;
        while (run < cp1251.size() && !iscontrol(static_cast<unsigned char>(cp1251[run]))) ++run;
        codec.append(cp1251.substr(0, run), out);
        if (run == cp1251.size()) break;
        appendpicture(static_cast<unsigned char>(cp1251[run]), out);
        cp1251.remove_prefix(run + 1);
    }
    return out;
}
