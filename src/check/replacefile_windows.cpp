#include "replacefile.h"

#include <windows.h>

#include <algorithm>
#include <system_error>

namespace {

[[noreturn]] void fail(HANDLE file, const std::filesystem::path& temporary) {
    const DWORD error = ::GetLastError();
    if (file != INVALID_HANDLE_VALUE) ::CloseHandle(file);
    ::DeleteFileW(temporary.c_str());
    throw std::system_error(static_cast<int>(error), std::system_category());
}

}  // namespace

void replacefile(const std::filesystem::path& target, const std::filesystem::path& temporary,
                 std::string_view bytes) {
    const HANDLE file = ::CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        throw std::system_error(static_cast<int>(::GetLastError()), std::system_category());
    for (std::size_t done = 0; done < bytes.size();) {
        const DWORD piece = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1 << 30));
        DWORD wrote = 0;
        if (!::WriteFile(file, bytes.data() + done, piece, &wrote, nullptr) || wrote == 0)
            fail(file, temporary);
        done += wrote;
    }
    // On the disk before the rename, or a crash could leave the new name on empty contents.
    if (!::FlushFileBuffers(file)) fail(file, temporary);
    ::CloseHandle(file);
    if (!::MoveFileExW(temporary.c_str(), target.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        fail(INVALID_HANDLE_VALUE, temporary);
}
