#include "oracle.h"

#include <algorithm>
#include <array>
#include <limits>

#include "catalogue/records.h"
#include "ui/encoding.h"

namespace oracle {
namespace {

// Attribute prices of the values 1 to 5, one row per rule in the order of AttrRule.
constexpr std::array<std::array<std::int32_t, 5>, 4> kAttrPrices{{
    {0, 5, 10, 15, 20},
    {0, 10, 25, 45, 70},
    {-5, 0, 10, 25, 50},
    {-10, 0, 15, 35, 60},
}};
// The fixed table's entry for 0; values beyond 0..5 take the nearest entry.
constexpr std::int32_t kFixedAtZero = 0;
// n + (n-1) + ... + 1 for the skill levels 0 to 5.
constexpr std::array<std::int64_t, 6> kProgsum{0, 1, 3, 6, 10, 15};
// Beyond this every price sticks at the 32-bit maximum, and 64 bits cannot overflow below it.
constexpr std::int64_t kHuge = std::int64_t{1} << 32;

std::int32_t clamp32(std::int64_t value) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

// 0 for negative n: a negative level or value costs nothing progressive.
std::int64_t progsum(std::int32_t n) {
    if (n < 0) return 0;
    if (n < static_cast<std::int32_t>(kProgsum.size())) return kProgsum[n];
    return std::min(kHuge, std::int64_t{n} * (std::int64_t{n} + 1) / 2);
}

bool ascii(QChar c) { return c.unicode() < 0x80; }

std::optional<std::int32_t> hexnumber(QStringView digits) {
    if (digits.isEmpty()) return std::nullopt;
    std::uint32_t value = 0;
    int significant = 0;
    for (const QChar c : digits) {
        const auto digit = ascii(c) ? QStringLiteral("0123456789abcdef").indexOf(c.toLower()) : -1;
        if (digit < 0) return std::nullopt;
        if (value != 0 || digit != 0) ++significant;
        if (significant > 8) return std::nullopt;
        value = value << 4 | static_cast<std::uint32_t>(digit);
    }
    return static_cast<std::int32_t>(value);
}

std::optional<std::int32_t> decimalnumber(QStringView text) {
    const bool negative = text.startsWith(u'-');
    if (negative || text.startsWith(u'+')) text = text.mid(1);
    if (text.isEmpty()) return std::nullopt;
    std::int64_t value = 0;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9') return std::nullopt;
        value = std::min(kHuge, value * 10 + (c.unicode() - u'0'));
    }
    value = negative ? -value : value;
    if (value != clamp32(value)) return std::nullopt;
    return static_cast<std::int32_t>(value);
}

}  // namespace

std::optional<std::int32_t> integer(const QString& text) {
    QStringView rest(text);
    while (rest.startsWith(u' ')) rest = rest.mid(1);
    if (rest.startsWith(u"0x") || rest.startsWith(u"0X")) return hexnumber(rest.mid(2));
    if (rest.startsWith(u'$') || rest.startsWith(u'x') || rest.startsWith(u'X')) {
        return hexnumber(rest.mid(1));
    }
    return decimalnumber(rest);
}

AttrRule attrrule(const QSet<QString>& marks) {
    if (marks.contains("N11")) return AttrRule::Start1Constant;
    if (marks.contains("N12")) return AttrRule::Start1Progressive;
    if (marks.contains("N21")) return AttrRule::Start2Fixed;
    return AttrRule::Start2Progressive;
}

bool constantskills(const QSet<QString>& marks) { return marks.contains("N14"); }

std::int32_t attrprice(AttrRule rule, std::int32_t value) {
    if (value >= 1 && value <= 5) return kAttrPrices[static_cast<std::size_t>(rule)][value - 1];
    switch (rule) {
        case AttrRule::Start1Constant:
            return clamp32(5 * (std::int64_t{value} - 1));
        case AttrRule::Start1Progressive:
            return clamp32(5 * progsum(value) - 5);
        case AttrRule::Start2Fixed:
            return value < 1 ? kFixedAtZero : kAttrPrices[2][4];
        case AttrRule::Start2Progressive:
            return clamp32(5 * progsum(value) - 15);
    }
    return 0;
}

