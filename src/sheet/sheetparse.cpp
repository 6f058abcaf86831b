// Reading a copied sheet back: the text is brought into the copy's form first, then its lines
// are matched against the copy's own words, each row from its right end, where only fixed
// words and numbers stand, so that a name may hold anything the copy's separators are made of.
#include <algorithm>
#include <array>

#include "catalogue/intsyntax.h"
#include "copyreading.h"
#include "copywords.h"
#include "pastesentences.h"
#include "sheetrows.h"
#include "sheettext.h"

namespace {

using namespace copyreading;

constexpr auto kNoText = w1251("В буфере обмена нет текста");
constexpr auto kNoHeading = w1251("В тексте нет строки «");
constexpr auto kNoHeadingEnd = w1251("», с которой начинается скопированный лист");
constexpr auto kInHeading = w1251("в первой строке листа ");
constexpr auto kExpected = w1251("ожидалась строка «");
constexpr auto kInThisOne = w1251("», а в этой ");
constexpr auto kMissing = w1251("перед этой строкой нет строки «");
constexpr auto kCutShort = w1251("Лист обрывается: нет строки «");
constexpr auto kMore = w1251(": ...");
constexpr auto kClose = w1251("»");
constexpr auto kNoRule = w1251("в меню «");
constexpr auto kNoRuleItem = w1251("» нет правил «");
constexpr auto kOfAttr = w1251("у атрибута «");
constexpr auto kNoAttrValue = w1251("» нет значения: ожидалось число от 1 до 5");
constexpr auto kAttrValue = w1251("» значение ");
constexpr auto kAttrRange = w1251(", а бывает от 1 до 5");
constexpr auto kAttrNotNumber = w1251("» не число от 1 до 5");
constexpr auto kAttrNoPrice = w1251("» после значения нет « — » и цены");
constexpr auto kNoTotal = w1251("в строке итога нет числа");
constexpr auto kTotalNotNumber = w1251("» в строке итога не число");
// A line that begins as the expected one does for this many bytes is compared with it.
constexpr std::size_t kSameToCompare = 3;
constexpr auto kRowAbove = w1251("строка навыка или особенности стоит выше строки «");

// The copy's words for this window: blanks folded as the copy's form has them.
struct Words {
    explicit Words(const SheetWords& words) : source(words) {
        for (std::size_t i = 0; i < attributes.size(); ++i)
            attributes[i] = foldblanks(words.attributes[i]) + ":";
        for (const auto& [rule, path] : words.attrrules) {
            if (!path.empty()) attrrules.emplace_back(rule, foldblanks(linetext(ruleline(path))));
        }
        for (const auto& [rule, path] : words.skillrules) {
            if (!path.empty()) skillrules.emplace_back(rule, foldblanks(linetext(ruleline(path))));
        }
        heads = {rulehead(words.attrrules), rulehead(words.skillrules)};
    }

    // The caption a group of rule lines begins with: the menu bar's item of its first rule.
    template <typename Group>
    static std::string rulehead(const Group& group) {
        if (group.empty() || group.front().second.empty()) return {};
        return foldblanks(group.front().second.front());
    }

    const SheetWords& source;
    std::array<std::string, 7> attributes;
    std::string features = foldblanks(source.features);
    std::vector<std::pair<AttrRule, std::string>> attrrules;
    std::vector<std::pair<SkillRule, std::string>> skillrules;
    std::array<std::string, 2> heads;
    std::string total = foldblanks(copywords::kTotal);
};

// What comes next: 0 heading, 1 and 2 the rules, 3..9 the attributes, 10 features,
// 11 total, 12 nothing more.
constexpr std::size_t kRulesStep = 1;
constexpr std::size_t kFirstAttrStep = 3;
constexpr std::size_t kFeaturesStep = 10;
constexpr std::size_t kTotalStep = 11;
constexpr std::size_t kEndStep = 12;

class Parser {
public:
    Parser(const Catalogue& catalogue, const SheetWords& words)
        : words_(words), rows_(catalogue, problems_) {}

    SheetParse run(std::string_view text);

private:
    void problem(const Line& line, std::string what) { problems_.add(line, std::move(what)); }

