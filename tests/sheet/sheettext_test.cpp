// A copied sheet read back: the forms a text takes on its way, the texts that are no sheet of
// ours, and random sheets that come back as they were copied.
#include "sheet/sheettext.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <random>

#include "catalogue/intsyntax.h"
#include "codec/cp1251.h"
#include "properties.h"
#include "sheet/sheet.h"
#include "sheet/sheetlogic.h"
#include "texts.h"

namespace {

// A catalogue of the names given, each "attr price branched name" for a skill, "*name" for
// a branched feature.
struct TestCatalogue {
    std::vector<std::string> names;
    Catalogue catalogue;
    void skill(int attr, int price, bool branched, const std::string& name) {
        catalogue.skilllist.push_back({keep(name), std::uint8_t(attr), std::uint8_t(price), 0,
                                       std::uint8_t(branched ? 1 : 0)});
    }
    void feat(bool branched, const std::string& name) {
        catalogue.featlist.push_back({keep(name), {5, 10, 5}, std::uint8_t(branched)});
    }
    std::string_view keep(const std::string& name) {
        catalogue.text.push_back(std::make_unique<char[]>(name.size() + 1));
        std::copy(name.begin(), name.end(), catalogue.text.back().get());
        return {catalogue.text.back().get(), name.size()};
    }
};

std::string summary(const SheetParse& parse) {
    if (!parse.sheet) {
        const SheetProblem& first = parse.problems.front();
        return std::to_string(first.line) + ": " + first.what;
    }
    const SheetSnapshot shot = snapshot(*parse.sheet);
    std::string text =
        std::to_string(int(shot.prices.attr)) + std::to_string(int(shot.prices.skill));
    for (const std::string& attr : shot.attrtexts) text += attr;
    for (std::size_t i = 0; i < shot.tables.size(); ++i) {
        for (const std::string& line : shot.tables[i])
            text.append(" ").append(std::to_string(i + 1)).append(":").append(line);
    }
    for (const TTakenSkill& t : shot.takenskills)
        text += " S" + t.name + "/" + t.spec + "/" + std::to_string(t.price);
    for (const TTakenFeat& t : shot.takenfeats)
        text += " F" + t.name + "/" + t.spec + "/" + std::to_string(t.price);
    text += " =" + std::to_string(parse.sheet->total);
    for (const std::string& note : parse.notes) text += " | " + note;
    return text;
}

TestCatalogue smallcatalogue() {
    TestCatalogue c;
    c.skill(3, 2, true, cp("Стрельба"));
    c.skill(3, 1, false, cp("Лук (короткий)"));
    c.skill(1, 1, false, cp("Бег"));
    c.feat(false, cp(" Хромота"));
    c.feat(true, cp("Враг"));
    return c;
}

const char* const kSheet =
    "Лист персонажа «Тальвира»\n"
    "Стартовые атрибуты: Все по 2 (ТЛ2) / Фиксированные цены за единицу (ТЛ2)\n"
    "Цена навыков: Постоянная (ТЛ1)\n\n"
    "Сила: 1 — -5 плюшек\n- Бег (обычный): уровень 3 — 3 плюшки\n"
    "- Лазание: уровень «b)=1» не число — нет среди взятых навыков\n"
    "Выносливость: 1 — -5 плюшек\nЛовкость: 3 — 10 плюшек\n"
    "- Стрельба (Лук (длинный): стрелы) (сложный): уровень 2 — 4 плюшки\n"
    "- Лук (короткий) (обычный): уровень не задан — цены нет\n"
    "Образование: 1 — -5 плюшек\nМышление: 1 — -5 плюшек\nУверенность: 1 — -5 плюшек\n"
    "Удача: 1 — -5 плюшек\nОсобенности\n-  Хромота: -7 плюшек\n- Враг (сосед): цена не задана\n"
    "- Враг: цена «x» не число\n\nТребуется плюшек: 99\n";

const char* const kRead =
    "201131111 1:Бег=3 1:Лазание=b)=1 3:Стрельба (Лук (длинный): стрелы)=2 "
    "3:Лук (короткий)= 8: Хромота=-7 8:Враг (сосед)= 8:Враг=x SБег//1 "
    "SСтрельба/Лук (длинный): стрелы/2 SЛук (короткий)//1 F Хромота//-7 FВраг/сосед/0 "
    "FВраг//0 =99";

std::string replaced(std::string text, std::string_view from, std::string_view to) {
    for (std::size_t at = 0; (at = text.find(from, at)) != std::string::npos; at += to.size())
        text.replace(at, from.size(), to);
    return text;
}

TEST(SheetText, ACopyThatTravelledReadsAsTheSheetItWas) {
    const TestCatalogue c = smallcatalogue();
    const std::string sheet = cp(kSheet);
    const struct {
        const char* what;
        std::string text;
        const char* notes = "";
    } cases[] = {
        {"as copied", sheet},
        {"CR LF", replaced(sheet, "\n", "\r\n")},
        {"CR", replaced(sheet, "\n", "\r")},
        {"blank lines and blanks around", "\n \t\n  " + replaced(sheet, "\n", " \n\n\t ") + "\n  "},
        {"non-breaking spaces",
         replaced(replaced(sheet, cp(" — "), cp("\u00A0—\u00A0")), "\n- ", cp("\n-\u00A0"))},
        {"en dashes", replaced(sheet, cp(" — "), cp(" – "))},
        {"hyphens", replaced(sheet, cp(" — "), " - ")},
        {"tabs for blanks", replaced(sheet, " ", "\t")},
        {"blanks doubled", replaced(sheet, " ", "  ")},
        {"bullets", replaced(replaced(sheet, "\n- ", cp("\n• ")), cp("\n• Лаз"), cp("\n·Лаз"))},
        {"stars and en dashes", replaced(replaced(sheet, "\n- ", "\n* "), "\n* B", cp("\n– B"))},
        {"quoted", "> " + replaced(sheet, "\n", "\n> ")},
        {"quoted twice, no blank", ">>" + replaced(sheet, "\n", "\n>>")},
        {"a chat around it", cp("Вася, 12:03\n\n- вот:\n") + sheet + cp("С уважением,\nВася"),
         " | Перед листом пропущены 2 строки, первая «Вася, 12:03». | После строки итога "
         "пропущены 2 строки, первая «С уважением,»."},
    };
    for (const auto& c2 : cases) {
        EXPECT_EQ(cp(kRead) + cp(c2.notes), summary(parsesheet(c2.text, c.catalogue, sheetwords())))
            << c2.what;
    }
}

TEST(SheetText, ATextThatIsNoSheetOfOursNamesItsFirstBadLine) {
    const TestCatalogue c = smallcatalogue();
    const std::string sheet = cp(kSheet);
    const std::string read = cp(kRead);
    const std::string shot = cp("3:Стрельба (Лук (длинный): стрелы)=2 ");
    const struct {
        const char* what;
        std::string text;
        std::string problem;
    } cases[] = {
        {"no text", "", "0: В буфере обмена нет текста"},
        {"blanks only", " \r\n\t ", "0: В буфере обмена нет текста"},
        {"a greeting", cp("\nПривет!"),
         "0: В тексте нет строки «Лист персонажа «Тальвира»», с которой начинается "
         "скопированный лист"},
        {"other quotes in the heading", replaced(sheet, cp("«Тальвира»"), "\"Tal\""),
         "1: в первой строке листа после «Лист персонажа » стоит «\"Tal\"», а ожидалось "
         "««Тальвира»»"},
        {"an unknown skill", replaced(sheet, cp("- Бег"), cp("- Бегг")),
         "6: в каталоге нет навыка «Бегг» с атрибутом Сила"},
        {"a skill of another attribute",
         replaced(sheet, cp("плюшек\n- Бег"),
                  cp("плюшек\n- Стрельба (сложный): уровень 1 — 2 плюшки\n- Бег")),
         "6: в каталоге нет навыка «Стрельба» с атрибутом Сила: он под атрибутом Ловкость"},
        {"an unknown feature", replaced(sheet, cp("- Враг:"), cp("- Друг:")),
         "19: в каталоге нет особенности «Друг»"},
        {"an attribute above 5", replaced(sheet, cp("Сила: 1"), cp("Сила: 6")),
         "5: у атрибута «Сила» значение 6, а бывает от 1 до 5"},
        {"an attribute unset",
         replaced(sheet, cp("Сила: 1 — -5 плюшек"), cp("Сила: не задано — цены нет")),
         "5: у атрибута «Сила» нет значения: ожидалось число от 1 до 5"},
        {"a level beyond 32 bits", replaced(sheet, cp("уровень 3"), cp("уровень 3000000000")),
         "6: число «3000000000» вне пределов от -2147483648 до 2147483647"},
        {"a level that is no number", replaced(sheet, cp("уровень 3"), cp("уровень три")),
         "6: уровень навыка «три» не число"},
        {"a level 7 as it stands", replaced(sheet, cp("уровень 3"), cp("уровень 7")),
         replaced(read, "=3 ", "=7 ")},
        {"a rule the menu has not", replaced(sheet, cp("Постоянная (ТЛ1)"), cp("Бесплатно")),
         "3: в меню «Цена навыков» нет правил «Бесплатно»"},
        {"a spec with the table's separator", replaced(sheet, cp("(сосед)"), cp("(с=сед)")),
         "18: знак «=» в названии: в строке таблицы он отделяет значение"},
        {"a row without its level", replaced(sheet, cp(": уровень 3"), ""),
         "6: перед « — » нет уровня навыка: ожидалось, например, «: уровень 3»"},
        {"a row without its difficulty", replaced(sheet, cp("Бег (обычный)"), cp("Бег")),
         "6: у навыка «Бег» нет сложности в скобках: ожидалось «(обычный)»"},
        {"a row without its price", replaced(sheet, cp("3 плюшки"), "3"),
         "6: после « — » стоит «3», а ожидалось число плюшек, «цены нет», «нет среди взятых "
         "навыков» или «в сумму не входит»"},
        {"a plain skill twice",
         replaced(sheet, cp("Выносливость: 1 — -5 плюшек\n"),
                  cp("Выносливость: 1 — -5 плюшек\n- Бег (обычный): уровень 1 — 1 плюшка\n")),
         "9: навык «Бег» уже назван в строке 6, а взять его можно только один раз"},
        {"a plain feature twice",
         replaced(sheet, cp("-  Хромота: -7 плюшек\n"),
                  cp("-  Хромота: -7 плюшек\n- Хромота: 2 плюшки\n")),
         "18: особенность «Хромота» уже названа в строке 17, а взять её можно только один раз"},
        {"a branched skill twice with one spec",
         replaced(sheet, cp("- Лук (к"),
                  cp("- Стрельба (Лук (длинный): стрелы) (сложный): "
                     "уровень 1 — 2 плюшки\n- Лук (к")),
         replaced(read, shot, shot + cp("3:Стрельба (Лук (длинный): стрелы)=1 "))},
        {"an attribute missing", replaced(sheet, cp("Мышление: 1 — -5 плюшек\n"), ""),
         "13: перед этой строкой нет строки «Мышление: ...»"},
        {"an attribute misspelt", replaced(sheet, cp("Мышление: 1"), cp("Мышлене: 1")),
         "13: ожидалась строка «Мышление: ...», а в этой после «Мышлен» стоит «е: 1 — -5 "
         "плюшек», а ожидалось «ие: »"},
        {"a total without its number", replaced(sheet, cp("плюшек: 99"), cp("плюшек:")),
         "21: в строке итога нет числа"},
        {"cut before the total", sheet.substr(0, sheet.find(cp("Требуется"))),
         "0: Лист обрывается: нет строки «Требуется плюшек: ...»"},
    };
    for (const auto& c2 : cases) {
        const std::string want = c2.problem.find(':') < 3 ? cp(c2.problem) : c2.problem;
        EXPECT_EQ(want, summary(parsesheet(c2.text, c.catalogue, sheetwords()))) << c2.what;
    }
}

TEST(SheetText, TheRefusedPasteBoxSaysEachProblemOnceInASentence) {
    const std::string line(70, 'x');
    const SheetProblem problems[] = {
        {22, cp("\tТребуется плюшек:"), cp("в строке итога нет числа")},
        {22, cp("Требуется плюшек:"), cp("в строке итога нет числа")},
        {0, {}, cp("ёлки: лист обрывается")},
        {3, line, "x"}};
    EXPECT_EQ(cp("Лист не вставлен, на листе ничего не изменилось.\n"
                 "Строка 22 «Требуется плюшек:»: в строке итога нет числа.\n"
                 "Ёлки: лист обрывается.\n"
                 "Строка 3 «") +
                  line.substr(0, 60) + cp("…»: x."),
              pasteproblemstext(problems));
}

// Random sheets as a player builds them: takes put rows of the entries' display texts,
// levels and prices typed after, a cell left empty before texts that are no number.
class RandomSheet {
public:
    explicit RandomSheet(std::uint32_t rngstate) : rng_(rngstate) {
        const char* words[] = {"Лук",       "Бег",  "Лук (короткий)", " Хромота", "Знание: история",
                               "Бой — меч", "Враг", "Чары (x",        "Лук ("};
        for (int i = 0; i < 24; ++i) {
            const std::string name = cp(words[i % 9]) + (i < 9 ? "" : std::to_string(i / 9));
            c_.skill(1 + pick(7), std::array{1, 2, 4, 3}[pick(4)], pick(2) == 0, name);
            c_.feat(pick(2) == 0, name);
        }
    }

