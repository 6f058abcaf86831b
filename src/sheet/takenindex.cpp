#include "takenindex.h"

#include <algorithm>
#include <bit>
#include <stdexcept>

#include "namehash.h"

namespace {

// name + " (" + spec + ")" == key, without building the text.
bool isspectext(const TTakenSkill& taken, std::string_view key) {
    const std::size_t n = taken.name.size();
    return key.size() == n + taken.spec.size() + 3 && key.starts_with(taken.name) &&
           key.substr(n, 2) == " (" && key.substr(n + 2, taken.spec.size()) == taken.spec &&
           key.ends_with(')');
}

}  // namespace

TakenIndex::TakenIndex(const std::vector<TTakenSkill>& taken) : taken_(taken) {
    if (taken.size() >= (std::size_t{1} << 30)) throw std::length_error("too many taken skills");
    // Two keys per entry in at least one and a half slots each: short probe runs, and a
    // table small enough for the cache.
    slots_.resize(std::bit_ceil(std::max<std::size_t>(16, 3 * taken.size())));
    mask_ = slots_.size() - 1;
    std::string spectext;
    for (std::size_t i = 0; i < taken.size(); ++i) {
        insert(i, 0, taken[i].name);
        spectext.assign(taken[i].name).append(" (").append(taken[i].spec).append(")");
        insert(i, 1, spectext);
    }
}

std::optional<std::size_t> TakenIndex::find(std::string_view key) const {
    const std::uint32_t hash = namehash(key);
    for (std::size_t at = hash & mask_;; at = (at + 1) & mask_) {
        const Slot& slot = slots_[at];
        if (slot.ref == 0) return std::nullopt;
        if (holds(slot, hash, key)) return (slot.ref - 1) / 2;
    }
}

bool TakenIndex::holds(const Slot& slot, std::uint32_t hash, std::string_view key) const {
    if (slot.hash != hash) return false;
    const TTakenSkill& taken = taken_[(slot.ref - 1) / 2];
    return (slot.ref - 1) % 2 == 0 ? taken.name == key : isspectext(taken, key);
}

// Entries go in in list order, so a key that an earlier entry already gives stays with it:
// the first match of a scan from the start.
void TakenIndex::insert(std::size_t entry, int form, std::string_view key) {
    const std::uint32_t hash = namehash(key);
    std::size_t at = hash & mask_;
    for (; slots_[at].ref != 0; at = (at + 1) & mask_) {
        if (holds(slots_[at], hash, key)) return;
    }
    slots_[at] = {hash, static_cast<std::uint32_t>(2 * entry + form + 1)};
}
