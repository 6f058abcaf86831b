// The help message, byte for byte.
#include "ui/main/helptext.h"

#include <gtest/gtest.h>

#include <QString>
#include <QStringList>

#include "ui/encoding.h"

namespace {

// Written out in full, numbers included, rather than built the way the program builds it.
const char* const kLines[] = {
    "Для того, чтобы добавить новый навык для какого-то атрибута, кликните на название этого "
    "атрибута, потом выберите нужный навык из списка и дважды кликните на нем.",
    "Установить уровень навыка можно при его выборе, а можно уже после выбора, щелкнув на "
    "соответствующую ячейку списка.",
    "Если вы хотите удалить навык, просто поставьте его значение равным 0.",
    "Настройки главного меню:",
    "Стартовые атрибуты: можно указать, будут ли при старте все атрибуты равны 1 или 2.",
    "Постоянная цена за единицу - для повышения любого атрибута на единицу всегда надо заплатить 5 "
    "плюшек.",
    "Прогрессирующая цена за единицу - для повышения атрибута на единицу нужно заплатить 5*(новое "
    "значение атрибута) плюшек.",
    "Фиксированная цена за единицу - атрибут 1 добавляет 5 плюшек, атрибут 2 - бесплатный, 3 - "
    "стоит 10 плюшек, 4 -  25 плюшек, 5 - 50 плюшек.",
    "Постоянная и прогрессирующая цена навыков считается так же, как и у атрибутов. Только "
    "стоимость единицы навыка не 5, как у атрибута, а 1, 2 или 4.",
};

}  // namespace

TEST(HelpText, IsTheNineLinesJoinedByCrLfInWindows1251) {
    QString expected;
    for (const char* line : kLines) {
        if (!expected.isEmpty()) expected += QStringLiteral("\r\n");
        expected += QString::fromUtf8(line);
    }
    EXPECT_EQ(tocp1251(expected), helptext());
}

TEST(HelpText, QuotesTheFixedPricesWithTwoBlanksBeforeTwentyFive) {
    const QString text = fromcp1251(helptext());
    const QStringList lines = text.split(QStringLiteral("\r\n"));
    ASSERT_EQ(9, lines.size());
    EXPECT_TRUE(lines[7].contains(QString::fromUtf8("добавляет 5 плюшек")));
    EXPECT_TRUE(
        lines[7].contains(QString::fromUtf8("стоит 10 плюшек, 4 -  25 плюшек, 5 - 50 плюшек.")));
    EXPECT_TRUE(
        lines[8].startsWith(QString::fromUtf8("Постоянная и прогрессирующая цена навыков")));
}
