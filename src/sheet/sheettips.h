#pragma once

#include <string>
#include <string_view>

#include "appstate.h"
#include "prices.h"
#include "takenindex.h"

// The short texts that tell what a part of the sheet costs, shown as tooltips and read as
// accessible descriptions: what the sheet's costs say of a row or field, in the copy's words
// of a price. Windows-1251, as the sheet keeps its texts.

// "Фехтование (сложный): уровень 3, прогрессирующая цена — 12 плюшек", priced as the skill
// sum prices the row now. Empty for a row without key and value.
std::string skillrowtip(const TakenIndex& index, std::string_view line, SkillRule rule);

// "Богатство: 10 плюшек". Empty for a row without key and value.
std::string featrowtip(std::string_view line);

// "Ловкость: значение 3, все по 1, прогрессирующая цена — 25 плюшек".
std::string attrtip(std::string_view attribute, std::string_view text, AttrRule rule);

// "Атрибуты: 125, навыки: 41, особенности: 0": the partial sums that the total adds up.
std::string sumstip(const AppState& state);
