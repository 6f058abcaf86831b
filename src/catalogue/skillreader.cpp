#include "skillreader.h"

#include <algorithm>
#include <cstring>

#include "filebytes.h"
#include "intsyntax.h"

namespace {

constexpr char kCtrlZ = '\x1A';

// Code character `index` of `line` converted as a one-character integer text; a line too
// short to hold it converts the empty text, which fails like any other bad character.
std::uint8_t codedigit(std::string_view line, std::size_t index) {
    if (index < line.size() && line[index] >= '0' && line[index] <= '9') {
        return static_cast<std::uint8_t>(line[index] - '0');
    }
    return static_cast<std::uint8_t>(strtoint(line.substr(std::min(index, line.size()), 1)));
}

bool isdigit(char c) { return c >= '0' && c <= '9'; }

// In the order of the format's algorithm: special before branched, so a failure leaves the
// fields converted before it.
void convertcodes(TSkillRec& skill, std::string_view line) {
    skill.attr = codedigit(line, 0);
    skill.price = codedigit(line, 1);
    skill.special = codedigit(line, 3);
    skill.branched = codedigit(line, 2);
}

void setcodes(TSkillRec& skill, std::string_view line) {
    // Four digits, as on nearly every line, cannot fail.
    if (line.size() >= 4 && isdigit(line[0]) && isdigit(line[1]) && isdigit(line[2]) &&
        isdigit(line[3])) {
        skill.attr = static_cast<std::uint8_t>(line[0] - '0');
        skill.price = static_cast<std::uint8_t>(line[1] - '0');
        skill.branched = static_cast<std::uint8_t>(line[2] - '0');
        skill.special = static_cast<std::uint8_t>(line[3] - '0');
        return;
    }
    convertcodes(skill, line);
}

void parseskills(Catalogue& catalogue, FileBytes bytes) {
    const char* p = bytes.data.get();
    const char* const end = p + bytes.size;
    catalogue.text.push_back(std::move(bytes.data));
    auto& list = catalogue.skilllist;
    reservemapped(list, bytes.lines + 1, bytes.size);
    while (p < end && *p != kCtrlZ) {
        const char* lf = static_cast<const char*>(std::memchr(p, '\n', end - p));
        const char* const lineend = lf != nullptr ? lf : end;
        std::string_view line(p, lineend - p);
        if (line.ends_with('\r')) line.remove_suffix(1);
        p = lf != nullptr ? lf + 1 : end;
        // An empty line (typically a line break too many at the end) holds no skill.
        if (line.empty()) continue;
        TSkillRec& skill = list.emplace_back();
        setcodes(skill, line);
        if (line.size() > 4) skill.name = line.substr(4);
    }
}

}  // namespace

void loadskills(Catalogue& catalogue, const std::filesystem::path& path) {
    parseskills(catalogue, readfile(path));
}

void readskills(Catalogue& catalogue, std::string_view bytes) {
    parseskills(catalogue, copybytes(bytes));
}
