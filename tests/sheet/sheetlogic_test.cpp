// The main window's handlers over a fake window: the attribute fields, leaving the tables,
// takes, the rules, and the commands on the sheet as a whole with their questions and boxes.
#include "sheet/sheetlogic.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <variant>

#include "catalogue/apperror.h"
#include "catalogue/readers.h"
#include "texts.h"

namespace {

// A window that remembers what it was told, answers questions with `yes`, and lets `take`
// stand for the player in the selection dialog.
class FakeSheetView : public SheetView {
public:
    std::array<std::string, kAttributes> attributes;
    std::array<std::string, kAttributes> tips;
    std::map<std::size_t, std::vector<Cursor>> tables;
    PriceRules rules{};
    std::string total, sums, clipboard, help;
    std::vector<std::string> questions, boxes;
    bool yes = true;
    bool quitted = false;
    std::function<PickResult(AppState&)> take;
    SheetLogic* logic = nullptr;
    AppState* state = nullptr;

    void showattribute(std::size_t i, const std::string& text) override { attributes.at(i) = text; }
    void explainattribute(std::size_t i, const std::string& tip) override { tips.at(i) = tip; }
    void showtable(std::size_t i, const Lines&, Cursor cursor) override {
        tables[i].push_back(cursor);
    }
    void explainrows() override {}
    void showrules(PriceRules prices) override { rules = prices; }
    void showtotal(const std::string& text, const std::string& tip) override {
        total = utf8of(text);
        sums = utf8of(tip);
    }
    void ask(const std::string& question) override {
        questions.push_back(utf8of(question));
        logic->answer(yes);
    }
    void tell(BoxKind, const std::string& text) override { boxes.push_back(utf8of(text)); }
    void openpick() override { logic->picked(take ? take(*state) : PickResult::Cancelled); }
    void putclipboard(const std::string& text, const std::string&) override { clipboard = text; }
    void showhelp(const std::string& text) override { help = text; }
    void quit() override { quitted = true; }
};

class SheetLogicTest : public testing::Test {
protected:
    SheetLogicTest() {
        readskills(state.catalogue, cp("1100Бег\r\n3200Фехтование\r\n3210Стрельба\r\n"));
        readfeats(state.catalogue, cp("-5 -5 -5 Хромота\r\n5 10 5 *Враг\r\n"));
        view.logic = &logic;
        view.state = &state;
        logic.start();
    }

    void takeskill(std::size_t attribute, const char* name, int level, int unit,
                   std::size_t line = 0, const char* spec = "") {
        view.take = [=](AppState& s) {
            s.takenskills.push_back({level, unit, cp(name), cp(spec)});
            return PickResult::Taken;
        };
        logic.choosecaption(attribute, line);
    }
    void takefeat(const char* name, int price) {
        view.take = [=](AppState& s) {
            s.takenfeats.push_back({cp(name), "", price});
            return PickResult::Taken;
        };
        logic.choosecaption(kFeatureTable, 0);
    }
    std::string total() const { return view.total; }
    static std::string totalof(int points) { return "Требуется плюшек: " + std::to_string(points); }
    const Lines& table(std::size_t i) const { return logic.model().tables[i]; }
    std::string copy() {
        logic.copysheet(std::nullopt);
        return view.clipboard;
    }

