#pragma once

#include <memory>

#include "sheet/sheettext.h"
#include "sheet/takenindex.h"

class QMimeData;

// The copied sheet in one clipboard entry: a heading, the rules, each attribute with its
// value, price and skill rows, the feature rows and the total line, as text/plain and as an
// HTML table. Every price and every reason for none is what the sheet's costs say.
std::unique_ptr<QMimeData> sheetcopy(const SheetShown& sheet, const TakenIndex& index);
