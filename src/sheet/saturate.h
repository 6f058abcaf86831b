#pragma once

#include <cstdint>
#include <limits>

// Prices and sums stay within 32 bits by sticking at the bounds instead of wrapping, so
// an absurd level typed into a cell gives an absurd but honest total. Sums are added up
// exactly in 64 bits and bounded once, at the end.

inline std::int32_t saturate(std::int64_t value) {
    if (value > std::numeric_limits<std::int32_t>::max())
        return std::numeric_limits<std::int32_t>::max();
    if (value < std::numeric_limits<std::int32_t>::min())
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(value);
}

inline std::int32_t satmul(std::int32_t a, std::int32_t b) { return saturate(std::int64_t{a} * b); }
