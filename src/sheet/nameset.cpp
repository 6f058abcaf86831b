#include "nameset.h"

#include <algorithm>
#include <bit>
#include <limits>
#include <stdexcept>

#include "namehash.h"

// At most half the slots in use: short probe runs.
NameSet::NameSet(std::size_t names)
    : slots_(std::bit_ceil(std::max<std::size_t>(16, 2 * names))), mask_(slots_.size() - 1) {}

bool NameSet::contains(std::string_view name) const {
    const std::uint32_t hash = namehash(name);
    for (std::size_t at = hash & mask_;; at = (at + 1) & mask_) {
        const Slot& slot = slots_[at];
        if (slot.data == nullptr) return false;
        if (holds(slot, hash, name)) return true;
    }
}

void NameSet::insert(std::string_view name) {
    if (name.size() > std::numeric_limits<std::uint32_t>::max())
        throw std::length_error("a taken name of more than 4 GiB");
    const std::uint32_t hash = namehash(name);
    std::size_t at = hash & mask_;
    for (; slots_[at].data != nullptr; at = (at + 1) & mask_) {
        if (holds(slots_[at], hash, name)) return;
    }
    slots_[at] = {name.data(), static_cast<std::uint32_t>(name.size()), hash};
}
