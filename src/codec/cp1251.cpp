#include "cp1251.h"

#include "surrogates.h"
#include "systemcodepage.h"

// The system's codec is asked once, for every byte; both directions then go through tables,
// a step per character, whatever the text holds.
namespace {

struct Tables {
    bool usable = false;
    std::array<char16_t, 256> read{};
    std::array<char, 0x10000> write{};  // "?" for what no byte reads as
};

Tables build() {
    Tables tables;
    const std::optional<CodePage> page = systemcodepage();
    if (!page) return tables;
    tables.usable = true;
    tables.write.fill('?');
    for (unsigned byte = 0; byte < 256; ++byte) {
        const std::optional<char16_t> character = (*page)[byte];
        tables.read[byte] = character.value_or(u'?');
        if (character && !highsurrogate(*character) && !lowsurrogate(*character))
            tables.write[*character] = static_cast<char>(byte);
    }
    return tables;
}

const Tables& usabletables() {
    static const Tables tables = build();
    if (!tables.usable) throw Cp1251Missing();
    return tables;
}

}  // namespace

bool cp1251available() {
    try {
        usabletables();
        return true;
    } catch (const Cp1251Missing&) {
        return false;
    }
}

std::u16string cp1251toutf16(std::string_view bytes) {
    if (bytes.empty()) return {};
    const auto& read = usabletables().read;
    std::u16string text(bytes.size(), u'\0');
    for (std::size_t i = 0; i < bytes.size(); ++i)
        text[i] = read[static_cast<unsigned char>(bytes[i])];
    return text;
}

std::string utf16tocp1251(std::u16string_view text) {
    if (text.empty()) return {};
    const auto& write = usabletables().write;
    std::string bytes(text.size(), '\0');
    bytes[0] = write[text[0]];
    std::size_t size = 1;
    for (std::size_t i = 1; i < text.size(); ++i) {
        bytes[size] = write[text[i]];
        // A pair is one character, which the code page lacks: its high half wrote the "?",
        // its low half writes nothing. Without a branch, which random text mispredicts.
        size += static_cast<std::size_t>(
            !(int{highsurrogate(text[i - 1])} & int{lowsurrogate(text[i])}));
    }
    bytes.resize(size);
    return bytes;
}
