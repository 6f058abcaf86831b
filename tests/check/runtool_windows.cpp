#include "runtool.h"

#include <cstdio>

#include "check/pathtext.h"

// Through cmd.exe, read in text mode: the program's line ends come back as "\n".
Outcome runin(const std::filesystem::path& dir, const std::filesystem::path& program,
              const std::string& args, const std::string& /*lang*/) {
    // Absolute with their drive, since the command changes the drive with the folder.
    const std::wstring command = L"cd /d \"" + std::filesystem::absolute(dir).wstring() +
                                 L"\" && \"" + std::filesystem::absolute(program).wstring() +
                                 L"\" " + utf8path(args).wstring() + L" 2>&1";
    Outcome result;
    std::FILE* pipe = ::_wpopen(command.c_str(), L"rt");
    if (pipe == nullptr) return result;
    char buffer[4096];
    for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        result.out.append(buffer, got);
    result.status = ::_pclose(pipe);
    return result;
}

const bool kLanguageFromEnvironment = false;
