#pragma once

#include <filesystem>
#include <string_view>

#include "catalogue.h"
#include "filebytes.h"

class ReadObserver;

// Reads "feats.res" lines (three integer tokens, a separator byte, an optional "*", the
// name) into catalogue.featlist. A bad token is reported as AppError("Invalid numeric
// input") once its whole line has been read; the entry stays with the costs read before
// the bad token, 0 from it on, and the name and star as read.
void loadfeats(Catalogue& catalogue, const std::filesystem::path& path);
void readfeats(Catalogue& catalogue, std::string_view bytes);

// The same reading for the catalogue checker: each failure goes to `observer`, which is
// also shown every entry read without one, and reading goes on with the next entry.
void scanfeats(Catalogue& catalogue, FileBytes bytes, ReadObserver& observer);
