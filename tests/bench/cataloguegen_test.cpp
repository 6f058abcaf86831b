// The generated benchmark catalogues are valid, varied and the same for the same rng state.
#include "cataloguegen.h"

#include <gtest/gtest.h>

#include <set>

#include "catalogue/readers.h"

namespace {

constexpr GenOptions kSmall{.bytes = 300'000, .rngstate = 7};

std::size_t crlflines(const std::string& bytes) {
    std::size_t lines = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\n') continue;
        EXPECT_TRUE(i > 0 && bytes[i - 1] == '\r') << "line " << lines + 1 << " ends in a bare LF";
        ++lines;
    }
    return lines;
}

bool isshortname(std::string_view name) {
    return name.size() >= kMinNameBytes && name.size() <= kMaxNameBytes;
}

TEST(CatalogueGen, SkillsReadBackWithEveryCombinationAndLongLines) {
    const std::string bytes = skillsbytes(kSmall);
    Catalogue catalogue;
    readskills(catalogue, bytes);
    const auto& list = catalogue.skilllist;
    EXPECT_EQ(crlflines(bytes), list.size());
    std::set<std::array<int, 4>> combinations;
    std::size_t longnames = 0;
    for (const TSkillRec& skill : list) {
        combinations.insert({skill.attr, skill.price, skill.branched, skill.special});
        if (!isshortname(skill.name)) ++longnames;
        // A name of our own never begins with a blank or holds a line break.
        EXPECT_NE(' ', skill.name.front());
        EXPECT_EQ(std::string_view::npos, skill.name.find_first_of("\r\n\x1A"));
    }
    EXPECT_EQ(84u, combinations.size());
    EXPECT_LE(1u, longnames);
    EXPECT_GE(list.size() / 1000, longnames);
}

TEST(CatalogueGen, FeatsReadBackWithEverySignAndBothStarForms) {
    const std::string bytes = featsbytes(kSmall);
    Catalogue catalogue;
    readfeats(catalogue, bytes);
    const auto& list = catalogue.featlist;
    EXPECT_EQ(crlflines(bytes), list.size());
    std::set<std::array<int, 4>> combinations;
    for (const TFeatRec& feat : list) {
        const auto sign = [](std::int32_t cost) { return (cost > 0) - (cost < 0); };
        combinations.insert(
            {sign(feat.cost[0]), sign(feat.cost[1]), sign(feat.cost[2]), feat.branched});
        EXPECT_GE(70, std::abs(feat.cost[0]));
        EXPECT_FALSE(feat.name.empty());
    }
    EXPECT_EQ(54u, combinations.size());
    // Hexadecimal and "+" forms of the costs occur.
    EXPECT_NE(std::string::npos, bytes.find(" $"));
    EXPECT_NE(std::string::npos, bytes.find(" +"));
}

TEST(CatalogueGen, NamesAreRussianInWindows1251) {
    Rng rng(3);
    for (int i = 0; i < 2000; ++i) {
        const std::string name = makename(rng);
        ASSERT_TRUE(isshortname(name)) << name.size();
        const auto first = static_cast<unsigned char>(name[0]);
        EXPECT_TRUE((first >= 0xC0 && first <= 0xDF) || first == 0xA8) << "capital first letter";
        for (const char c : name) {
            const auto byte = static_cast<unsigned char>(c);
            EXPECT_TRUE(byte >= 0xC0 || byte == 0xA8 || byte == 0xB8 || c == ' ' || c == '(' ||
                        c == ')');
        }
    }
    EXPECT_EQ(5000u, makelongname(rng, 5000).size());
}

TEST(CatalogueGen, TheSameRngStateGivesTheSameBytes) {
    EXPECT_EQ(skillsbytes(kSmall), skillsbytes(kSmall));
    EXPECT_NE(skillsbytes(kSmall), skillsbytes({.bytes = kSmall.bytes, .rngstate = 8}));
    EXPECT_NE(skillsbytes(kSmall), featsbytes(kSmall));
}

TEST(CatalogueGen, UniqueNamesAddAWordToEachLineAndChangeNothingElse) {
    GenOptions unique = kSmall;
    unique.uniquenames = true;
    for (const auto make : {skillsbytes, featsbytes}) {
        const std::string plain = make(kSmall);
        const std::string bytes = make(unique);
        std::set<std::string_view> names;
        std::size_t at = 0;
        std::size_t plainat = 0;
        while (at < bytes.size()) {
            const std::size_t end = bytes.find("\r\n", at);
            const std::size_t blank = bytes.rfind(' ', end);
            const std::size_t plainend = plain.find("\r\n", plainat);
            ASSERT_EQ(plain.substr(plainat, plainend - plainat), bytes.substr(at, blank - at));
            EXPECT_TRUE(names.insert(std::string_view(bytes).substr(blank, end - blank)).second);
            at = end + 2;
            plainat = plainend + 2;
        }
        EXPECT_LT(1000u, names.size());
    }
}

TEST(CatalogueGen, WritesTheSameBytesToFiles) {
    const auto dir = std::filesystem::path(testing::TempDir()) / "cataloguegen_test";
    std::filesystem::create_directories(dir);
    const GenResult result = writeskills(dir / "skills.res", kSmall);
    EXPECT_EQ(skillsbytes(kSmall).size(), result.bytes);
    EXPECT_EQ(result.bytes, std::filesystem::file_size(dir / "skills.res"));
    Catalogue catalogue;
    loadskills(catalogue, readfile(dir / "skills.res"));
    EXPECT_EQ(result.lines, catalogue.skilllist.size());
    std::filesystem::remove_all(dir);
}

}  // namespace
