#include "explain.h"

#include "sheet/copywords.h"
#include "sheet/costs.h"
#include "sheet/sheettext.h"
#include "ui/encoding.h"

namespace {

QString u(const char* utf8) { return QString::fromUtf8(utf8); }

QString rulename(SkillRule rule) {
    return rule == SkillRule::Constant ? u("постоянная цена") : u("прогрессирующая цена");
}

QString rulename(AttrRule rule) {
    switch (rule) {
        case AttrRule::Start1Constant:
            return u("все по 1, постоянная цена");
        case AttrRule::Start1Progressive:
            return u("все по 1, прогрессирующая цена");
        case AttrRule::Start2Fixed:
            return u("все по 2, фиксированные цены");
        case AttrRule::Start2Progressive:
            return u("все по 2, прогрессирующая цена");
    }
    return {};
}

// "<what> <unset>" for an empty value and "<what> «<value>» не число" for any other text that
// is not an integer, then `tail`.
QString unpriced(const Cost& cost, const char* what, std::string_view unset, const char* tail) {
    return u(what) + ' ' + fromcp1251(reading(cost, unset)) + u(tail);
}

// "<level>, <rule> — <points>": how a priced value was priced.
QString priced(const Cost& cost, const QString& rule) {
    return u("%1, %2 — %3")
        .arg(QString::number(*cost.value), rule, fromcp1251(plushki(*cost.points)));
}

}  // namespace

QString skillrowtip(const TakenIndex& index, std::string_view line, SkillRule rule) {
    const SkillRowCost cost = skillrowcost(index, line, rule);
    switch (cost.why) {
        case Why::Blank:
            return {};
        case Why::NoKey:
            return u("Строка без навыка, в сумму не входит");
        case Why::NotTaken:
            return fromcp1251(cost.key) + u(": нет среди взятых навыков, в сумму не входит");
        default:
            break;
    }
    const QString head =
        fromcp1251(cost.key) + u(" (") + fromcp1251(difficulty(cost.unitprice)) + u("): ");
    if (!cost.points) return head + unpriced(cost, "уровень", copywords::kUnsetLevel, ", цены нет");
    return head + u("уровень ") + priced(cost, rulename(rule));
}

QString featrowtip(std::string_view line) {
    const Cost cost = featrowcost(line);
    if (cost.why == Why::Blank) return {};
    const QString head = (cost.key.empty() ? u("Без названия") : fromcp1251(cost.key)) + u(": ");
    if (!cost.points) return head + unpriced(cost, "цена", copywords::kUnsetPrice, "");
    return head + fromcp1251(plushki(*cost.points));
}

QString attrtip(const QString& attribute, std::string_view text, AttrRule rule) {
    const QString head = attribute + u(": ");
    const Cost cost = attrcost(text, rule);
    if (!cost.points) return head + unpriced(cost, "значение", copywords::kUnsetAttr, ", цены нет");
    return head + u("значение ") + priced(cost, rulename(rule));
}

QString sumstip(const AppState& state) {
    return u("Атрибуты: %1, навыки: %2, особенности: %3")
        .arg(QString::number(state.attrpoints), QString::number(state.skillpoints),
             QString::number(state.featpoints));
}
