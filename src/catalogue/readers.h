#pragma once

#include <string_view>

#include "catalogue.h"
#include "filebytes.h"

class ReadObserver;

// The program's loading. "skills.res": four code digits, then the name, per line; a failing
// line leaves its entry behind with the fields converted so far, then AppError.
// "feats.res": three integer tokens, a separator byte, an optional "*", the name; a bad
// token is reported as AppError("Invalid numeric input") once its whole line has been
// read, and the entry stays with the costs read before the bad token, 0 from it on, and
// the name and star as read.
void loadskills(Catalogue& catalogue, FileBytes bytes);
void loadfeats(Catalogue& catalogue, FileBytes bytes);

// The same from bytes in memory.
inline void readskills(Catalogue& catalogue, std::string_view bytes) {
    loadskills(catalogue, copybytes(bytes));
}
inline void readfeats(Catalogue& catalogue, std::string_view bytes) {
    loadfeats(catalogue, copybytes(bytes));
}

// The same reading for the catalogue checker: each failure goes to `observer`, which is
// also shown every entry read without one, and reading goes on with the next entry.
void scanskills(Catalogue& catalogue, FileBytes bytes, ReadObserver& observer);
void scanfeats(Catalogue& catalogue, FileBytes bytes, ReadObserver& observer);
