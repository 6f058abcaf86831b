#include <windows.h>
// After windows.h, which it needs.
#include <psapi.h>

#include <cstdio>

#include "startupchild.h"

bool printpeakmemory() {
    PROCESS_MEMORY_COUNTERS counters{};
    if (!::GetProcessMemoryInfo(::GetCurrentProcess(), &counters, sizeof counters)) return false;
    std::printf("%zu\n", counters.PeakWorkingSetSize / 1024);
    return true;
}
