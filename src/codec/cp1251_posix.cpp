#include "cp1251.h"

#include <iconv.h>

#include <bit>
#include <cerrno>

// glibc's iconv rather than Qt's codec: it is part of the C library, so the checker needs no
// Qt, and unlike Qt's it does not depend on whether Qt was built with ICU.
namespace {

constexpr const char* kUtf16 = std::endian::native == std::endian::little ? "UTF-16LE" : "UTF-16BE";
constexpr const char* kCp1251 = "WINDOWS-1251";

class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;
    ~Converter() {
        if (usable()) iconv_close(cd_);
    }

    // iconv_open() fails with the handle (iconv_t)-1.
    // NOLINTNEXTLINE(performance-no-int-to-ptr)
    bool usable() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    // Converts from `in` into `out` as far as it can; returns errno's value when it stopped
    // before the end of `in`, else 0.
    int convert(const char*& in, std::size_t& inleft, char*& out, std::size_t& outleft) {
        if (!usable()) throw Cp1251Missing();
        char* from = const_cast<char*>(in);
        const std::size_t done = iconv(cd_, &from, &inleft, &out, &outleft);
        in = from;
        return done == static_cast<std::size_t>(-1) ? errno : 0;
    }

private:
    iconv_t cd_;
};

// One pair per thread, opened at its first use: an iconv handle keeps state between calls.
Converter& decoder() {
    thread_local Converter converter(kUtf16, kCp1251);
    return converter;
}

Converter& encoder() {
    thread_local Converter converter(kCp1251, kUtf16);
    return converter;
}

bool highsurrogate(char16_t unit) { return unit >= 0xD800 && unit < 0xDC00; }
bool lowsurrogate(char16_t unit) { return unit >= 0xDC00 && unit < 0xE000; }

}  // namespace

bool cp1251available() { return decoder().usable() && encoder().usable(); }

std::u16string cp1251toutf16(std::string_view bytes) {
    std::u16string text(bytes.size(), u'\0');
    const char* in = bytes.data();
    std::size_t inleft = bytes.size();
    char* out = reinterpret_cast<char*>(text.data());
    std::size_t outleft = 2 * text.size();
    while (inleft > 0 && decoder().convert(in, inleft, out, outleft) != 0) {
        // The one byte without a character.
        *reinterpret_cast<char16_t*>(out) = u'?';
        out += 2;
        outleft -= 2;
        ++in;
        --inleft;
    }
    return text;
}

std::string utf16tocp1251(std::u16string_view text) {
    std::string bytes(text.size(), '\0');
    const char* in = reinterpret_cast<const char*>(text.data());
    std::size_t inleft = 2 * text.size();
    char* out = bytes.data();
    std::size_t outleft = bytes.size();
    while (inleft > 0 && encoder().convert(in, inleft, out, outleft) != 0) {
        // A character the code page lacks, a lone surrogate, or one cut off at the end.
        const std::size_t at = text.size() - inleft / 2;
        const bool pair =
            highsurrogate(text[at]) && at + 1 < text.size() && lowsurrogate(text[at + 1]);
        const std::size_t units = pair ? 2 : 1;
        *out++ = '?';
        --outleft;
        in += 2 * units;
        inleft -= 2 * units;
    }
    bytes.resize(bytes.size() - outleft);
    return bytes;
}
