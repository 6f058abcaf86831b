#include "featreader.h"

#include "featparser.h"

void loadfeats(Catalogue& catalogue, const std::filesystem::path& path) {
    StopAtFirstFailure stop;
    parsefeats(catalogue, readfile(path), stop);
}

void readfeats(Catalogue& catalogue, std::string_view bytes) {
    StopAtFirstFailure stop;
    parsefeats(catalogue, copybytes(bytes), stop);
}
