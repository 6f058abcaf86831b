// The crossing between Windows-1251 bytes and QString; the codec itself is pinned in
// tests/codec.
#include "ui/encoding.h"

#include <gtest/gtest.h>

TEST(Encoding, QStringGoesThroughTheCodecOneCharacterForOne) {
    const QString text = QString::fromUtf8("Требуется плюшек: Ёё №, a😀");
    EXPECT_EQ(std::string("\xD2\xF0\xE5\xE1\xF3\xE5\xF2\xF1\xFF \xEF\xEB\xFE\xF8\xE5\xEA: "
                          "\xA8\xB8 \xB9, a?"),
              tocp1251(text));
    EXPECT_EQ(text.chopped(2) + "?", fromcp1251(tocp1251(text)));
}
