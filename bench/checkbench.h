#pragma once

#include <filesystem>

#include "cataloguegen.h"

// Checking each catalogue as talvira-check does, beside the program loading it. The
// catalogues are generated into `datadir`/unique by the first benchmark that needs them,
// with names that do not repeat, so that there is nothing to report: a finished catalogue.
void registercheckbenchmarks(const std::filesystem::path& datadir, GenOptions options);
