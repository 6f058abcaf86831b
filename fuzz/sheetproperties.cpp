#include <algorithm>

#include "catalogue/readers.h"
#include "properties.h"
#include "sheet/sheetlogic.h"
#include "sheet/sheetmenu.h"
#include "sheet/sheettext.h"
#include "sheet/w1251.h"

namespace {

// Names that a copy could read two ways: parentheses, a leading blank, ": " and " — ".
void loadfuzzcatalogue(Catalogue& catalogue) {
    readskills(catalogue, w1251("3210Стрельба\r\n3100Лук (короткий)\r\n3210Лук\r\n1100Бег\r\n"
                                "4401Знание: история\r\n5200Бой — меч\r\n"));
    readfeats(catalogue, w1251("5 10 5 *Враг\r\n-5 -10 -5  Хромота\r\n10 5 10 *Друг (старый)\r\n"));
}

const Catalogue& fuzzcatalogue() {
    static const Catalogue catalogue = [] {
        Catalogue loaded;
        loadfuzzcatalogue(loaded);
        return loaded;
    }();
    return catalogue;
}

// A window over the fuzz catalogue, as fresh as the program's at start.
std::optional<SheetCopy> pasted(std::string_view text) {
    AppState state;
    loadfuzzcatalogue(state.catalogue);
    return pastedcopy(state, text);
}

}  // namespace

std::string checksheetparser(std::string_view bytes) {
    const SheetParse parse = parsesheet(bytes, fuzzcatalogue(), sheetwords());
    if (parse.sheet.has_value() == !parse.problems.empty())
        return "a sheet and problems, or neither";
    if (parse.problems.size() > kSheetProblemsShown) return "more problems than are shown";
    const auto lines = static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n') +
                                                std::count(bytes.begin(), bytes.end(), '\r') + 1);
    for (const SheetProblem& problem : parse.problems) {
        if (problem.line > lines) return "a problem in line " + std::to_string(problem.line);
    }
    // What a window pastes it copies, and that copy pasted into another window is copied
    // again as it was.
    const std::optional<SheetCopy> copy = pasted(bytes);
    if (copy.has_value() != parse.sheet.has_value()) return "the paste and the parser disagree";
    if (!copy) return "";
    const SheetParse again = parsesheet(copy->text, fuzzcatalogue(), sheetwords());
    if (!again.sheet) return "the sheet written from a read one does not read: " + copy->text;
    if (again.sheet->total != copy->total) return "another total read back: " + copy->text;
    const std::optional<SheetCopy> copyagain = pasted(copy->text);
    if (!copyagain || copyagain->text != copy->text)
        return "another text the second time: " + copy->text;
    return "";
}
