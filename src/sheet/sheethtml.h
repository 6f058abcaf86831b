#pragma once

#include <string>
#include <vector>

#include "sheettext.h"

// The copy as an HTML table, for the clipboard beside its plain text: the heading, the
// rules, each attribute with its value and price, the rows indented, the total line.
// Windows-1251 bytes; the page declares UTF-8, which the view's conversion makes true.
std::string sheethtml(const std::vector<SheetLine>& lines);
