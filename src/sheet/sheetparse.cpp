// Reading a copied sheet back: the lines are cut and matched against the copy's own words,
// each row from its right end, where only fixed words and numbers stand, so that a name may
// hold anything the copy's separators are made of.
#include <algorithm>
#include <unordered_map>

#include "catalogue/intsyntax.h"
#include "copyreading.h"
#include "copywords.h"
#include "sheettext.h"

namespace {

using namespace copyreading;

constexpr auto kNoText = w1251("В буфере обмена нет текста");
constexpr auto kNotSheet =
    w1251("это не лист персонажа: первая строка не «Лист персонажа «Тальвира»»");
constexpr auto kExpected = w1251("ожидалась строка «");
constexpr auto kEllipsis = w1251(": ...»");
constexpr auto kUnknownRule = w1251("таких правил нет в меню");
constexpr auto kBadAttr = w1251("значение атрибута не число от 1 до 5");
constexpr auto kBadRow = w1251("строка не разобрана");
constexpr auto kNoRowPlace =
    w1251("строка навыка или особенности не под атрибутом и не под особенностями");
constexpr auto kTooLarge = w1251("число вне пределов");
constexpr auto kEquals = w1251("знак «=» в названии: в строке таблицы он отделяет значение");
constexpr auto kNoSkill = w1251("в каталоге нет навыка «");
constexpr auto kOfAttr = w1251("» с атрибутом ");
constexpr auto kNoFeat = w1251("в каталоге нет особенности «");
constexpr auto kClose = w1251("»");
constexpr auto kAfterTotal = w1251("строка после итога");
constexpr auto kLevelOpen = w1251(": уровень «");
constexpr auto kLevelSep = w1251(": уровень ");
constexpr auto kPriceOpen = w1251(": цена «");
constexpr auto kPriceUnset = w1251(": цена не задана");

// A row as cut from its line, before its names are looked up.
struct RowRead {
    Line line;
    // 0..6 for a skill row under that attribute, 7 for a feature row.
    std::size_t table = 0;
    std::string key;
    std::string value;
    std::optional<std::int32_t> unitprice;
    // The key as the copy writes it for a row without one.
    bool nokey = false;
};

class Parser {
public:
    Parser(const Catalogue& catalogue, const SheetWords& words)
        : catalogue_(catalogue), words_(words) {}

    SheetParse run(std::string_view text);

private:
    bool full() const { return problems_.size() >= kSheetProblemsShown; }
    void problem(const Line& line, std::string what) {
        if (!full()) problems_.push_back({line.number, std::string(line.text), std::move(what)});
    }
    std::optional<std::int32_t> number(const Line& line, std::string_view text) {
        const auto value = parseint(text);
        if (!value) problem(line, kTooLarge.str());
        return value;
    }

    void readline(const Line& line);
    bool readrule(const Line& line);
    bool readattribute(const Line& line, std::size_t attribute);
    bool readtotal(const Line& line);
    void readrow(const Line& line);
    std::optional<RowRead> skillrow(const Line& line, std::string_view body);
    std::optional<RowRead> featrow(const Line& line, std::string_view body);
    std::string expected(std::size_t step) const;

    void findtaken();
    void findskill(RowRead& row, const NameIndex<TSkillRec>& index);
    void findfeat(RowRead& row, const NameIndex<TFeatRec>& index);
    void takeskill(RowRead& row, const Found& found, const TSkillRec& skill);

    // The first taken skill each key names, as the sums find it: by name (form 0) or by
    // name + " (" + spec + ")" (form 1); keys folded as names are.
    struct Form {
        std::size_t entry;
        int form;
    };
    std::unordered_map<std::string, Form> takenkeys_;

