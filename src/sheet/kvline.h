#pragma once

#include <algorithm>
#include <cstddef>
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

// A taken entry's row, put in at `line` (from 0): before the line there, or into it when its
// key and value are both empty; past the last line, at the end.
inline void insertrow(Lines& lines, std::size_t line, std::string_view key,
                      std::string_view value) {
    if (line < lines.size() && linekey(lines[line]).empty() && linevalue(lines[line]).empty()) {
        lines[line] = joinline(key, value);
        return;
    }
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(std::min(line, lines.size())),
                 joinline(key, value));
}

// A value typed into `line` (from 0): the line keeps its key; past the last line it starts
// a new one with an empty key.
inline void editvalue(Lines& lines, std::size_t line, std::string_view value) {
    if (line >= lines.size()) {
        lines.push_back(joinline("", value));
        return;
    }
    lines[line] = joinline(linekey(lines[line]), value);
}
