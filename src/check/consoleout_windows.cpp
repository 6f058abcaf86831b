#include <io.h>
#include <windows.h>

#include <algorithm>
#include <string>

#include "consoleout.h"

namespace {

// The console behind `stream`, or nothing when it goes to a file or a pipe.
HANDLE console(std::FILE* stream) {
    const auto handle = reinterpret_cast<HANDLE>(::_get_osfhandle(::_fileno(stream)));
    DWORD mode = 0;
    if (handle == INVALID_HANDLE_VALUE || !::GetConsoleMode(handle, &mode)) return nullptr;
    return handle;
}

}  // namespace

void writeutf8(std::FILE* stream, std::string_view text) {
    const HANDLE handle = console(stream);
    if (handle == nullptr || text.empty()) {
        std::fwrite(text.data(), 1, text.size(), stream);
        return;
    }
    // Wide characters, which a console shows whatever its code page.
    const int size = static_cast<int>(text.size());
    std::wstring wide(text.size(), L'\0');
    wide.resize(static_cast<std::size_t>(
        ::MultiByteToWideChar(CP_UTF8, 0, text.data(), size, wide.data(), size)));
    std::fflush(stream);
    // In pieces: older consoles refuse one very large write.
    constexpr std::size_t kPiece = 8192;
    for (std::size_t at = 0; at < wide.size(); at += kPiece) {
        const std::size_t piece = std::min(kPiece, wide.size() - at);
        DWORD written = 0;
        if (!::WriteConsoleW(handle, wide.data() + at, static_cast<DWORD>(piece), &written,
                             nullptr))
            return;
    }
}
