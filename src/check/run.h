#pragma once

#include <cstdio>
#include <span>
#include <string_view>

#include "messages.h"

// The whole command: checks what `args` (without the program's name) asks for, prints the
// diagnostics and the summary to `out` and what stops it to `err`, in `language`, and returns
// the exit status: 0 no error, 1 an error, 2 a file that cannot be read or wrong arguments.
int runcheck(std::span<const std::string_view> args, Language language, std::FILE* out,
             std::FILE* err);
