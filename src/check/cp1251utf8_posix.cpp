#include "cp1251utf8.h"

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

}  // namespace

void appendutf8(std::string_view bytes, std::string& out) {
    static Cp1251ToUtf8 codec;
    codec.append(bytes, out);
}
