#include "lineindex.h"

#include <algorithm>
#include <cstring>

LineIndex::LineIndex(std::string_view text) {
    const char* const begin = text.data();
    const char* const end = begin + text.size();
    for (const char* p = begin; p < end; ++p) {
        p = static_cast<const char*>(std::memchr(p, '\n', end - p));
        if (p == nullptr) break;
        lfs_.push_back(static_cast<std::size_t>(p - begin));
    }
}

std::size_t LineIndex::lineof(std::size_t offset) const {
    // The LFs before the byte; an LF itself ends its own line.
    return static_cast<std::size_t>(std::ranges::lower_bound(lfs_, offset) - lfs_.begin()) + 1;
}

std::size_t LineIndex::start(std::size_t line) const { return line == 1 ? 0 : lfs_[line - 2] + 1; }
