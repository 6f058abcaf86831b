// A copied sheet in a link's fragment and back: base64url of its bytes, all 256 of them, and
// the fragments that hold no sheet of ours.
#include "sheet/sheetlink.h"

#include <gtest/gtest.h>

namespace {

TEST(SheetLink, EveryByteComesBackFromTheFragment) {
    std::string bytes;
    for (int i = 0; i < 256; ++i) bytes += static_cast<char>(i);
    for (std::size_t length = 0; length <= 4; ++length) {
        const std::string text = bytes.substr(256 - length) + bytes;
        const std::string fragment = sheetfragment(text);
        EXPECT_TRUE(issheetfragment(fragment));
        EXPECT_EQ(std::string::npos, fragment.find_first_of("+/=%#&", 6));
        EXPECT_EQ(text, fragmentsheet(fragment)) << length;
    }
}

TEST(SheetLink, TheFragmentIsBase64UrlOfTheBytes) {
    const struct {
        const char* text;
        const char* fragment;
    } cases[] = {
        {"", "sheet="},        {"f", "sheet=Zg"},         {"fo", "sheet=Zm8"},
        {"foo", "sheet=Zm9v"}, {"\xFB\xFF", "sheet=-_8"}, {"\xD1\xE8\xEB\xE0", "sheet=0ejr4A"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.fragment, sheetfragment(c.text)) << c.text;
        EXPECT_EQ(c.text, fragmentsheet(c.fragment)) << c.fragment;
    }
    EXPECT_EQ("fo", fragmentsheet("sheet=Zm8="));
}

TEST(SheetLink, AFragmentThatHoldsNoSheetGivesNothing) {
    for (const char* fragment : {"", "top", "Sheet=Zg", "sheet=Z", "sheet=Zm9vY", "sheet=Zm+v",
                                 "sheet=Zm/v", "sheet=Z g", "sheet=Zm%38", "sheet==Zg"}) {
        EXPECT_EQ(std::nullopt, fragmentsheet(fragment)) << fragment;
    }
    EXPECT_FALSE(issheetfragment("top"));
}

}  // namespace
