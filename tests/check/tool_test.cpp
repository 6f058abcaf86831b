// talvira-check as a user runs it: its output and exit status.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "check/pathtext.h"
#include "codec/cp1251.h"
#include "runtool.h"
#include "tempdir.h"

namespace fs = std::filesystem;

namespace {

const fs::path kData = TALVIRA_CHECK_DATA;

// Runs talvira-check with `args` (already quoted for the shell) in `dir`.
Outcome run(const fs::path& dir, const std::string& args, const std::string& lang = "") {
    return runin(dir, TALVIRA_CHECK, args, lang);
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
    const std::string special = specialfile(dir.path());
    const std::string refused =
        "talvira-check: " + special + ": not a file on a disk but a named pipe or a device";
    const struct {
        std::string args;
        int status;
        std::string begins;
        const char* lang = "";
    } cases[] = {
        {"--skills skills.res", 0, "0 errors, 0 warnings\n"},
        {"--skills warned.res", 0, "warned.res:2:5: warning: the same name"},
        {"--feats skills.res", 1, "skills.res:1:1: error: Invalid numeric input\n"},
        {"", 2,
         "talvira-check: feats.res: File not found\n0 errors, 0 warnings; not checked: "
         "feats.res\n"},
        {"--skills nothere.res", 2,
         "talvira-check: nothere.res: File not found\nnothing was checked\n"},
        {"--feats .", 2,
         "talvira-check: .: File access denied (a folder, not a file)\nnothing was checked\n"},
        {"--skills " + special, 2, refused},
        {"--fix --skills " + special, 2, refused},
        {"nothere", 2,
         "talvira-check: nothere: no such folder, or it cannot be read\nnothing was checked\n"},
        {"--colour", 2, "talvira-check: unknown option '--colour'\nTry 'talvira-check --help'"},
        {"a b", 2, "talvira-check: more than one folder given\n"},
        {"--help", 0, "Usage: talvira-check [DIR]\n"},
        {"-h", 0, "Usage: talvira-check [DIR]\n"},
        {"/?", 0, "Usage: talvira-check [DIR]\n"},
        {"--version", 0, "talvira-check " TALVIRA_VERSION "\n"},
        {"--skills warned.res", 0, "warned.res:2:5: warning: the same name", "C"},
        {"--feats skills.res", 1,
         "skills.res:1:1: ошибка: Invalid numeric input\n 1100A\n ^\nskills.res:1:1: замечание: "
         "talvira прекращает загрузку на первой ошибке",
         "ru_RU.UTF-8"},
        {"--skills warned.res", 0, "warned.res:2:5: предупреждение: то же имя, что в строке 1",
         "ru_RU.UTF-8"},
        {"--colour", 2,
         "talvira-check: неизвестный параметр «--colour»\nПодробнее:", "ru_RU.UTF-8"},
        {"/?", 0, "Использование: talvira-check [ПАПКА]\n", "ru_RU.UTF-8"},
    };
    for (const auto& c : cases) {
        if (*c.lang != '\0' && !kLanguageFromEnvironment) continue;
        const Outcome result = run(dir.path(), c.args, c.lang);
        EXPECT_EQ(c.status, result.status) << c.args;
        EXPECT_TRUE(result.out.starts_with(c.begins)) << c.args << "\n" << result.out;
    }
}

// A catalogue saved as UTF-8 by Notepad, mended in a folder named as a player names it.
TEST(Tool, FixTurnsUtf8IntoTheWindows1251FileAndKeepsTheOriginal) {
    const std::string cp1251 = "1100\xC1\xE5\xE3 \xB8\r\n2100A\n";  // "Бег ё"
    const std::string utf8 = "1100\xD0\x91\xD0\xB5\xD0\xB3 \xD1\x91\r\n2100A\n";
    const std::string unencodable = utf8 + "1100a\xF0\x9F\x98\x80\r\n";  // "a😀"
    const std::string oneline = "1100\xC1\xE5\xE3 \xB8\r\n2100\xD0\x91\r\n";
    const std::u16string text = cp1251toutf16(cp1251);
    std::string utf16le = "\xFF\xFE";
    std::string utf16be = "\xFE\xFF";
    for (const char16_t unit : text) {
        const char high = static_cast<char>(unit >> 8);
        const char low = static_cast<char>(unit & 0xFF);
        utf16le += {low, high};
        utf16be += {high, low};
    }
    const struct {
        const char* what;
        std::string before;
        int status;
        std::string begins;
        std::string after;
        const char* backup;  // where the original is kept, if anywhere
    } cases[] = {
        {"UTF-8", utf8, 0,
         "skills.res: converted from UTF-8 to Windows-1251; the original is kept as "
         "skills.res.bak\n0 errors, 0 warnings\n",
         cp1251, "skills.res.bak"},
        {"UTF-8 with a byte-order mark", "\xEF\xBB\xBF" + utf8, 0, "skills.res: converted", cp1251,
         "skills.res.bak"},
        {"a backup's name taken", utf8, 0,
         "skills.res: converted from UTF-8 to Windows-1251; "
         "the original is kept as skills.res.bak2\n",
         cp1251, "skills.res.bak2"},
        {"UTF-16, little end first", utf16le, 0,
         "skills.res: converted from UTF-16 to Windows-1251; the original is kept as "
         "skills.res.bak\n0 errors, 0 warnings\n",
         cp1251, "skills.res.bak"},
        {"UTF-16, big end first", utf16be, 0, "skills.res: converted from UTF-16", cp1251,
         "skills.res.bak"},
        {"one line in UTF-8", oneline, 0,
         "skills.res: the lines in UTF-8 (2) converted to Windows-1251, in which the others "
         "were; the original is kept as skills.res.bak\n0 errors, 0 warnings\n",
         "1100\xC1\xE5\xE3 \xB8\r\n2100\xC1\r\n", "skills.res.bak"},
        {"Windows-1251 already", cp1251, 0,
         "skills.res: no UTF-8 or UTF-16 in it, left as it is\n0 errors, 0 warnings\n", cp1251,
         nullptr},
        {"a character without a Windows-1251 form", unencodable, 1,
         "skills.res:3:6: error: \"\xF0\x9F\x98\x80\" (U+1F600) has no Windows-1251 form: the "
         "file is not converted, replace the character first\nskills.res:1:5: warning: the "
         "file is in UTF-8",
         unencodable, nullptr},
    };
    for (const auto& c : cases) {
        TempDir dir;
        const fs::path folder = dir.path() / u8"Тальвира";
        fs::create_directories(folder);
        std::ofstream(folder / "skills.res", std::ios::binary) << c.before;
        const bool taken = std::string_view(c.what).starts_with("a backup");
        if (taken) std::ofstream(folder / "skills.res.bak", std::ios::binary) << "old";
        const Outcome result = run(folder, "--fix --skills skills.res");
        EXPECT_EQ(c.status, result.status) << c.what;
        EXPECT_TRUE(result.out.starts_with(c.begins)) << c.what << "\n" << result.out;
        EXPECT_EQ(c.after, contents(folder / "skills.res")) << c.what;
        if (c.backup != nullptr) {
            EXPECT_EQ(c.before, contents(folder / c.backup)) << c.what;
        }
        if (taken) {
            EXPECT_EQ("old", contents(folder / "skills.res.bak"));
        }
        const auto files = std::distance(fs::directory_iterator(folder), fs::directory_iterator());
        EXPECT_EQ(1 + (c.backup != nullptr ? 1 : 0) + (taken ? 1 : 0), files) << c.what;
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
