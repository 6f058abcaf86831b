#include "copyreading.h"

#include "catalogue/intsyntax.h"
#include "copywords.h"
#include "sheettext.h"

namespace copyreading {

bool isblank(char c) { return c == ' ' || c == '\t' || c == kNbsp; }

// A byte of the text where the copy wrote `want`: a blank may have become a non-breaking
// space, a dash any of "—", "–", "-".
bool samebyte(char got, char want) {
    if (got == want) return true;
    if (want == ' ') return got == kNbsp;
    if (want == kEmDash) return got == '\x96' || got == '-';
    return false;
}

bool same(std::string_view got, std::string_view want) {
    if (got.size() != want.size()) return false;
    for (std::size_t i = 0; i < got.size(); ++i) {
        if (!samebyte(got[i], want[i])) return false;
    }
    return true;
}

bool cutprefix(std::string_view& text, std::string_view want) {
    if (text.size() < want.size() || !same(text.substr(0, want.size()), want)) return false;
    text.remove_prefix(want.size());
    return true;
}

bool cutsuffix(std::string_view& text, std::string_view want) {
    if (text.size() < want.size() || !same(text.substr(text.size() - want.size()), want))
        return false;
    text.remove_suffix(want.size());
    return true;
}

// The first place of `want` in `text`; npos if none. `want` is a short fixed word.
std::size_t findfirst(std::string_view text, std::string_view want) {
    for (std::size_t at = 0; at + want.size() <= text.size(); ++at) {
        if (same(text.substr(at, want.size()), want)) return at;
    }
    return std::string_view::npos;
}

// The last " — " of the text, as the separator of a price; npos if none.
std::size_t lastdash(std::string_view text) {
    for (std::size_t at = text.size(); at >= 3; --at) {
        if (same(text.substr(at - 3, 3), copywords::kDash)) return at - 3;
    }
    return std::string_view::npos;
}

std::string_view trimmed(std::string_view line) {
    while (!line.empty() && isblank(line.front())) line.remove_prefix(1);
    while (!line.empty() && isblank(line.back())) line.remove_suffix(1);
    return line;
}

// A decimal number that ends `text`, cut off it; nothing when there is none.
std::optional<std::string_view> cutnumber(std::string_view& text) {
    std::size_t start = text.size();
    while (start > 0 && text[start - 1] >= '0' && text[start - 1] <= '9') --start;
    if (start == text.size()) return std::nullopt;
    if (start > 0 && text[start - 1] == '-') --start;
    const std::string_view number = text.substr(start);
    text.remove_suffix(number.size());
    return number;
}

// "12 плюшек" and its plural forms at the end of `text`, cut off it.
std::optional<std::string_view> cutplushki(std::string_view& text) {
    std::string_view rest = text;
    for (const std::string_view word :
         {std::string_view(copywords::kPlushek), std::string_view(copywords::kPlushka),
          std::string_view(copywords::kPlushki)}) {
        if (!cutsuffix(rest, word)) continue;
        if (rest.empty() || !samebyte(rest.back(), ' ')) return std::nullopt;
        rest.remove_suffix(1);
        const auto number = cutnumber(rest);
        if (number) text = rest;
        return number;
    }
    return std::nullopt;
}

// " (сложный)" and the like at the end of `text`, cut off it: the unit price it names.
std::optional<std::int32_t> cutdifficulty(std::string_view& text) {
    for (const std::int32_t unit : {1, 2, 4}) {
        const std::string words = " (" + difficulty(unit) + ")";
        if (cutsuffix(text, words)) return unit;
    }
    std::string_view rest = text;
    if (!cutsuffix(rest, ")")) return std::nullopt;
    const auto figure = cutnumber(rest);
    if (!figure || !cutsuffix(rest, copywords::kUnitPrice) || !cutsuffix(rest, " (")) {
        return std::nullopt;
    }
    const auto unit = parseint(*figure);
    if (unit) text = rest;
    return unit;
}

// A name of the text is found in the catalogue with a non-breaking space as the blank it
// stands for, and any dash as any other, as the text may have travelled.
char folded(char c) {
    if (c == kNbsp) return ' ';
    if (c == kEmDash || c == '\x96') return '-';
    return c;
}

// The hash of a name grows byte by byte, so that every prefix of a key is looked up in one
// step.
std::uint64_t hashstep(std::uint64_t hash, char c) {
    return (hash + static_cast<unsigned char>(folded(c)) + 1) * 0x100000001B3ull;
}

std::uint64_t hashend(std::uint64_t hash, std::size_t size) {
    return hash ^ (size * 0x9E3779B97F4A7C15ull);
}

std::uint64_t namehash64(std::string_view name) {
    std::uint64_t hash = 0;
    for (const char c : name) hash = hashstep(hash, c);
    return hashend(hash, name.size());
}

bool samename(std::string_view got, std::string_view name) {
    if (got.size() != name.size()) return false;
    for (std::size_t i = 0; i < got.size(); ++i) {
        if (folded(got[i]) != folded(name[i])) return false;
    }
    return true;
}

// Lines of any ends (CR LF, LF, CR), trimmed, blank ones left out.
std::vector<Line> cutlines(std::string_view text) {
    std::vector<Line> lines;
    std::size_t number = 1;
    std::size_t start = 0;
    for (std::size_t at = 0; at <= text.size(); ++at) {
        if (at < text.size() && text[at] != '\n' && text[at] != '\r') continue;
        const std::string_view line = trimmed(text.substr(start, at - start));
        if (!line.empty()) lines.push_back({number, line});
        if (at + 1 < text.size() && text[at] == '\r' && text[at + 1] == '\n') ++at;
        start = at + 1;
        ++number;
    }
    return lines;
}

std::string folded(std::string_view key) {
    std::string text(key);
    for (char& c : text) c = folded(c);
    return text;
}

}  // namespace copyreading
