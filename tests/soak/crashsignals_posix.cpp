#include "crashsignals.h"

#include <unistd.h>

#include <csignal>
#include <cstring>

void writestderr(const char* text) {
    const ssize_t written = ::write(STDERR_FILENO, text, std::strlen(text));
    static_cast<void>(written);
}

std::span<const int> crashsignals() {
    static constexpr int kSignals[] = {SIGSEGV, SIGABRT, SIGBUS, SIGFPE};
    return kSignals;
}
