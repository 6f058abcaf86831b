// The sheet's sums and clean-ups over plain attribute texts and table lines.
#include "sheet/sheet.h"

#include <gtest/gtest.h>

#include "catalogue/apperror.h"
#include "sheet/w1251.h"

namespace {

using Texts = std::vector<std::string>;

Texts attrs(std::string text) { return Texts(7, text); }

struct SkillTables {
    std::array<Lines, 7> tables;
    std::array<const Lines*, 7> view() const {
        std::array<const Lines*, 7> pointers{};
        for (std::size_t i = 0; i < 7; ++i) pointers[i] = &tables[i];
        return pointers;
    }
};

constexpr AttrRule kStart = AttrRule::Start1Progressive;
constexpr AttrRule kFixed = AttrRule::Start2Fixed;

TEST(CountPoints, SumsTheSevenAttributesUnderTheCurrentRule) {
    struct Case {
        const char* what;
        Texts texts;
        AttrRule rule;
        std::int32_t sum;
    };
    const Case cases[] = {
        {"start state", attrs("1"), kStart, 0},
        {"all at 5", attrs("5"), kStart, 490},
        {"one raised to 3", {"3", "1", "1", "1", "1", "1", "1"}, kStart, 25},
        {"fixed table at 1", attrs("1"), kFixed, -35},
        {"fixed table at 2", attrs("2"), kFixed, 0},
        {"start 2 progressive, one at 1",
         {"1", "2", "2", "2", "2", "2", "2"},
         AttrRule::Start2Progressive,
         -10},
        {"blanks before the number", attrs("  2"), kStart, 70},
        {"zero while typing", {"0", "1", "1", "1", "1", "1", "1"}, kFixed, -30},
        {"prices at the bounds add up exactly",
         {"2000000000", "2000000000", "-2000000000", "1", "1", "1", "1"},
         AttrRule::Start1Constant,
         INT32_MAX - 1},
    };
    for (const Case& c : cases) {
        AppState state;
        EXPECT_TRUE(countpoints(state, c.texts, c.rule)) << c.what;
        EXPECT_EQ(c.sum, state.attrpoints) << c.what;
    }
}

TEST(CountPoints, ANonIntegerTextChangesNothing) {
    for (const char* text : {"", "-", "2 ", "1,5", "a"}) {
        AppState state;
        state.attrpoints = 17;
        Texts texts = attrs("3");
        texts[4] = text;
        EXPECT_FALSE(countpoints(state, texts, kStart)) << text;
        EXPECT_EQ(17, state.attrpoints) << text;
    }
}

TEST(SkillCount, PricesEveryRowByTheFirstTakenEntryItMatches) {
    AppState state;
    state.takenskills = {
        {3, 2, "Fencing", ""}, {1, 1, "Craft", "smith"}, {1, 4, "Craft", "potter"}};
    SkillTables sheet;
    sheet.tables[2] = {"Fencing=3", "=4", "Unknown=5"};
    sheet.tables[3] = {"Craft (smith)=2", "Craft (potter)=1", "Craft=1"};
    skillcount(state, sheet.view(), SkillRule::Progressive);
    // Fencing 6*2, smith 3*1, potter 1*4, bare "Craft" matches smith 1*1.
    EXPECT_EQ(12 + 3 + 4 + 1, state.skillpoints);
    EXPECT_EQ(3, state.takenskills[0].level);
    // The last row matching an entry leaves its level there.
    EXPECT_EQ(1, state.takenskills[1].level);

    skillcount(state, sheet.view(), SkillRule::Constant);
    EXPECT_EQ(6 + 2 + 4 + 1, state.skillpoints);
}

TEST(SkillCount, ABadLevelKeepsTheOldSumAndTheLevelsStoredBeforeIt) {
    for (const char* bad : {"", "abc", "5 "}) {
        AppState state;
        state.skillpoints = 99;
        state.takenskills = {{0, 1, "A", ""}, {0, 1, "B", ""}};
        SkillTables sheet;
        sheet.tables[0] = {"A=4", std::string("B=") + bad};
        try {
            skillcount(state, sheet.view(), SkillRule::Progressive);
            ADD_FAILURE() << "no error for '" << bad << "'";
        } catch (const AppError& error) {
            EXPECT_EQ("'" + std::string(bad) + "' is not a valid integer value", error.what());
        }
        EXPECT_EQ(99, state.skillpoints);
        EXPECT_EQ(4, state.takenskills[0].level);
    }
}

TEST(SkillCount, SumsAreExactThenBounded) {
    struct Case {
        Lines rows;
        std::int32_t sum;
    };
    const Case cases[] = {
        {{"A=2000000000", "A=2000000000"}, INT32_MAX},
        // A row priced at the bound, then a negative level that buys nothing back.
        {{"A=2000000000", "A=-5", "B=-1000"}, INT32_MAX},
        {{"A=536870911", "B=-2"}, 2147483644},
    };
    for (const Case& c : cases) {
        AppState state;
        state.takenskills = {{0, 4, "A", ""}, {0, 1, "B", ""}};
        SkillTables sheet;
        sheet.tables[0] = c.rows;
        skillcount(state, sheet.view(), SkillRule::Constant);
        EXPECT_EQ(c.sum, state.skillpoints) << c.rows[0];
    }
}

TEST(CleanLevels, ClampsAboveFiveZeroesNonNumbersAndStopsAtAnEmptyCell) {
    struct Case {
        Lines before;
        Lines after;
    };
    const Case cases[] = {
        {{"A=9", "B=abc", "C=-2", "D=3", "E=  7"}, {"A=5", "B=0", "C=-2", "D=3", "E=5"}},
        {{"A=9", "B=", "C=9"}, {"A=5", "B=", "C=9"}},
        {{"A=$10"}, {"A=5"}},
        {{}, {}},
    };
    for (Case c : cases) {
        cleanlevels(c.before);
        EXPECT_EQ(c.after, c.before);
    }
}

TEST(FeatExit, ZeroesNonNumbersThenSumsThePrices) {
    AppState state;
    Lines table = {"Enemy=-10", "Gift=x", "Friend=5"};
    EXPECT_TRUE(featexit(state, table));
    EXPECT_EQ((Lines{"Enemy=-10", "Gift=0", "Friend=5"}), table);
    EXPECT_EQ(-5, state.featpoints);
}

TEST(FeatExit, AnEmptyPriceStopsEverythingAndKeepsTheOldSum) {
    AppState state;
    state.featpoints = 40;
    Lines table = {"A=x", "B=", "C=y"};
    EXPECT_FALSE(featexit(state, table));
    EXPECT_EQ(40, state.featpoints);
    // The first pass had already cleaned the rows before the empty one.
    EXPECT_EQ((Lines{"A=0", "B=", "C=y"}), table);

    Lines none;
    EXPECT_FALSE(featexit(state, none));
    EXPECT_EQ(40, state.featpoints);
}

TEST(FeatExit, SumsExactlyThenBounds) {
    struct Case {
        Lines table;
        std::int32_t sum;
    };
    const Case cases[] = {
        {{"A=2147483647", "B=1", "C=-10"}, 2147483638},
        {{"A=-2147483648", "B=-1", "C=1"}, INT32_MIN},
        {{"A=2147483647", "B=2147483647"}, INT32_MAX},
    };
    for (Case c : cases) {
        AppState state;
        EXPECT_TRUE(featexit(state, c.table));
        EXPECT_EQ(c.sum, state.featpoints) << c.table[0];
    }
}

TEST(FeatExit, HasNoRowLimit) {
    AppState state;
    Lines table(1000, "F=1");
    EXPECT_TRUE(featexit(state, table));
    EXPECT_EQ(1000, state.featpoints);
}

TEST(TotalText, ShowsTheSumOfTheThreePartialSums) {
    AppState state;
    EXPECT_EQ(w1251("Требуется плюшек: 0").str(), totaltext(state));
    state.attrpoints = -35;
    state.skillpoints = 12;
    state.featpoints = -10;
    EXPECT_EQ(w1251("Требуется плюшек: -33").str(), totaltext(state));
    state.attrpoints = INT32_MAX;
    state.skillpoints = INT32_MAX;
    EXPECT_EQ(INT32_MAX, total(state));
    state.skillpoints = 1;
    state.featpoints = -10;
    EXPECT_EQ(INT32_MAX - 9, total(state));
}

}  // namespace
