#pragma once

#include <filesystem>
#include <memory>
#include <vector>

#include "records.h"

// The two catalogues, filled once at start-up and read-only afterwards. The records'
// names are views into `text`, the bytes of the files as read.
struct Catalogue {
    std::vector<TSkillRec> skilllist;
    std::vector<TFeatRec> featlist;
    std::vector<std::unique_ptr<char[]>> text;
};

// Loads "skills.res" then "feats.res" from `dir`. The first failure throws AppError and
// leaves loaded what was read before it.
void loadcatalogues(Catalogue& catalogue, const std::filesystem::path& dir = ".");
