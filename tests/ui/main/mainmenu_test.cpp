// The menu's rule groups: which checked item selects which price rule.
#include "ui/main/mainmenu.h"

#include <gtest/gtest.h>

#include <set>
#include <string_view>

namespace {

TEST(MainMenu, TheFirstCheckedItemOfAGroupDecidesItsRuleAndTheLastOneWhenNoneIs) {
    struct Case {
        std::set<std::string_view> checked;
        AttrRule attr;
        SkillRule skill;
    };
    const Case cases[] = {
        {{"N11", "N12", "N21", "N14"}, AttrRule::Start1Constant, SkillRule::Constant},
        {{"N12", "N21", "N121"}, AttrRule::Start1Progressive, SkillRule::Progressive},
        {{"N21", "N13", "N14", "N121"}, AttrRule::Start2Fixed, SkillRule::Constant},
        {{"N13"}, AttrRule::Start2Progressive, SkillRule::Progressive},
        {{}, AttrRule::Start2Progressive, SkillRule::Progressive},
        // The sub-menus are shown to the user alone.
        {{"N111", "N221"}, AttrRule::Start2Progressive, SkillRule::Progressive},
    };
    for (const Case& c : cases) {
        const auto checked = [&c](std::string_view name) { return c.checked.contains(name); };
        EXPECT_EQ(c.attr, selectedrule<AttrRule>(kAttrRuleItems, checked));
        EXPECT_EQ(c.skill, selectedrule<SkillRule>(kSkillRuleItems, checked));
    }
}

}  // namespace
