#include "filekind.h"

#include <sys/stat.h>

FileKind filekind(const std::filesystem::path& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return FileKind::Unknown;
    if (S_ISREG(info.st_mode)) return FileKind::File;
    return S_ISDIR(info.st_mode) ? FileKind::Folder : FileKind::Special;
}
