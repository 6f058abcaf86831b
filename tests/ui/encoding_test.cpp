// The crossing between Windows-1251 bytes and QString.
#include "ui/encoding.h"

#include <gtest/gtest.h>

TEST(Encoding, RoundTripsRussianText) {
    const QString text = QString::fromUtf8("Требуется плюшек: Ёё №");
    EXPECT_EQ(text, fromcp1251(tocp1251(text)));
    EXPECT_EQ(std::string("\xD2\xF0", 2), tocp1251(QString::fromUtf8("Тр")));
}

TEST(Encoding, UnencodableCharactersBecomeQuestionMarks) {
    EXPECT_EQ("a?b?c", tocp1251(QString::fromUtf8("a中b😀c")));
    // A real Ctrl-Z is kept as it is.
    EXPECT_EQ(std::string("x\x1Ay"), tocp1251(QStringLiteral("x\x1Ay")));
}
