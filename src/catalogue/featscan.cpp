// The checker's reading of "feats.res", apart from the loading: see featparser.h.
#include "featparser.h"
#include "readers.h"

void scanfeats(Catalogue& catalogue, FileBytes bytes, ReadObserver& observer) {
    parsefeats(catalogue, std::move(bytes), observer);
}
