// Finding a byte, the C library's way or the page's own, against std::find.
#include "findbyte.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

TEST(FindByte, FindsTheFirstOfAByteAtEveryPlaceAndLength) {
    // Cyrillic bytes have the high bit set, as the folded lines do; "о" is 0xEE.
    const std::string text = "\xEF\xEE\x0A\xEE\xCE\x20\xEE\xEF\x0A\x6F\xEE\xEE\xFE\xEE\x0A";
    for (std::size_t begin = 0; begin <= text.size(); ++begin) {
        for (std::size_t end = begin; end <= text.size(); ++end) {
            const char* const from = text.data() + begin;
            const char* const stop = text.data() + end;
            for (const char byte : {'\xEE', '\x0A', '\xEF', '\x6F', '\x80'}) {
                const char* const expected = std::find(from, stop, byte);
                EXPECT_EQ(expected == stop ? nullptr : expected, findbyte(from, stop, byte))
                    << begin << ' ' << end << ' ' << int(byte);
            }
        }
    }
}
