#include "prices.h"

#include <algorithm>

#include "saturate.h"

std::int32_t progsum(std::int32_t n) {
    if (n <= 0) return 0;
    return saturate(std::int64_t{n} * (std::int64_t{n} + 1) / 2);
}

AttrRule attrrule(const RuleMarks& marks) {
    if (marks.N11) return AttrRule::Start1Constant;
    if (marks.N12) return AttrRule::Start1Progressive;
    if (marks.N21) return AttrRule::Start2Fixed;
    return AttrRule::Start2Progressive;
}

SkillRule skillrule(const RuleMarks& marks) {
    return marks.N14 ? SkillRule::Constant : SkillRule::Progressive;
}

std::int32_t attrprice(AttrRule rule, std::int32_t value) {
    switch (rule) {
        case AttrRule::Start1Constant:
            return saturate(5 * (std::int64_t{value} - 1));
        case AttrRule::Start1Progressive:
            return satadd(satmul(5, progsum(value)), -5);
        case AttrRule::Start2Fixed:
            return fixedprice[std::clamp<std::int32_t>(value, 0, fixedprice.size() - 1)];
        case AttrRule::Start2Progressive:
            return satadd(satmul(5, progsum(value)), -15);
    }
    return 0;
}

std::int32_t skillprice(SkillRule rule, std::int32_t level, std::int32_t unitprice) {
    if (rule == SkillRule::Constant) return satmul(level, unitprice);
    return satmul(progsum(level), unitprice);
}
