#include "crashsignals.h"

#include <io.h>

#include <csignal>
#include <cstring>

void writestderr(const char* text) {
    static_cast<void>(::_write(2, text, static_cast<unsigned>(std::strlen(text))));
}

// The C runtime's own: there is no bus error here.
std::span<const int> crashsignals() {
    static constexpr int kSignals[] = {SIGSEGV, SIGABRT, SIGFPE};
    return kSignals;
}
