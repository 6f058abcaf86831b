// The checker's reading of "skills.res", apart from the loading: see skillparser.h.
#include "readers.h"
#include "skillparser.h"

void scanskills(Catalogue& catalogue, FileBytes bytes, ReadObserver& observer) {
    parseskills(catalogue, std::move(bytes), observer);
}
