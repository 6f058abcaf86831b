// Catalogue files nobody should write: huge, binary, full of control bytes. Each gives one of
// the defined messages and keeps what should stay loaded. What is no readable file at all
// differs between the systems: hostile_posix_test.cpp, hostile_windows_test.cpp.
#include "hostile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <random>

#include "properties.h"
#include "reference.h"

namespace fs = std::filesystem;

namespace {

struct Loaded {
    std::optional<std::string> failure;
    Catalogue catalogue;
};

// Loads the two files from disk and holds the outcome to the reference readers: a failure
// in the skills is theirs and leaves no features.
Loaded loadchecked(std::string_view skills, std::string_view feats, const std::string& what) {
    TempDir dir;
    dir.write("skills.res", skills);
    dir.write("feats.res", feats);
    Loaded loaded;
    loaded.failure = load(loaded.catalogue, dir.path());
    const auto& [failure, catalogue] = loaded;
    if (!refskills(skills).message.empty()) {
        EXPECT_EQ("", checkskills(skills, catalogue.skilllist, failure)) << what;
        EXPECT_TRUE(catalogue.featlist.empty()) << what;
    } else {
        EXPECT_EQ("", checkskills(skills, catalogue.skilllist, std::nullopt)) << what;
        EXPECT_EQ("", checkfeats(feats, catalogue.featlist, failure)) << what;
    }
    return loaded;
}

std::string randombytes(std::mt19937& rng, std::size_t size, std::string_view alphabet) {
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    std::string bytes(size, '\0');
    for (char& c : bytes) c = alphabet[pick(rng)];
    return bytes;
}

std::string allbytes() {
    std::string bytes;
    for (int c = 0; c < 256; ++c) bytes += static_cast<char>(c);
    return bytes;
}

std::string bundled(const char* name) {
    std::ifstream in(fs::path(TALVIRA_CATALOGUES) / name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string interleaved(std::string_view bytes, char between) {
    std::string result;
    for (const char c : bytes) (result += c) += between;
    return result;
}

TEST(HostileFile, A200MegabyteLineIsOneEntry) {
    constexpr std::size_t kChunk = std::size_t{1} << 20;
    constexpr std::size_t kChunks = 200;
    std::mt19937 rng(0x7A1);  // fixed rng state: a failure repeats
    std::string chunk = randombytes(rng, kChunk, allbytes());
    std::replace(chunk.begin(), chunk.end(), '\r', 'r');
    std::replace(chunk.begin(), chunk.end(), '\n', 'n');

    struct Case {
        const char* file;
        const char* linestart;
    };
    for (const Case c : {Case{"skills.res", "3100"}, Case{"feats.res", "1 2 3 *"}}) {
        TempDir dir;
        dir.write("skills.res", kSkills);
        dir.write("feats.res", kFeats);
        {
            std::ofstream out(dir.path() / c.file, std::ios::binary);
            out << c.linestart;
            for (std::size_t i = 0; i < kChunks; ++i) out.write(chunk.data(), kChunk);
            out << "\r\n";
        }
        Catalogue catalogue;
        ASSERT_EQ(std::nullopt, load(catalogue, dir.path())) << c.file;
        const bool skills = c.file == std::string_view("skills.res");
        ASSERT_EQ(skills ? 1u : 2u, catalogue.skilllist.size()) << c.file;
        ASSERT_EQ(1u, catalogue.featlist.size()) << c.file;
        const std::string_view name =
            skills ? catalogue.skilllist[0].name : catalogue.featlist[0].name;
        ASSERT_EQ(kChunk * kChunks, name.size()) << c.file;
        for (std::size_t i = 0; i < kChunks; ++i) {
            ASSERT_TRUE(name.substr(i * kChunk, kChunk) == chunk) << c.file << " chunk " << i;
        }
        EXPECT_EQ(skills ? 0 : 1, catalogue.featlist[0].branched) << c.file;
    }
}

TEST(HostileFile, RandomBytesGiveOnlyDefinedMessages) {
    std::mt19937 rng(0x7A2);  // fixed rng state: a failure repeats
    const std::string alphabets[] = {allbytes(), "0123456789 \t\r\n\x1A*$x-+A"};
    for (const std::size_t size : {1, 2, 5, 33, 100, 4096, 1 << 20}) {
        for (const std::string& alphabet : alphabets) {
            const std::string bytes = randombytes(rng, size, alphabet);
            const std::string what =
                std::to_string(size) + " bytes of " + std::to_string(alphabet.size()) + " kinds";
            loadchecked(bytes, kFeats, "skills: " + what);
            loadchecked(kSkills, bytes, "features: " + what);
        }
    }
}

TEST(HostileFile, CtrlZAndCrEverywhere) {
    const std::string skills = bundled("skills.res");
    const std::string feats = bundled("feats.res");
    const std::string ctrlz = "\x1A";
    struct Case {
        const char* what;
        std::string skills;
        std::string feats;
        std::optional<std::string> failure;
        std::size_t skillcount;
        std::size_t featcount;
    };
    const Case cases[] = {
        {"CR after every byte", interleaved(skills, '\r'), interleaved(feats, '\r'), std::nullopt,
         refskills(skills).entries.size(), reffeats(feats).entries.size()},
        {"only CRs", "\r\r\r\r\r", "\r\r\r", std::nullopt, 0, 0},
        {"Ctrl-Z first", ctrlz + skills, ctrlz + feats, std::nullopt, 0, 0},
        {"Ctrl-Z after every line break",
         "1100A\n\x1A"
         "1100B\n\x1A",
         "1 2 3 A\n\x1A"
         "4 5 6 B\n\x1A",
         std::nullopt, 1, 1},
        {"CR before a Ctrl-Z at a line start",
         "1100A\r\n\r\x1A"
         "1100B\r\n",
         "1 2 3 A\r\n\r\x1A"
         "4 5 6 B\r\n",
         std::nullopt, 1, 1},
        {"Ctrl-Z inside every name",
         "1100\x1A"
         "A\x1A\n2100B\x1A\x1A\n",
         "1 2 3 \x1A\x1A"
         "F\x1A\n",
         std::nullopt, 2, 1},
        {"Ctrl-Z after every byte of the features", std::string(kSkills),
         interleaved(kFeats, '\x1A'), std::nullopt, 2, 1},
        {"Ctrl-Z after every byte of the skills", interleaved(kSkills, '\x1A'), std::string(kFeats),
         "'\x1A' is not a valid integer value", 1, 0},
    };
    for (const Case& c : cases) {
        const Loaded loaded = loadchecked(c.skills, c.feats, c.what);
        EXPECT_EQ(c.failure, loaded.failure) << c.what;
        EXPECT_EQ(c.skillcount, loaded.catalogue.skilllist.size()) << c.what;
        EXPECT_EQ(c.featcount, loaded.catalogue.featlist.size()) << c.what;
    }
}

TEST(HostileFile, TokensOfThirtyTwoAndThirtyThreeBytes) {
    struct Case {
        const char* what;
        std::string feats;
        std::optional<std::string> failure;
        std::array<std::int32_t, 3> cost;
        std::string_view name;
    };
    const std::string zeros(32, '0');
    const Case cases[] = {
        {"the 33rd byte starts the next number",
         zeros + "7 8 9 A\n",
         std::nullopt,
         {0, 7, 8},
         "9 A"},
        {"the 33rd byte after the third number is the separator",
         "1 2 " + zeros + "7A\n",
         std::nullopt,
         {1, 2, 0},
         "A"},
        {"33 digits are 32 out of range",
         std::string(33, '1') + " 2 3 A\n",
         "Invalid numeric input",
         {0, 0, 0},
         "3 A"},
        {"a hex prefix counts in the 32",
         std::string("$").append(31, '0') + "F 2 3 A\n",
         "Invalid numeric input",
         {0, 0, 0},
         "3 A"},
    };
    for (const Case& c : cases) {
        const Loaded loaded = loadchecked(kSkills, c.feats, c.what);
        EXPECT_EQ(c.failure, loaded.failure) << c.what;
        const auto& feats = loaded.catalogue.featlist;
        ASSERT_EQ(1u, feats.size()) << c.what;
        EXPECT_EQ(c.cost, feats[0].cost) << c.what;
        EXPECT_EQ(c.name, feats[0].name) << c.what;
    }
    const Loaded longline = loadchecked("1100" + std::string(29, 'n') + "\n", kFeats, "skills");
    EXPECT_EQ(std::nullopt, longline.failure);
    ASSERT_EQ(1u, longline.catalogue.skilllist.size());
    EXPECT_EQ(std::string(29, 'n'), longline.catalogue.skilllist[0].name);
}

TEST(HostileFile, FoldersThatAreNoCatalogueGiveTheirMessage) {
    const auto directory = [](const fs::path& path) { fs::create_directory(path); };
    const auto missing = [](const fs::path&) {};
    const Spoilt cases[] = {
        {"skills.res is a directory", replacefile("skills.res", directory), "File access denied", 0,
         0},
        {"feats.res is a directory", replacefile("feats.res", directory), "File access denied", 2,
         0},
        {"both files missing",
         [&](const fs::path& dir) {
             return replacefile("feats.res", missing)(replacefile("skills.res", missing)(dir));
         },
         "File not found", 0, 0},
        {"a name longer than the system allows",
         [](const fs::path& dir) { return dir / std::string(256, 'n'); }, "Invalid filename", 0, 0},
        {"a path longer than the system allows",
         [](const fs::path& dir) { return dir / std::string(5000, 'n'); }, "Invalid filename", 0,
         0},
        // As a player's own folder is named.
        {"a folder with Cyrillic letters",
         [](const fs::path& dir) {
             const fs::path folder = dir / u8"Иван" / u8"Тальвира";
             fs::create_directories(folder);
             fs::copy_file(dir / "skills.res", folder / "skills.res");
             fs::copy_file(dir / "feats.res", folder / "feats.res");
             return folder;
         },
         std::nullopt, 2, 1},
    };
    expectspoilt(cases);
}

}  // namespace
