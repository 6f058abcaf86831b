#include "copyreading.h"

#include <array>

#include "catalogue/intsyntax.h"
#include "copywords.h"
#include "sheettext.h"

namespace copyreading {

namespace {

// What a chat or a word processor puts where the copy begins a row with "- ".
constexpr std::string_view kBullets = "-*\x95\xB7\x96\x97";

std::string_view trimmed(std::string_view line) {
    while (!line.empty() && isblank(line.front())) line.remove_prefix(1);
    while (!line.empty() && isblank(line.back())) line.remove_suffix(1);
    return line;
}

// `text` without blanks around it, each run of blanks inside as one blank, each byte put
// through `put`. Folding never lengthens a text, so it is written into a reserved end, with
// no branch on the bytes: a line of megabytes of random blanks reads as fast as any.
template <typename Put>
void appendfolded(std::string& out, std::string_view text, Put put) {
    const std::size_t from = out.size();
    out.resize(from + text.size());
    char* to = out.data() + from;
    bool pending = false;
    bool begun = false;
    for (const char c : text) {
        const bool blank = isblank(c);
        *to = ' ';
        to += pending && !blank;
        *to = put(c);
        to += !blank;
        pending = blank && begun;
        begun = begun || !blank;
    }
    out.resize(static_cast<std::size_t>(to - out.data()));
}

// Every byte as itself, but the dashes as "-": a table, as the bytes of a key come at random.
constexpr auto kDashFolded = [] {
    std::array<char, 256> table{};
    for (std::size_t i = 0; i < table.size(); ++i) table[i] = static_cast<char>(i);
    table[static_cast<unsigned char>(kEmDash)] = '-';
    table[static_cast<unsigned char>(kEnDash)] = '-';
    return table;
}();

char dashfolded(char c) { return kDashFolded[static_cast<unsigned char>(c)]; }

const auto asis = [](char c) { return c; };
const auto dashes = [](char c) { return dashfolded(c); };

// One line of the text in the copy's form; nothing for a blank one.
void appendline(std::string& out, std::string_view line) {
    line = trimmed(line);
    while (!line.empty() && line.front() == '>') line = trimmed(line.substr(1));
    if (!line.empty() && kBullets.find(line.front()) != std::string_view::npos) {
        out.append(copywords::kRowMark);
        line = trimmed(line.substr(1));
    }
    appendfolded(out, line, asis);
}

}  // namespace

CopyForm copyform(std::string_view text) {
    CopyForm form;
    form.buffer.reserve(text.size() + text.size() / 16);
    std::vector<std::size_t> starts;
    std::size_t number = 1;
    std::size_t start = 0;
    for (std::size_t at = 0; at <= text.size(); ++at) {
        if (at < text.size() && text[at] != '\n' && text[at] != '\r') continue;
        const std::string_view line = text.substr(start, at - start);
        const std::size_t from = form.buffer.size();
        appendline(form.buffer, line);
        if (form.buffer.size() > from) {
            form.lines.push_back({number, trimmed(line), {}});
            starts.push_back(from);
        }
        if (at + 1 < text.size() && text[at] == '\r' && text[at + 1] == '\n') ++at;
        start = at + 1;
        ++number;
    }
    // The buffer is complete: the views into it stay valid.
    const std::string_view all = form.buffer;
    for (std::size_t i = 0; i < starts.size(); ++i) {
        const std::size_t end = i + 1 < starts.size() ? starts[i + 1] : all.size();
        form.lines[i].text = all.substr(starts[i], end - starts[i]);
    }
    return form;
}

std::string foldblanks(std::string_view text) {
    std::string out;
    appendfolded(out, text, asis);
    return out;
}

bool samebyte(char got, char want) {
    if (got == want) return true;
    return want == kEmDash && (got == kEnDash || got == '-');
}

bool same(std::string_view got, std::string_view want) {
    return got.size() == want.size() && sameprefix(got, want) == want.size();
}

std::size_t sameprefix(std::string_view got, std::string_view want) {
    std::size_t i = 0;
    while (i < got.size() && i < want.size() && samebyte(got[i], want[i])) ++i;
    return i;
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

std::size_t findfirst(std::string_view text, std::string_view want) {
    for (std::size_t at = 0; at + want.size() <= text.size(); ++at) {
        if (same(text.substr(at, want.size()), want)) return at;
    }
    return std::string_view::npos;
}

std::size_t lastdash(std::string_view text) {
    for (std::size_t at = text.size(); at >= 3; --at) {
        if (same(text.substr(at - 3, 3), copywords::kDash)) return at - 3;
    }
    return std::string_view::npos;
}

std::optional<std::string_view> cutnumber(std::string_view& text) {
    std::size_t start = text.size();
    while (start > 0 && text[start - 1] >= '0' && text[start - 1] <= '9') --start;
    if (start == text.size()) return std::nullopt;
    if (start > 0 && text[start - 1] == '-') --start;
    const std::string_view number = text.substr(start);
    text.remove_suffix(number.size());
    return number;
}

bool isdecimal(std::string_view text) {
    std::string_view rest = text;
    const auto number = cutnumber(rest);
    return number && rest.empty();
}

std::optional<std::string_view> cutplushki(std::string_view& text) {
    std::string_view rest = text;
    for (const std::string_view word :
         {std::string_view(copywords::kPlushek), std::string_view(copywords::kPlushka),
          std::string_view(copywords::kPlushki)}) {
        if (!cutsuffix(rest, word)) continue;
        if (!cutsuffix(rest, " ")) return std::nullopt;
        const auto number = cutnumber(rest);
        if (number) text = rest;
        return number;
    }
    return std::nullopt;
}

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

std::string namekey(std::string_view name) {
    std::string key;
    appendfolded(key, name, dashes);
    return key;
}

std::uint64_t hashstep(std::uint64_t hash, char c) {
    return (hash + static_cast<unsigned char>(dashfolded(c)) + 1) * 0x100000001B3ull;
}

std::uint64_t hashend(std::uint64_t hash, std::size_t size) {
    return hash ^ (size * 0x9E3779B97F4A7C15ull);
}

std::uint64_t namehash64(std::string_view key) {
    std::uint64_t hash = 0;
    for (const char c : key) hash = hashstep(hash, c);
    return hashend(hash, key.size());
}

bool samename(std::string_view got, std::string_view key) {
    if (got.size() != key.size()) return false;
    for (std::size_t i = 0; i < got.size(); ++i) {
        if (dashfolded(got[i]) != key[i]) return false;
    }
    return true;
}

}  // namespace copyreading
