// The indexed look-up of taken skills gives the same first match as a scan of the list.
#include "sheet/takenindex.h"

#include <gtest/gtest.h>

#include <random>

namespace {

std::optional<std::size_t> scan(const std::vector<TTakenSkill>& taken, std::string_view key) {
    for (std::size_t i = 0; i < taken.size(); ++i) {
        if (taken[i].name == key || taken[i].name + " (" + taken[i].spec + ")" == key) return i;
    }
    return std::nullopt;
}

TEST(TakenIndex, FindsTheFirstEntryByEitherKeyForm) {
    const std::vector<TTakenSkill> taken = {
        {1, 1, "Ride", ""},  {1, 2, "Craft", "smith"}, {1, 4, "Craft", "potter"},
        {1, 1, "Craft", ""}, {1, 1, "Ride (x)", ""},   {1, 1, "Ride", "x"},
    };
    const TakenIndex index(taken);
    EXPECT_EQ(0u, index.find("Ride"));
    EXPECT_EQ(1u, index.find("Craft (smith)"));
    EXPECT_EQ(2u, index.find("Craft (potter)"));
    // The bare name of a specified entry matches that entry first.
    EXPECT_EQ(1u, index.find("Craft"));
    EXPECT_EQ(0u, index.find("Ride ()"));
    // Two entries give the same key: the earlier one wins.
    EXPECT_EQ(4u, index.find("Ride (x)"));
    EXPECT_EQ(std::nullopt, index.find("Swim"));
    EXPECT_EQ(std::nullopt, index.find(""));
}

TEST(TakenIndex, AgreesWithAPlainScanOnRandomLists) {
    std::mt19937 rng(20261208);
    const std::vector<std::string> words = {"", "A", "B", "A (B)", "B ()", "A (A)", "(", ")"};
    auto pick = [&] { return words[rng() % words.size()]; };
    for (int round = 0; round < 200; ++round) {
        std::vector<TTakenSkill> taken(rng() % 12);
        for (auto& t : taken) t = {0, 1, pick(), pick()};
        const TakenIndex index(taken);
        for (int probe = 0; probe < 20; ++probe) {
            const std::string key = rng() % 2 ? pick() : pick() + " (" + pick() + ")";
            EXPECT_EQ(scan(taken, key), index.find(key)) << key;
        }
    }
}

TEST(TakenIndex, AgreesWithAPlainScanOnLargeListsFullOfRepeats) {
    // Thousands of entries over a few words: long probe runs that wrap around the table,
    // and the same key from many entries in either form.
    std::mt19937 rng(7);
    const std::vector<std::string> words = {"", "Ride", "Craft", "Ride (x)", "x", "Lore ()", "("};
    auto pick = [&] { return words[rng() % words.size()] + words[rng() % words.size()]; };
    for (const std::size_t size : {1000u, 3000u}) {
        std::vector<TTakenSkill> taken(size);
        for (auto& t : taken) t = {0, 1, pick(), rng() % 3 == 0 ? pick() : ""};
        const TakenIndex index(taken);
        for (int probe = 0; probe < 3000; ++probe) {
            const std::string key = rng() % 2 ? pick() : pick() + " (" + pick() + ")";
            ASSERT_EQ(scan(taken, key), index.find(key)) << key;
        }
    }
}

}  // namespace
