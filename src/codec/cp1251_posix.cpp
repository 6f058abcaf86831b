#include <iconv.h>

#include <bit>

#include "systemcodepage.h"

// glibc's iconv rather than Qt's codec: it is part of the C library, so the checker needs no
// Qt, and unlike Qt's it does not depend on whether Qt was built with ICU.
namespace {

constexpr const char* kUtf16 = std::endian::native == std::endian::little ? "UTF-16LE" : "UTF-16BE";

}  // namespace

std::optional<CodePage> systemcodepage() {
    iconv_t converter = iconv_open(kUtf16, "WINDOWS-1251");
    // iconv_open() fails with the handle (iconv_t)-1.
    // NOLINTNEXTLINE(performance-no-int-to-ptr)
    if (converter == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
    CodePage page;
    for (unsigned byte = 0; byte < page.size(); ++byte) {
        char in = static_cast<char>(byte);
        char16_t units[2] = {};
        char* from = &in;
        std::size_t inleft = 1;
        char* out = reinterpret_cast<char*>(units);
        std::size_t outleft = sizeof units;
        // One unit for a byte with a character; the byte without one fails.
        const std::size_t done = iconv(converter, &from, &inleft, &out, &outleft);
        if (done != static_cast<std::size_t>(-1) && outleft == sizeof units - sizeof units[0])
            page[byte] = units[0];
        iconv(converter, nullptr, nullptr, nullptr, nullptr);
    }
    iconv_close(converter);
    return page;
}
