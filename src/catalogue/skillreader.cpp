#include "readers.h"
#include "skillparser.h"

void loadskills(Catalogue& catalogue, FileBytes bytes) {
    parseskills(catalogue, std::move(bytes), kStopAtFirstFailure);
}
