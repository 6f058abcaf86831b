#pragma once

#include <filesystem>
#include <string_view>

#include "catalogue.h"

// Reads "skills.res" lines (four code digits, then the name) into catalogue.skilllist.
// A failing line leaves its entry behind with the fields converted so far; then AppError.
void loadskills(Catalogue& catalogue, const std::filesystem::path& path);
void readskills(Catalogue& catalogue, std::string_view bytes);
