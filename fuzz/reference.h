#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Slow, plainly written readers of the two catalogue formats and of the integer text syntax,
// kept apart from the real ones so that the property checks have something to compare with.
// They work on std::string copies, line by line where the format allows.

struct RefSkill {
    std::string name;
    int attr = 0;
    int price = 0;
    int special = 0;
    int branched = 0;
};

struct RefFeat {
    std::string name;
    std::array<std::int32_t, 3> cost{};
    int branched = 0;
};

// The entries a reader leaves loaded, the failing one included, and its message ("" when
// the whole input was read).
template <class Entry>
struct RefCatalogue {
    std::vector<Entry> entries;
    std::string message;
};

RefCatalogue<RefSkill> refskills(std::string_view bytes);
RefCatalogue<RefFeat> reffeats(std::string_view bytes);

std::optional<std::int32_t> refparseint(std::string_view text);
std::string refdecimal(std::int32_t value);

// "'<text>' is not a valid integer value".
std::string intmessage(std::string_view text);
