// The checker's reading of "skills.res", apart from the loading: see skillparser.h.
#include "skillparser.h"
#include "skillreader.h"

void scanskills(Catalogue& catalogue, FileBytes bytes, ReadObserver& observer) {
    parseskills(catalogue, std::move(bytes), observer);
}
