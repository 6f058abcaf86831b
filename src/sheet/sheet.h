#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "appstate.h"
#include "kvline.h"
#include "prices.h"
#include "takenindex.h"

// The sums of the sheet as functions of what the window shows: the attribute texts, the
// tables' lines and the price rules. Those that return a bool say whether the total line is
// to be redrawn.

// attrpoints from the seven attribute texts; false, changing nothing, when one of them is
// not an integer text.
bool countpoints(AppState& state, std::span<const std::string> attrtexts, AttrRule rule);

// skillpoints from the seven skill tables. Each row found in takenskills stores its level
// there. A level that is not an integer throws AppError and keeps the old skillpoints.
void skillcount(AppState& state, std::span<const Lines* const> tables, SkillRule rule);

// The clean-up of a skill table being left: stops at the first empty level, writes "0"
// over a non-integer and "5" over a level above 5.
void cleanlevels(Lines& table);

// The clean-up of the feature table being left: "0" over non-integer prices; false when an
// empty price cell stopped it.
bool cleanprices(Lines& table);

// Leaving the feature table: its clean-up, then featpoints := the sum of its prices. An
// empty price cell stops it before anything is summed (false).
bool featexit(AppState& state, Lines& table);

std::int32_t total(const AppState& state);

// The total line: the copy's total prefix and the total, in Windows-1251.
std::string totaltext(const AppState& state);
