#include "replaynote.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <exception>

#include "crashsignals.h"

#ifdef TALVIRA_SOAK_SANITIZED
#include <sanitizer/common_interface_defs.h>
#endif

namespace {

// Written from signal handlers: a fixed buffer, no allocation on the way out.
char replay[192] = "soak: stopped before the first event\n";

void writenote() { writestderr(replay); }

#ifndef TALVIRA_SOAK_SANITIZED
void onsignal(int number) {
    writenote();
    std::signal(number, SIG_DFL);
    std::raise(number);
}
#endif

}  // namespace

void installreplaynote() {
    std::set_terminate([] {
        writenote();
        std::abort();
    });
#ifdef TALVIRA_SOAK_SANITIZED
    // The sanitizers own the fatal signals; they call this before they end the run.
    __sanitizer_set_death_callback(writenote);
#else
    for (const int number : crashsignals()) std::signal(number, onsignal);
#endif
}

void note(std::uint64_t start, int event) {
    std::snprintf(replay, sizeof replay,
                  "soak: stopped at event %d; repeat with TALVIRA_SOAK_START=%llu soak_tests\n",
                  event, static_cast<unsigned long long>(start));
}
