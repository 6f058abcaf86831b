// The selection dialog's handlers over a fake window: listing, hiding what was taken,
// finding lines, the price prefill, taking and the results of an opening.
#include "pick/picklogic.h"

#include <gtest/gtest.h>

#include "fakepickview.h"
#include "sheet/w1251.h"
#include "testcatalogue.h"

namespace {

const std::string kRun = w1251("Бег").str();
const std::string kHurdles = w1251("Бег с препятствиями").str();
const std::string kLore = w1251("Знание").str();
const std::string kLuck = w1251("Удачливость").str();
const std::string kFoe = w1251("Враг").str();

class PickLogicTest : public testing::Test {
protected:
    PickLogicTest() {
        view.onhide = [this] { logic.FormHide(); };
        view.onprompt = [this](const std::string& spec) { logic.specgiven(spec); };
    }

    void open(PickSource source) {
        state.picksource = source;
        logic.FormShow();
    }
    void select(int position) {
        view.selection = position;
        logic.ListBox1Click();
    }

    AppState state;
    Catalogue& catalogue = state.catalogue;
    FakePickView view;
    int counts = 0;
    PickLogic logic{state, view, [this] { ++counts; }};
};

TEST_F(PickLogicTest, SkillOpeningListsTheAttributesSkillsWithSkillTexts) {
    addskill(catalogue, kRun, 3);
    addskill(catalogue, kLore, 4, 2);
    addskill(catalogue, kHurdles, 3, 2);
    view.number = 30;
    open(PickSource::skills(3));
    EXPECT_EQ((std::vector<std::string>{kRun, kHurdles + w1251(" (сложный)").str()}), view.lines);
    EXPECT_EQ(-1, view.selection);
    EXPECT_EQ(w1251("Выберите навык").str(), view.captiontext);
    EXPECT_EQ(w1251("Уровень").str(), view.label1text);
    EXPECT_EQ(w1251("навыка").str(), view.label2text);
    EXPECT_EQ(w1251("Щелкните на нужный навык и укажите желаемый уровень. После этого дважды "
                    "щелкните по названию навыка")
                  .str(),
              view.hint);
    EXPECT_EQ((std::pair{1, 5}), (std::pair{view.lower, view.upper}));
    EXPECT_EQ(5, view.number);
    EXPECT_FALSE(view.editions);
    EXPECT_EQ(PickResult::Open, logic.result());
}

TEST_F(PickLogicTest, FeatureOpeningListsEveryFeatureWithFeatureTexts) {
    addfeat(catalogue, kLuck, {5, -10, 7});
    addfeat(catalogue, kFoe, {-5, 0, -10}, 1);
    open(PickSource::features());
    ASSERT_EQ(2u, view.lines.size());
    EXPECT_EQ(kLuck + " (5/-10/7)", view.lines[0]);
    EXPECT_EQ(w1251("Выберите особенность").str(), view.captiontext);
    EXPECT_EQ(w1251("Цена").str(), view.label1text);
    EXPECT_EQ(w1251("Щелкните на нужную особенность и укажите ее цену в плюшках. После этого "
                    "дважды щелкните по названию особенности")
                  .str(),
              view.hint);
    EXPECT_EQ(w1251("особенности").str(), view.label2text);
    EXPECT_EQ((std::pair{-70, 70}), (std::pair{view.lower, view.upper}));
    EXPECT_TRUE(view.editions);
}

TEST_F(PickLogicTest, TakenEntriesAreHiddenUnlessBranched) {
    addskill(catalogue, kRun, 3);
    addskill(catalogue, kHurdles, 3, 1, 0, 1);
    addfeat(catalogue, kLuck, {1, 1, 1});
    addfeat(catalogue, kFoe, {1, 1, 1}, 1);
    state.takenskills = {{0, 1, kRun, ""}, {2, 1, kHurdles, "x"}};  // level 0 still hides
    state.takenfeats = {{kLuck, "", 1}, {kFoe, "y", 1}};
    open(PickSource::skills(3));
    EXPECT_EQ(1u, view.lines.size());
    EXPECT_EQ(0u, view.lines[0].find(kHurdles));
    open(PickSource::features());
    EXPECT_EQ(1u, view.lines.size());
    EXPECT_EQ(0u, view.lines[0].find(kFoe));
}

TEST_F(PickLogicTest, HidingComparesWholeNames) {
    addskill(catalogue, kHurdles, 3);
    state.takenskills = {{1, 1, kRun, ""}};
    open(PickSource::skills(3));
    EXPECT_EQ(std::vector{kHurdles}, view.lines);
}

TEST_F(PickLogicTest, SearchShowsTheLinesThatContainItInAnyCase) {
    addskill(catalogue, w1251("Тяжелое оружие").str(), 1, 2);
    addskill(catalogue, w1251("ОРУЖЕЙНИК").str(), 1);
    addskill(catalogue, kLore, 2);
    addskill(catalogue, w1251("Счёт").str(), 1);
    addskill(catalogue, "Fencing", 1);
    const struct {
        std::string typed;
        std::vector<int> shown;
    } cases[] = {
        {w1251("оруж").str(), {0, 1}},
        // Looked for by "ж", whose first place in line 0 is no match, and by "ч", at a line start.
        {w1251("уж").str(), {0, 1}},
        {w1251("сч").str(), {2}},
        {w1251("ОрУж").str(), {0, 1}},
        {w1251("счет").str(), {2}},
        {w1251("СЧЁТ").str(), {2}},
        {"fENC", {3}},
        {w1251("сложн").str(), {0}},
        {w1251("щщ").str(), {}},
        {"", {0, 1, 2, 3}},
    };
    for (const auto& c : cases) {
        view.search = "x";
        open(PickSource::skills(1));
        EXPECT_EQ("", view.search);  // empty at each opening
        view.search = c.typed;
        logic.Edit1Change();
        EXPECT_EQ(c.shown, view.shown) << c.typed;
    }
    // The player picks the only line shown, which stands at position 2 of the list.
    view.search = w1251("счет").str();
    logic.Edit1Change();
    view.selection = view.shown[0];
    logic.ListBox1DblClick();
    ASSERT_EQ(1u, state.takenskills.size());
    EXPECT_EQ(w1251("Счёт").str(), state.takenskills[0].name);
    // The next opening is a line shorter: what the longer one left behind is found no more.
    open(PickSource::skills(1));
    view.search = "ing";
    logic.Edit1Change();
    EXPECT_EQ(std::vector<int>{2}, view.shown);
}

TEST_F(PickLogicTest, PrefillFollowsTheEntryOfTheSelectedLine) {
    addfeat(catalogue, kLuck, {10, 20, 30});
    addfeat(catalogue, kFoe, {-5, -6, -7}, 1);
    view.number = 3;
    open(PickSource::features());
    select(0);  // no entry handled yet: the first line of the first opening prefills too
    EXPECT_EQ(10, view.number);
    select(1);
    EXPECT_EQ(-5, view.number);
    view.number = 44;  // typed by the player
    select(1);
    EXPECT_EQ(44, view.number);
    select(0);
    EXPECT_EQ(10, view.number);
    view.editionitem = 2;
    logic.RadioGroup1Click();
    EXPECT_EQ(30, view.number);

    // Luck taken and hidden: position 0 now shows Foe, which proposes its own price.
    state.takenfeats = {{kLuck, "", 30}};
    open(PickSource::features());
    logic.RadioGroup1Click();  // no line selected
    EXPECT_EQ(30, view.number);
    view.editionitem = 0;
    select(0);
    EXPECT_EQ(-5, view.number);
    // The entry handled last keeps a typed price into the next opening too.
    view.number = 12;
    open(PickSource::features());
    select(0);
    EXPECT_EQ(12, view.number);
    logic.RadioGroup1Click();
    EXPECT_EQ(-5, view.number);
}

TEST_F(PickLogicTest, PrefilledCostsAreBroughtWithinSeventy) {
    addfeat(catalogue, kLuck, {100, -100, 0});
    open(PickSource::features());
    select(0);
    EXPECT_EQ(70, view.number);
    view.editionitem = 1;
    logic.RadioGroup1Click();
    EXPECT_EQ(-70, view.number);
}

TEST_F(PickLogicTest, SkillModeDoesNotPrefill) {
    addskill(catalogue, kRun, 1);
    addskill(catalogue, kLore, 1);
    view.number = 4;
    open(PickSource::skills(1));
    select(1);
    logic.RadioGroup1Click();
    EXPECT_EQ(4, view.number);
    EXPECT_FALSE(state.lastpick);
}

TEST_F(PickLogicTest, DoubleClickTakesOnlyTheEntryOfItsLine) {
    // "Бег" occurs inside "Бег с препятствиями"; each line takes its own entry only.
    addskill(catalogue, kRun, 3, 2);
    addskill(catalogue, kHurdles, 3, 4);
    addskill(catalogue, kRun, 5);
    view.number = 2;
    open(PickSource::skills(3));
    view.selection = 1;
    logic.ListBox1DblClick();
    ASSERT_EQ(1u, state.takenskills.size());
    EXPECT_EQ(kHurdles, state.takenskills[0].name);
    EXPECT_EQ(4, state.takenskills[0].price);
    EXPECT_EQ(2, state.takenskills[0].level);
    EXPECT_EQ(PickResult::Taken, logic.result());

    open(PickSource::skills(3));
    view.selection = 0;
    logic.ListBox1DblClick();
    ASSERT_EQ(2u, state.takenskills.size());
    EXPECT_EQ(kRun, state.takenskills[1].name);
    EXPECT_EQ(2, state.takenskills[1].price);
}

TEST_F(PickLogicTest, FeatureTakeUsesTheValueField) {
    addfeat(catalogue, kFoe, {1, 2, 3});
    addfeat(catalogue, kLuck, {-4, 5, 6});
    open(PickSource::features());
    select(1);
    logic.ListBox1DblClick();
    ASSERT_EQ(1u, state.takenfeats.size());
    EXPECT_EQ(kLuck, state.takenfeats[0].name);
    EXPECT_EQ(-4, state.takenfeats[0].price);
    EXPECT_TRUE(view.prompts.empty());
}

TEST_F(PickLogicTest, BranchedTakeAsksForItsSpecText) {
    addskill(catalogue, kLore, 4, 1, 0, 1);
    addfeat(catalogue, kFoe, {1, 2, 3}, 1);
    struct Case {
        std::string answer, spec;
    };
    const Case cases[] = {
        {w1251("Город").str(), w1251("Город").str()},
        {"", ""},  // cancelled: still taken
        {"a=b==c", "abc"},
        {std::string(300, 'x'), std::string(255, 'x')},
    };
    for (const Case& c : cases) {
        view.answer = c.answer;
        open(PickSource::skills(4));
        view.selection = 0;
        logic.ListBox1DblClick();
        EXPECT_EQ(c.spec, state.takenskills.back().spec);
        EXPECT_EQ(PickResult::Taken, logic.result());
    }
    EXPECT_EQ(4u, state.takenskills.size());
    EXPECT_EQ(w1251("Уточнение навыка Знание").str(), view.prompts[0].first);
    EXPECT_EQ(w1251("Укажите конкретную область применения навыка Знание").str(),
              view.prompts[0].second);

    view.answer = w1251("Сосед").str();
    open(PickSource::features());
    view.selection = 0;
    logic.BitBtn1Click();
    EXPECT_EQ(w1251("Сосед").str(), state.takenfeats.back().spec);
    EXPECT_EQ(w1251("Уточнение особенности Враг").str(), view.prompts.back().first);
    EXPECT_EQ(w1251("Укажите конкретную область действия особенности Враг").str(),
              view.prompts.back().second);
}

TEST_F(PickLogicTest, EachWayOutGivesItsResultAndCountsOnce) {
    addskill(catalogue, kRun, 2);
    struct Case {
        const char* what;
        int selection;
        void (PickLogic::*handler)();
        PickResult result;
        std::size_t taken;
    };
    const Case cases[] = {
        {"double-click", 0, &PickLogic::ListBox1DblClick, PickResult::Taken, 1},
        {"OK on a line", 0, &PickLogic::BitBtn1Click, PickResult::Taken, 1},
        {"OK on no line", -1, &PickLogic::BitBtn1Click, PickResult::Cancelled, 0},
        {"Cancel", 0, &PickLogic::BitBtn2Click, PickResult::Cancelled, 0},
        {"close box", 0, &PickLogic::FormClose, PickResult::Closed, 0},
    };
    for (const Case& c : cases) {
        state.takenskills.clear();
        counts = 0;
        view.hides = 0;
        open(PickSource::skills(2));
        view.selection = c.selection;
        (logic.*c.handler)();
        logic.FormHide();  // a later hiding of the same opening counts no more
        EXPECT_EQ(c.result, logic.result()) << c.what;
        EXPECT_EQ(c.taken, state.takenskills.size()) << c.what;
        EXPECT_EQ(1, view.hides) << c.what;
        EXPECT_EQ(1, counts) << c.what;
    }
}

TEST_F(PickLogicTest, ValueCarriesOverBroughtWithinTheNewBounds) {
    addfeat(catalogue, kLuck, {30, -20, 0});
    addfeat(catalogue, kFoe, {-20, 0, 0});
    state.lastpick = 9;
    for (const auto& [position, level] : {std::pair{0, 5}, std::pair{1, 1}}) {
        state.takenfeats.clear();
        open(PickSource::features());
        select(position);
        logic.ListBox1DblClick();
        open(PickSource::skills(1));
        EXPECT_EQ(level, view.number);
    }
}

TEST_F(PickLogicTest, DoubleClickWithoutALineReportsTheIndexError) {
    addskill(catalogue, kRun, 1);
    // A line unselected; no line at all.
    for (const int attribute : {1, 7}) {
        open(PickSource::skills(attribute));
        try {
            logic.ListBox1DblClick();
            ADD_FAILURE() << attribute;
        } catch (const AppError& error) {
            EXPECT_STREQ("List index out of bounds (-1)", error.what());
        }
        EXPECT_TRUE(state.takenskills.empty());
        EXPECT_EQ(PickResult::Open, logic.result());
    }
    logic.BitBtn1Click();
    EXPECT_EQ(PickResult::Cancelled, logic.result());
}

TEST_F(PickLogicTest, DoubleClickOnAnEmptyCatalogueDoesNothing) {
    addskill(catalogue, kRun, 1);
    open(PickSource::features());
    EXPECT_NO_THROW(logic.ListBox1DblClick());
    EXPECT_EQ(PickResult::Open, logic.result());
    EXPECT_EQ(0, view.hides);
}

TEST_F(PickLogicTest, EntryWithAnEmptyNameIsListedButNotTaken) {
    addskill(catalogue, "", 1, 2);
    addskill(catalogue, kRun, 6);
    open(PickSource::skills(1));
    ASSERT_EQ(std::vector{w1251(" (сложный)").str()}, view.lines);
    view.selection = 0;
    logic.ListBox1DblClick();
    EXPECT_TRUE(state.takenskills.empty());
    EXPECT_EQ(PickResult::Open, logic.result());
    EXPECT_EQ(0, view.hides);
    logic.BitBtn1Click();
    EXPECT_EQ(PickResult::Cancelled, logic.result());
}

}  // namespace
