#include "filekind.h"

#include <windows.h>

// Opened as the reader opens it, which waits for nothing, but not read; a folder opens only
// with backup semantics. CON, NUL and named pipes are no files on a disk.
FileKind filekind(const std::filesystem::path& path) {
    const HANDLE file =
        ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                      OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE) return FileKind::Unknown;
    FileKind kind = FileKind::Special;
    BY_HANDLE_FILE_INFORMATION info{};
    if (::GetFileType(file) == FILE_TYPE_DISK && ::GetFileInformationByHandle(file, &info)) {
        kind = (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? FileKind::Folder
                                                                       : FileKind::File;
    }
    ::CloseHandle(file);
    return kind;
}
