// The set of taken names answers as a search of the list for an equal name does.
#include "sheet/nameset.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

#include "sheet/taken.h"

namespace {

bool scan(const std::vector<TTakenFeat>& taken, std::string_view name) {
    return std::any_of(taken.begin(), taken.end(),
                       [name](const TTakenFeat& t) { return t.name == name; });
}

TEST(NameSet, ComparesWholeNamesByteForByte) {
    const std::vector<TTakenFeat> taken = {
        {"Luck", "", 1}, {"Foe", "rival", 1}, {"", "", 0}, {"\xC1\xE5\xE3", "", 0}, {"Luck", "", 2},
    };
    const NameSet set(taken);
    const struct {
        std::string_view name;
        bool taken;
    } cases[] = {
        {"Luck", true},   {"Foe", true},           {"", true},       {"\xC1\xE5\xE3", true},
        {"luck", false},  {"Luc", false},          {"Luck ", false}, {"Foe (rival)", false},
        {"rival", false}, {"\xE1\xE5\xE3", false},
    };
    for (const auto& c : cases) EXPECT_EQ(c.taken, set.contains(c.name)) << c.name;
}

TEST(NameSet, AnEmptyListHoldsNoName) {
    const NameSet set(std::vector<TTakenSkill>{});
    EXPECT_FALSE(set.contains(""));
    EXPECT_FALSE(set.contains("Ride"));
}

TEST(NameSet, AgreesWithAScanOnLargeListsFullOfRepeats) {
    // Thousands of entries over a few syllables: long probe runs that wrap around the table,
    // names of every length around the eight bytes hashed at a time.
    std::mt19937 rng(11);
    const std::vector<std::string> parts = {"",    "Ri",     "de", "Craft", "\xEB\xEE\xE2",
                                            "(x)", "1234567"};
    auto pick = [&] { return parts[rng() % parts.size()] + parts[rng() % parts.size()]; };
    for (const std::size_t size : {1u, 7u, 1000u, 3000u}) {
        std::vector<TTakenFeat> taken(size);
        for (auto& t : taken) t = {pick() + pick(), "", 0};
        const NameSet set(taken);
        for (int probe = 0; probe < 2000; ++probe) {
            const std::string name = pick() + pick();
            ASSERT_EQ(scan(taken, name), set.contains(name)) << name;
        }
    }
}

}  // namespace
