#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

// How a catalogue file was saved, told from its bytes: Windows-1251, as catalogues are read;
// UTF-8, whole or in some lines only, as an editor of today saves; or UTF-16 with a
// byte-order mark, Notepad's "Unicode".
struct Encoding {
    enum class Kind : std::uint8_t { Windows1251, Utf8, Mixed, Utf16Le, Utf16Be };
    Kind kind = Kind::Windows1251;
    bool bom = false;  // a UTF-8 byte-order mark
    // The start of each line (lines end at LF) that is valid UTF-8 and holds a character
    // beyond ASCII, in file order. Any other line with a byte beyond ASCII is Windows-1251:
    // a line of Russian words in Windows-1251 is not valid UTF-8, since its letters are 0xC0
    // to 0xFF and UTF-8 needs one of 0x80 to 0xBF after each, where the code page has no
    // Russian letter but "Ё" and "ё". Catalogues have Russian names: a file with no Russian
    // letter in UTF-8 on a valid line, and no byte-order mark, is Windows-1251 with none.
    std::vector<std::size_t> utf8lines;

    bool utf16() const { return kind == Kind::Utf16Le || kind == Kind::Utf16Be; }
    // Whether the byte at `offset` of `bytes` is on a UTF-8 line.
    bool onutf8line(std::string_view bytes, std::size_t offset) const;
};

Encoding encodingof(std::string_view bytes);
