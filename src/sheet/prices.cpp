#include "prices.h"

#include <algorithm>
#include <limits>

#include "saturate.h"

namespace {

// Exact for every 32-bit n.
std::int64_t progsum64(std::int32_t n) {
    if (n <= 0) return 0;
    return std::int64_t{n} * (std::int64_t{n} + 1) / 2;
}

// 5 * progsum(value) - refund, sticking at the 32-bit maximum.
std::int32_t progressive(std::int32_t value, std::int32_t refund) {
    const std::int64_t sum = progsum64(value);
    if (sum > std::numeric_limits<std::int32_t>::max())
        return std::numeric_limits<std::int32_t>::max();
    return saturate(5 * sum - refund);
}

}  // namespace

std::int32_t progsum(std::int32_t n) { return saturate(progsum64(n)); }

std::int32_t attrprice(AttrRule rule, std::int32_t value) {
    switch (rule) {
        case AttrRule::Start1Constant:
            return saturate(5 * (std::int64_t{value} - 1));
        case AttrRule::Start1Progressive:
            return progressive(value, 5);
        case AttrRule::Start2Fixed:
            return fixedprice[std::clamp<std::int32_t>(value, 0, fixedprice.size() - 1)];
        case AttrRule::Start2Progressive:
            return progressive(value, 15);
    }
    return 0;
}

std::int32_t skillprice(SkillRule rule, std::int32_t level, std::int32_t unitprice) {
    // A skill is dropped by setting its level to 0; a level below that buys nothing back.
    if (level <= 0) return 0;
    if (rule == SkillRule::Constant) return satmul(level, unitprice);
    return satmul(progsum(level), unitprice);
}
