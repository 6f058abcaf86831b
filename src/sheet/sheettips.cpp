#include "sheettips.h"

#include "catalogue/intsyntax.h"
#include "costs.h"
#include "sheettext.h"
#include "sheetwords.h"

namespace {

std::string_view rulename(SkillRule rule) {
    if (rule == SkillRule::Constant) return words::kConstantPrice;
    return words::kProgressivePrice;
}

std::string_view rulename(AttrRule rule) {
    switch (rule) {
        case AttrRule::Start1Constant:
            return words::kAllOneConstant;
        case AttrRule::Start1Progressive:
            return words::kAllOneProgressive;
        case AttrRule::Start2Fixed:
            return words::kAllTwoFixed;
        case AttrRule::Start2Progressive:
            return words::kAllTwoProgressive;
    }
    return {};
}

// "<what><reading>" where the value has no price: "уровень не задан", "цена «x» не число".
std::string unpriced(const Cost& cost, std::string_view what, std::string_view unset) {
    return std::string(what) + reading(cost, unset);
}

// "<what><value>, <rule> — <points>": how a priced value was priced.
std::string priced(const Cost& cost, std::string_view what, std::string_view rule) {
    return std::string(what)
        .append(inttostr(*cost.value))
        .append(", ")
        .append(rule)
        .append(copywords::kDash)
        .append(plushki(*cost.points));
}

std::string nopricetail() { return std::string(", ").append(copywords::kNoPrice); }

}  // namespace

std::string skillrowtip(const TakenIndex& index, std::string_view line, SkillRule rule) {
    const SkillRowCost cost = skillrowcost(index, line, rule);
    switch (cost.why) {
        case Why::Blank:
            return {};
        case Why::NoKey:
            return std::string(words::kRowWithoutSkill).append(", ").append(copywords::kNotCounted);
        case Why::NotTaken:
            return std::string(cost.key)
                .append(": ")
                .append(copywords::kNotTaken)
                .append(", ")
                .append(copywords::kNotCounted);
        default:
            break;
    }
    const std::string head =
        std::string(cost.key).append(" (").append(difficulty(cost.unitprice)).append("): ");
    if (!cost.points)
        return head + unpriced(cost, copywords::kLevel, copywords::kUnsetLevel) + nopricetail();
    return head + priced(cost, copywords::kLevel, rulename(rule));
}

std::string featrowtip(std::string_view line) {
    const Cost cost = featrowcost(line);
    if (cost.why == Why::Blank) return {};
    const std::string head =
        (cost.key.empty() ? std::string(copywords::kNoName) : std::string(cost.key)) + ": ";
    if (!cost.points) return head + unpriced(cost, copywords::kPrice, copywords::kUnsetPrice);
    return head + plushki(*cost.points);
}

std::string attrtip(std::string_view attribute, std::string_view text, AttrRule rule) {
    const std::string head = std::string(attribute) + ": ";
    const Cost cost = attrcost(text, rule);
    if (!cost.points)
        return head + unpriced(cost, words::kValue, copywords::kUnsetAttr) + nopricetail();
    return head + priced(cost, words::kValue, rulename(rule));
}

std::string sumstip(const AppState& state) {
    return std::string(words::kAttributeSum)
        .append(inttostr(state.attrpoints))
        .append(words::kSkillSum)
        .append(inttostr(state.skillpoints))
        .append(words::kFeatureSum)
        .append(inttostr(state.featpoints));
}
