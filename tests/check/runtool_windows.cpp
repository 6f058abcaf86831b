#include "runtool.h"

#include <windows.h>

#include <memory>

#include "check/pathtext.h"

namespace {

struct HandleCloser {
    void operator()(HANDLE handle) const { ::CloseHandle(handle); }
};
using Handle = std::unique_ptr<void, HandleCloser>;

// The system's words for why the start failed, so that a failed start says what happened.
std::string starterror(DWORD code) {
    char* text = nullptr;
    ::FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<char*>(&text), 0, nullptr);
    std::string said = "the program did not start: error " + std::to_string(code);
    if (text != nullptr) said += std::string(": ") + text;
    ::LocalFree(text);
    return said;
}

}  // namespace

// Started straight in `dir`, not through cmd.exe: its lookup and launch of the program is a
// second process start per check, and when that start fails it tells only its code 9009.
// Standard output and error share one pipe; line ends come back as "\n", as a text-mode
// read would give them.
Outcome runin(const std::filesystem::path& dir, const std::filesystem::path& program,
              const std::string& args, const std::string& /*lang*/) {
    Outcome result;
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE readend = nullptr;
    HANDLE writeend = nullptr;
    if (!::CreatePipe(&readend, &writeend, &inherit, 0)) return result;
    const Handle reader(readend);
    Handle writer(writeend);
    ::SetHandleInformation(readend, HANDLE_FLAG_INHERIT, 0);

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = ::GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = writeend;
    startup.hStdError = writeend;
    std::wstring command =
        L"\"" + std::filesystem::absolute(program).wstring() + L"\" " + utf8path(args).wstring();
    const std::wstring folder = std::filesystem::absolute(dir).wstring();
    PROCESS_INFORMATION started{};
    if (!::CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr,
                          folder.c_str(), &startup, &started)) {
        result.out = starterror(::GetLastError());
        return result;
    }
    const Handle process(started.hProcess);
    const Handle thread(started.hThread);
    writer.reset();  // the pipe ends when the program's copy of it closes

    char buffer[4096];
    for (DWORD got; ::ReadFile(readend, buffer, sizeof buffer, &got, nullptr) && got > 0;) {
        for (DWORD i = 0; i < got; ++i) {
            if (buffer[i] == '\n' && !result.out.empty() && result.out.back() == '\r')
                result.out.pop_back();
            result.out += buffer[i];
        }
    }
    ::WaitForSingleObject(started.hProcess, INFINITE);
    DWORD status = 0;
    ::GetExitCodeProcess(started.hProcess, &status);
    result.status = static_cast<int>(status);
    return result;
}

const bool kLanguageFromEnvironment = false;

std::string specialfile(const std::filesystem::path& /*dir*/) { return "NUL"; }
