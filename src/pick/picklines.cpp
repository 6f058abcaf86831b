#include "picklines.h"

#include <algorithm>
#include <string_view>

#include "catalogue/intsyntax.h"
#include "sheet/w1251.h"

namespace {

constexpr auto kBranched = w1251(" (разветвленная)");

}  // namespace

std::string skillline(const TSkillRec& skill) {
    std::string text(skill.name);
    if (skill.branched + skill.special + skill.price > 1) text += " (";
    if (skill.price == 2) {
        text += w1251("сложный ");
    } else if (skill.price == 4) {
        text += w1251("очень сложный ");
    }
    if (skill.special == 1) text += w1251("специальный ");
    if (skill.branched == 1) text += w1251("разветвленный ");
    // Any "(", the name's own included, gets its closing one in place of the last character.
    if (text.find('(') != std::string::npos) text.back() = ')';
    return text;
}

std::string featline(const TFeatRec& feat) {
    // The costs are written first and the line is made at its size: one allocation, and no
    // call that may throw while a string is being built (under emscripten's exceptions each
    // such call goes out to JavaScript and back).
    char costs[2 + 3 * (kIntTextSize + 1)];
    char* end = costs;
    *end++ = ' ';
    *end++ = '(';
    for (std::size_t i = 0; i < feat.cost.size(); ++i) {
        end = inttochars(feat.cost[i], end);
        *end++ = i + 1 < feat.cost.size() ? '/' : ')';
    }
    const std::string_view mark = feat.branched != 0 ? std::string_view(kBranched) : "";
    std::string text(feat.name.size() + static_cast<std::size_t>(end - costs) + mark.size(), ' ');
    char* out = std::copy(feat.name.begin(), feat.name.end(), text.data());
    out = std::copy(costs, end, out);
    std::copy(mark.begin(), mark.end(), out);
    return text;
}
