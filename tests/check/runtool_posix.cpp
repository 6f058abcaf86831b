#include "runtool.h"

#include <sys/stat.h>
#include <sys/wait.h>

#include <cstdio>

Outcome runin(const std::filesystem::path& dir, const std::filesystem::path& program,
              const std::string& args, const std::string& lang) {
    const std::string locale =
        lang.empty() ? "" : "env -u LC_ALL -u LC_MESSAGES LANG=" + lang + " ";
    const std::string command =
        "cd '" + dir.string() + "' && " + locale + "'" + program.string() + "' " + args + " 2>&1";
    Outcome result;
    std::FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) return result;
    char buffer[4096];
    for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        result.out.append(buffer, got);
    const int wait = ::pclose(pipe);
    result.status = WIFEXITED(wait) ? WEXITSTATUS(wait) : 128 + WTERMSIG(wait);
    return result;
}

const bool kLanguageFromEnvironment = true;

std::string specialfile(const std::filesystem::path& dir) {
    ::mkfifo((dir / "pipe.res").c_str(), 0600);
    return "pipe.res";
}
