#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "catalogue/catalogue.h"
#include "taken.h"

// Everything the program keeps for the whole run, shared by the two windows.
struct AppState {
    Catalogue catalogue;
    std::vector<TTakenSkill> takenskills;
    std::vector<TTakenFeat> takenfeats;
    std::int32_t attrpoints = 0;
    std::int32_t skillpoints = 0;
    std::int32_t featpoints = 0;
    // List position last handled by the dialog's price prefill.
    std::int32_t lastpick = 0;
    // Object name of the caption clicked last: "Label1".."Label7" or "Label8".
    std::string picksource = "Label1";
};
