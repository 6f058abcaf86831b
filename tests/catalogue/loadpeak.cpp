// Loads the catalogues of the folder TALVIRA_BLANK_FOLDER names, which hold nothing but
// blank lines, in a process of its own, so that its peak memory is that load's alone. Ends
// with 0 when nothing was loaded and the peak stayed under 120 MB above the start.
#include <windows.h>
// After windows.h, which it needs.
#include <psapi.h>

#include <cstdlib>
#include <exception>
#include <filesystem>

#include "catalogue/catalogue.h"

int main() {
    const wchar_t* folder = ::_wgetenv(L"TALVIRA_BLANK_FOLDER");
    if (folder == nullptr) return 2;
    PROCESS_MEMORY_COUNTERS before{};
    ::GetProcessMemoryInfo(::GetCurrentProcess(), &before, sizeof before);
    Catalogue catalogue;
    try {
        loadcatalogues(catalogue, std::filesystem::path(folder));
    } catch (const std::exception&) {
        return 3;
    }
    PROCESS_MEMORY_COUNTERS after{};
    ::GetProcessMemoryInfo(::GetCurrentProcess(), &after, sizeof after);
    const bool small = catalogue.skilllist.empty() && catalogue.featlist.empty() &&
                       after.PeakWorkingSetSize - before.WorkingSetSize < (std::size_t{120} << 20);
    return small ? 0 : 1;
}
