// The reader of "feats.res" on hand-made byte sequences.
#include <gtest/gtest.h>

#include <random>

#include "catalogue/apperror.h"
#include "catalogue/intsyntax.h"
#include "catalogue/readers.h"

namespace {

struct Feat {
    std::string_view name;
    std::array<std::int32_t, 3> cost;
    int branched;
};

void expectfeats(const std::vector<Feat>& expected, const std::vector<TFeatRec>& list,
                 const char* what) {
    ASSERT_EQ(expected.size(), list.size()) << what;
    for (std::size_t i = 0; i < list.size(); ++i) {
        EXPECT_EQ(expected[i].name, list[i].name) << what << " #" << i;
        EXPECT_EQ(expected[i].cost, list[i].cost) << what << " #" << i;
        EXPECT_EQ(expected[i].branched, list[i].branched) << what << " #" << i;
    }
}

TEST(FeatReader, ReadsTheFormatRuleByRule) {
    struct Case {
        const char* what;
        std::string bytes;
        std::vector<Feat> feats;
    };
    const Case cases[] = {
        {"star marks a branched feature", "5 -10 7 *Enemy\r\n", {{"Enemy", {5, -10, 7}, 1}}},
        {"no star", "5 -10 7 Enemy\r\n", {{"Enemy", {5, -10, 7}, 0}}},
        {"two blanks keep one", "5 -10 7  Enemy\r\n", {{" Enemy", {5, -10, 7}, 0}}},
        {"tab as the separator", "5 -10 7\tEnemy\n", {{"Enemy", {5, -10, 7}, 0}}},
        {"hex costs", "$10 0x1F -3 A\n", {{"A", {16, 31, -3}, 0}}},
        {"tabs and blanks between numbers", "\t1\t 2  \t3 A\n", {{"A", {1, 2, 3}, 0}}},
        {"numbers on separate lines", "1\r\n2\r\n3 A\r\n", {{"A", {1, 2, 3}, 0}}},
        {"LF only", "1 2 3 A\n4 5 6 *B\n", {{"A", {1, 2, 3}, 0}, {"B", {4, 5, 6}, 1}}},
        {"CR inside a line is dropped", "1 2\r 3 A\rB\r\n", {{"AB", {1, 2, 3}, 0}}},
        {"empty file", "", {}},
        {"no final line break", "1 2 3 A", {{"A", {1, 2, 3}, 0}}},
        {"star alone", "1 2 3 *\n", {{"", {1, 2, 3}, 1}}},
        {"second star is part of the name", "1 2 3 **A\n", {{"*A", {1, 2, 3}, 1}}},
        {"blank then star", "1 2 3  *A\n", {{" *A", {1, 2, 3}, 0}}},
        {"Ctrl-Z at a line start ends the file",
         "1 2 3 A\n\x1A"
         "4 5 6 B\n",
         {{"A", {1, 2, 3}, 0}}},
        {"Ctrl-Z in the numbers ends them",
         "7 \x1A"
         "Name\n1 2 3 B\n",
         {{"Name", {7, 0, 0}, 0}, {"B", {1, 2, 3}, 0}}},
        {"Ctrl-Z right after a number", "7\x1A*Name\n", {{"Name", {7, 0, 0}, 1}}},
        {"Ctrl-Z inside a name is a byte",
         "1 2 3 A\x1A"
         "B\n",
         {{"A\x1A"
           "B",
           {1, 2, 3},
           0}}},
        {"blank line after the last feature", "1 2 3 A\r\n\r\n", {{"A", {1, 2, 3}, 0}}},
        {"blanks after the last feature", "1 2 3 A\n  \t \n\n", {{"A", {1, 2, 3}, 0}}},
        {"blank lines then Ctrl-Z",
         "1 2 3 A\n\n\x1A"
         "junk",
         {{"A", {1, 2, 3}, 0}}},
        {"nothing after the third number",
         "1 2 3\n4 5 6 B\n",
         {{"", {1, 2, 3}, 0}, {"B", {4, 5, 6}, 0}}},
        {"file ends after the third number", "1 2 3", {{"", {1, 2, 3}, 0}}},
        {"file ends inside the numbers", "1 2", {{"", {1, 2, 0}, 0}}},
        {"32-byte token", "1 2 " + std::string(31, '0') + "3X\n", {{"", {1, 2, 3}, 0}}},
        {"the byte after a full token is the separator",
         "1 2 " + std::string(31, '0') + "3XAB\n",
         {{"AB", {1, 2, 3}, 0}}},
    };
    for (const Case& c : cases) {
        Catalogue catalogue;
        readfeats(catalogue, c.bytes);
        expectfeats(c.feats, catalogue.featlist, c.what);
    }
}

TEST(FeatReader, BadTokenReportsOnceTheLineIsReadAndLeavesADefinedEntry) {
    struct Case {
        const char* what;
        std::string bytes;
        std::vector<Feat> feats;  // what stays loaded, the failing entry last
    };
    const Case cases[] = {
        {"letters after digits",
         "1 2 3 A\n5 10abc 7 *B\n9 9 9 C\n",
         {{"A", {1, 2, 3}, 0}, {"B", {5, 0, 0}, 1}}},
        {"comma", "1,5 2 3 A\n", {{"A", {0, 0, 0}, 0}}},
        {"out of range", "1 2 2147483648 A\n", {{"A", {1, 2, 0}, 0}}},
        // the 33rd byte starts the next token
        {"33-byte token", std::string(33, '1') + " 2 3 A\n", {{"3 A", {0, 0, 0}, 0}}},
        {"word instead of numbers", "Name only\n", {{"", {0, 0, 0}, 0}}},
    };
    for (const Case& c : cases) {
        Catalogue catalogue;
        std::string message = "no error";
        try {
            readfeats(catalogue, c.bytes);
        } catch (const AppError& error) {
            message = error.what();
        }
        EXPECT_EQ("Invalid numeric input", message) << c.what;
        expectfeats(c.feats, catalogue.featlist, c.what);
    }
}

// Every entry and the error, as one text to compare.
std::string outcome(std::string_view bytes) {
    Catalogue catalogue;
    std::string text;
    try {
        readfeats(catalogue, bytes);
    } catch (const AppError& error) {
        text = error.what();
    }
    for (const TFeatRec& f : catalogue.featlist) {
        text += '|';
        for (const std::int32_t cost : f.cost) text.append(std::to_string(cost)).append(" ");
        text.append(std::to_string(f.branched)).append(f.name);
    }
    return text;
}

TEST(FeatReader, CrBytesReadAsIfTheyWereNotThere) {
    // CR LF files keep their CRs until the lines are cut; other CRs are dropped first.
    std::mt19937 rng(12);
    static constexpr std::string_view kPieces[] = {
        "5", "-10", " ", "\t", "*", "A", "\r", "\n", "\r\n", "\r\n", "\x1A", "$1F", "1 2 3 B"};
    for (int round = 0; round < 3000; ++round) {
        std::string bytes;
        for (std::size_t n = rng() % 14; n > 0; --n) bytes += kPieces[rng() % std::size(kPieces)];
        std::string bare = bytes;
        std::erase(bare, '\r');
        EXPECT_EQ(outcome(bare), outcome(bytes)) << testing::PrintToString(bytes);
    }
}

std::vector<std::string> sometokens() {
    std::vector<std::string> tokens = {
        "1234567",   "12345678", "123456789",     "1234567890", "-1234567",    "+12345678",
        "-99999999", "00000000", "0000000000012", "2147483647", "-2147483648", "2147483648",
        "$7FFFFFFF", "x1F",      "0X1f",          "-0",         "1234567\xC0", "12\x7F",
        "9-",        "1+1",
    };
    static constexpr char kBytes[] = {'0', '7', '9', '-', '+', '$', 'x', 'a', '\xC0', '/', ':'};
    for (const char a : kBytes) {
        tokens.emplace_back(1, a);
        for (const char b : kBytes) {
            tokens.push_back({a, b});
            for (const char c : kBytes) tokens.push_back({a, b, c});
        }
    }
    return tokens;
}

TEST(FeatReader, EveryTokenReadsAsTheIntegerSyntaxSaysWhereverItStands) {
    // Short numbers are read eight bytes at a time when the file goes on that far, byte by
    // byte near its end; both must agree with parseint.
    for (const std::string& token : sometokens()) {
        const auto value = parseint(token);
        for (const std::string& bytes :
             {token + " 0 0 Name long enough\n", "0 0 " + token, "0 " + token + "\t0 N"}) {
            Catalogue catalogue;
            std::string message = "no error";
            try {
                readfeats(catalogue, bytes);
            } catch (const AppError& error) {
                message = error.what();
            }
            ASSERT_EQ(1u, catalogue.featlist.size()) << bytes;
            const auto& cost = catalogue.featlist[0].cost;
            if (value) {
                EXPECT_EQ("no error", message) << bytes;
                EXPECT_EQ(*value, cost[0] + cost[1] + cost[2]) << bytes;
            } else {
                EXPECT_EQ("Invalid numeric input", message) << bytes;
            }
        }
    }
}

}  // namespace
