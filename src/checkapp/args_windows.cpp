#include "args.h"

#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <memory>

namespace {

std::string utf8(const wchar_t* wide) {
    const int size = ::WideCharToMultiByte(CP_UTF8, 0, wide, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1) return {};
    std::string text(static_cast<std::size_t>(size), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, wide, -1, text.data(), size, nullptr, nullptr);
    text.pop_back();
    return text;
}

}  // namespace

// `argv` holds the arguments in the ANSI code page, which loses every letter it lacks.
std::vector<std::string> utf8args(int /*argc*/, char* /*argv*/[]) {
    int count = 0;
    const std::unique_ptr<wchar_t*, decltype(&::LocalFree)> wide(
        ::CommandLineToArgvW(::GetCommandLineW(), &count), &::LocalFree);
    std::vector<std::string> args;
    for (int i = 1; wide && i < count; ++i) args.push_back(utf8(wide.get()[i]));
    return args;
}
