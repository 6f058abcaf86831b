// Catalogue files nobody should write: huge, binary, full of control bytes, or no readable
// file at all. Each gives one of the defined messages and keeps what should stay loaded.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <random>

#include "catalogue/apperror.h"
#include "catalogue/catalogue.h"
#include "properties.h"
#include "reference.h"
#include "tempdir.h"

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kSkills = "1100A\r\n2100B\r\n";
constexpr std::string_view kFeats = "1 2 3 F\r\n";

std::optional<std::string> load(Catalogue& catalogue, const fs::path& dir) {
    try {
        loadcatalogues(catalogue, dir);
    } catch (const AppError& error) {
        return error.message();
    }
    return std::nullopt;
}

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
    std::ranges::replace(chunk, '\r', 'r');
    std::ranges::replace(chunk, '\n', 'n');

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

// Lowers the limit of open files so that the next open fails, for as long as it lives.
class OpenFileLimit {
public:
    OpenFileLimit() {
        ::getrlimit(RLIMIT_NOFILE, &saved_);
        const int lowestfree = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
        ::close(lowestfree);
        rlimit lowered = saved_;
        lowered.rlim_cur = static_cast<rlim_t>(lowestfree);
        ::setrlimit(RLIMIT_NOFILE, &lowered);
    }
    OpenFileLimit(const OpenFileLimit&) = delete;
    OpenFileLimit& operator=(const OpenFileLimit&) = delete;
    ~OpenFileLimit() { ::setrlimit(RLIMIT_NOFILE, &saved_); }

private:
    rlimit saved_{};
};

TEST(HostileFile, TooManyOpenFilesLoadsNothing) {
    TempDir dir;
    dir.write("skills.res", kSkills);
    dir.write("feats.res", kFeats);
    // UBSan's type check probes memory through a pipe the first time it meets a class, which
    // fails with no descriptor left: let it meet the error type while descriptors are free.
    EXPECT_EQ("", AppError("").message());
    Catalogue catalogue;
    std::optional<std::string> failure;
    {
        const OpenFileLimit limit;
        failure = load(catalogue, dir.path());
    }
    EXPECT_EQ("Too many open files", failure);
    EXPECT_TRUE(catalogue.skilllist.empty());
    EXPECT_TRUE(catalogue.featlist.empty());
}

TEST(HostileFile, PathsThatAreNoReadableFileGiveTheirMessage) {
    struct Case {
        const char* what;
        // Spoils the folder's files and returns the folder to load from.
        std::function<fs::path(const fs::path&)> spoil;
        std::optional<std::string> failure;
        std::size_t skills;
        std::size_t feats;
    };
    const auto replace = [](const char* name, auto make) {
        return [name, make](const fs::path& dir) {
            fs::remove(dir / name);
            make(dir / name);
            return dir;
        };
    };
    const auto directory = [](const fs::path& path) { fs::create_directory(path); };
    const auto dangling = [](const fs::path& path) {
        fs::create_symlink(path.parent_path() / "nowhere", path);
    };
    const auto loop = [](const fs::path& path) { fs::create_symlink(path, path); };
    const auto devnull = [](const fs::path& path) { fs::create_symlink("/dev/null", path); };
    const auto unixsocket = [](const fs::path& path) {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        path.string().copy(address.sun_path, sizeof address.sun_path - 1);
        ::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address);
        ::close(fd);
    };
    const auto missing = [](const fs::path&) {};
    const Case cases[] = {
        {"skills.res is a directory", replace("skills.res", directory), "File access denied", 0, 0},
        {"feats.res is a directory", replace("feats.res", directory), "File access denied", 2, 0},
        {"skills.res is a dangling link", replace("skills.res", dangling), "File not found", 0, 0},
        {"feats.res is a dangling link", replace("feats.res", dangling), "File not found", 2, 0},
        {"skills.res links to itself", replace("skills.res", loop), "Invalid filename", 0, 0},
        {"feats.res links to itself", replace("feats.res", loop), "Invalid filename", 2, 0},
        {"skills.res is an empty device", replace("skills.res", devnull), std::nullopt, 0, 1},
        // Any other failure gives its number: opening a socket fails with ENXIO.
        {"feats.res is a socket", replace("feats.res", unixsocket), "I/O error 6", 2, 0},
        {"both files missing",
         [&](const fs::path& dir) {
             return replace("feats.res", missing)(replace("skills.res", missing)(dir));
         },
         "File not found", 0, 0},
        {"the folder is a regular file", [](const fs::path& dir) { return dir / "skills.res"; },
         "File not found", 0, 0},
        {"a name longer than the system allows",
         [](const fs::path& dir) { return dir / std::string(256, 'n'); }, "Invalid filename", 0, 0},
        {"a path longer than the system allows",
         [](const fs::path& dir) { return dir / std::string(5000, 'n'); }, "Invalid filename", 0,
         0},
    };
    for (const Case& c : cases) {
        TempDir dir;
        dir.write("skills.res", kSkills);
        dir.write("feats.res", kFeats);
        Catalogue catalogue;
        EXPECT_EQ(c.failure, load(catalogue, c.spoil(dir.path()))) << c.what;
        EXPECT_EQ(c.skills, catalogue.skilllist.size()) << c.what;
        EXPECT_EQ(c.feats, catalogue.featlist.size()) << c.what;
    }
}

// The process's memory figure `field` ("VmRSS", "VmHWM") in kB.
long statuskb(const std::string& field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.starts_with(field + ":")) return std::stol(line.substr(field.size() + 1));
    }
    return 0;
}

TEST(HostileFile, BlankLinesDoNotMakeTheirReservationResident) {
#ifdef __SANITIZE_ADDRESS__
    GTEST_SKIP() << "AddressSanitizer maps shadow memory for every allocation";
#endif
    TempDir dir;
    const std::string blank(20 << 20, '\n');
    dir.write("skills.res", blank);
    dir.write("feats.res", blank);
    // In a child, so that the peak is this load's alone.
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const long before = statuskb("VmRSS");
        Catalogue catalogue;
        loadcatalogues(catalogue, dir.path());
        const bool small = catalogue.skilllist.empty() && catalogue.featlist.empty() &&
                           statuskb("VmHWM") - before < 120 * 1024;
        _exit(small ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(child, waitpid(child, &status, 0));
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0)
        << "two 20 MB files of blank lines took more than 120 MB";
}

}  // namespace
