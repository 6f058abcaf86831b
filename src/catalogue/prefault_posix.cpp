#include <sys/mman.h>
#include <unistd.h>

#include "fastpaths.h"

void prefault(void* data, std::size_t size) {
#ifdef MADV_POPULATE_WRITE
    // Only whole pages inside the block; small blocks are not worth a system call.
    const auto page = static_cast<std::uintptr_t>(::sysconf(_SC_PAGESIZE));
    const auto address = reinterpret_cast<std::uintptr_t>(data);
    const auto begin = (address + page - 1) / page * page;
    const auto end = (address + size) / page * page;
    if (size >= (1u << 20) && begin < end)
        ::madvise(static_cast<char*>(data) + (begin - address), end - begin, MADV_POPULATE_WRITE);
#else
    (void)data;
    (void)size;
#endif
}
