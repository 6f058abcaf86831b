#include "filebytes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "apperror.h"

namespace {

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    int get() const { return fd_; }

private:
    int fd_;
};

[[noreturn]] void fail(int error) {
    char buffer[32];
    throw AppError(ioerrormessage(error, buffer, sizeof buffer));
}

// Removes CR bytes in place and returns the new size.
std::size_t dropcr(char* data, std::size_t size) {
    char* const end = data + size;
    char* out = static_cast<char*>(std::memchr(data, '\r', size));
    if (out == nullptr) return size;
    const char* in = out + 1;
    while (in < end) {
        const char* cr = static_cast<const char*>(std::memchr(in, '\r', end - in));
        const char* stop = cr != nullptr ? cr : end;
        std::memmove(out, in, stop - in);
        out += stop - in;
        in = stop + 1;
    }
    return out - data;
}

}  // namespace

const char* ioerrormessage(int error, char* buffer, std::size_t size) {
    switch (error) {
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
            std::snprintf(buffer, size, "I/O error %d", error);
            return buffer;
    }
}

FileBytes readfile(const std::filesystem::path& path) {
    const FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0) fail(errno);
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0) fail(errno);
    if (S_ISDIR(info.st_mode)) fail(EISDIR);

    // The size is a hint only: the file may be a pipe or change while it is read.
    std::size_t capacity = info.st_size > 0 ? static_cast<std::size_t>(info.st_size) + 1 : 4096;
    FileBytes bytes{std::make_unique_for_overwrite<char[]>(capacity), 0};
    for (;;) {
        if (bytes.size == capacity) {
            capacity *= 2;
            auto larger = std::make_unique_for_overwrite<char[]>(capacity);
            std::memcpy(larger.get(), bytes.data.get(), bytes.size);
            bytes.data = std::move(larger);
        }
        const ssize_t got = ::read(fd.get(), bytes.data.get() + bytes.size, capacity - bytes.size);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) fail(errno);
        if (got == 0) break;
        bytes.size += static_cast<std::size_t>(got);
    }
    bytes.size = dropcr(bytes.data.get(), bytes.size);
    return bytes;
}

// Sized exactly to the bytes without CRs, so that a reader overrunning its input is caught
// by a sanitizer rather than reading slack.
FileBytes copybytes(std::string_view source) {
    const auto size = source.size() - static_cast<std::size_t>(std::ranges::count(source, '\r'));
    FileBytes bytes{std::make_unique_for_overwrite<char[]>(size), size};
    std::ranges::remove_copy(source, bytes.data.get(), '\r');
    return bytes;
}
