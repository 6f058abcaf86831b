#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "catalogue/catalogue.h"
#include "picksource.h"
#include "sheetmodel.h"
#include "taken.h"

// Everything the program keeps for the whole run, shared by the two windows.
struct AppState {
    Catalogue catalogue;
    SheetModel sheet;
    std::vector<TTakenSkill> takenskills;
    std::vector<TTakenFeat> takenfeats;
    std::int32_t attrpoints = 0;
    std::int32_t skillpoints = 0;
    std::int32_t featpoints = 0;
    // The feature catalogue entry last handled by the dialog's price prefill; none at start.
    // An entry, not a list position: a take hides lines and shifts the positions.
    std::optional<std::size_t> lastpick;
    // The caption clicked last, set before each opening of the selection dialog.
    PickSource picksource = PickSource::skills(1);
};
