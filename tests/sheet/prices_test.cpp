// Attribute and skill prices under each rule, including values outside the usual range.
#include "sheet/prices.h"

#include <gtest/gtest.h>

namespace {

TEST(Prices, ProgsumSumsDownToOneAndStaysIn32Bits) {
    EXPECT_EQ(0, progsum(0));
    EXPECT_EQ(1, progsum(1));
    EXPECT_EQ(15, progsum(5));
    EXPECT_EQ(0, progsum(-3));
    EXPECT_EQ(2147450880, progsum(65535));
    EXPECT_EQ(INT32_MAX, progsum(65536));
    EXPECT_EQ(INT32_MAX, progsum(INT32_MAX));
}

TEST(Prices, AttributePriceTableForValuesOneToFive) {
    struct Row {
        AttrRule rule;
        std::array<std::int32_t, 5> prices;
    };
    const Row rows[] = {
        {AttrRule::Start1Constant, {0, 5, 10, 15, 20}},
        {AttrRule::Start1Progressive, {0, 10, 25, 45, 70}},
        {AttrRule::Start2Fixed, {-5, 0, 10, 25, 50}},
        {AttrRule::Start2Progressive, {-10, 0, 15, 35, 60}},
    };
    for (const Row& row : rows) {
        for (int v = 1; v <= 5; ++v) {
            EXPECT_EQ(row.prices[v - 1], attrprice(row.rule, v))
                << static_cast<int>(row.rule) << " v=" << v;
        }
    }
}

TEST(Prices, AttributeValuesOutsideTheRangeHaveDefinedPrices) {
    struct Case {
        AttrRule rule;
        std::int32_t value;
        std::int32_t price;
    };
    const Case cases[] = {
        {AttrRule::Start2Fixed, 0, 0},
        {AttrRule::Start2Fixed, -7, 0},
        {AttrRule::Start2Fixed, 9, 50},
        {AttrRule::Start2Fixed, INT32_MAX, 50},
        {AttrRule::Start1Constant, 0, -5},
        {AttrRule::Start1Constant, 7, 30},
        {AttrRule::Start1Constant, INT32_MIN, INT32_MIN},
        {AttrRule::Start1Constant, INT32_MAX, INT32_MAX},
        {AttrRule::Start1Progressive, 0, -5},
        {AttrRule::Start1Progressive, -100, -5},
        {AttrRule::Start1Progressive, 2000000000, INT32_MAX},
        {AttrRule::Start2Progressive, 0, -15},
        {AttrRule::Start2Progressive, 6, 90},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.price, attrprice(c.rule, c.value))
            << static_cast<int>(c.rule) << " v=" << c.value;
    }
}

TEST(Prices, SkillPriceUnderBothRules) {
    struct Case {
        SkillRule rule;
        std::int32_t level;
        std::int32_t unit;
        std::int32_t price;
    };
    const Case cases[] = {
        {SkillRule::Progressive, 3, 2, 12},
        {SkillRule::Constant, 3, 2, 6},
        {SkillRule::Progressive, 5, 4, 60},
        {SkillRule::Constant, 5, 4, 20},
        {SkillRule::Progressive, 0, 4, 0},
        {SkillRule::Constant, 0, 4, 0},
        {SkillRule::Progressive, -2, 4, 0},
        {SkillRule::Constant, -2, 4, 0},
        {SkillRule::Progressive, 2000000000, 4, INT32_MAX},
        {SkillRule::Constant, 2000000000, 4, INT32_MAX},
        {SkillRule::Constant, INT32_MIN, 9, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.price, skillprice(c.rule, c.level, c.unit)) << c.level << "*" << c.unit;
    }
}

}  // namespace
