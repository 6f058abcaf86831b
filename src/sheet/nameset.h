#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

// The names of a taken list, asked "is this name taken?" in one look-up instead of a scan
// of the list: an open table of views of the names, with no string or node allocated per
// entry. The list must outlive the set and keep its names while the set is used.
class NameSet {
public:
    template <typename Taken>
    explicit NameSet(const std::vector<Taken>& taken) : NameSet(taken.size()) {
        for (const Taken& entry : taken) insert(entry.name);
    }

    bool contains(std::string_view name) const;

private:
    explicit NameSet(std::size_t names);
    void insert(std::string_view name);

    // A name is a pointer and a length, so that a slot takes 16 bytes; no pointer is empty.
    struct Slot {
        const char* data = nullptr;
        std::uint32_t size = 0;
        std::uint32_t hash = 0;
    };

    bool holds(const Slot& slot, std::uint32_t hash, std::string_view name) const {
        return slot.hash == hash && std::string_view(slot.data, slot.size) == name;
    }

    std::vector<Slot> slots_;
    std::size_t mask_ = 0;
};
