#include "sheettext.h"

#include "catalogue/apperror.h"
#include "catalogue/intsyntax.h"
#include "copywords.h"
#include "sheet.h"
#include "sheetblocks.h"
#include "sheetmenu.h"

std::string plushki(std::int64_t points) {
    const std::int64_t n = points < 0 ? -points : points;
    std::string_view word = copywords::kPlushek;
    if (n % 10 == 1 && n % 100 != 11) {
        word = copywords::kPlushka;
    } else if (n % 10 >= 2 && n % 10 <= 4 && (n % 100 < 12 || n % 100 > 14)) {
        word = copywords::kPlushki;
    }
    return std::to_string(points).append(" ").append(word);
}

std::string difficulty(std::int32_t unitprice) {
    switch (unitprice) {
        case 1:
            return copywords::kOrdinary.str();
        case 2:
            return copywords::kHard.str();
        case 4:
            return copywords::kVeryHard.str();
        default:
            return copywords::kUnitPrice.str() + inttostr(unitprice);
    }
}

std::string reading(const Cost& cost, std::string_view unset) {
    if (cost.value) return inttostr(*cost.value);
    if (cost.text.empty()) return std::string(unset);
    return std::string(copywords::kOpen).append(cost.text).append(copywords::kNotNumber);
}

namespace {

std::string pricetext(const Cost& cost, std::string_view none) {
    return cost.points ? plushki(*cost.points) : std::string(none);
}

SheetLine attributeline(const std::string& caption, const std::string& text, AttrRule rule) {
    const Cost cost = attrcost(text, rule);
    return {SheetLineKind::Attribute, caption, reading(cost, copywords::kUnsetAttr),
            pricetext(cost, copywords::kNoPrice)};
}

SheetLine skillline(const SkillRowCost& cost) {
    std::string name(cost.key);
    if (cost.why == Why::NoKey) name = copywords::kNoSkill.str();
    if (cost.taken) name.append(" (").append(difficulty(cost.unitprice)).append(")");
    std::string_view none = copywords::kNoPrice;
    if (cost.why == Why::NotTaken) none = copywords::kNotTaken;
    if (cost.why == Why::NoKey) none = copywords::kNotCounted;
    return {SheetLineKind::Row, name,
            copywords::kLevel.str() + reading(cost, copywords::kUnsetLevel), pricetext(cost, none)};
}

SheetLine featureline(const Cost& cost) {
    const std::string name = cost.key.empty() ? copywords::kNoName.str() : std::string(cost.key);
    const std::string price = cost.points
                                  ? plushki(*cost.points)
                                  : copywords::kPrice.str() + reading(cost, copywords::kUnsetPrice);
    return {SheetLineKind::Row, name, {}, price};
}

std::string rulevalue(const std::vector<std::string>& path) {
    std::string value;
    for (std::size_t i = 1; i < path.size(); ++i) {
        if (i > 1) value += copywords::kPathStep;
        value += path[i];
    }
    return value;
}

}  // namespace

SheetLine ruleline(const std::vector<std::string>& path) {
    return {SheetLineKind::Rule, path.front(), rulevalue(path), {}};
}

std::string linetext(const SheetLine& line) {
    std::string text;
    if (line.kind == SheetLineKind::Row) text += copywords::kRowMark;
    text += line.name;
    std::string said = line.value;
    if (!said.empty() && !line.price.empty()) said += copywords::kDash;
    said += line.price;
    if (!said.empty()) text.append(copywords::kColon).append(said);
    return text;
}

std::vector<SheetLine> sheetlines(const SheetModel& sheet, const TakenIndex& index,
                                  const std::string& total) {
    std::vector<SheetLine> lines{{SheetLineKind::Heading, copywords::kHeading.str(), {}, {}}};
    for (const std::vector<std::string>& path :
         {rulepath(sheet.prices.attr), rulepath(sheet.prices.skill)}) {
        lines.push_back(ruleline(path));
    }
    for (std::size_t i = 0; i < kAttributes; ++i) {
        lines.push_back(attributeline(std::string(kSheetBlocks[i].caption), sheet.attrtexts[i],
                                      sheet.prices.attr));
        for (const std::string& line : sheet.tables[i]) {
            const SkillRowCost cost = skillrowcost(index, line, sheet.prices.skill);
            if (cost.why != Why::Blank) lines.push_back(skillline(cost));
        }
    }
    lines.push_back(
        {SheetLineKind::Section, std::string(kSheetBlocks[kFeatureTable].caption), {}, {}});
    for (const std::string& line : sheet.tables[kFeatureTable]) {
        const Cost cost = featrowcost(line);
        if (cost.why != Why::Blank) lines.push_back(featureline(cost));
    }
    lines.push_back({SheetLineKind::Total, total, {}, {}});
    return lines;
}

std::string sheettext(const std::vector<SheetLine>& lines) {
    std::string text;
    SheetLineKind previous = SheetLineKind::Heading;
    for (const SheetLine& line : lines) {
        if (line.kind == SheetLineKind::Total ||
            (line.kind == SheetLineKind::Attribute && previous == SheetLineKind::Rule))
            text += '\n';
        previous = line.kind;
        text.append(linetext(line)).append("\n");
    }
    return text;
}

SheetSnapshot snapshot(const SheetDescription& sheet) {
    SheetSnapshot shot;
    shot.prices = sheet.prices;
    for (std::size_t i = 0; i < sheet.attributes.size(); ++i) {
        shot.attrtexts[i] = inttostr(sheet.attributes[i]);
        for (const SkillRow& row : sheet.skills[i])
            shot.tables[i].push_back(joinline(row.key, row.level));
    }
    for (const FeatRow& row : sheet.features)
        shot.tables[7].push_back(joinline(row.key, row.price));
    shot.takenskills = sheet.takenskills;
    shot.takenfeats = sheet.takenfeats;
    return shot;
}
