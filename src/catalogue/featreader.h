#pragma once

#include <filesystem>
#include <string_view>

#include "catalogue.h"

// Reads "feats.res" lines (three integer tokens, a separator byte, an optional "*", the
// name) into catalogue.featlist. A bad token is reported as AppError("Invalid numeric
// input") once its whole line has been read; the entry stays with the costs read before
// the bad token, 0 from it on, and the name and star as read.
void loadfeats(Catalogue& catalogue, const std::filesystem::path& path);
void readfeats(Catalogue& catalogue, std::string_view bytes);
