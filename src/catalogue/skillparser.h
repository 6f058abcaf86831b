#pragma once

// The parsing of "skills.res", shared by the program's loading (skillreader.cpp) and the
// checker's reading (skillscan.cpp) and included only by them. Each compiles it with its own
// sink in a unit of its own, so that the loading is compiled exactly as if it were the only
// reader.

#include <algorithm>
#include <optional>
#include <string_view>
#include <utility>

#include "catalogue.h"
#include "fastpaths.h"
#include "filebytes.h"
#include "intsyntax.h"
#include "readobserver.h"

// Internal linkage, as in a source file: see above.
namespace {

inline bool isdigit(char c) { return c >= '0' && c <= '9'; }

// Code character `index` of `line` converted as a one-character integer text; a line too
// short to hold it converts the empty text, which fails like any other bad character.
template <typename Sink>
std::optional<std::uint8_t> codedigit(std::string_view line, std::size_t index, Sink& sink) {
    const std::size_t at = std::min(index, line.size());
    const std::string_view text = line.substr(at, 1);
    if (const auto value = parseint(text)) return static_cast<std::uint8_t>(*value);
    sink.failed(line.data() + at, notintegermessage(text));
    return std::nullopt;
}

// In the order of the format's algorithm: special before branched, so a failure leaves the
// fields converted before it.
template <typename Sink>
bool convertcodes(TSkillRec& skill, std::string_view line, Sink& sink) {
    static constexpr std::pair<std::size_t, std::uint8_t TSkillRec::*> kOrder[] = {
        {0, &TSkillRec::attr},
        {1, &TSkillRec::price},
        {3, &TSkillRec::special},
        {2, &TSkillRec::branched},
    };
    for (const auto& [index, field] : kOrder) {
        const auto value = codedigit(line, index, sink);
        if (!value) return false;
        skill.*field = *value;
    }
    return true;
}

template <typename Sink>
bool setcodes(TSkillRec& skill, std::string_view line, Sink& sink) {
    // Four digits, as on nearly every line, cannot fail.
    if (line.size() >= 4 && isdigit(line[0]) && isdigit(line[1]) && isdigit(line[2]) &&
        isdigit(line[3])) {
        skill.attr = static_cast<std::uint8_t>(line[0] - '0');
        skill.price = static_cast<std::uint8_t>(line[1] - '0');
        skill.branched = static_cast<std::uint8_t>(line[2] - '0');
        skill.special = static_cast<std::uint8_t>(line[3] - '0');
        return true;
    }
    return convertcodes(skill, line, sink);
}

template <typename Sink>
void parseskills(Catalogue& catalogue, FileBytes bytes, Sink& sink) {
    const char* p = bytes.data.get();
    const char* const end = p + bytes.size;
    catalogue.text.push_back(std::move(bytes.data));
    auto& list = catalogue.skilllist;
    reservemapped(list, bytes.lines + 1, bytes.size);
    while (p < end && *p != kCtrlZ) {
        const Line cut = cutline(p, end);
        const std::string_view line = cut.text;
        p = cut.next;
        // An empty line (typically a line break too many at the end) holds no skill.
        if (line.empty()) continue;
        TSkillRec& skill = list.emplace_back();
        if (!setcodes(skill, line, sink)) continue;
        if (line.size() > 4) skill.name = line.substr(4);
        sink.skill(skill, line);
    }
    sink.ended(p);
}

}  // namespace
