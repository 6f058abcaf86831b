#include "replacefile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

namespace {

[[noreturn]] void fail(const std::filesystem::path& temporary) {
    const int error = errno;
    ::unlink(temporary.c_str());
    throw std::system_error(error, std::generic_category());
}

}  // namespace

void replacefile(const std::filesystem::path& target, const std::filesystem::path& temporary,
                 std::string_view bytes) {
    struct stat old {};
    const mode_t mode = ::stat(target.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0644;
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    if (fd < 0) throw std::system_error(errno, std::generic_category());
    for (std::size_t done = 0; done < bytes.size();) {
        const ssize_t wrote = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (wrote < 0 && errno == EINTR) continue;
        if (wrote <= 0) {
            ::close(fd);
            fail(temporary);
        }
        done += static_cast<std::size_t>(wrote);
    }
    // On the disk before the rename, or a crash could leave the new name on empty contents.
    if (::fsync(fd) != 0) {
        ::close(fd);
        fail(temporary);
    }
    if (::close(fd) != 0 || ::rename(temporary.c_str(), target.c_str()) != 0) fail(temporary);
}
