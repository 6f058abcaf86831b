#include "explain.h"

#include "catalogue/intsyntax.h"
#include "sheet/kvline.h"
#include "sheet/sheet.h"
#include "ui/encoding.h"

namespace {

QString u(const char* utf8) { return QString::fromUtf8(utf8); }

QString difficulty(std::int32_t unitprice) {
    switch (unitprice) {
        case 1:
            return u("обычный");
        case 2:
            return u("сложный");
        case 4:
            return u("очень сложный");
        default:
            return u("цена единицы %1").arg(unitprice);
    }
}

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
// is not an integer, then `tail`; empty for an integer, which has a price.
QString unpriced(std::string_view value, const char* what, const char* unset, const char* tail) {
    if (value.empty()) return u(what) + ' ' + u(unset) + u(tail);
    if (isinteger(value)) return {};
    return u(what) + u(" «") + fromcp1251(value) + u("» не число") + u(tail);
}

// "<level>, <rule> — <points>": how a priced value was priced.
QString priced(std::int32_t value, const QString& rule, std::int32_t points) {
    return u("%1, %2 — %3").arg(QString::number(value), rule, plushki(points));
}

}  // namespace

QString plushki(std::int64_t points) {
    const std::int64_t n = points < 0 ? -points : points;
    const char* word = "плюшек";
    if (n % 10 == 1 && n % 100 != 11) {
        word = "плюшка";
    } else if (n % 10 >= 2 && n % 10 <= 4 && (n % 100 < 12 || n % 100 > 14)) {
        word = "плюшки";
    }
    return QString::number(points) + ' ' + u(word);
}

QString skillrowtip(const TakenIndex& index, std::string_view line, SkillRule rule) {
    const auto [key, value] = splitline(line);
    if (key.empty()) return value.empty() ? QString() : u("Строка без навыка, в сумму не входит");
    const auto found = index.find(key);
    if (!found) return fromcp1251(key) + u(": нет среди взятых навыков, в сумму не входит");
    const QString head = fromcp1251(key) + u(" (") + difficulty(index.at(*found).price) + u("): ");
    const QString none = unpriced(value, "уровень", "не задан", ", цены нет");
    if (!none.isEmpty()) return head + none;
    // The level is an integer by now, so the row has its price.
    const SkillRowPrice row = *skillrowprice(index, line, rule);
    return head + u("уровень ") + priced(row.level, rulename(rule), row.points);
}

QString featrowtip(std::string_view line) {
    const auto [key, value] = splitline(line);
    if (key.empty() && value.empty()) return {};
    const QString head = (key.empty() ? u("Без названия") : fromcp1251(key)) + u(": ");
    const QString none = unpriced(value, "цена", "не задана", "");
    if (!none.isEmpty()) return head + none;
    return head + plushki(strtoint(value));
}

QString attrtip(const QString& attribute, std::string_view text, AttrRule rule) {
    const QString head = attribute + u(": ");
    const auto value = parseint(text);
    if (!value) return head + unpriced(text, "значение", "не задано", ", цены нет");
    return head + u("значение ") + priced(*value, rulename(rule), attrprice(rule, *value));
}

QString sumstip(const AppState& state) {
    return u("Атрибуты: %1, навыки: %2, особенности: %3")
        .arg(QString::number(state.attrpoints), QString::number(state.skillpoints),
             QString::number(state.featpoints));
}
