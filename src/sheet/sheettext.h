#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "appstate.h"
#include "catalogue/catalogue.h"
#include "costs.h"
#include "kvline.h"
#include "prices.h"
#include "sheetmodel.h"
#include "takenindex.h"

// The copied sheet as text, both ways: the lines that Копировать лист writes, and the sheet
// read back from such a text. All texts are Windows-1251 bytes.

// "12 плюшек", "1 плюшка", "-3 плюшки".
std::string plushki(std::int64_t points);

// "обычный", "сложный", "очень сложный": a skill's unit price.
std::string difficulty(std::int32_t unitprice);

// How a value's text reads: "3", "«abc» не число", or `unset` ("не задан") for an empty text.
std::string reading(const Cost& cost, std::string_view unset);

enum class SheetLineKind { Heading, Rule, Attribute, Section, Row, Total };

// One line of the copy: what it names, what was read and what it costs (or why nothing).
struct SheetLine {
    SheetLineKind kind = SheetLineKind::Row;
    std::string name;
    std::string value;
    std::string price;
};

// The copy of `sheet` whose total line reads `total`.
std::vector<SheetLine> sheetlines(const SheetModel& sheet, const TakenIndex& index,
                                  const std::string& total);

// The line of a rule from its menu path (not empty): "Цена навыков: Постоянная (ТЛ1)".
SheetLine ruleline(const std::vector<std::string>& path);

// A line as the copy writes it, without its line end: "- Бег (обычный): уровень 3 — 3 плюшки".
std::string linetext(const SheetLine& line);

// The plain text of the copy: "- Фехтование (сложный): уровень 3 — 12 плюшек", with a blank
// line before the first attribute and before the total; LF line ends.
std::string sheettext(const std::vector<SheetLine>& lines);

// The window's own words that a copy holds: the attribute captions, the features caption,
// and for every rule the captions of its menu path, from the menu bar down to its item.
struct SheetWords {
    std::array<std::string, 7> attributes;
    std::string features;
    std::vector<std::pair<AttrRule, std::vector<std::string>>> attrrules;
    std::vector<std::pair<SkillRule, std::vector<std::string>>> skillrules;
};

// What a field can hold once left; a copied attribute outside it is no sheet of ours.
inline constexpr std::int32_t kAttrLowest = 1;
inline constexpr std::int32_t kAttrHighest = 5;

struct SkillRow {
    std::string key;
    std::string level;
    // The unit price the copy named, for a row that stood for a taken skill.
    std::optional<std::int32_t> unitprice;
};

struct FeatRow {
    std::string key;
    std::string price;
};

// A sheet read from a copy: its rows as written, and the taken entries the rows stand for,
// in the order a player could have taken them.
struct SheetDescription {
    PriceRules prices{};
    std::array<std::int32_t, 7> attributes{};
    std::array<std::vector<SkillRow>, 7> skills;
    std::vector<FeatRow> features;
    std::vector<TTakenSkill> takenskills;
    std::vector<TTakenFeat> takenfeats;
    // The figure of the copy's total line, as written.
    std::int32_t total = 0;
};

struct SheetProblem {
    // From 1, counting every line of the text; 0 when the text as a whole is at fault.
    std::size_t line = 0;
    // The line as it came, without blanks around it.
    std::string text;
    // What differs from what the copy writes there, as a player reads it: the rest of a
    // sentence after "Строка N «...»: " (not capitalised, no full stop); for line 0 a
    // sentence of its own, capitalised, without its full stop. Texts quoted from the line
    // in it are cut as the box cuts lines.
    std::string what;
};

struct SheetParse {
    std::optional<SheetDescription> sheet;
    // Set exactly when `sheet` is not; the first few only.
    std::vector<SheetProblem> problems;
    // With `sheet` only: what the paste left out of the text, as sentences for the box that
    // follows a paste ("Перед листом пропущена 1 строка: «Вася, 12:03»."), each capitalised
    // and ending in a full stop; empty when nothing was left out.
    std::vector<std::string> notes;
};

inline constexpr std::size_t kSheetProblemsShown = 5;

// Reads a copied sheet from the text in the copy's form (see copyreading::copyform: any
// line ends, quote prefixes, list bullets, tabs, non-breaking spaces and runs of blanks),
// any dash where the copy has "—"; lines before its first line and after its total line are
// left out and said in `notes`. A figure of a price or of the total is read, never checked.
// A taken row stands for the first taken entry its key names, as the sums find it; failing
// one, for a catalogue entry of its attribute (any feature for a feature row): the whole key
// as a name, else the leftmost cut "name (spec)" of a branched entry, one whose unit price
// is the copy's first. Names match the catalogue's with blanks folded on both sides and any
// dash for another. Two rows of one entry that is not branched are a problem, as the dialog
// lets no one take it twice. Linear in the text and the catalogue.
SheetParse parsesheet(std::string_view text, const Catalogue& catalogue, const SheetWords& words);

// The text of the box for a paste that was refused: "Лист не вставлен, на листе ничего не
// изменилось." and one sentence a problem ("Строка 6 «- Бегг (обычный): уровень 3 — 3
// плюшки»: в каталоге нет навыка «Бегг» с атрибутом Сила."), capitalised, the quoted line
// cut after 60 characters with "…", no sentence twice; lines joined by LF. Windows-1251, as
// the problems are.
std::string pasteproblemstext(std::span<const SheetProblem> problems);

// What the window holds after a paste: the rules, the attribute texts, the eight tables'
// lines (the features' last) and the taken lists; the sums are still to be counted.
struct SheetSnapshot : SheetModel {
    std::vector<TTakenSkill> takenskills;
    std::vector<TTakenFeat> takenfeats;
};

SheetSnapshot snapshot(const SheetDescription& sheet);

struct SheetCopy {
    std::string text;
    std::int32_t total = 0;
};
