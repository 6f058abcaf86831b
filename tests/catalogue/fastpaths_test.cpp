// The readers' fast paths give what the plain rules give, wherever the bytes end.
#include "catalogue/fastpaths.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

namespace {

TEST(FastPaths, ATokenIsUpTo32BytesAboveBlankConvertedWithTheIntegerSyntaxWhereverBytesEnd) {
    struct Case {
        std::string bytes;
        std::size_t length;  // of the token taken
        std::optional<std::int32_t> value;
    };
    const Case cases[] = {
        {"7", 1, 7},
        {"-7", 2, -7},
        {"+7", 2, 7},
        {"-", 1, std::nullopt},
        {"1234567", 7, 1234567},
        {"-1234567", 8, -1234567},
        {"12345678", 8, 12345678},
        {"123456789", 9, 123456789},
        {"1234567890", 10, 1234567890},
        {"-2147483648", 11, INT32_MIN},
        {"2147483648", 10, std::nullopt},
        {"0000000000012", 13, 12},
        {"$7FFFFFFF", 9, 0x7FFFFFFF},
        {"0X1f", 4, 31},
        {"1234567\xC0", 8, std::nullopt},
        {"12\x7F", 3, std::nullopt},
        {"9-", 2, std::nullopt},
        {":", 1, std::nullopt},
        {std::string(31, '0') + "3", 32, 3},
        {std::string(32, '0') + "3", 32, 0},  // the 33rd byte starts the next token
    };
    // At the very end of the bytes, before a line end, and before enough bytes for a word.
    for (const Case& c : cases) {
        for (const std::string_view after : {"", "\n", "\r\n", "\x1A", " 0 0 a name\n"}) {
            const std::string bytes = c.bytes + std::string(after);
            // Exactly as large as the bytes, so that reading past them is a sanitizer finding.
            const auto buffer = std::make_unique<char[]>(bytes.size());
            bytes.copy(buffer.get(), bytes.size());
            const IntToken token = taketoken(buffer.get(), buffer.get() + bytes.size());
            const std::string what = testing::PrintToString(bytes);
            EXPECT_EQ(c.length, static_cast<std::size_t>(token.end - buffer.get())) << what;
            EXPECT_EQ(c.value, token.valid ? std::optional(token.value) : std::nullopt) << what;
        }
    }
}

}  // namespace
