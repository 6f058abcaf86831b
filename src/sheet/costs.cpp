#include "costs.h"

#include <tuple>

#include "catalogue/intsyntax.h"
#include "kvline.h"

namespace {

// A value's text read: its points by `price`, or why it has none.
template <typename Cost, typename Price>
Cost read(Cost cost, Price price) {
    cost.value = parseint(cost.text);
    if (cost.text.empty()) {
        cost.why = Why::Unset;
    } else if (!cost.value) {
        cost.why = Why::NotInteger;
    } else {
        cost.why = Why::Priced;
        cost.points = price(*cost.value);
    }
    return cost;
}

}  // namespace

Cost attrcost(std::string_view text, AttrRule rule) {
    Cost cost;
    cost.text = text;
    return read(cost, [rule](std::int32_t value) { return attrprice(rule, value); });
}

SkillRowCost skillrowcost(const TakenIndex& index, std::string_view line, SkillRule rule) {
    SkillRowCost cost;
    std::tie(cost.key, cost.text) = splitline(line);
    if (!cost.key.empty()) cost.taken = index.find(cost.key);
    if (cost.taken) {
        cost.unitprice = index.at(*cost.taken).price;
        return read(cost, [rule, unit = cost.unitprice](std::int32_t level) {
            return skillprice(rule, level, unit);
        });
    }
    if (cost.key.empty()) {
        cost.why = cost.text.empty() ? Why::Blank : Why::NoKey;
    } else {
        cost.why = Why::NotTaken;
    }
    cost.value = parseint(cost.text);
    return cost;
}

Cost featrowcost(std::string_view line) {
    Cost cost;
    std::tie(cost.key, cost.text) = splitline(line);
    if (cost.key.empty() && cost.text.empty()) {
        cost.why = Why::Blank;
        return cost;
    }
    return read(cost, [](std::int32_t price) { return price; });
}
