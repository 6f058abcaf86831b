// What the checker finds in small catalogues: each case its bytes and every diagnostic.
#include "check/checker.h"

#include <gtest/gtest.h>

#include "check/report.h"

using namespace std::string_literals;

namespace {

// "LINE:COLUMN: severity: message (cause)", one line each.
std::string found(CatalogueKind kind, std::string_view bytes,
                  Language language = Language::English) {
    std::string text;
    for (const Diagnostic& d : checkbytes(kind, bytes, language).diagnostics) {
        text += std::to_string(d.line) + ":" + std::to_string(d.column) + ": " +
                severityname(d.severity, language) + ": " + d.message +
                (d.cause.empty() ? "" : " (" + d.cause + ")") + "\n";
    }
    return text;
}

// What each system's author has at hand to convert a UTF-8 file.
const std::string kAdvice = " (" + say(Language::English, utf8advice()) + ")\n";

struct Case {
    const char* what;
    std::string bytes;
    std::string expected;
};

constexpr auto kSkillStop =
    "note: talvira stops loading at its first error, here: no further skills are read, and "
    "feats.res is then not read";
constexpr auto kSkillKept = "; it keeps this line's entry, which the dialog shows ";
constexpr auto kFeatStop =
    "note: talvira stops loading at its first error, here: no further features are read";
constexpr auto kFeatKept = "; it keeps this line's entry, which the dialog shows as ";
constexpr auto kSameSkill =
    " under the same attribute; the sheet prices by name, so only the first counts\n";

TEST(Checker, SkillErrorsAreTheReadersOwnAtTheFailingCharacter) {
    const Case cases[] = {
        {"clean, CR LF and a final blank line", "1100A\r\n3210B\r\n7401C\r\n\r\n", ""},
        {"letter", "1100A\nx100B\n",
         "2:1: error: 'x' is not a valid integer value\n2:1: "s + kSkillStop + "\n"},
        {"special is converted before branched", "12-+B\n",
         "1:4: error: '+' is not a valid integer value\n1:4: "s + kSkillStop + kSkillKept +
             "under attribute 1 as \" (сложный)\"\n"},
        {"short line: the missing character, just past the end", "123\r\n",
         "1:4: error: '' is not a valid integer value (the line ends before its four digits: "
         "attribute, unit price, branched and special flag)\n1:4: "s +
             kSkillStop + kSkillKept + "under attribute 1 as \" (сложный)\"\n"},
        {"every bad line, the note on the first only", "1100A\n1 00B\n2100C\n\t100D\n",
         "2:2: error: ' ' is not a valid integer value\n2:2: "s + kSkillStop + kSkillKept +
             "as a blank line under attribute 1\n"
             "4:1: error: '\t' is not a valid integer value\n"},
        {"a byte-order mark: the error and why",
         "\xEF\xBB\xBF"
         "1100A\n",
         "1:1: error: '\xEF' is not a valid integer value\n1:1: "s + kSkillStop + "\n" +
             "1:1: warning: the file starts with a UTF-8 byte-order mark; catalogues are read "
             "as Windows-1251" +
             kAdvice},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, found(CatalogueKind::Skills, c.bytes)) << c.what;
}

TEST(Checker, SkillWarningsOnePerLineAndKind) {
    const Case cases[] = {
        {"attribute, price and a flag", "8300A\n1121B\n",
         "1:1: warning: attribute 8 is not 1 to 7: the skill is offered under no attribute\n"
         "1:2: warning: unit price 3 is not 1, 2 or 4\n"
         "2:3: warning: branched flag 2 is not 0 or 1\n"},
        {"both flags bad: one flag warning", "1199A\n",
         "1:3: warning: branched flag 9 is not 0 or 1\n"},
        {"empty name", "1100\r\n",
         "1:5: warning: empty name: the skill shows as a blank line in the dialog\n"},
        {"equals sign", "1100a=b\n",
         "1:6: warning: the name holds \"=\", which splits its row in the sheet's table\n"},
        {"same name under one attribute, not under another",
         "1100Run\n2100Run\n1210Run\n1100Run \n",
         "3:5: warning: the same name as on line 1"s + kSameSkill +
             "4:8: warning: blanks at the end of the name: the dialog shows them, and the name "
             "typed without them does not match\n"},
        {"Ctrl-Z with text after it", "1100A\n\x1A\n1100B\n",
         "2:1: warning: this Ctrl-Z ends the catalogue: the text after it is not read\n"},
        {"Ctrl-Z with only line ends after it", "1100A\r\n\x1A\r\n", ""},
        {"a tab inside a name", "1100Bow\tshort\r\n",
         "1:8: warning: a tab inside the name, where a blank was surely meant: the dialog and "
         "the copied sheet show it as a wide gap\n"},
        {"blanks and a tab at a name's end, a clean line", "1100Run \t\r\n1100Run fast\r\n",
         "1:8: warning: blanks at the end of the name: the dialog shows them, and the name "
         "typed without them does not match\n"},
        {"a non-breaking space",
         "1100a\xA0"
         "b\n",
         "1:6: warning: a non-breaking space in the name: it looks like a blank, but the name "
         "typed with a blank does not match\n"},
        {"control characters: the first one", "1100a\x01\x7F\n",
         "1:6: warning: a control character (0x01) in the name: the dialog shows it as a box or "
         "not at all\n"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, found(CatalogueKind::Skills, c.bytes)) << c.what;
}

TEST(Checker, ColumnsCountTheFilesBytesWhereCrsAreDropped) {
    const Case cases[] = {
        {"lone CR: joins the line, columns after it still the file's", "11\r0xA\n1100B\r\n",
         "1:3: warning: a CR that ends no line: it is dropped, and the text on both sides reads "
         "as one line\n"
         "1:5: error: 'x' is not a valid integer value\n1:5: "s +
             kSkillStop + kSkillKept + "as a blank line under attribute 1\n"},
        {"CR CR LF is a line end", "1100A\r\r\n1100\r\r\n",
         "2:5: warning: empty name: the skill shows as a blank line in the dialog\n"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, found(CatalogueKind::Skills, c.bytes)) << c.what;
}

TEST(Checker, TheFilesEncodingIsToldOnceAndUtf8LinesEach) {
    // "Атлетика" and "Рысь" in UTF-8: "Р" is D0 A0, not a non-breaking space. "Сёмга" in
    // Windows-1251 begins D1 B8, which is "Ѹ" in UTF-8, but goes on with bytes that are no UTF-8.
    // "1100A" in UTF-16 with each byte order's mark, which is the first byte read.
    std::string utf16le = "\xFF\xFE";
    std::string utf16be = "\xFE\xFF";
    for (const char c : std::string_view("1100A")) {
        utf16le += {c, '\0'};
        utf16be += {'\0', c};
    }
    const std::string utf16 =
        " is not a valid integer value (the file is in UTF-16, which Notepad "
        "calls \"Unicode\", and catalogues are read as Windows-1251: " +
        say(Language::English, utf16advice()) + ")\n";
    const Case cases[] = {
        {"UTF-8 names",
         "1100\xD0\x90\xD1\x82\xD0\xBB\xD0\xB5\xD1\x82\xD0\xB8\xD0\xBA\xD0\xB0\n1100\xD0\xA0\xD1"
         "\x8B\xD1\x81\xD1\x8C\n",
         "1:5: warning: the file is in UTF-8; catalogues are read as Windows-1251, so the names "
         "show garbled" +
             kAdvice},
        {"Windows-1251", "1100\xD1\xB8\xEC\xE3\xE0\n1100\xC0\xF2\xEB\xE5\xF2\xE8\xEA\xE0\n", ""},
        {"lines in UTF-8, one without Russian letters; a real non-breaking space in another",
         "1100a\xA0z\n1100\xD0\xA0\xD1\x8B\xD1\x81\xD1\x8C\n1100\xD1\xB8\xEC\xE3\xE0\n1100\xC2\xAB"
         "A\xC2\xBB\n",
         "1:6: warning: a non-breaking space in the name: it looks like a blank, but the name "
         "typed with a blank does not match\n2:5: warning: this line is in UTF-8, in a file "
         "otherwise in Windows-1251, in which catalogues are read: its name shows garbled "
         "(talvira-check --fix converts the UTF-8 lines alone)\n4:5: warning: this line is in "
         "UTF-8, in a file otherwise in Windows-1251, in which catalogues are read: its name "
         "shows garbled (talvira-check --fix converts the UTF-8 lines alone)\n"},
        {"UTF-16: its first byte fails, and nothing else is said", utf16le,
         "1:1: error: '\xFF'" + utf16},
        {"UTF-16, big end first", utf16be, "1:1: error: '\xFE'" + utf16},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, found(CatalogueKind::Skills, c.bytes)) << c.what;
}

TEST(Checker, FeatErrorsAtTheFirstBadNumberAndReadingGoesOn) {
    const Case cases[] = {
        {"clean", "5 10 5 A\r\n-5 $A x0F *B\r\n\r\n  \r\n", ""},
        {"the first bad number of the line", "1 2 3 A\n5 10abc 7x *B\n9 9 9 C\n",
         "2:3: error: Invalid numeric input\n2:3: "s + kFeatStop + kFeatKept +
             "\"B (5/0/0) (разветвленная)\"\n"},
        {"a word where the numbers go, then a good line", "Name only\n1 2 3 B\n",
         "1:1: error: Invalid numeric input\n1:1: "s + kFeatStop + kFeatKept +
             "\"2 3 B (0/0/0)\"\n"},
        {"two bad lines: the entry of the first is kept", "x 2 3 A\n1 2 3 B\n1 y 3 C\n",
         "1:1: error: Invalid numeric input\n1:1: "s + kFeatStop + kFeatKept +
             "\"A (0/0/0)\"\n3:3: error: Invalid numeric input\n"},
        {"a dash for a minus",
         "5 \x96"
         "10 5 A\n",
         "1:3: error: Invalid numeric input (a dash stands where a minus \"-\" is meant)\n1:3: "s +
             kFeatStop + kFeatKept + "\"A (5/0/0)\"\n"},
        {"a price missing", "5 -10 Name\n",
         "1:7: error: Invalid numeric input (only two prices before the name: a feature has "
         "three, for ТЛ1, ТЛ2 and ТЛ1М)\n1:7: "s +
             kFeatStop + kFeatKept + "\" (5/-10/0)\"\n"},
        {"the kept entry's name in the dialog's letters",
         "15 20 \xC1\xFB\xF1\xF2\xF0\xE0\xFF "
         "\xF0\xE5\xE0\xEA\xF6\xE8\xFF\n",
         "1:7: error: Invalid numeric input (only two prices before the name: a feature has "
         "three, for ТЛ1, ТЛ2 and ТЛ1М)\n1:7: "s +
             kFeatStop + kFeatKept + "\"реакция (15/20/0)\"\n"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, found(CatalogueKind::Feats, c.bytes)) << c.what;
}

TEST(Checker, FeatWarnings) {
    const Case cases[] = {
        {"costs beyond the dialog's bounds: the first per line", "80 -71 5 A\n1 2 -100 B\n",
         "1:1: warning: cost 80 under ТЛ1 is outside -70..70; the dialog brings it to 70\n"
         "2:5: warning: cost -100 under ТЛ1М is outside -70..70; the dialog brings it to -70\n"},
        {"empty names", "1 2 3\n1 2 3 *\n",
         "1:6: warning: empty name: the feature shows as its prices alone and cannot be taken\n"
         "2:8: warning: empty name: the feature shows as its prices alone and cannot be taken\n"},
        {"the same name, star or not", "1 2 3 A\n4 5 6 *A\n",
         "2:8: warning: the same name as on line 1 among the features; the sheet prices by name, "
         "so only the first counts\n"},
        {"numbers across short lines", "1\r\n2\r\n3 A\r\n",
         "1:1: warning: a line of only 1 character; the numbers of a feature are read across "
         "line ends\n"
         "2:1: warning: a line of only 1 character; the numbers of a feature are read across "
         "line ends\n"
         "3:1: warning: a line of only 3 characters; the numbers of a feature are read across "
         "line ends\n"},
        {"blank lines are no short lines", "1 2 3 A\n \n\t\n4 5 6 B\n", ""},
        {"a Ctrl-Z ends the numbers of a short line", "7\x1A\n",
         "1:1: warning: a line of only 2 characters; the numbers of a feature are read across "
         "line ends\n"
         "1:3: warning: empty name: the feature shows as its prices alone and cannot be taken\n"},
        {"equals sign", "1 2 3 a=b\n",
         "1:8: warning: the name holds \"=\", which splits its row in the sheet's table\n"},
        {"a tab inside a feature's name, blanks at another's end", "1 2 3 a\tb\n1 2 3 c \n",
         "1:8: warning: a tab inside the name, where a blank was surely meant: the dialog and "
         "the copied sheet show it as a wide gap\n"
         "2:8: warning: blanks at the end of the name: the dialog shows them, and the name "
         "typed without them does not match\n"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, found(CatalogueKind::Feats, c.bytes)) << c.what;
}

TEST(Checker, RussianReadersGetRussianWordsAndTheProgramsOwnMessages) {
    const std::pair<CatalogueKind, Case> cases[] = {
        {CatalogueKind::Feats,
         {"a cause after the program's message", "1 A\n",
          "1:3: ошибка: Invalid numeric input (перед именем только одна цена: у особенности их "
          "три, для ТЛ1, ТЛ2 и ТЛ1М)\n1:3: замечание: talvira прекращает загрузку на первой "
          "ошибке, здесь: дальнейшие особенности не читаются; запись этой строки она "
          "сохраняет, и диалог показывает её как « (1/0/0)»\n"}},
        {CatalogueKind::Skills,
         {"an error and its note", "1x00A\n",
          "1:2: ошибка: 'x' is not a valid integer value\n1:2: замечание: talvira прекращает "
          "загрузку на первой ошибке, здесь: дальнейшие навыки не читаются, а feats.res не "
          "читается вовсе; запись этой строки она сохраняет, и диалог показывает её пустой "
          "строкой под атрибутом 1\n"}},
        {CatalogueKind::Skills,
         {"a tab", "1100a\tb\n",
          "1:6: предупреждение: табуляция внутри имени, где наверняка нужен пробел: диалог и "
          "скопированный лист показывают её широким промежутком\n"}},
        {CatalogueKind::Feats,
         {"a short line and the kept entry", "1\n2 3 A\n4 x 3 B\n",
          "1:1: предупреждение: строка всего из 1 символа; числа особенности читаются через "
          "концы строк\n3:3: ошибка: Invalid numeric input\n3:3: замечание: talvira "
          "прекращает загрузку на первой ошибке, здесь: дальнейшие особенности не читаются; "
          "запись этой строки она сохраняет, и диалог показывает её как «B (4/0/0)»\n"}},
    };
    for (const auto& [kind, c] : cases)
        EXPECT_EQ(c.expected, found(kind, c.bytes, Language::Russian)) << c.what;
}

TEST(Checker, ByteOffsetsPointIntoTheFileAsStored) {
    const CheckedFile checked = checkbytes(CatalogueKind::Skills, "1100A\r\n1\r10x\r\n");
    ASSERT_EQ(3u, checked.diagnostics.size());
    EXPECT_EQ(8u, checked.diagnostics[0].offset);   // the lone CR
    EXPECT_EQ(11u, checked.diagnostics[1].offset);  // 'x', after it
    EXPECT_EQ('x', checked.text[checked.diagnostics[1].offset]);
}

}  // namespace
