#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "taken.h"

// Finds, for a table row's key, the first taken skill whose name or
// name + " (" + spec + ")" equals it, in one look-up instead of a scan of the list. The
// list must outlive the index and keep its names and specs while the index is used.
class TakenIndex {
public:
    explicit TakenIndex(const std::vector<TTakenSkill>& taken);

    std::optional<std::size_t> find(std::string_view key) const;
    const TTakenSkill& at(std::size_t entry) const { return taken_[entry]; }

private:
    // One key of one entry: its name (form 0) or its text with the spec (form 1). An open
    // table of these, with no string of its own, costs no allocation per entry.
    struct Slot {
        std::uint32_t hash = 0;
        std::uint32_t ref = 0;  // 2 * entry + form + 1; 0 is an empty slot
    };

    bool holds(const Slot& slot, std::uint32_t hash, std::string_view key) const;
    void insert(std::size_t entry, int form, std::string_view key);

    const std::vector<TTakenSkill>& taken_;
    std::vector<Slot> slots_;
    std::size_t mask_ = 0;
};
