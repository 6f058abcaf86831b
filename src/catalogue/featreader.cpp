#include "featparser.h"
#include "readers.h"

void loadfeats(Catalogue& catalogue, FileBytes bytes) {
    parsefeats(catalogue, std::move(bytes), kStopAtFirstFailure);
}
