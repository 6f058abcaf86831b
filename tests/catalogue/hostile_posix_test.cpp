// What is no readable catalogue file on a POSIX system: links that lead nowhere, devices,
// sockets, no descriptor left. Each gives its message; nothing more loads.
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>

#include "hostile.h"

namespace fs = std::filesystem;

namespace {

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
    const Spoilt cases[] = {
        {"skills.res is a dangling link", replacefile("skills.res", dangling), "File not found", 0,
         0},
        {"feats.res is a dangling link", replacefile("feats.res", dangling), "File not found", 2,
         0},
        {"skills.res links to itself", replacefile("skills.res", loop), "Invalid filename", 0, 0},
        {"feats.res links to itself", replacefile("feats.res", loop), "Invalid filename", 2, 0},
        {"skills.res is an empty device", replacefile("skills.res", devnull), std::nullopt, 0, 1},
        // Any other failure gives its number: opening a socket fails with ENXIO.
        {"feats.res is a socket", replacefile("feats.res", unixsocket), "I/O error 6", 2, 0},
        {"the folder is a regular file", [](const fs::path& dir) { return dir / "skills.res"; },
         "File not found", 0, 0},
    };
    expectspoilt(cases);
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