    const Catalogue& catalogue_;
    const SheetWords& words_;
    SheetDescription sheet_;
    std::vector<RowRead> rows_;
    std::vector<SheetProblem> problems_;
    // What comes next: 0 heading, 1 and 2 the rules, 3..9 the attributes, 10 features,
    // 11 total, 12 nothing more.
    std::size_t step_ = 0;
};

constexpr std::size_t kRulesStep = 1;
constexpr std::size_t kFirstAttrStep = 3;
constexpr std::size_t kFeaturesStep = 10;
constexpr std::size_t kTotalStep = 11;
constexpr std::size_t kEndStep = 12;

SheetParse Parser::run(std::string_view text) {
    const std::vector<Line> lines = cutlines(text);
    if (lines.empty()) return {std::nullopt, {{0, {}, kNoText.str()}}};
    if (!same(lines.front().text, copywords::kHeading)) {
        problem(lines.front(), kNotSheet.str());
        return {std::nullopt, std::move(problems_)};
    }
    step_ = kRulesStep;
    for (std::size_t i = 1; i < lines.size() && !full(); ++i) readline(lines[i]);
    if (!full() && step_ < kEndStep) problem({0, {}}, expected(step_));
    if (problems_.empty()) findtaken();
    if (!problems_.empty()) return {std::nullopt, std::move(problems_)};
    for (RowRead& row : rows_) {
        if (row.table < 7) {
            sheet_.skills[row.table].push_back(
                {std::move(row.key), std::move(row.value), row.unitprice});
        } else {
            sheet_.features.push_back({std::move(row.key), std::move(row.value)});
        }
    }
    return {std::move(sheet_), {}};
}

// The caption a group of rule lines begins with: the menu bar's item of its first rule.
template <typename Group>
std::string_view rulehead(const Group& group) {
    if (group.empty() || group.front().second.empty()) return {};
    return group.front().second.front();
}

std::string Parser::expected(std::size_t step) const {
    std::string_view head;
    if (step == kRulesStep || step == kRulesStep + 1) {
        head = step == kRulesStep ? rulehead(words_.attrrules) : rulehead(words_.skillrules);
    } else if (step >= kFirstAttrStep && step < kFeaturesStep) {
        head = words_.attributes[step - kFirstAttrStep];
    } else if (step == kFeaturesStep) {
        return kExpected.str() + words_.features + kClose.str();
    } else {
        return kExpected.str() + std::string(copywords::kTotal) + "..." + kClose.str();
    }
    return kExpected.str() + std::string(head) + kEllipsis.str();
}

void Parser::readline(const Line& line) {
    if (line.text.size() >= 2 && samebyte(line.text[0], kEmDash) && samebyte(line.text[1], ' ')) {
        readrow(line);
        return;
    }
    if (step_ == kEndStep) {
        problem(line, kAfterTotal.str());
        return;
    }
    // A line that is not the next one may be one further on: the lines between are missing.
    if (step_ < kFirstAttrStep && readrule(line)) return;
    for (std::size_t step = std::max(step_, kFirstAttrStep); step < kFeaturesStep; ++step) {
        if (readattribute(line, step - kFirstAttrStep)) {
            if (step != step_) problem(line, expected(step_));
            step_ = step + 1;
            return;
        }
    }
    if (same(line.text, words_.features)) {
        if (step_ != kFeaturesStep) problem(line, expected(step_));
        step_ = kTotalStep;
        return;
    }
    if (readtotal(line)) {
        if (step_ != kTotalStep) problem(line, expected(step_));
        step_ = kEndStep;
        return;
    }
    problem(line, expected(step_));
}

std::string rulecaption(const std::vector<std::string>& path) {
    std::string caption;
    for (std::size_t i = 0; i < path.size(); ++i) {
        caption += path[i];
        if (i + 1 < path.size()) caption += i == 0 ? ": " : " / ";
    }
    return caption;
}

bool Parser::readrule(const Line& line) {
    for (const auto& [rule, path] : words_.attrrules) {
        if (!same(line.text, rulecaption(path))) continue;
        sheet_.prices.attr = rule;
        if (step_ != kRulesStep) problem(line, expected(step_));
        step_ = kRulesStep + 1;
        return true;
    }
    for (const auto& [rule, path] : words_.skillrules) {
        if (!same(line.text, rulecaption(path))) continue;
        sheet_.prices.skill = rule;
        if (step_ != kRulesStep + 1) problem(line, expected(step_));
        step_ = kFirstAttrStep;
        return true;
    }
    // A line under the rules' caption with a path the menu has not.
    for (const std::string_view head : {rulehead(words_.attrrules), rulehead(words_.skillrules)}) {
        std::string_view text = line.text;
        if (!head.empty() && cutprefix(text, head) && cutprefix(text, ": ")) {
            problem(line, kUnknownRule.str());
            return true;
        }
    }
    return false;
}

bool Parser::readattribute(const Line& line, std::size_t attribute) {
    std::string_view text = line.text;
    if (!cutprefix(text, words_.attributes[attribute]) || !cutprefix(text, ": ")) return false;
    const std::size_t dash = lastdash(text);
    std::string_view reading = text.substr(0, dash);
    const auto value =
        reading.empty() || dash == std::string_view::npos ? std::nullopt : parseint(reading);
    if (!value || *value < kAttrLowest || *value > kAttrHighest) {
        problem(line, kBadAttr.str());
    } else {
        sheet_.attributes[attribute] = *value;
    }
    return true;
}

bool Parser::readtotal(const Line& line) {
    std::string_view text = line.text;
    if (!cutprefix(text, copywords::kTotal)) return false;
    if (const auto value = number(line, text)) sheet_.total = *value;
    return true;
}

void Parser::readrow(const Line& line) {
    const std::string_view body = line.text.substr(2);
    std::optional<RowRead> row;
    if (step_ > kFirstAttrStep && step_ <= kFeaturesStep) {
        row = skillrow(line, body);
    } else if (step_ == kTotalStep) {
        row = featrow(line, body);
    } else {
        problem(line, kNoRowPlace.str());
        return;
    }
    if (!row) {
        problem(line, kBadRow.str());
        return;
    }
    if (row->key.find('=') != std::string::npos) {
        problem(line, kEquals.str());
        return;
    }
    row->line = line;
    rows_.push_back(std::move(*row));
}

// "Name (сложный): уровень 3 — 12 плюшек", from the right end.
std::optional<RowRead> Parser::skillrow(const Line& line, std::string_view body) {
    RowRead row;
    row.table = step_ - kFirstAttrStep - 1;
    const std::size_t dash = lastdash(body);
    if (dash == std::string_view::npos) return std::nullopt;
    std::string_view price = body.substr(dash + copywords::kDash.size);
    std::string_view left = body.substr(0, dash);
    const bool priced = cutplushki(price) && price.empty();
    const bool taken = priced || same(price, copywords::kNoPrice);
    row.nokey = same(price, copywords::kNotCounted);
    if (!taken && !row.nokey && !same(price, copywords::kNotTaken)) return std::nullopt;
    if (cutsuffix(left, copywords::kNotNumber)) {
        const std::size_t open = findfirst(left, kLevelOpen);
        if (open == std::string_view::npos) return std::nullopt;
        row.value = left.substr(open + kLevelOpen.size);
        left = left.substr(0, open);
    } else if (cutsuffix(left, copywords::kUnsetLevel)) {
        if (!cutsuffix(left, kLevelSep)) return std::nullopt;
    } else {
        const auto level = cutnumber(left);
        if (!level || !cutsuffix(left, kLevelSep)) return std::nullopt;
        const auto value = number(line, *level);
        if (!value) return std::nullopt;
        row.value = inttostr(*value);
    }
    if (row.nokey) {
        if (!same(left, copywords::kNoSkill)) return std::nullopt;
        return row;
    }
    if (taken) {
        row.unitprice = cutdifficulty(left);
        if (!row.unitprice) return std::nullopt;
    }
    row.key = left;
    return row;
}

// "Name: -5 плюшек", "Name: цена не задана", "Name: цена «x» не число".
std::optional<RowRead> Parser::featrow(const Line& line, std::string_view body) {
    RowRead row;
    row.table = 7;
    std::string_view left = body;
    if (const auto price = cutplushki(left)) {
        if (!cutsuffix(left, ": ")) return std::nullopt;
        const auto value = number(line, *price);
        if (!value) return std::nullopt;
        row.value = inttostr(*value);
    } else if (cutsuffix(left, copywords::kNotNumber)) {
        const std::size_t open = findfirst(left, kPriceOpen);
        if (open == std::string_view::npos) return std::nullopt;
        row.value = left.substr(open + kPriceOpen.size);
        left = left.substr(0, open);
    } else if (!cutsuffix(left, kPriceUnset)) {
        return std::nullopt;
    }
    row.key = left;
    row.nokey = same(left, copywords::kNoName);
    return row;
}

void Parser::findtaken() {
    const NameIndex skills(catalogue_.skilllist);
    const NameIndex feats(catalogue_.featlist);
    for (RowRead& row : rows_) {
        if (full()) return;
        if (row.table < 7) {
            if (row.unitprice) findskill(row, skills);
        } else {
            findfeat(row, feats);
        }
    }
}

std::string spectext(const std::string& name, const std::string& spec) {
    return name + " (" + spec + ")";
}

void Parser::findskill(RowRead& row, const NameIndex<TSkillRec>& index) {
    const auto known = takenkeys_.find(folded(row.key));
    if (known != takenkeys_.end()) {
        const TTakenSkill& taken = sheet_.takenskills[known->second.entry];
        row.key = known->second.form == 0 ? taken.name : spectext(taken.name, taken.spec);
        return;
    }
    const auto attr = static_cast<std::uint8_t>(row.table + 1);
    const auto& skills = catalogue_.skilllist;
    const auto found = findkey(
        index, row.key, [attr](const TSkillRec& skill) { return skill.attr == attr; },
        [](const TSkillRec& skill) { return skill.branched == 1; },
        [&](std::size_t entry) { return skills[entry].price == row.unitprice; });
    if (!found) {
        problem(row.line, kNoSkill.str() + row.key + kOfAttr.str() + words_.attributes[row.table]);
        return;
    }
    takeskill(row, *found, skills[found->entry]);
}

void Parser::takeskill(RowRead& row, const Found& found, const TSkillRec& skill) {
    TTakenSkill taken{parseint(row.value).value_or(0), skill.price, std::string(skill.name), {}};
    if (found.namesize < row.key.size())
        taken.spec = row.key.substr(found.namesize + 2, row.key.size() - found.namesize - 3);
    row.key = taken.spec.empty() && found.namesize == row.key.size()
                  ? taken.name
                  : spectext(taken.name, taken.spec);
    const std::size_t entry = sheet_.takenskills.size();
    takenkeys_.try_emplace(folded(taken.name), Form{entry, 0});
    takenkeys_.try_emplace(folded(spectext(taken.name, taken.spec)), Form{entry, 1});
    sheet_.takenskills.push_back(std::move(taken));
}

void Parser::findfeat(RowRead& row, const NameIndex<TFeatRec>& index) {
    if (row.key.empty()) return;
    const auto& feats = catalogue_.featlist;
    const auto found = findkey(
        index, row.key, [](const TFeatRec&) { return true; },
        [](const TFeatRec& feat) { return feat.branched != 0; }, [](std::size_t) { return true; });
    if (!found) {
        if (row.nokey) {
            row.key.clear();
        } else {
            problem(row.line, kNoFeat.str() + row.key + kClose.str());
        }
        return;
    }
    TTakenFeat taken{std::string(feats[found->entry].name), {}, parseint(row.value).value_or(0)};
    if (found->namesize < row.key.size())
        taken.spec = row.key.substr(found->namesize + 2, row.key.size() - found->namesize - 3);
    row.key = displaytext(taken);
    sheet_.takenfeats.push_back(std::move(taken));
}

}  // namespace

SheetParse parsesheet(std::string_view text, const Catalogue& catalogue, const SheetWords& words) {
    return Parser(catalogue, words).run(text);
}
