#pragma once

#include "copywords.h"
#include "w1251.h"

// The sheet's own words, each written once for every view and the copy: the window's title,
// the blocks' and the menu's captions, what the tooltips and the boxes say. The copy's fixed
// words are in copywords.h beside these.
namespace words {

inline constexpr auto kWindowTitle = w1251("Создание персонажа в системе \"Тальвира\" ver. 1.0");

inline constexpr auto kStrength = w1251("Сила");
inline constexpr auto kEndurance = w1251("Выносливость");
inline constexpr auto kAgility = w1251("Ловкость");
inline constexpr auto kEducation = w1251("Образование");
inline constexpr auto kThinking = w1251("Мышление");
inline constexpr auto kConfidence = w1251("Уверенность");
inline constexpr auto kLuck = w1251("Удача");
inline constexpr auto kFeatures = w1251("Особенности");
inline constexpr auto kSkill = w1251("Навык");
inline constexpr auto kLevelTitle = w1251("Уровень");
inline constexpr auto kFeature = w1251("Особенность");
inline constexpr auto kPriceTitle = w1251("Цена");

inline constexpr auto kFile = w1251("Файл");
inline constexpr auto kNewSheet = w1251("Новый лист");
inline constexpr auto kCopySheet = w1251("Копировать лист");
inline constexpr auto kPasteSheet = w1251("Вставить лист");
inline constexpr auto kExit = w1251("Выход");
inline constexpr auto kStartAttributes = w1251("Стартовые атрибуты");
inline constexpr auto kAllOne = w1251("Все по 1 (ТЛ1)");
inline constexpr auto kConstantUnit = w1251("Постоянная цена за единицу (ТЛ1)");
inline constexpr auto kProgressiveUnit = w1251("Прогрессирующая цена за единицу (ТЛ1М)");
inline constexpr auto kAllTwo = w1251("Все по 2 (ТЛ2)");
inline constexpr auto kFixedUnit = w1251("Фиксированные цены за единицу (ТЛ2)");
inline constexpr auto kSkillPrice = w1251("Цена навыков");
inline constexpr auto kConstantSkill = w1251("Постоянная (ТЛ1)");
inline constexpr auto kProgressiveSkill = w1251("Прогрессирующая (ТЛ1М, ТЛ2)");
inline constexpr auto kHelp = w1251("Помощь");

// The rules as a tooltip names them.
inline constexpr auto kAllOneConstant = w1251("все по 1, постоянная цена");
inline constexpr auto kAllOneProgressive = w1251("все по 1, прогрессирующая цена");
inline constexpr auto kAllTwoFixed = w1251("все по 2, фиксированные цены");
inline constexpr auto kAllTwoProgressive = w1251("все по 2, прогрессирующая цена");
inline constexpr auto kConstantPrice = w1251("постоянная цена");
inline constexpr auto kProgressivePrice = w1251("прогрессирующая цена");
inline constexpr auto kValue = w1251("значение ");
inline constexpr auto kRowWithoutSkill = w1251("Строка без навыка");
inline constexpr auto kAttributeSum = w1251("Атрибуты: ");
inline constexpr auto kSkillSum = w1251(", навыки: ");
inline constexpr auto kFeatureSum = w1251(", особенности: ");

// What assistive tools call the controls, after their block's caption.
inline constexpr auto kFieldName = w1251(": значение атрибута");
inline constexpr auto kSkillsName = w1251(": навыки");
inline constexpr auto kClickOpens = w1251("Щелчок открывает ");
inline constexpr auto kInsertOpens = w1251("Insert открывает ");
inline constexpr auto kSkillChoice = w1251("выбор навыка");
inline constexpr auto kFeatureChoice = w1251("выбор особенности");

inline constexpr auto kReplaceSheet = w1251("Заменить текущий лист?");
inline constexpr auto kStartAnew = w1251("Начать новый лист? Текущий лист пропадёт.");
inline constexpr auto kYes = w1251("Да");
inline constexpr auto kNo = w1251("Нет");
inline constexpr auto kPasted = w1251("Лист вставлен.");
inline constexpr auto kTextTotal = w1251(" В тексте итог ");
inline constexpr auto kCountedTotal = w1251(", а по нынешним каталогам и правилам выходит ");
inline constexpr auto kAsLeaving = w1251("Как при выходе из таблицы, ");
inline constexpr auto kOf = w1251(" у «");
inline constexpr auto kBecame = w1251("» стал ");
inline constexpr auto kBecameFeminine = w1251("» стала ");
inline constexpr auto kAndMore = w1251(" и ещё ");

}  // namespace words
