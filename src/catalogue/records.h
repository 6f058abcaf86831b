#pragma once

#include <array>
#include <cstdint>
#include <string_view>

// Names are Windows-1251 bytes kept in the owning Catalogue's text blocks.

struct TSkillRec {
    std::string_view name;
    std::uint8_t attr = 0;
    std::uint8_t price = 0;
    std::uint8_t special = 0;
    std::uint8_t branched = 0;
};

// Costs in the order of the editions "ТЛ1", "ТЛ2", "ТЛ1М".
struct TFeatRec {
    std::string_view name;
    std::array<std::int32_t, 3> cost{};
    std::uint8_t branched = 0;
};
