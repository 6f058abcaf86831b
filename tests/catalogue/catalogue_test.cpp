// Loading both catalogue files, their failures, and the bundled pair.
#include "catalogue/catalogue.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "catalogue/apperror.h"
#include "tempdir.h"

namespace fs = std::filesystem;

namespace {

std::string loadfailure(Catalogue& catalogue, const fs::path& dir) {
    try {
        loadcatalogues(catalogue, dir);
    } catch (const AppError& error) {
        return error.what();
    }
    return "";
}

TEST(Catalogue, LoadsSkillsThenFeatures) {
    TempDir dir;
    dir.write("skills.res", "1100A\r\n2100B\r\n");
    dir.write("feats.res", "1 2 3 F\r\n");
    Catalogue catalogue;
    EXPECT_EQ("", loadfailure(catalogue, dir.path()));
    EXPECT_EQ(2u, catalogue.skilllist.size());
    EXPECT_EQ(1u, catalogue.featlist.size());
}

TEST(Catalogue, FirstFailureStopsLoadingAndKeepsWhatWasRead) {
    struct Case {
        const char* what;
        const char* skills;  // nullptr: no such file
        const char* feats;
        std::string message;
        std::size_t skillcount;
        std::size_t featcount;
    };
    const Case cases[] = {
        {"both missing", nullptr, nullptr, "File not found", 0, 0},
        {"skills missing", nullptr, "1 2 3 F\n", "File not found", 0, 0},
        {"features missing", "1100A\n", nullptr, "File not found", 1, 0},
        {"empty skills go on to features", "", "1 2 3 F\n", "", 0, 1},
        {"bad skill line: features never read", "1100A\nQ\n", "1 2 3 F\n",
         "'Q' is not a valid integer value", 2, 0},
        {"bad feature token", "1100A\n", "1 2 3 F\nx 2 3 G\n4 5 6 H\n", "Invalid numeric input", 1,
         2},
    };
    for (const Case& c : cases) {
        TempDir dir;
        if (c.skills != nullptr) dir.write("skills.res", c.skills);
        if (c.feats != nullptr) dir.write("feats.res", c.feats);
        Catalogue catalogue;
        EXPECT_EQ(c.message, loadfailure(catalogue, dir.path())) << c.what;
        EXPECT_EQ(c.skillcount, catalogue.skilllist.size()) << c.what;
        EXPECT_EQ(c.featcount, catalogue.featlist.size()) << c.what;
    }
}

TEST(Catalogue, AFileThatCannotBeReadIsReportedWithItsReason) {
    TempDir dir;
    fs::create_directory(dir.path() / "skills.res");
    Catalogue catalogue;
    EXPECT_EQ("File access denied", loadfailure(catalogue, dir.path()));

    TempDir nested;
    nested.write("skills.res", "1100A\n");
    fs::create_directory(nested.path() / "feats.res");
    Catalogue partial;
    EXPECT_EQ("File access denied", loadfailure(partial, nested.path()));
    EXPECT_EQ(1u, partial.skilllist.size());

    Catalogue longname;
    EXPECT_EQ("Invalid filename", loadfailure(longname, fs::path(std::string(5000, 'n'))));
}

TEST(Catalogue, BundledCataloguesAreWellFormed) {
    Catalogue catalogue;
    ASSERT_EQ("", loadfailure(catalogue, TALVIRA_CATALOGUES));

    std::map<int, int> perattr;
    std::set<int> prices;
    int special = 0;
    int branched = 0;
    std::set<std::string_view> names;
    for (const TSkillRec& skill : catalogue.skilllist) {
        EXPECT_GE(skill.attr, 1);
        EXPECT_LE(skill.attr, 7);
        EXPECT_TRUE(skill.price == 1 || skill.price == 2 || skill.price == 4) << skill.name;
        EXPECT_LE(skill.special, 1);
        EXPECT_LE(skill.branched, 1);
        EXPECT_FALSE(skill.name.empty());
        EXPECT_EQ(std::string_view::npos, skill.name.find('='));
        EXPECT_TRUE(names.insert(skill.name).second) << "twice: " << skill.name;
        ++perattr[skill.attr];
        prices.insert(skill.price);
        special += skill.special;
        branched += skill.branched;
    }
    for (int attr = 1; attr <= 7; ++attr) EXPECT_GE(perattr[attr], 8) << attr;
    EXPECT_EQ((std::set<int>{1, 2, 4}), prices);
    EXPECT_GT(special, 0);
    EXPECT_GT(branched, 0);

    ASSERT_GE(catalogue.featlist.size(), 30u);
    int advantages = 0;
    int drawbacks = 0;
    int featbranched = 0;
    for (const TFeatRec& feat : catalogue.featlist) {
        EXPECT_FALSE(feat.name.empty());
        EXPECT_EQ(std::string_view::npos, feat.name.find('='));
        EXPECT_TRUE(names.insert(feat.name).second) << "twice: " << feat.name;
        advantages += feat.cost[0] > 0;
        drawbacks += feat.cost[0] < 0;
        featbranched += feat.branched;
    }
    EXPECT_GT(advantages, 0);
    EXPECT_GT(drawbacks, 0);
    EXPECT_GE(featbranched, 3);
}

}  // namespace