    std::optional<std::size_t> findheading(const std::vector<Line>& lines);
    void readline(const Line& line);
    bool readrule(const Line& line);
    bool readattribute(const Line& line, std::size_t attribute);
    bool readtotal(const Line& line);
    // The line stands for step `step`; a step left out or gone back to is a problem.
    void reached(const Line& line, std::size_t step, std::size_t next);
    std::string expectedline(std::size_t step) const;
    std::string expectedstart(std::size_t step) const;

    Words words_;
    Problems problems_;
    RowReader rows_;
    SheetDescription sheet_;
    std::size_t step_ = 0;
    // The step a line was last found not to be; the end says nothing more about it.
    std::size_t missed_ = 0;
};

SheetParse Parser::run(std::string_view text) {
    const CopyForm form = copyform(text);
    if (form.lines.empty()) return {std::nullopt, {{0, {}, kNoText.str()}}, {}};
    const auto heading = findheading(form.lines);
    if (!heading) return {std::nullopt, problems_.take(), {}};
    step_ = kRulesStep;
    std::size_t end = *heading + 1;
    for (; end < form.lines.size() && step_ < kEndStep && !problems_.full(); ++end)
        readline(form.lines[end]);
    if (!problems_.full() && step_ < kEndStep && missed_ != step_)
        problems_.add({}, kCutShort.str() + expectedline(step_) + kClose.str());
    if (problems_.empty()) rows_.findtaken(sheet_, words_.source);
    if (!problems_.empty()) return {std::nullopt, problems_.take(), {}};
    rows_.place(sheet_);
    SheetParse parse{std::move(sheet_), {}, {}};
    if (*heading > 0)
        parse.notes.push_back(leftoutsentence(*heading, form.lines.front().original, true));
    if (end < form.lines.size())
        parse.notes.push_back(
            leftoutsentence(form.lines.size() - end, form.lines[end].original, false));
    return parse;
}

// The sheet's first line; failing it, a problem at the line that comes nearest to it.
std::optional<std::size_t> Parser::findheading(const std::vector<Line>& lines) {
    const std::string_view heading = copywords::kHeading;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (same(lines[i].text, heading)) return i;
    }
    // Nearest: a line that begins with the heading's first word, or names the rules system.
    const std::string_view start = heading.substr(0, heading.find(' ') + 1);
    std::string_view name = heading.substr(heading.find(copywords::kOpen) + copywords::kOpen.size);
    name.remove_suffix(kClose.size);
    for (const Line& line : lines) {
        if (line.text.starts_with(start) || line.text.find(name) != std::string_view::npos) {
            problem(line, kInHeading.str() + differencetext(line.text, heading));
            return std::nullopt;
        }
    }
    problems_.add({}, kNoHeading.str() + std::string(heading) + kNoHeadingEnd.str());
    return std::nullopt;
}

std::string Parser::expectedstart(std::size_t step) const {
    if (step == kRulesStep || step == kRulesStep + 1)
        return words_.heads[step - kRulesStep] + copywords::kColon.str();
    if (step >= kFirstAttrStep && step < kFeaturesStep)
        return words_.attributes[step - kFirstAttrStep] + " ";
    if (step == kFeaturesStep) return words_.features;
    return std::string(copywords::kTotal);
}

std::string Parser::expectedline(std::size_t step) const {
    if (step == kFeaturesStep) return words_.features;
    std::string line = expectedstart(step);
    line.resize(line.size() - copywords::kColon.size);
    return line + kMore.str();
}

void Parser::reached(const Line& line, std::size_t step, std::size_t next) {
    if (step > step_ && missed_ != step_)
        problem(line, kMissing.str() + expectedline(step_) + kClose.str());
    if (step < step_) {
        missed_ = step_;
        problem(line, kExpected.str() + expectedline(step_) + kClose.str());
    }
    step_ = next;
}

