// Repeated names found by their hashes in parts, against a plain map of first places.
#include "check/repeats.h"

#include <gtest/gtest.h>

#include <map>
#include <random>

namespace {

TEST(RepeatFinder, FindsEachRepeatWithItsFirstEntryWithinItsGroup) {
    // Enough names for many parts, and parts that overflow their room: one name in three is
    // drawn from a small set, so that some hashes come often.
    std::mt19937 rng(5);
    std::vector<std::string> names;
    std::vector<std::uint8_t> groups;
    for (int i = 0; i < 60'000; ++i) {
        const bool common = rng() % 3 == 0;
        names.push_back(common ? "name " + std::to_string(rng() % 500)
                               : "unique " + std::to_string(i) + std::string(rng() % 20, 'x'));
        groups.push_back(static_cast<std::uint8_t>(rng() % 3));
    }
    RepeatFinder finder(names.size() / 4);
    for (std::size_t i = 0; i < names.size(); ++i) finder.add(i, names[i], groups[i]);
    std::map<std::size_t, std::size_t> found;
    for (const auto& repeat :
         finder.repeats([&](std::size_t i) -> std::string_view { return names[i]; })) {
        EXPECT_TRUE(found.emplace(repeat.index, repeat.first).second) << repeat.index;
    }

    std::map<std::pair<std::string, std::uint8_t>, std::size_t> firsts;
    std::map<std::size_t, std::size_t> expected;
    for (std::size_t i = 0; i < names.size(); ++i) {
        const auto [at, fresh] = firsts.emplace(std::pair(names[i], groups[i]), i);
        if (!fresh) expected.emplace(i, at->second);
    }
    EXPECT_LT(10'000u, expected.size());
    EXPECT_EQ(expected, found);
}

}  // namespace
