#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "catalogue/records.h"
#include "sheet/sheetmenu.h"
#include "sheet/sheettext.h"

// Property checks of the catalogue readers, the integer text syntax and the reader of copied
// sheets, on any bytes. Each returns what went wrong, or "" when every property held. The
// fuzz targets abort on a violation; the corpus replay and the hostile-file tests report it.

// Whether what a skill reader left loaded from `bytes`, and the message it failed with
// (nothing when it did not fail), are what the format allows.
std::string checkskills(std::string_view bytes, std::span<const TSkillRec> loaded,
                        const std::optional<std::string>& failure);
std::string checkfeats(std::string_view bytes, std::span<const TFeatRec> loaded,
                       const std::optional<std::string>& failure);

// Runs the real reader or conversion on `bytes` and checks it.
std::string checkskillreader(std::string_view bytes);
std::string checkfeatreader(std::string_view bytes);
std::string checkintsyntax(std::string_view bytes);
// Reads a copied sheet; a sheet read is written and read back as it was.
std::string checksheetparser(std::string_view bytes);

// The fuzz targets by name: also the names of their corpus folders.
struct FuzzTarget {
    std::string_view name;
    std::string (*check)(std::string_view bytes);
};
std::span<const FuzzTarget> fuzztargets();
