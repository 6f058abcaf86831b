#include "cp1251utf8.h"

#include <windows.h>

#include <array>

namespace {

// The UTF-8 of every byte from 0x80 up, asked of the system once. A byte the code page leaves
// undefined fails, or comes back as the C1 control of the same number: "?" either way.
class UpperHalf {
public:
    UpperHalf() {
        for (std::size_t i = 0; i < texts_.size(); ++i) {
            const char byte = static_cast<char>(0x80 + i);
            wchar_t unit = 0;
            const int got = ::MultiByteToWideChar(1251, MB_ERR_INVALID_CHARS, &byte, 1, &unit, 1);
            Utf8& text = texts_[i];
            if (got != 1 || (unit >= 0x80 && unit < 0xA0)) {
                text = {{'?'}, 1};
                continue;
            }
            const int size =
                ::WideCharToMultiByte(CP_UTF8, 0, &unit, 1, text.bytes.data(),
                                      static_cast<int>(text.bytes.size()), nullptr, nullptr);
            text.size = size > 0 ? static_cast<std::size_t>(size) : 0;
        }
    }

    std::string_view operator[](unsigned char byte) const {
        const Utf8& text = texts_[byte - 0x80];
        return {text.bytes.data(), text.size};
    }

private:
    // A character of the code page is at most 3 bytes of UTF-8.
    struct Utf8 {
        std::array<char, 3> bytes{};
        std::size_t size = 0;
    };
    std::array<Utf8, 0x80> texts_;
};

}  // namespace

void appendutf8(std::string_view bytes, std::string& out) {
    static const UpperHalf upper;
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            out += c;
        } else {
            out += upper[byte];
        }
    }
}
