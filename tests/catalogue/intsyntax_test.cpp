// The integer text syntax shared by catalogues, spin fields and table cells.
#include "catalogue/intsyntax.h"

#include <gtest/gtest.h>

#include <optional>

#include "catalogue/apperror.h"

using namespace std::string_literals;

namespace {

struct Case {
    const char* text;
    std::optional<std::int32_t> value;
};

TEST(IntSyntax, AcceptsDecimalAndHexTextsAndRejectsEverythingElse) {
    const Case cases[] = {
        {"0", 0},
        {"5", 5},
        {"+7", 7},
        {"-12", -12},
        {"007", 7},
        {"  42", 42},
        {" -1", -1},
        {"2147483647", 2147483647},
        {"-2147483648", INT32_MIN},
        {"$10", 16},
        {"x1f", 31},
        {"X1F", 31},
        {"0x10", 16},
        {"0XfF", 255},
        {"$7FFFFFFF", 2147483647},
        {"$80000000", INT32_MIN},
        {"$FFFFFFFF", -1},
        {"$000000001", 1},  // leading zeros are not significant digits
        {"", std::nullopt},
        {"   ", std::nullopt},
        {"\t5", std::nullopt},  // tabs are not blanks here
        {"5 ", std::nullopt},
        {"+", std::nullopt},
        {"-", std::nullopt},
        {"$", std::nullopt},
        {"0x", std::nullopt},
        {"-$10", std::nullopt},
        {"+0x10", std::nullopt},
        {"$100000000", std::nullopt},
        {"2147483648", std::nullopt},
        {"-2147483649", std::nullopt},
        {"99999999999999999999", std::nullopt},
        {"12abc", std::nullopt},
        {"1,5", std::nullopt},
        {"1.5", std::nullopt},
        {"$g", std::nullopt},
        {"- 5", std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.value, parseint(c.text)) << '"' << c.text << '"';
        EXPECT_EQ(c.value.has_value(), isinteger(c.text)) << '"' << c.text << '"';
    }
}

TEST(IntSyntax, ConversionFailureNamesTheText) {
    EXPECT_EQ(-5, strtoint(" -5"));
    try {
        strtoint("1a");
        FAIL() << "no error";
    } catch (const AppError& error) {
        EXPECT_STREQ("'1a' is not a valid integer value", error.what());
    }
    try {
        strtoint("");
        FAIL() << "no error";
    } catch (const AppError& error) {
        EXPECT_STREQ("'' is not a valid integer value", error.what());
    }
    // The message keeps every byte of the text, a NUL included.
    const std::string withnul = "1\0"s + "2";
    try {
        strtoint(withnul);
        FAIL() << "no error";
    } catch (const AppError& error) {
        EXPECT_EQ("'" + withnul + "' is not a valid integer value", error.message());
    }
}

TEST(IntSyntax, WritesPlainDecimal) {
    EXPECT_EQ("0", inttostr(0));
    EXPECT_EQ("-35", inttostr(-35));
    EXPECT_EQ("-2147483648", inttostr(INT32_MIN));
    EXPECT_EQ("2147483647", inttostr(INT32_MAX));
}

TEST(IntSyntax, EveryAcceptedTextWritesBackToTheSameValue) {
    for (const char* text : {"$FFFFFFFE", "x80000000", "  +00012", "-0"}) {
        const auto value = parseint(text);
        ASSERT_TRUE(value) << text;
        EXPECT_EQ(value, parseint(inttostr(*value))) << text;
    }
}

}  // namespace
