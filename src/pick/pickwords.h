#pragma once

#include <string_view>

#include "sheet/w1251.h"

// The selection dialog's fixed words, each written once for the window and the page: its
// controls' captions and what assistive tools call them. The words that change with the mode
// are the logic's (picklogic.cpp).
namespace pickwords {

inline constexpr auto kSearch = w1251("Поиск");
inline constexpr auto kEditionGroup = w1251("Редакция правил");
inline constexpr auto kEditionGroupTip = w1251("По какой редакции подставить цену особенности");
// Followed by the edition.
inline constexpr auto kEditionTip = w1251("Цена по правилам ");
inline constexpr auto kTL1 = w1251("ТЛ1");
inline constexpr auto kTL2 = w1251("ТЛ2");
inline constexpr auto kTL1M = w1251("ТЛ1М");
// Rules edition 0, 1 and 2, in the order of a feature's costs.
inline constexpr std::string_view kEditions[] = {kTL1, kTL2, kTL1M};
inline constexpr auto kOk = w1251("OK");
inline constexpr auto kCancel = w1251("Отмена");

inline constexpr auto kSkillList = w1251("Список навыков");
inline constexpr auto kFeatureList = w1251("Список особенностей");
inline constexpr auto kSkillValue = w1251("Уровень навыка");
inline constexpr auto kFeatureValue = w1251("Цена особенности");

// The spec prompt's hints for a refused character; the first is followed by the limit and
// kSpecTooLongEnd.
inline constexpr auto kSpecTooLong = w1251("Не более ");
inline constexpr auto kSpecTooLongEnd = w1251(" знаков");
inline constexpr auto kSpecNoEquals = w1251("Знак «=» в уточнении недопустим");

}  // namespace pickwords
