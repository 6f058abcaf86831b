#include "readonlyfile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>

#include "apperror.h"

namespace {

[[noreturn]] void fail(int error) { throw AppError(ioerrormessage(error)); }

}  // namespace

std::string ioerrormessage(int code) {
    switch (code) {
        case ENOENT:
        case ENOTDIR:
            return "File not found";
        case EACCES:
        case EPERM:
        case EISDIR:
        case EROFS:
            return "File access denied";
        case ENAMETOOLONG:
        case EINVAL:
        case ELOOP:
            return "Invalid filename";
        case EMFILE:
        case ENFILE:
            return "Too many open files";
        default:
            return "I/O error " + std::to_string(code);
    }
}

ReadOnlyFile::ReadOnlyFile(const std::filesystem::path& path)
    : handle_(::open(path.c_str(), O_RDONLY | O_CLOEXEC)) {
    if (handle_ < 0) fail(errno);
    struct stat info {};
    const int error = ::fstat(static_cast<int>(handle_), &info) != 0 ? errno
                      : S_ISDIR(info.st_mode)                        ? EISDIR
                                                                     : 0;
    if (error != 0) {
        ::close(static_cast<int>(handle_));
        fail(error);
    }
    if (info.st_size > 0) sizehint_ = static_cast<std::size_t>(info.st_size);
}

ReadOnlyFile::~ReadOnlyFile() { ::close(static_cast<int>(handle_)); }

std::size_t ReadOnlyFile::read(char* data, std::size_t size) {
    // One call reads at most SSIZE_MAX bytes.
    const std::size_t asked = size < SSIZE_MAX ? size : SSIZE_MAX;
    for (;;) {
        const ssize_t got = ::read(static_cast<int>(handle_), data, asked);
        if (got >= 0) return static_cast<std::size_t>(got);
        if (errno != EINTR) fail(errno);
    }
}
