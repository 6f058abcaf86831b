#pragma once

#include <array>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string_view>

#include "catalogue/catalogue.h"

// Catalogue entries made in a test; the names are copied into the catalogue's own text.
inline std::string_view keepname(Catalogue& catalogue, std::string_view name) {
    auto& block = catalogue.text.emplace_back(std::make_unique<char[]>(name.size() + 1));
    std::memcpy(block.get(), name.data(), name.size());
    return {block.get(), name.size()};
}

inline void addskill(Catalogue& catalogue, std::string_view name, int attr, int price = 1,
                     int special = 0, int branched = 0) {
    catalogue.skilllist.push_back({keepname(catalogue, name), static_cast<std::uint8_t>(attr),
                                   static_cast<std::uint8_t>(price),
                                   static_cast<std::uint8_t>(special),
                                   static_cast<std::uint8_t>(branched)});
}

inline void addfeat(Catalogue& catalogue, std::string_view name, std::array<std::int32_t, 3> cost,
                    int branched = 0) {
    catalogue.featlist.push_back(
        {keepname(catalogue, name), cost, static_cast<std::uint8_t>(branched)});
}
