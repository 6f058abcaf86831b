// The Windows-1251 codec of the program and the checker: the same on every system.
#include "codec/cp1251.h"

#include <gtest/gtest.h>

namespace {

// What each byte from 0x80 up reads as; 0x98, which the code page leaves without a
// character, as "?". The bytes below 0x80 read as the same code.
constexpr std::u16string_view kUpperHalf =
    u"ЂЃ‚ѓ„…†‡€‰Љ‹ЊЌЋЏђ‘’“”•–—?™љ›њќћџ\u00A0ЎўЈ¤Ґ¦§Ё©Є«¬\u00AD®Ї°±Ііґµ¶·ё№є»јЅѕї"
    u"АБВГДЕЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯабвгдежзийклмнопрстуфхцчшщъыьэюя";
constexpr unsigned kWithout = 0x98;

char16_t expected(unsigned byte) {
    return byte < 0x80 ? static_cast<char16_t>(byte) : kUpperHalf[byte - 0x80];
}

TEST(Cp1251, EveryByteReadsAsItsCharacterAndEveryCharacterWritesBack) {
    ASSERT_TRUE(cp1251available());
    ASSERT_EQ(128u, kUpperHalf.size());
    std::string all;
    std::u16string read;
    for (unsigned byte = 0; byte < 256; ++byte) {
        const std::string one(1, static_cast<char>(byte));
        all += one;
        read += expected(byte);
        EXPECT_EQ(std::u16string(1, expected(byte)), cp1251toutf16(one)) << byte;
        const std::string back = byte == kWithout ? "?" : one;
        EXPECT_EQ(back, utf16tocp1251(std::u16string(1, expected(byte)))) << byte;
    }
    // The same in one piece, as a catalogue's line goes through.
    EXPECT_EQ(read, cp1251toutf16(all));
    std::string writtenback = all;
    writtenback[kWithout] = '?';
    EXPECT_EQ(writtenback, utf16tocp1251(read));
}

TEST(Cp1251, WhatTheCodePageLacksIsOneQuestionMarkPerCharacter) {
    const std::pair<std::u16string_view, std::string_view> cases[] = {
        {u"a中b😀c", "a?b?c"},
        {u"\U0001F600\U0001F600", "??"},
        {u"\u0098\u0080\u009F", "???"},  // C1 controls, which Windows would write as bytes
        {std::u16string_view(u"x\xD800y\xDC00", 4), "x?y?"},  // lone halves of a pair
        {std::u16string_view(u"z\xD83D", 2), "z?"},           // a pair cut off at the end
        {u"x\x1Ay\u00A0", "x\x1Ay\xA0"},                      // Ctrl-Z and NBSP are characters
        {u"", ""},
        // A low half, a high half, then a pair.
        {std::u16string_view(u"\xDE00\xD83D\xD83D\xDE00", 4), "???"},
    };
    for (const auto& [text, bytes] : cases) EXPECT_EQ(bytes, utf16tocp1251(text)) << bytes;
}

// As random bytes pasted from the clipboard come: long runs of what the code page lacks.
TEST(Cp1251, LongRunsWithoutCharactersAreOneQuestionMarkEach) {
    constexpr std::size_t kRun = 200'000;
    std::u16string pairs;
    for (std::size_t i = 0; i < kRun; ++i) pairs += u"\U0001F600";
    const std::pair<std::u16string, std::string> cases[] = {
        {std::u16string(kRun, u'\uFFFD'), std::string(kRun, '?')},
        {pairs, std::string(kRun, '?')},
        {std::u16string(kRun, u'\xD800'), std::string(kRun, '?')},
    };
    for (const auto& [text, bytes] : cases) EXPECT_EQ(bytes, utf16tocp1251(text));
    EXPECT_EQ(std::u16string(kRun, u'?'), cp1251toutf16(std::string(kRun, '\x98')));
}

}  // namespace
