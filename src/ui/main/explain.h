#pragma once

#include <QString>
#include <cstdint>
#include <string_view>

#include "sheet/appstate.h"
#include "sheet/costs.h"
#include "sheet/prices.h"
#include "sheet/takenindex.h"

// The short texts that tell what a part of the sheet costs, shown as tooltips and read as
// accessible descriptions. They put into words what the sheet's costs say of a row or field;
// lines and field texts are Windows-1251, as the sheet keeps them. The words of a price
// are the copied sheet's (sheet/sheettext.h).

// "Фехтование (сложный): уровень 3, прогрессирующая цена — 12 плюшек", priced as the skill
// sum prices the row now. Empty for a row without key and value.
QString skillrowtip(const TakenIndex& index, std::string_view line, SkillRule rule);

// "Богатство: 10 плюшек". Empty for a row without key and value.
QString featrowtip(std::string_view line);

// "Ловкость: значение 3, все по 1, прогрессирующая цена — 25 плюшек".
QString attrtip(const QString& attribute, std::string_view text, AttrRule rule);

// "Атрибуты: 125, навыки: 41, особенности: 0": the partial sums that the total adds up.
QString sumstip(const AppState& state);
