// The soak's second reckoning agrees with the sheet's own on every rule and on values far
// outside the usual range, so that a mismatch in the soak points at the window.
#include "oracle.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "catalogue/intsyntax.h"
#include "sheet/prices.h"
#include "sheet/sheet.h"
#include "ui/encoding.h"

namespace {

constexpr std::int32_t kValues[] = {INT32_MIN, -100000, -7,    -1,     0,          1,
                                    2,         3,       4,     5,      6,          7,
                                    9,         65535,   65536, 100000, 2000000000, INT32_MAX};

TEST(SoakOracle, AttributePricesAgreeWithTheSheetUnderEveryRule) {
    const struct {
        oracle::AttrRule mine;
        AttrRule sheets;
    } rules[] = {
        {oracle::AttrRule::Start1Constant, AttrRule::Start1Constant},
        {oracle::AttrRule::Start1Progressive, AttrRule::Start1Progressive},
        {oracle::AttrRule::Start2Fixed, AttrRule::Start2Fixed},
        {oracle::AttrRule::Start2Progressive, AttrRule::Start2Progressive},
    };
    for (const auto& rule : rules) {
        for (const std::int32_t v : kValues) {
            EXPECT_EQ(attrprice(rule.sheets, v), oracle::attrprice(rule.mine, v)) << v;
        }
    }
}

TEST(SoakOracle, SkillPricesAgreeWithTheSheetUnderBothRules) {
    for (const bool constant : {true, false}) {
        const SkillRule rule = constant ? SkillRule::Constant : SkillRule::Progressive;
        for (const std::int32_t unit : {1, 2, 4}) {
            for (const std::int32_t level : kValues) {
                EXPECT_EQ(skillprice(rule, level, unit), oracle::skillprice(constant, level, unit))
                    << constant << ' ' << unit << ' ' << level;
            }
        }
    }
}

TEST(SoakOracle, IntegerTextsAgreeWithTheCatalogueSyntax) {
    const char* texts[] = {
        "",           " ",           "5",           "  5",         "5 ",        "+5",
        "-5",         "--5",         "+-5",         "-",           "007",       "2147483647",
        "2147483648", "-2147483648", "-2147483649", "99999999999", "x1F",       "$ff",
        "X0",         "0x",          "0X7fffffff",  "x80000000",   "$FFFFFFFF", "x000000001",
        "x123456789", "-x5",         "+$5",         " 0x5",        "1.5",       "1,5",
        "5a",         "a5",          "xg",          "\t5",         "5\t"};
    for (const char* text : texts) {
        EXPECT_EQ(parseint(text), oracle::integer(QString::fromLatin1(text))) << '"' << text << '"';
    }
    EXPECT_EQ(std::nullopt, oracle::integer(QString::fromUtf8("٣")));
    EXPECT_EQ(std::nullopt, oracle::integer(QString::fromUtf8("x\u0424")));
}

TEST(SoakOracle, FeatureSumsAgreeWithTheSheetNearTheBounds) {
    const std::vector<std::vector<const char*>> cases = {
        {"2147483647", "1", "-10"},
        {"-2147483648", "-1", "5"},
        {"2147483647", "2147483647"},
        {"-2147483648", "-2147483648", "2147483647"},
        {"x", "-3"},
    };
    for (const auto& prices : cases) {
        Lines lines;
        std::vector<ShownRow> rows;
        for (const char* price : prices) {
            lines.push_back(std::string("F=") + price);
            rows.push_back({"F", QString::fromLatin1(price)});
        }
        AppState state;
        ASSERT_TRUE(featexit(state, lines));
        EXPECT_EQ(state.featpoints, oracle::featsum(rows)) << prices[0];
    }
}

}  // namespace
