#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include "diagnostic.h"
#include "messages.h"

// The diagnostics of one file as compilers print them: "PATH:LINE:COLUMN: error: MESSAGE",
// an error's likely cause after it in parentheses, then, for an error or a warning, the line
// in UTF-8 with a caret under the column (not for a UTF-16 file, whose bytes are no line). `text`
// is the file as stored; `path` is printed as given.
void appendreport(std::string_view path, std::string_view text,
                  std::span<const Diagnostic> diagnostics, std::string& out,
                  Language language = Language::English);

// "error", "warning" or "note", or their Russian.
std::string severityname(Severity severity, Language language = Language::English);
