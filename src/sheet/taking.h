#pragma once

#include <string>
#include <utility>

#include "appstate.h"
#include "catalogue/intsyntax.h"
#include "kvline.h"

// The row (key, level) that a skill take puts into its table: the skill taken last.
inline std::pair<std::string, std::string> takenskillrow(const AppState& state) {
    const TTakenSkill& skill = state.takenskills.back();
    return {displaytext(skill), inttostr(skill.level)};
}

// The line "key=price" that a feature take appends to the feature table.
inline std::string takenfeatline(const AppState& state) {
    const TTakenFeat& feat = state.takenfeats.back();
    return joinline(displaytext(feat), inttostr(feat.price));
}
