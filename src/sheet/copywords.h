#pragma once

#include "w1251.h"

// The fixed words of a copied sheet, which the writer writes and the parser reads back.
namespace copywords {

inline constexpr auto kHeading = w1251("Лист персонажа «Тальвира»");
inline constexpr auto kTotal = w1251("Требуется плюшек: ");
inline constexpr auto kPlushek = w1251("плюшек");
inline constexpr auto kPlushka = w1251("плюшка");
inline constexpr auto kPlushki = w1251("плюшки");
inline constexpr auto kOrdinary = w1251("обычный");
inline constexpr auto kHard = w1251("сложный");
inline constexpr auto kVeryHard = w1251("очень сложный");
inline constexpr auto kUnitPrice = w1251("цена единицы ");
inline constexpr auto kOpen = w1251("«");
inline constexpr auto kNotNumber = w1251("» не число");
inline constexpr auto kUnsetAttr = w1251("не задано");
inline constexpr auto kUnsetLevel = w1251("не задан");
inline constexpr auto kUnsetPrice = w1251("не задана");
inline constexpr auto kNoPrice = w1251("цены нет");
inline constexpr auto kNotTaken = w1251("нет среди взятых навыков");
inline constexpr auto kNotCounted = w1251("в сумму не входит");
inline constexpr auto kNoSkill = w1251("Без навыка");
inline constexpr auto kNoName = w1251("Без названия");
inline constexpr auto kLevel = w1251("уровень ");
inline constexpr auto kPrice = w1251("цена ");
inline constexpr auto kDash = w1251(" — ");
// Between a line's name and what it says, and before a row.
inline constexpr auto kColon = w1251(": ");
inline constexpr auto kRowMark = w1251("- ");
// Between the captions of a rule's menu path after the first.
inline constexpr auto kPathStep = w1251(" / ");

}  // namespace copywords
