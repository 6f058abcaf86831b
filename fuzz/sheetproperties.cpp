#include <algorithm>

#include "catalogue/readers.h"
#include "properties.h"
#include "sheet/sheettext.h"
#include "sheet/w1251.h"

namespace {

std::vector<std::string> path(std::initializer_list<std::string_view> captions) {
    return {captions.begin(), captions.end()};
}

// Names that a copy could read two ways: parentheses, a leading blank, ": " and " — ".
const Catalogue& fuzzcatalogue() {
    static const Catalogue catalogue = [] {
        Catalogue loaded;
        readskills(loaded, w1251("3210Стрельба\r\n3100Лук (короткий)\r\n3210Лук\r\n1100Бег\r\n"
                                 "4401Знание: история\r\n5200Бой — меч\r\n"));
        readfeats(loaded,
                  w1251("5 10 5 *Враг\r\n-5 -10 -5  Хромота\r\n10 5 10 *Друг (старый)\r\n"));
        return loaded;
    }();
    return catalogue;
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

const SheetWords& sheetwords() {
    static const SheetWords words = [] {
        SheetWords w;
        w.attributes = {w1251("Сила").str(),     w1251("Выносливость").str(),
                        w1251("Ловкость").str(), w1251("Образование").str(),
                        w1251("Мышление").str(), w1251("Уверенность").str(),
                        w1251("Удача").str()};
        w.features = w1251("Особенности").str();
        constexpr auto start = w1251("Стартовые атрибуты");
        constexpr auto one = w1251("Все по 1 (ТЛ1)");
        constexpr auto two = w1251("Все по 2 (ТЛ2)");
        constexpr auto progressive = w1251("Прогрессирующая цена за единицу (ТЛ1М)");
        w.attrrules = {{AttrRule::Start1Constant,
                        path({start, one, w1251("Постоянная цена за единицу (ТЛ1)")})},
                       {AttrRule::Start1Progressive, path({start, one, progressive})},
                       {AttrRule::Start2Fixed,
                        path({start, two, w1251("Фиксированные цены за единицу (ТЛ2)")})},
                       {AttrRule::Start2Progressive, path({start, two, progressive})}};
        constexpr auto skills = w1251("Цена навыков");
        w.skillrules = {
            {SkillRule::Constant, path({skills, w1251("Постоянная (ТЛ1)")})},
            {SkillRule::Progressive, path({skills, w1251("Прогрессирующая (ТЛ1М, ТЛ2)")})}};
        return w;
    }();
    return words;
}

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
    // What was read is written, read and written again as it was.
    const auto [text, total] = copyof(snapshot(*parse.sheet), sheetwords());
    const SheetParse again = parsesheet(text, fuzzcatalogue(), sheetwords());
    if (!again.sheet) return "the sheet written from a read one does not read: " + text;
    if (again.sheet->total != total) return "another total read back: " + text;
    if (copyof(snapshot(*again.sheet), sheetwords()).text != text)
        return "another text the second time: " + text;
    return "";
}
