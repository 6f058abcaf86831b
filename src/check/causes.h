#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "checker.h"
#include "messages.h"

// What most likely made the program fail at byte `at` of `bytes` (those given to the reader),
// in the checker's own words, to follow the program's message: a dash for a minus, a feature
// with a price missing, a skill's line too short for its four digits. Empty when nothing is
// known.
std::string likelycause(CatalogueKind kind, std::string_view bytes, std::size_t at,
                        Language language);
