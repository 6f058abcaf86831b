// The texts that explain a price, for the rows, fields and values that the sheet prices in
// no ordinary way: words for the number of points, levels and prices that are no number,
// keys that name no taken skill.
#include "sheet/sheettips.h"

#include <gtest/gtest.h>

#include "sheet/sheettext.h"
#include "texts.h"

namespace {

TEST(SheetTips, PointsTakeTheirRussianPluralForm) {
    const struct {
        std::int64_t points;
        const char* text;
    } cases[] = {
        {0, "0 плюшек"},   {1, "1 плюшка"},     {2, "2 плюшки"},
        {4, "4 плюшки"},   {5, "5 плюшек"},     {11, "11 плюшек"},
        {12, "12 плюшек"}, {14, "14 плюшек"},   {21, "21 плюшка"},
        {22, "22 плюшки"}, {111, "111 плюшек"}, {-1, "-1 плюшка"},
        {-3, "-3 плюшки"}, {-35, "-35 плюшек"}, {-2147483648LL, "-2147483648 плюшек"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.text, utf8of(plushki(c.points))) << c.points;
}

TEST(SheetTips, RowsAndFieldsWithoutAPriceSayWhy) {
    std::vector<TTakenSkill> taken{{0, 2, cp("Стрельба"), cp("Лук")}, {0, 3, cp("Чары"), ""}};
    const TakenIndex index(taken);
    const auto skill = [&](const char* line) {
        return skillrowtip(index, cp(line), SkillRule::Progressive);
    };
    const auto attr = [](const char* text) {
        return attrtip(cp("Сила"), cp(text), AttrRule::Start1Progressive);
    };
    const struct {
        std::string shown;
        const char* text;
    } cases[] = {
        {skill("Стрельба (Лук)=2"),
         "Стрельба (Лук) (сложный): уровень 2, прогрессирующая цена — 6 плюшек"},
        {skill("Чары=1"), "Чары (цена единицы 3): уровень 1, прогрессирующая цена — 3 плюшки"},
        {skill("Стрельба (Лук)=abc"), "Стрельба (Лук) (сложный): уровень «abc» не число, цены нет"},
        {skill("Стрельба (Лук)="), "Стрельба (Лук) (сложный): уровень не задан, цены нет"},
        {skill("Бег=2"), "Бег: нет среди взятых навыков, в сумму не входит"},
        {skill("=4"), "Строка без навыка, в сумму не входит"},
        {skill("="), ""},
        {featrowtip(cp("Враг (сосед)=-5")), "Враг (сосед): -5 плюшек"},
        {featrowtip(cp("Враг= 7")), "Враг: 7 плюшек"},
        {featrowtip(cp("Враг=x")), "Враг: цена «x» не число"},
        {featrowtip(cp("Враг=")), "Враг: цена не задана"},
        {featrowtip(cp("=3")), "Без названия: 3 плюшки"},
        {featrowtip(""), ""},
        {attr("7"), "Сила: значение 7, все по 1, прогрессирующая цена — 135 плюшек"},
        {attr("-"), "Сила: значение «-» не число, цены нет"},
        {attr(""), "Сила: значение не задано, цены нет"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.text, utf8of(c.shown)) << c.text;
}

}  // namespace
