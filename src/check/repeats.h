#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string_view>
#include <vector>

// Entries whose name came before within their group (an attribute for skills, one group
// for the features). Entries are told by their index in file order; their hashes are kept
// apart in parts small enough for the cache, so that finding the repeats at the end waits
// little for memory.
class RepeatFinder {
public:
    // `entries`: about as many as will be added, to size the parts.
    explicit RepeatFinder(std::size_t entries);

    void add(std::size_t index, std::string_view name, std::uint8_t group);

    struct Repeat {
        std::size_t index;  // an entry whose name an earlier one of its group has
        std::size_t first;  // the first of them
    };
    // Every repeat, in no particular order; `nameof` gives an added entry's name again.
    // Ends the adding.
    std::vector<Repeat> repeats(const std::function<std::string_view(std::size_t)>& nameof);

private:
    struct Tagged {
        std::uint32_t tag;  // 24 bits of the hash and the group
        std::uint32_t index;
    };
    // Entries go to their part a cache line at a time: a line written whole, past the cache,
    // is not read from memory first, as a single entry's line would be.
    static constexpr std::size_t kLine = 8;
    struct alignas(64) Line {
        Tagged entries[kLine];
    };

    void flush(std::size_t part);
    std::vector<Tagged> takepart(std::size_t part) const;

    unsigned bits_;
    std::size_t room_;  // lines in each part's region
    // The parts' regions one after the other; what does not fit a region goes to its spill.
    std::unique_ptr<Line[]> regions_;
    std::vector<std::size_t> filled_;  // lines
    std::vector<std::vector<Tagged>> spills_;
    // Each part's line being filled.
    std::unique_ptr<Line[]> open_;
    std::vector<std::uint8_t> opened_;
};
