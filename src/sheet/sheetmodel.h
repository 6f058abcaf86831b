#pragma once

#include <array>
#include <cstddef>
#include <string>

#include "kvline.h"
#include "rules.h"

inline constexpr std::size_t kAttributes = 7;
// The seven skill tables, one per attribute, then the feature table.
inline constexpr std::size_t kTables = 8;
inline constexpr std::size_t kFeatureTable = 7;

// The rules the menu is checked for at start: start 1 with the progressive attribute price,
// the progressive skill price.
inline constexpr PriceRules kStartRules{AttrRule::Start1Progressive, SkillRule::Progressive};

// What the sheet shows: the rules, the seven attribute fields' texts as typed, and the
// eight tables' lines. The views show it and report every edit into it at once.
struct SheetModel {
    PriceRules prices = kStartRules;
    std::array<std::string, kAttributes> attrtexts{"1", "1", "1", "1", "1", "1", "1"};
    std::array<Lines, kTables> tables;
};