void Parser::readline(const Line& line) {
    if (line.text.starts_with(copywords::kRowMark)) {
        if (step_ > kFirstAttrStep && step_ <= kFeaturesStep) {
            rows_.readskill(line, step_ - kFirstAttrStep - 1);
        } else if (step_ == kTotalStep) {
            rows_.readfeature(line);
        } else {
            problem(line, kRowAbove.str() + expectedline(kFirstAttrStep) + kClose.str());
        }
        return;
    }
    // A line that is not the next one may be one further on: the lines between are missing.
    if (step_ < kFirstAttrStep && readrule(line)) return;
    for (std::size_t step = std::max(step_, kFirstAttrStep); step < kFeaturesStep; ++step) {
        if (readattribute(line, step - kFirstAttrStep)) {
            reached(line, step, step + 1);
            return;
        }
    }
    if (same(line.text, words_.features)) {
        reached(line, kFeaturesStep, kTotalStep);
        return;
    }
    if (readtotal(line)) {
        reached(line, kTotalStep, kEndStep);
        return;
    }
    // None of the lines that may come here: say where it parts from the one expected.
    missed_ = step_;
    std::string what = kExpected.str() + expectedline(step_);
    const std::string start = expectedstart(step_);
    if (sameprefix(line.text, start) >= kSameToCompare) {
        what += kInThisOne.str() + differencetext(line.text, start);
    } else {
        what += kClose.str();
    }
    problem(line, std::move(what));
}

bool Parser::readrule(const Line& line) {
    for (const auto& [rule, caption] : words_.attrrules) {
        if (!same(line.text, caption)) continue;
        sheet_.prices.attr = rule;
        reached(line, kRulesStep, kRulesStep + 1);
        return true;
    }
    for (const auto& [rule, caption] : words_.skillrules) {
        if (!same(line.text, caption)) continue;
        sheet_.prices.skill = rule;
        reached(line, kRulesStep + 1, kFirstAttrStep);
        return true;
    }
    // A line under a rule group's caption with a path the menu has not: it stands for the
    // group's line all the same, so that the lines after it are read as they come.
    for (std::size_t group = 0; group < words_.heads.size(); ++group) {
        const std::string& head = words_.heads[group];
        std::string_view text = line.text;
        if (!head.empty() && cutprefix(text, head) && cutprefix(text, copywords::kColon)) {
            problem(line,
                    kNoRule.str() + head + kNoRuleItem.str() + quotedtext(text) + kClose.str());
            step_ = std::max(step_, kRulesStep + group + 1);
            return true;
        }
    }
    return false;
}

bool Parser::readattribute(const Line& line, std::size_t attribute) {
    std::string_view text = line.text;
    if (!cutprefix(text, words_.attributes[attribute])) return false;
    const std::string of = kOfAttr.str() + words_.source.attributes[attribute];
    const std::size_t dash = lastdash(text);
    std::string_view reading = text.substr(0, std::min(dash, text.size()));
    cutprefix(reading, " ");
    if (reading.empty() || same(reading, copywords::kUnsetAttr)) {
        problem(line, of + kNoAttrValue.str());
        return true;
    }
    if (dash == std::string_view::npos) {
        problem(line, of + kAttrNoPrice.str());
        return true;
    }
    const auto value = parseint(reading);
    if (value && *value >= kAttrLowest && *value <= kAttrHighest) {
        sheet_.attributes[attribute] = *value;
    } else if (value) {
        problem(line, of + kAttrValue.str() + inttostr(*value) + kAttrRange.str());
    } else {
        std::string_view inner = reading;
        if (!cutprefix(inner, copywords::kOpen) || !cutsuffix(inner, copywords::kNotNumber))
            inner = reading;
        problem(line, of + kAttrValue.str() + copywords::kOpen.str() + quotedtext(inner) +
                          kAttrNotNumber.str());
    }
    return true;
}

bool Parser::readtotal(const Line& line) {
    std::string_view text = line.text;
    if (!cutprefix(text, words_.total)) return false;
    cutprefix(text, " ");
    if (text.empty()) {
        problem(line, kNoTotal.str());
    } else if (const auto value = parseint(text)) {
        sheet_.total = *value;
    } else if (isdecimal(text)) {
        problem(line, outofrange(text));
    } else {
        problem(line, copywords::kOpen.str() + quotedtext(text) + kTotalNotNumber.str());
    }
    return true;
}

}  // namespace

SheetParse parsesheet(std::string_view text, const Catalogue& catalogue, const SheetWords& words) {
    return Parser(catalogue, words).run(text);
}
