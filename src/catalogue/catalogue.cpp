#include "catalogue.h"

#include "readers.h"

void loadcatalogues(Catalogue& catalogue, const std::filesystem::path& dir) {
    loadskills(catalogue, readfile(dir / "skills.res"));
    loadfeats(catalogue, readfile(dir / "feats.res"));
}
