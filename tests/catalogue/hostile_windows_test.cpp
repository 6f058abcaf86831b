// What is no readable catalogue file on Windows: a file another program holds, a folder where
// a file should be or none. Each gives its message with the system's own code.
#include <windows.h>

#include <string>

#include "catalogue/readonlyfile.h"
#include "hostile.h"

namespace fs = std::filesystem;

namespace {

// A handle of our own on a file, the way another program holds it open; closed with it.
class Held {
public:
    Held(const fs::path& path, DWORD access, DWORD share)
        : handle_(::CreateFileW(path.c_str(), access, share, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr)) {}
    Held(const Held&) = delete;
    Held& operator=(const Held&) = delete;
    ~Held() { ::CloseHandle(handle_); }

private:
    HANDLE handle_;
};

TEST(HostileFile, AFileAnotherProgramHoldsGivesTheSystemsCode) {
    const struct {
        const char* what;
        const char* file;
        DWORD access;
        DWORD share;
        const char* failure;
        std::size_t skills;
    } cases[] = {
        {"feats.res open in a program that shares it with nobody", "feats.res", GENERIC_READ, 0,
         "I/O error 32", 2},
        // Reading is shared, but not with a program that writes.
        {"skills.res open for writing in a program that shares it", "skills.res",
         GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, "I/O error 32", 0},
    };
    for (const auto& c : cases) {
        TempDir dir;
        dir.write("skills.res", kSkills);
        dir.write("feats.res", kFeats);
        const Held held(dir.path() / c.file, c.access, c.share);
        Catalogue catalogue;
        EXPECT_EQ(c.failure, load(catalogue, dir.path())) << c.what;
        EXPECT_EQ(c.skills, catalogue.skilllist.size()) << c.what;
        EXPECT_TRUE(catalogue.featlist.empty()) << c.what;
    }
}

TEST(HostileFile, PathsThatAreNoReadableFileGiveTheirMessage) {
    const Spoilt cases[] = {
        {"the folder is a regular file", [](const fs::path& dir) { return dir / "skills.res"; },
         "Invalid filename", 0, 0},
        {"the folder is missing", [](const fs::path& dir) { return dir / "nothere"; },
         "Invalid filename", 0, 0},
    };
    expectspoilt(cases);
}

TEST(HostileFile, BlankLinesDoNotMakeTheirReservationResident) {
    TempDir dir;
    const std::string blank(20 << 20, '\n');
    dir.write("skills.res", blank);
    dir.write("feats.res", blank);
    // In a child, so that the peak is this load's alone.
    ::SetEnvironmentVariableW(L"TALVIRA_BLANK_FOLDER", dir.path().c_str());
    std::wstring command = L"\"" + fs::absolute(TALVIRA_LOAD_PEAK).wstring() + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION child{};
    ASSERT_TRUE(::CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                 nullptr, &startup, &child));
    ::WaitForSingleObject(child.hProcess, INFINITE);
    DWORD status = 1;
    ::GetExitCodeProcess(child.hProcess, &status);
    ::CloseHandle(child.hThread);
    ::CloseHandle(child.hProcess);
    EXPECT_EQ(0u, status) << "two 20 MB files of blank lines took more than 120 MB";
}

}  // namespace
