#include "readonlyfile.h"

#include <windows.h>

#include "apperror.h"

namespace {

[[noreturn]] void fail(DWORD error) { throw AppError(ioerrormessage(static_cast<int>(error))); }

// NOLINTNEXTLINE(performance-no-int-to-ptr): the handle is kept as an integer in the header.
HANDLE handle(std::intptr_t value) { return reinterpret_cast<HANDLE>(value); }

}  // namespace

std::string ioerrormessage(int code) {
    switch (code) {
        case ERROR_FILE_NOT_FOUND:
            return "File not found";
        case ERROR_PATH_NOT_FOUND:
            return "Invalid filename";
        case ERROR_TOO_MANY_OPEN_FILES:
            return "Too many open files";
        case ERROR_ACCESS_DENIED:
            return "File access denied";
        default:
            return "I/O error " + std::to_string(code);
    }
}

// By the wide name, so that any folder name works; a directory fails with access denied.
ReadOnlyFile::ReadOnlyFile(const std::filesystem::path& path)
    : handle_(reinterpret_cast<std::intptr_t>(
          ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                        FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr))) {
    if (handle(handle_) == INVALID_HANDLE_VALUE) fail(::GetLastError());
    LARGE_INTEGER size{};
    if (::GetFileSizeEx(handle(handle_), &size) && size.QuadPart > 0)
        sizehint_ = static_cast<std::size_t>(size.QuadPart);
}

ReadOnlyFile::~ReadOnlyFile() { ::CloseHandle(handle(handle_)); }

std::size_t ReadOnlyFile::read(char* data, std::size_t size) {
    // One call reads at most a DWORD's worth.
    const DWORD asked = size < MAXDWORD ? static_cast<DWORD>(size) : MAXDWORD;
    DWORD got = 0;
    if (!::ReadFile(handle(handle_), data, asked, &got, nullptr)) {
        const DWORD error = ::GetLastError();
        // A pipe whose writer has gone is at its end.
        if (error == ERROR_BROKEN_PIPE) return 0;
        fail(error);
    }
    return got;
}
