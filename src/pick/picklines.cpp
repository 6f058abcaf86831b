#include "picklines.h"

#include "catalogue/intsyntax.h"
#include "sheet/w1251.h"

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
    std::string text(feat.name);
    text.append(" (")
        .append(inttostr(feat.cost[0]))
        .append("/")
        .append(inttostr(feat.cost[1]))
        .append("/")
        .append(inttostr(feat.cost[2]))
        .append(")");
    if (feat.branched != 0) text += w1251(" (разветвленная)");
    return text;
}
