// The list lines of skills (difficulty, special and branched marks) and of features.
#include "pick/picklines.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "sheet/w1251.h"

TEST(PickLines, SkillMarksFollowTheNameInOnePairOfParentheses) {
    struct Case {
        std::string name;
        int price, special, branched;
        std::string line;
    };
    const std::string run = w1251("Бег").str();
    const auto marked = [&run](std::string_view marks) { return std::string(run).append(marks); };
    const Case cases[] = {
        {run, 1, 0, 0, run},
        {run, 1, 1, 0, marked(w1251(" (специальный)"))},
        {run, 2, 0, 0, marked(w1251(" (сложный)"))},
        {run, 1, 0, 1, marked(w1251(" (разветвленный)"))},
        {run, 4, 1, 1, marked(w1251(" (очень сложный специальный разветвленный)"))},
        {run, 2, 0, 1, marked(w1251(" (сложный разветвленный)"))},
        // A "(" of the name itself still gets its last character replaced.
        {run + " (x)", 1, 0, 0, run + " (x)"},
        {run + " (xy", 1, 0, 0, run + " (x)"},
        {"", 1, 0, 0, ""},
        {"", 2, 0, 0, w1251(" (сложный)").str()},
    };
    for (const Case& c : cases) {
        const TSkillRec skill{c.name, 1, static_cast<std::uint8_t>(c.price),
                              static_cast<std::uint8_t>(c.special),
                              static_cast<std::uint8_t>(c.branched)};
        EXPECT_EQ(c.line, skillline(skill)) << c.price << c.special << c.branched;
    }
}

TEST(PickLines, FeatureLineShowsTheThreeCostsAndTheBranchedMark) {
    const std::string name = w1251("Удачливость").str();
    EXPECT_EQ(name + " (-5/0/-10)", featline({name, {-5, 0, -10}, 0}));
    EXPECT_EQ(name + " (3/4/5)" + w1251(" (разветвленная)").str(), featline({name, {3, 4, 5}, 1}));
    EXPECT_EQ(" (0/0/0)", featline({"", {0, 0, 0}, 0}));
    EXPECT_EQ(name + " (-2147483648/2147483647/-2147483648)" + w1251(" (разветвленная)").str(),
              featline({name, {INT32_MIN, INT32_MAX, INT32_MIN}, 1}));
}
