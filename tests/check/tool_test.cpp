// talvira-check as a user runs it: its output and exit status.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "check/pathtext.h"
#include "runtool.h"
#include "tempdir.h"

namespace fs = std::filesystem;

namespace {

const fs::path kData = TALVIRA_CHECK_DATA;

// Runs talvira-check with `args` (already quoted for the shell) in `dir`.
Outcome run(const fs::path& dir, const std::string& args) {
    return runin(dir, TALVIRA_CHECK, args);
}

std::string contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(Tool, TheBundledCataloguesAreClean) {
    const Outcome result = run(TALVIRA_CATALOGUES, "");
    EXPECT_EQ(0, result.status);
    EXPECT_EQ("0 errors, 0 warnings\n", result.out);
}

TEST(Tool, ABrokenPairPrintsAsItsGoldenOutput) {
    const Outcome result = run(kData / "broken", "");
    EXPECT_EQ(1, result.status);
    EXPECT_EQ(contents(kData / "broken.expected"), result.out);
}

TEST(Tool, ExitStatusAndWhatStopsTheCheck) {
    TempDir dir;
    dir.write("skills.res", "1100A\r\n");
    dir.write("warned.res", "1100A\r\n1100A\r\n");
    const struct {
        const char* args;
        int status;
        std::string_view begins;
    } cases[] = {
        {"--skills skills.res", 0, "0 errors, 0 warnings\n"},
        {"--skills warned.res", 0, "warned.res:2:5: warning: the same name"},
        {"--feats skills.res", 1, "skills.res:1:1: error: Invalid numeric input\n"},
        {"", 2, "talvira-check: feats.res: File not found\n0 errors, 0 warnings\n"},
        {"--skills nothere.res", 2, "talvira-check: nothere.res: File not found\n"},
        {"--feats .", 2, "talvira-check: .: File access denied\n"},
        {"--colour", 2, "talvira-check: unknown option '--colour'\nTry 'talvira-check --help'"},
        {"a b", 2, "talvira-check: more than one folder given\n"},
        {"--help", 0, "Usage: talvira-check [DIR]\n"},
        {"--version", 0, "talvira-check " TALVIRA_VERSION "\n"},
    };
    for (const auto& c : cases) {
        const Outcome result = run(dir.path(), c.args);
        EXPECT_EQ(c.status, result.status) << c.args;
        EXPECT_TRUE(result.out.starts_with(c.begins)) << c.args << "\n" << result.out;
    }
}

// As a player's own folder is named: checked where the program is started, and by name.
TEST(Tool, AFolderWithCyrillicLettersIsCheckedInsideAndByName) {
    TempDir dir;
    const fs::path parent = dir.path() / u8"Иван";
    const fs::path folder = parent / u8"Тальвира";
    fs::create_directories(folder);
    std::ofstream(folder / "skills.res", std::ios::binary) << "1100A\r\n9x00B\r\n";
    std::ofstream(folder / "feats.res", std::ios::binary) << "1 2 3 F\r\n";
    const std::string error = ":2:2: error: 'x' is not a valid integer value\n";
    const struct {
        fs::path dir;
        const char* args;
        std::string begins;
    } cases[] = {
        {folder, "", "skills.res" + error},
        {parent, "Тальвира", pathtext(fs::path(u8"Тальвира") / "skills.res") + error},
    };
    for (const auto& c : cases) {
        const Outcome result = run(c.dir, c.args);
        EXPECT_EQ(1, result.status) << c.args;
        EXPECT_TRUE(result.out.starts_with(c.begins)) << c.args << "\n" << result.out;
    }
}

}  // namespace
