#pragma once

#include <cstdint>
#include <string>
#include <string_view>

struct TTakenSkill {
    std::int32_t level = 0;
    std::int32_t price = 0;
    std::string name;
    std::string spec;
};

struct TTakenFeat {
    std::string name;
    std::string spec;
    std::int32_t price = 0;
};

// The key of a taken entry's table row: the name, or name + " (" + spec + ")".
inline std::string displaytext(std::string_view name, std::string_view spec) {
    std::string text(name);
    if (!spec.empty()) text.append(" (").append(spec).append(")");
    return text;
}

template <typename Taken>
std::string displaytext(const Taken& taken) {
    return displaytext(taken.name, taken.spec);
}
