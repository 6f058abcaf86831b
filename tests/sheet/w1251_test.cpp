// Our literals' compile-time conversion to Windows-1251 agrees with the codec.
#include "sheet/w1251.h"

#include <gtest/gtest.h>

#include <array>
#include <utility>

#include "codec/cp1251.h"

namespace {

// Every character beyond ASCII that a w1251 literal may hold, with its byte as w1251 gives it.
consteval auto accepted() {
    std::array<unsigned, 66 + std::size(kW1251Marks)> codes{0x401, 0x451};
    std::size_t n = 2;
    for (unsigned code = 0x410; code <= 0x44F; ++code) codes[n++] = code;
    for (const auto& mark : kW1251Marks) codes[n++] = mark.code;
    std::array<std::pair<char16_t, char>, codes.size()> out{};
    for (std::size_t i = 0; i < codes.size(); ++i)
        out[i] = {static_cast<char16_t>(codes[i]), w1251byte(codes[i])};
    return out;
}

TEST(W1251, EveryCharacterBecomesTheCodecsByte) {
    for (const auto& [character, byte] : accepted()) {
        EXPECT_EQ(std::string(1, byte), utf16tocp1251(std::u16string(1, character)))
            << static_cast<unsigned>(character);
    }
    // ASCII stays as it is.
    constexpr auto ascii = w1251(" 09AZaz~");
    EXPECT_EQ(std::string(ascii), utf16tocp1251(u" 09AZaz~"));
}

}  // namespace
