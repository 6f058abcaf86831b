#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The lines of a key/value table, each "key=value"; the key is the text before the first "=".
using Lines = std::vector<std::string>;

inline std::pair<std::string_view, std::string_view> splitline(std::string_view line) {
    const auto eq = line.find('=');
    if (eq == std::string_view::npos) return {line, {}};
    return {line.substr(0, eq), line.substr(eq + 1)};
}

inline std::string_view linekey(std::string_view line) { return splitline(line).first; }
inline std::string_view linevalue(std::string_view line) { return splitline(line).second; }

inline std::string joinline(std::string_view key, std::string_view value) {
    std::string line;
    line.reserve(key.size() + 1 + value.size());
    line.append(key).append("=").append(value);
    return line;
}