    AppState state;
    FakeSheetView view;
    SheetLogic logic{state, view};
};

TEST_F(SheetLogicTest, StartShowsTheStartRulesOnesAndATotalOfNothing) {
    EXPECT_EQ(totalof(0), total());
    EXPECT_EQ("Атрибуты: 0, навыки: 0, особенности: 0", view.sums);
    EXPECT_EQ(AttrRule::Start1Progressive, view.rules.attr);
    EXPECT_EQ(SkillRule::Progressive, view.rules.skill);
    for (std::size_t i = 0; i < kAttributes; ++i) EXPECT_EQ("1", view.attributes[i]);
    EXPECT_EQ("Ловкость: значение 1, все по 1, прогрессирующая цена — 0 плюшек",
              utf8of(view.tips[2]));
}

TEST_F(SheetLogicTest, AnAttributeReadsAsTypedUntilLeftThenIsBoundedToOneToFive) {
    constexpr int kKept = INT32_MIN;
    const struct {
        const char* typed;
        int whiletyped;  // the total; kKept for the one before
        const char* left;
        int afterleft;
    } cases[] = {
        {"3", 25, "3", 25},   {"7", 135, "5", 70},    {"0", -5, "1", 0},
        {"-2", -5, "1", 0},   {"$4", 45, "$4", 45},   {"", kKept, "1", 0},
        {"-", kKept, "1", 0}, {"2,5", kKept, "1", 0}, {"3 ", kKept, "1", 0},
    };
    for (const auto& c : cases) {
        logic.editattribute(0, "2");
        logic.editattribute(0, c.typed);
        EXPECT_EQ(totalof(c.whiletyped == kKept ? 10 : c.whiletyped), total()) << c.typed;
        logic.leaveattribute(0);
        EXPECT_EQ(c.left, logic.model().attrtexts[0]) << c.typed;
        EXPECT_EQ(totalof(c.afterleft), total()) << c.typed;
    }
}

TEST_F(SheetLogicTest, ArrowsStepWhatTheFieldReadsWithinOneToFive) {
    const struct {
        const char* before;
        int step;
        const char* after;
    } cases[] = {{"3", 1, "4"},  {"5", 1, "5"},  {"1", -1, "1"},        {"", 1, "2"},
                 {"-", -1, "1"}, {"9", -1, "5"}, {"2147483647", 1, "5"}};
    for (const auto& c : cases) {
        logic.editattribute(4, c.before);
        logic.stepattribute(4, c.step);
        EXPECT_EQ(c.after, view.attributes[4]) << c.before;
        EXPECT_EQ(c.after, logic.model().attrtexts[4]) << c.before;
    }
}

TEST_F(SheetLogicTest, LeavingATableCleansItsCellsAsHandTakingLeavesThem) {
    takeskill(0, "Бег", 1, 1);
    takeskill(0, "Бег", 1, 1);
    const struct {
        std::size_t line;
        const char* typed;
        const char* left;
        int total;
    } cases[] = {
        {0, "9", "5", 15 + 1},
        {0, "x", "0", 0 + 1},
        {0, "-2", "-2", 0 + 1},
        {1, "", "", 0 + 1},  // an emptied level stops the count with its error
    };
    for (const auto& c : cases) {
        logic.editcell(0, c.line, c.typed);
        if (*c.typed == '\0') {
            EXPECT_THROW(logic.leavetable(0), AppError) << c.typed;
        } else {
            logic.leavetable(0);
        }
        EXPECT_EQ(cp("Бег=") + c.left, table(0)[c.line]) << c.typed;
        EXPECT_EQ(totalof(c.total), total()) << c.typed;
    }
}

TEST_F(SheetLogicTest, TakesGoInAtTheCursorsLineAndFeaturesCountAtOnce) {
    takeskill(2, "Фехтование", 2, 2);
    takeskill(2, "Стрельба", 1, 2, 0, "лук");
    EXPECT_EQ((Lines{cp("Стрельба (лук)=1"), cp("Фехтование=2")}), table(2));
    EXPECT_EQ(totalof(6 + 2), total());
    logic.editcell(2, 1, "3");
    view.take = nullptr;
    logic.choosecaption(2, 1);
    EXPECT_EQ(2u, table(2).size());
    EXPECT_EQ(totalof(12 + 2), total());  // a cancel still counts the skills
    takefeat("Хромота", -5);
    EXPECT_EQ((Lines{cp("Хромота=-5")}), table(kFeatureTable));
    EXPECT_EQ(totalof(14 - 5), total());
    EXPECT_EQ(PickSource::features(), state.picksource);
}

TEST_F(SheetLogicTest, RulesShowTheirMarksAndCountBothSumsAgain) {
    // A taken skill of unit price 2 at level 3: 12 progressive, 6 constant.
    takeskill(0, "Бег", 3, 2);
    EXPECT_EQ(totalof(12), total());
    using A = AttrRule;
    using S = SkillRule;
    const struct {
        std::variant<AttrRule, SkillRule> chosen;
        PriceRules rules;
        int total;
    } steps[] = {
        {A::Start2Fixed, {A::Start2Fixed, S::Progressive}, -35 + 12},
        {S::Constant, {A::Start2Fixed, S::Constant}, -35 + 6},
        {A::Start2Progressive, {A::Start2Progressive, S::Constant}, -70 + 6},
        {A::Start1Constant, {A::Start1Constant, S::Constant}, 0 + 6},
        {S::Progressive, {A::Start1Constant, S::Progressive}, 0 + 12},
        {A::Start1Progressive, {A::Start1Progressive, S::Progressive}, 0 + 12},
        {A::Start1Progressive, {A::Start1Progressive, S::Progressive}, 0 + 12},
    };
    for (const auto& step : steps) {
        std::visit([this](auto rule) { logic.chooserule(rule); }, step.chosen);
        EXPECT_EQ(step.rules.attr, view.rules.attr);
        EXPECT_EQ(step.rules.skill, view.rules.skill);
        EXPECT_EQ(totalof(step.total), total());
        EXPECT_EQ("1", logic.model().attrtexts[0]);
    }
}

TEST_F(SheetLogicTest, ACopyCountsTheEditInProgressAsLeavingItFirst) {
    logic.editattribute(1, "9");
    takeskill(2, "Фехтование", 1, 2);
    logic.editcell(2, 0, "7");
    logic.copysheet(Editing{Editing::Kind::Table, 2});
    EXPECT_EQ(cp("Фехтование=5"), table(2)[0]);
    EXPECT_NE(std::string::npos, view.clipboard.find(cp("Требуется плюшек: 250\n")));
    logic.copysheet(Editing{Editing::Kind::Attribute, 1});
    EXPECT_EQ("5", view.attributes[1]);
    EXPECT_NE(std::string::npos, view.clipboard.find(cp("Требуется плюшек: 100\n")));
}

TEST_F(SheetLogicTest, APasteGivesWhatHandTakingGivesAndAsksOverASheetNotAtStart) {
    takeskill(2, "Фехтование", 3, 2);
    const std::string copied = copy();
    std::string seven = copied;
    seven.replace(seven.find(cp("уровень 3 — 12")), cp("уровень 3 — 12").size(),
                  cp("уровень 7 — 12"));

    view.yes = false;
    logic.pastesheet(std::nullopt, cp("Привет!"));
    ASSERT_EQ(1u, view.boxes.size());
    EXPECT_EQ(0u, view.boxes[0].find("Лист не вставлен, на листе ничего не изменилось."));
    logic.pastesheet(std::nullopt, seven);
    EXPECT_EQ(std::vector<std::string>{"Заменить текущий лист?"}, view.questions);
    EXPECT_EQ(copied, copy());

    view.yes = true;
    logic.pastesheet(std::nullopt, seven);
    EXPECT_EQ(cp("Фехтование=5"), table(2)[0]);
    EXPECT_EQ(totalof(30), total());
    ASSERT_EQ(2u, view.boxes.size());
    EXPECT_EQ(
        "Лист вставлен. В тексте итог 12, а по нынешним каталогам и правилам выходит 30.\n"
        "Как при выходе из таблицы, уровень 7 у «Фехтование» стал 5.",
        view.boxes[1]);
    // Taken again as the sheet shows it: pasting its own copy changes nothing more.
    const std::string again = copy();
    logic.pastesheet(std::nullopt, again);
    EXPECT_EQ(again, copy());
    EXPECT_EQ(2u, view.boxes.size());
}

TEST_F(SheetLogicTest, ANewSheetAsksOverOneNotAtStartAndKeepsTheRules) {
    logic.newsheet();
    EXPECT_TRUE(view.questions.empty());
    logic.chooserule(SkillRule::Constant);
    logic.editattribute(3, "4");
    takefeat("Хромота", -5);
    view.yes = false;
    logic.newsheet();
    EXPECT_EQ(std::vector<std::string>{"Начать новый лист? Текущий лист пропадёт."},
              view.questions);
    EXPECT_EQ("4", logic.model().attrtexts[3]);
    view.yes = true;
    logic.newsheet();
    EXPECT_EQ("1", view.attributes[3]);
    EXPECT_TRUE(table(kFeatureTable).empty());
    EXPECT_TRUE(state.takenfeats.empty());
    EXPECT_EQ(SkillRule::Constant, view.rules.skill);
    EXPECT_EQ(Cursor::First, view.tables[kFeatureTable].at(view.tables[kFeatureTable].size() - 2));
    EXPECT_EQ(totalof(0), total());
}

TEST_F(SheetLogicTest, HelpAndExitGoToTheView) {
    logic.help();
    EXPECT_EQ(0u, utf8of(view.help).find("Для того, чтобы добавить новый навык"));
    logic.exit();
    EXPECT_TRUE(view.quitted);
}

TEST(AttributeKey, TakesDigitsSignsTheSeparatorAndControlKeysButNoLineEnd) {
    for (const char32_t c : {U'0', U'9', U'+', U'-', U',', U'\b', char32_t{0x7F}})
        EXPECT_TRUE(attributekey(c, U',')) << int(c);
    for (const char32_t c : {U'a', U' ', U'.', U'\r', U'\n', U'ж'})
        EXPECT_FALSE(attributekey(c, U',')) << int(c);
}

}  // namespace