    SheetSnapshot build() {
        shot_.prices = {AttrRule(pick(4)), SkillRule(pick(2))};
        for (std::string& text : shot_.attrtexts) text = std::to_string(1 + pick(5));
        for (int n = pick(12); n > 0; --n) takeskill();
        for (int n = pick(6); n > 0; --n) takefeat();
        for (int n = pick(3); n > 0; --n) {
            Lines& table = shot_.tables[pick(7)];
            table.insert(table.begin() + pick(int(table.size()) + 1),
                         joinline(cp("Нигде ") + std::to_string(pick(9)), value(table)));
        }
        // As leaving the tables leaves them, the way every copy finds them.
        for (std::size_t i = 0; i < 7; ++i) cleanlevels(shot_.tables[i]);
        cleanprices(shot_.tables[7]);
        return shot_;
    }

private:
    int pick(int n) { return int(rng_() % std::uint32_t(n)); }
    std::string spec() {
        const char* specs[] = {"Лук", "а (б)", "x: y — z", " с пробелом", "(", "длинный)"};
        return cp(specs[pick(6)]);
    }
    std::string value(const Lines& table) {
        const bool unset = std::any_of(table.begin(), table.end(),
                                       [](const std::string& l) { return linevalue(l).empty(); });
        if (pick(8) == 0) return "";
        if (unset && pick(2) == 0) return cp("x=1: уровень — «") + std::to_string(pick(3));
        return std::to_string(pick(9) - 3);
    }
    // The dialog hides an entry that is not branched once it is taken.
    template <typename Taken>
    static bool hidden(const std::vector<Taken>& taken, std::string_view name, bool branched) {
        return !branched && std::any_of(taken.begin(), taken.end(),
                                        [&](const Taken& t) { return t.name == name; });
    }
    void takeskill() {
        const TSkillRec& skill = c_.catalogue.skilllist[pick(int(c_.catalogue.skilllist.size()))];
        if (hidden(shot_.takenskills, skill.name, skill.branched == 1)) return;
        TTakenSkill taken{1 + pick(5), skill.price, std::string(skill.name), {}};
        if (skill.branched == 1) taken.spec = spec();
        Lines& table = shot_.tables[skill.attr - 1];
        table.insert(table.begin() + pick(int(table.size()) + 1),
                     joinline(displaytext(taken), value(table)));
        shot_.takenskills.push_back(std::move(taken));
    }
    void takefeat() {
        const TFeatRec& feat = c_.catalogue.featlist[pick(int(c_.catalogue.featlist.size()))];
        if (hidden(shot_.takenfeats, feat.name, feat.branched != 0)) return;
        TTakenFeat taken{std::string(feat.name), feat.branched ? spec() : "", pick(141) - 70};
        shot_.tables[7].push_back(joinline(displaytext(taken), value(shot_.tables[7])));
        shot_.takenfeats.push_back(std::move(taken));
    }

    std::mt19937 rng_;
    SheetSnapshot shot_;

public:
    TestCatalogue c_;
};

TEST(SheetText, ARandomSheetComesBackAsItWasCopied) {
    const char* count = std::getenv("TALVIRA_ROUND_TRIPS");
    const int sheets = count ? std::atoi(count) : 300;
    for (int sheet = 1; sheet <= sheets; ++sheet) {
        RandomSheet random(static_cast<std::uint32_t>(sheet));
        const auto [text, total] = copyof(random.build());
        const SheetParse parse = parsesheet(text, random.c_.catalogue, sheetwords());
        ASSERT_TRUE(parse.sheet) << "sheet " << sheet << ": " << summary(parse) << "\n" << text;
        EXPECT_EQ(total, parse.sheet->total) << "sheet " << sheet;
        // Pasted into a fresh window the way the program does, and copied again.
        AppState window;
        window.catalogue = std::move(random.c_.catalogue);
        const std::optional<SheetCopy> again = pastedcopy(window, text);
        ASSERT_TRUE(again) << "sheet " << sheet;
        ASSERT_EQ(text, again->text) << "sheet " << sheet;
        EXPECT_EQ(total, again->total) << "sheet " << sheet;
    }
}

}  // namespace
