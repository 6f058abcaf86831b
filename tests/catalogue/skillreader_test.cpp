// The reader of "skills.res" on hand-made byte sequences.
#include <gtest/gtest.h>

#include <random>

#include "catalogue/apperror.h"
#include "catalogue/readers.h"

using namespace std::string_literals;

namespace {

// The whole catalogue, since the names point into its text.
Catalogue read(std::string_view bytes) {
    Catalogue catalogue;
    readskills(catalogue, bytes);
    return catalogue;
}

std::string failure(Catalogue& catalogue, std::string_view bytes) {
    try {
        readskills(catalogue, bytes);
    } catch (const AppError& error) {
        return error.message();
    }
    return "no error";
}

TEST(SkillReader, ConvertsTheFourCodeCharactersOneByOne) {
    Catalogue catalogue;
    readskills(catalogue, "1400Sword\r\n1210Lore\r\n7001Luck\r\n");
    const auto& list = catalogue.skilllist;
    ASSERT_EQ(3u, list.size());
    EXPECT_EQ("Sword", list[0].name);
    EXPECT_EQ(1, list[0].attr);
    EXPECT_EQ(4, list[0].price);
    EXPECT_EQ(0, list[0].branched);
    EXPECT_EQ(0, list[0].special);
    // Character 3 is the branched flag, character 4 the special flag.
    EXPECT_EQ(2, list[1].price);
    EXPECT_EQ(1, list[1].branched);
    EXPECT_EQ(0, list[1].special);
    EXPECT_EQ(0, list[2].branched);
    EXPECT_EQ(1, list[2].special);
    EXPECT_EQ(7, list[2].attr);
}

TEST(SkillReader, LineEndsAndControlBytes) {
    struct Case {
        const char* what;
        std::string bytes;
        std::vector<std::string_view> names;
    };
    const Case cases[] = {
        {"empty file", "", {}},
        {"LF only", "1100A\n1100B\n", {"A", "B"}},
        {"CR LF", "1100A\r\n1100B\r\n", {"A", "B"}},
        {"no final line break", "1100A\r\n1100B", {"A", "B"}},
        {"CR anywhere is dropped", "11\r00A\rB\r\n", {"AB"}},
        {"four digits give an empty name", "1100\r\n", {""}},
        {"Ctrl-Z at a line start ends the file",
         "1100A\r\n\x1A"
         "1100B\r\n",
         {"A"}},
        {"Ctrl-Z first",
         "\x1A"
         "1100A",
         {}},
        {"Ctrl-Z inside a name is a byte",
         "1100A\x1A"
         "B\n",
         {"A\x1A"
          "B"}},
        {"blank lines hold no skill", "\r\n1100A\r\n\r\n\n1100B\r\n\r\n", {"A", "B"}},
        {"blanks and tabs kept in names", "1100 A\tB \n", {" A\tB "}},
        {"high bytes", "1100\xC1\xE5\xE3\n", {"\xC1\xE5\xE3"}},
    };
    for (const Case& c : cases) {
        const Catalogue catalogue = read(c.bytes);
        const auto& list = catalogue.skilllist;
        ASSERT_EQ(c.names.size(), list.size()) << c.what;
        for (std::size_t i = 0; i < list.size(); ++i) EXPECT_EQ(c.names[i], list[i].name) << c.what;
    }
}

// Every entry and the error, as one text to compare.
std::string outcome(std::string_view bytes) {
    Catalogue catalogue;
    std::string text;
    try {
        readskills(catalogue, bytes);
    } catch (const AppError& error) {
        text = error.what();
    }
    for (const TSkillRec& s : catalogue.skilllist) {
        text += '|';
        for (const int code : {s.attr, s.price, s.branched, s.special}) {
            text += std::to_string(code);
        }
        text += s.name;
    }
    return text;
}

TEST(SkillReader, CrBytesReadAsIfTheyWereNotThere) {
    // CR LF files keep their CRs until the lines are cut; other CRs are dropped first.
    std::mt19937 rng(11);
    static constexpr std::string_view kPieces[] = {"1100", "4210", "A",    "\r", "\n",
                                                   "\r\n", "\r\n", "\x1A", " ",  "7"};
    for (int round = 0; round < 3000; ++round) {
        std::string bytes;
        for (std::size_t n = rng() % 12; n > 0; --n) bytes += kPieces[rng() % std::size(kPieces)];
        std::string bare = bytes;
        std::erase(bare, '\r');
        EXPECT_EQ(outcome(bare), outcome(bytes)) << testing::PrintToString(bytes);
    }
}

TEST(SkillReader, AVeryLongLineIsOneName) {
    const std::string name(1 << 20, 'n');
    const Catalogue catalogue = read("3100" + name + "\r\n");
    const auto& list = catalogue.skilllist;
    ASSERT_EQ(1u, list.size());
    EXPECT_EQ(name, list[0].name);
}

TEST(SkillReader, BadCodeCharacterStopsWithTheFailingEntryLeftBehind) {
    struct Case {
        const char* what;
        std::string bytes;
        std::string message;
        TSkillRec last;  // the failing line's entry: fields converted before the failure
    };
    const Case cases[] = {
        {"letter in the attribute", "1100A\nx100B\n", "'x' is not a valid integer value", {}},
        {"blank in the price", "1 00B\n", "' ' is not a valid integer value", {"", 1, 0, 0, 0}},
        // special (character 4) is converted before branched (character 3)
        {"bad branched flag", "12-1B\n", "'-' is not a valid integer value", {"", 1, 2, 1, 0}},
        {"bad special flag", "121+B\n", "'+' is not a valid integer value", {"", 1, 2, 0, 0}},
        {"line of three characters", "123\n", "'' is not a valid integer value", {"", 1, 2, 0, 0}},
        {"line of one character", "5", "'' is not a valid integer value", {"", 5, 0, 0, 0}},
        {"tab", "\t100A", "'\t' is not a valid integer value", {}},
        {"NUL byte", "1\0"s + "00A", "'\0' is not a valid integer value"s, {"", 1, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        Catalogue catalogue;
        EXPECT_EQ(c.message, failure(catalogue, c.bytes)) << c.what;
        ASSERT_FALSE(catalogue.skilllist.empty()) << c.what;
        const TSkillRec& last = catalogue.skilllist.back();
        EXPECT_EQ("", last.name) << c.what;
        EXPECT_EQ(c.last.attr, last.attr) << c.what;
        EXPECT_EQ(c.last.price, last.price) << c.what;
        EXPECT_EQ(c.last.special, last.special) << c.what;
        EXPECT_EQ(c.last.branched, last.branched) << c.what;
    }
    Catalogue catalogue;
    failure(catalogue, "1100A\n1100B\nz\n1100C\n");
    EXPECT_EQ(3u, catalogue.skilllist.size());
}

TEST(SkillReader, AppendsToWhatIsAlreadyLoadedAndKeepsItsNames) {
    Catalogue catalogue;
    readskills(catalogue, "1100A\n");
    readskills(catalogue, "2100B\n");
    ASSERT_EQ(2u, catalogue.skilllist.size());
    EXPECT_EQ("A", catalogue.skilllist[0].name);
    EXPECT_EQ("B", catalogue.skilllist[1].name);
}

}  // namespace
