#include "skillreader.h"

#include "skillparser.h"

void loadskills(Catalogue& catalogue, const std::filesystem::path& path) {
    StopAtFirstFailure stop;
    parseskills(catalogue, readfile(path), stop);
}

void readskills(Catalogue& catalogue, std::string_view bytes) {
    StopAtFirstFailure stop;
    parseskills(catalogue, copybytes(bytes), stop);
}
