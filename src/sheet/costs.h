#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "prices.h"
#include "takenindex.h"

// What one row or field of the sheet costs and why, as the sums count it. The tooltips and
// the copied sheet only put these answers into words.

enum class Why {
    Priced,
    // A row with neither key nor value: a table's empty row.
    Blank,
    Unset,
    NotInteger,
    // A skill row with a value but no key.
    NoKey,
    // A skill row whose key names no taken skill.
    NotTaken,
};

struct Cost {
    // Views into the line or text asked about; the key is empty for an attribute field.
    std::string_view key;
    std::string_view text;
    Why why = Why::Priced;
    // The text read as an integer, when it is one.
    std::optional<std::int32_t> value;
    // Set exactly when `why` is Priced.
    std::optional<std::int32_t> points;
};

struct SkillRowCost : Cost {
    // The first taken skill the key names, and its unit price.
    std::optional<std::size_t> taken;
    std::int32_t unitprice = 0;
};

// An attribute field's text under `rule`.
Cost attrcost(std::string_view text, AttrRule rule);

// A skill-table line "key=level" under `rule`: a level that is no integer has no price only
// when the key names a taken skill; for any other key the level is not read for a price.
SkillRowCost skillrowcost(const TakenIndex& index, std::string_view line, SkillRule rule);

// A feature-table line "key=price": the price is what it costs.
Cost featrowcost(std::string_view line);
