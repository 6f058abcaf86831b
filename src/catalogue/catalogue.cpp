#include "catalogue.h"

#include "featreader.h"
#include "skillreader.h"

void loadcatalogues(Catalogue& catalogue, const std::filesystem::path& dir) {
    loadskills(catalogue, dir / "skills.res");
    loadfeats(catalogue, dir / "feats.res");
}
