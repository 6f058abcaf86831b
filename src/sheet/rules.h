#pragma once

enum class AttrRule { Start1Constant, Start1Progressive, Start2Fixed, Start2Progressive };
enum class SkillRule { Constant, Progressive };

// The price rules in force, which the menu's check marks show.
struct PriceRules {
    AttrRule attr;
    SkillRule skill;
};
