#include "takenindex.h"

TakenIndex::TakenIndex(const std::vector<TTakenSkill>& taken) {
    // Reserved up front: the map's keys point into these strings.
    parenkeys_.reserve(taken.size());
    first_.reserve(2 * taken.size());
    for (std::size_t i = 0; i < taken.size(); ++i) {
        first_.try_emplace(taken[i].name, i);
        const std::string& paren =
            parenkeys_.emplace_back(taken[i].name + " (" + taken[i].spec + ")");
        first_.try_emplace(paren, i);
    }
}

std::optional<std::size_t> TakenIndex::find(std::string_view key) const {
    const auto found = first_.find(key);
    if (found == first_.end()) return std::nullopt;
    return found->second;
}
