#include "childprocess.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <stdexcept>

#include "filedescriptor.h"

extern char** environ;

namespace {

class SpawnActions {
public:
    SpawnActions() { posix_spawn_file_actions_init(&actions_); }
    SpawnActions(const SpawnActions&) = delete;
    SpawnActions& operator=(const SpawnActions&) = delete;
    ~SpawnActions() { posix_spawn_file_actions_destroy(&actions_); }
    posix_spawn_file_actions_t* get() { return &actions_; }

private:
    posix_spawn_file_actions_t actions_;
};

[[noreturn]] void fail(const std::string& what, int error) {
    throw std::runtime_error(what + ": " + std::strerror(error));
}

std::string readall(int fd) {
    std::string out;
    char buffer[4096];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) return out;
        out.append(buffer, static_cast<std::size_t>(got));
    }
}

int reap(pid_t pid) {
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR) fail("waitpid", errno);
    }
    return status;
}

}  // namespace

ChildRun runchild(const std::vector<std::string>& argv, const std::filesystem::path& dir) {
    std::vector<char*> args;
    for (const std::string& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
    args.push_back(nullptr);

    int ends[2];
    if (::pipe2(ends, O_CLOEXEC) != 0) fail("pipe", errno);
    const FileDescriptor readend(ends[0]);
    FileDescriptor writeend(ends[1]);
    // A file in memory, read once the child is gone: no second pipe to drain meanwhile.
    const FileDescriptor errors(::memfd_create("stderr", MFD_CLOEXEC));
    if (errors.get() < 0) fail("memfd_create", errno);
    SpawnActions actions;
    posix_spawn_file_actions_adddup2(actions.get(), writeend.get(), STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(actions.get(), errors.get(), STDERR_FILENO);
    if (!dir.empty()) posix_spawn_file_actions_addchdir_np(actions.get(), dir.c_str());

    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const int error = posix_spawnp(&pid, args[0], actions.get(), nullptr, args.data(), environ);
    if (error != 0) fail("cannot start " + argv[0], error);
    writeend.reset();
    ChildRun run{readall(readend.get()), {}, 0};
    const int status = reap(pid);
    run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (::lseek(errors.get(), 0, SEEK_SET) == 0) run.errors = readall(errors.get());
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        throw std::runtime_error(argv[0] + " failed with status " + std::to_string(status) + ": " +
                                 run.errors);
    }
    return run;
}
