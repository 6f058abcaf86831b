#include "consoleout.h"

#include <io.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <string_view>

namespace {

// The console behind `stream`, or nothing when it goes to a file or a pipe.
HANDLE console(std::FILE* stream) {
    // The C runtime gives the handle as an integer.
    // NOLINTNEXTLINE(performance-no-int-to-ptr)
    const auto handle = reinterpret_cast<HANDLE>(::_get_osfhandle(::_fileno(stream)));
    DWORD mode = 0;
    if (handle == INVALID_HANDLE_VALUE || !::GetConsoleMode(handle, &mode)) return nullptr;
    return handle;
}

// Writes as much of `wide` as the console takes and returns how many units that was. In
// pieces, never between the halves of a surrogate pair: older consoles refuse one very large
// write.
std::size_t writeconsole(HANDLE handle, std::wstring_view wide) {
    constexpr std::size_t kPiece = 8192;
    std::size_t done = 0;
    while (done < wide.size()) {
        std::size_t piece = std::min(kPiece, wide.size() - done);
        if (done + piece < wide.size() && IS_HIGH_SURROGATE(wide[done + piece - 1])) --piece;
        DWORD written = 0;
        if (!::WriteConsoleW(handle, wide.data() + done, static_cast<DWORD>(piece), &written,
                             nullptr) ||
            written == 0)
            break;
        done += written;
    }
    return done;
}

}  // namespace

void writeutf8(std::FILE* stream, std::string_view text) {
    const HANDLE handle = console(stream);
    if (handle != nullptr && !text.empty()) {
        // Wide characters, which a console shows whatever its code page.
        const int size = static_cast<int>(text.size());
        std::wstring wide(text.size(), L'\0');
        wide.resize(static_cast<std::size_t>(
            ::MultiByteToWideChar(CP_UTF8, 0, text.data(), size, wide.data(), size)));
        std::fflush(stream);
        // A console that takes nothing gets the bytes, as a file would.
        if (writeconsole(handle, wide) > 0) return;
    }
    std::fwrite(text.data(), 1, text.size(), stream);
}
