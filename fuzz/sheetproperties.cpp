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

// Each line of the box a sentence that begins with a capital, none twice.
std::string checkbox(std::string_view box) {
    std::vector<std::string_view> seen;
    for (std::size_t at = 0; at <= box.size();) {
        const std::size_t end = std::min(box.find('\n', at), box.size());
        const std::string_view line = box.substr(at, end - at);
        const auto first = line.empty() ? 0 : static_cast<unsigned char>(line.front());
        if (!((first >= 0xC0 && first <= 0xDF) || first == 0xA8 || (first >= 'A' && first <= 'Z')))
            return "a sentence of the box in lower case: " + std::string(line);
        if (std::find(seen.begin(), seen.end(), line) != seen.end())
            return "a sentence of the box twice: " + std::string(line);
        seen.push_back(line);
        at = end + 1;
    }
    return "";
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
    if (!parse.sheet)
        return parse.notes.empty() ? checkbox(pasteproblemstext(parse.problems))
                                   : "notes for a text that was refused";
    // What a window pastes it copies, and that copy pasted into another window is copied
    // again as it was.
    const std::optional<SheetCopy> copy = pasted(bytes);
    if (!copy) return "the parser reads a sheet that the paste refuses";
    const SheetParse again = parsesheet(copy->text, fuzzcatalogue(), sheetwords());
    if (!again.sheet) return "the sheet written from a read one does not read: " + copy->text;
    if (again.sheet->total != copy->total) return "another total read back: " + copy->text;
    const std::optional<SheetCopy> copyagain = pasted(copy->text);
    if (!copyagain || copyagain->text != copy->text)
        return "another text the second time: " + copy->text;
    return "";
}
