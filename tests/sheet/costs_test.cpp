// What each row and field costs and why: the value read, the price, or the reason for none.
#include "sheet/costs.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Case {
    const char* what = "";
    Cost cost;
    Why why = Why::Priced;
    std::optional<std::int32_t> value;
    std::optional<std::int32_t> points;
};

TEST(Costs, EachRowSaysTheValueItReadsAndItsPriceOrWhyItHasNone) {
    const std::vector<TTakenSkill> taken{{0, 2, "Bow", ""}, {0, 1, "Craft", "smith"}};
    const TakenIndex index(taken);
    const auto skill = [&](const char* line) {
        return skillrowcost(index, line, SkillRule::Progressive);
    };
    const Case cases[] = {
        {"a taken skill", skill("Bow=3"), Why::Priced, 3, 12},
        {"a negative level", skill("Bow=-2"), Why::Priced, -2, 0},
        {"a skill with its refinement", skill("Craft (smith)=2"), Why::Priced, 2, 3},
        {"an empty level", skill("Bow="), Why::Unset, {}, {}},
        {"a level that is no number", skill("Bow=x"), Why::NotInteger, {}, {}},
        {"a key of no taken skill", skill("Sword=2"), Why::NotTaken, 2, {}},
        {"a level without a key", skill("=4"), Why::NoKey, 4, {}},
        {"the empty row", skill("="), Why::Blank, {}, {}},
        {"a negative feature", featrowcost("Enemy=-5"), Why::Priced, -5, -5},
        {"a feature price emptied", featrowcost("Enemy="), Why::Unset, {}, {}},
        {"the feature table's empty row", featrowcost(""), Why::Blank, {}, {}},
        {"an attribute", attrcost("3", AttrRule::Start2Fixed), Why::Priced, 3, 10},
        {"a lone minus", attrcost("-", AttrRule::Start2Fixed), Why::NotInteger, {}, {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.why, c.cost.why) << c.what;
        EXPECT_EQ(c.value, c.cost.value) << c.what;
        EXPECT_EQ(c.points, c.cost.points) << c.what;
    }
    EXPECT_EQ(1u, skill("Craft (smith)=2").taken);
    EXPECT_EQ(2, skill("Bow=1").unitprice);
}

}  // namespace
