#include "runtool.h"

#include <cstdio>

#include "check/pathtext.h"

// Through cmd.exe, read in text mode: the program's line ends come back as "\n".
Outcome runin(const std::filesystem::path& dir, const std::filesystem::path& program,
              const std::string& args, const std::string& lang) {
    const std::wstring locale = lang.empty() ? L""
                                             : L"set LC_ALL=&& set LC_MESSAGES=&& set LANG=" +
                                                   utf8path(lang).wstring() + L"&& ";
    // Absolute with their drive, since the command changes the drive with the folder.
    const std::wstring command =
        L"cd /d \"" + std::filesystem::absolute(dir).wstring() + L"\" && " + locale + L"\"" +
        std::filesystem::absolute(program).wstring() + L"\" " + utf8path(args).wstring() + L" 2>&1";
    Outcome result;
    std::FILE* pipe = ::_wpopen(command.c_str(), L"rt");
    if (pipe == nullptr) return result;
    char buffer[4096];
    for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        result.out.append(buffer, got);
    result.status = ::_pclose(pipe);
    return result;
}
