#pragma once

#include <string>

// The help message in Windows-1251, CR LF between its lines, with the numbers taken from
// the live fixed price table.
std::string helptext();
