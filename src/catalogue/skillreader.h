#pragma once

#include <filesystem>
#include <string_view>

#include "catalogue.h"
#include "filebytes.h"

class ReadObserver;

// Reads "skills.res" lines (four code digits, then the name) into catalogue.skilllist.
// A failing line leaves its entry behind with the fields converted so far; then AppError.
void loadskills(Catalogue& catalogue, const std::filesystem::path& path);
void readskills(Catalogue& catalogue, std::string_view bytes);

// The same reading for the catalogue checker: each failure goes to `observer`, which is
// also shown every entry read without one, and reading goes on with the next line.
void scanskills(Catalogue& catalogue, FileBytes bytes, ReadObserver& observer);
