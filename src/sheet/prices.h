#pragma once

#include <array>
#include <cstdint>

#include "rules.h"

// The fixed attribute prices of the "start 2" rule, by attribute value 0 to 5.
inline constexpr std::array<std::int32_t, 6> fixedprice{0, -5, 0, 10, 25, 50};

// n + (n-1) + ... + 1; 0 for n <= 0; sticks at the 32-bit maximum.
std::int32_t progsum(std::int32_t n);

// Values outside 1..5 follow the formulas; the fixed table bounds them into 0..5 first.
std::int32_t attrprice(AttrRule rule, std::int32_t value);

// Levels of 0 and below cost nothing under both rules.
std::int32_t skillprice(SkillRule rule, std::int32_t level, std::int32_t unitprice);
