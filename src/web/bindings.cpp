// The page's way into the core, through embind: the rules stay in C++ and the page shows
// what comes back. Catalogue files cross as their bytes, texts as JavaScript strings.
#include <emscripten/bind.h>

#include <string>

#include "catalogue/apperror.h"
#include "catalogue/readers.h"
#include "codec/cp1251.h"
#include "sheet/appstate.h"
#include "sheet/sheet.h"

namespace {

// The start sheet over the catalogues given: how many entries each holds, the total line,
// and the message of the failure that stopped the reading, if one did.
struct StartSheet {
    int skills = 0;
    int feats = 0;
    std::u16string total;
    std::u16string error;
};

StartSheet startsheet(const std::string& skills, const std::string& feats) {
    AppState state;
    StartSheet start;
    try {
        readskills(state.catalogue, skills);
        readfeats(state.catalogue, feats);
    } catch (const AppError& failure) {
        start.error = cp1251toutf16(failure.message());
    }
    start.skills = static_cast<int>(state.catalogue.skilllist.size());
    start.feats = static_cast<int>(state.catalogue.featlist.size());
    start.total = cp1251toutf16(totaltext(state));
    return start;
}

}  // namespace

EMSCRIPTEN_BINDINGS(talvira) {
    emscripten::value_object<StartSheet>("StartSheet")
        .field("skills", &StartSheet::skills)
        .field("feats", &StartSheet::feats)
        .field("total", &StartSheet::total)
        .field("error", &StartSheet::error);
    emscripten::function("startsheet", &startsheet);
}
