#pragma once

#include <filesystem>
#include <string_view>

#include "cataloguegen.h"

// Loading the two catalogues, each beside `wc -l` on the same file. The catalogues are
// generated into `datadir` by the first benchmark that needs them.
void registerloadbenchmarks(const std::filesystem::path& datadir, const GenOptions& options);

// The peak-memory probe, run in a fresh process: loads one catalogue ("skills" or "feats")
// and prints "<VmRSS before in kB> <VmHWM after in kB> <entries>". Returns the exit status.
int runloadprobe(std::string_view kind, const std::filesystem::path& file);