std::int32_t skillprice(bool constant, std::int32_t level, std::int32_t unitprice) {
    if (level <= 0) return 0;
    if (constant) return clamp32(std::int64_t{level} * unitprice);
    return clamp32(progsum(level) * unitprice);
}

SkillNames::SkillNames(const std::vector<TSkillRec>& skills) {
    for (const TSkillRec& skill : skills) {
        byname_.insert(fromcp1251(skill.name), {skill.attr, skill.price});
    }
}

std::optional<SkillOfRow> SkillNames::find(const QString& key) const {
    if (const auto found = byname_.constFind(key); found != byname_.constEnd()) return *found;
    if (!key.endsWith(u')')) return std::nullopt;
    for (qsizetype open = key.indexOf(u" ("); open > 0; open = key.indexOf(u" (", open + 1)) {
        if (const auto found = byname_.constFind(key.left(open)); found != byname_.constEnd()) {
            return *found;
        }
    }
    return std::nullopt;
}

std::optional<std::int32_t> attrsum(const Shown& shown) {
    const AttrRule rule = attrrule(shown.marks);
    std::int64_t sum = 0;
    for (const QString& text : shown.attrs) {
        const auto value = integer(text);
        if (!value) return std::nullopt;
        sum += attrprice(rule, *value);
    }
    return clamp32(sum);
}

SkillSum skillsum(const Shown& shown, const SkillNames& names) {
    const bool constant = constantskills(shown.marks);
    std::int64_t sum = 0;
    for (std::size_t t = 0; t < 7; ++t) {
        for (const ShownRow& row : shown.tables[t]) {
            if (row.key.isEmpty()) continue;
            const auto skill = names.find(row.key);
            if (!skill) continue;
            const auto level = integer(row.value);
            if (!level) return {std::nullopt, row.value};
            sum += skillprice(constant, *level, skill->unitprice);
        }
    }
    return {clamp32(sum), {}};
}

std::optional<std::int32_t> featsum(const std::vector<ShownRow>& rows) {
    std::int64_t sum = 0;
    for (const ShownRow& row : rows) {
        if (row.value.isEmpty()) return std::nullopt;
        sum += integer(row.value).value_or(0);
    }
    return clamp32(sum);
}

std::optional<QString> TotalModel::skillsrecomputed(const Shown& shown) {
    const SkillSum result = skillsum(shown, names_);
    if (result.sum) {
        skills_ = *result.sum;
        ++recomputed_.skills;
        return std::nullopt;
    }
    ++recomputed_.skillsfailed;
    return u'\'' + result.failing + QStringLiteral("' is not a valid integer value.");
}

void TotalModel::featuresleft(const Shown& shown) {
    const auto sum = featsum(shown.tables[7]);
    if (!sum) return;
    features_ = *sum;
    ++recomputed_.features;
}

std::optional<QString> TotalModel::expectedtotal(const Shown& shown) const {
    const auto attrs = attrsum(shown);
    if (!attrs) return std::nullopt;
    const std::int32_t total = clamp32(std::int64_t{*attrs} + skills_ + features_);
    return QString::fromUtf8("Требуется плюшек: ") + QString::number(total);
}

QString TotalModel::parts(const Shown& shown) const {
    QStringList attrs;
    for (const QString& text : shown.attrs) attrs << '"' + text + '"';
    QStringList marks(shown.marks.begin(), shown.marks.end());
    marks.sort();
    return QStringLiteral("attributes %1 make %2 under %3; skills %4, features %5")
        .arg(attrs.join(' '))
        .arg(attrsum(shown).value_or(0))
        .arg(marks.join(' '))
        .arg(skills_)
        .arg(features_);
}

}  // namespace oracle
