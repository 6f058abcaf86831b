#include "reference.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace {

constexpr char kCtrlZ = '\x1A';
constexpr std::size_t kMaxToken = 32;

bool isblankbyte(char c) { return static_cast<unsigned char>(c) <= 0x20; }

// What a reader sees of the input: every CR removed, and nothing from the first Ctrl-Z
// that begins a line.
std::string visibletext(std::string_view bytes) {
    std::string text;
    for (const char c : bytes) {
        if (c == '\r') continue;
        if (c == kCtrlZ && (text.empty() || text.back() == '\n')) break;
        text += c;
    }
    return text;
}

// The lines of `text` without their LF; an empty piece after the last LF is no line.
std::vector<std::string> splitlines(const std::string& text) {
    std::vector<std::string> lines;
    std::string line;
    for (const char c : text) {
        if (c == '\n') {
            lines.push_back(std::move(line));
            line.clear();
        } else {
            line += c;
        }
    }
    if (!line.empty()) lines.push_back(std::move(line));
    return lines;
}

std::string withoutleadingzeros(std::string_view digits) {
    const auto first = digits.find_first_not_of('0');
    return first == std::string_view::npos ? std::string() : std::string(digits.substr(first));
}

std::optional<std::int32_t> refhex(std::string_view digits) {
    constexpr std::string_view kHexDigits = "0123456789abcdefABCDEF";
    if (digits.empty()) return std::nullopt;
    for (const char c : digits) {
        if (kHexDigits.find(c) == std::string_view::npos) return std::nullopt;
    }
    const std::string significant = withoutleadingzeros(digits);
    if (significant.size() > 8) return std::nullopt;
    std::uint32_t value = 0;
    for (const char c : significant) {
        const auto digit = static_cast<std::uint32_t>(kHexDigits.find(c));
        value = value * 16 + (digit < 16 ? digit : digit - 6);
    }
    return static_cast<std::int32_t>(value);  // modulo 2^32, as C++20 converts
}

std::optional<std::int32_t> refdecimalvalue(std::string_view text) {
    std::int64_t sign = 1;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        sign = text[0] == '-' ? -1 : 1;
        text.remove_prefix(1);
    }
    if (text.empty()) return std::nullopt;
    if (!std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return std::nullopt;
    }
    const std::string significant = withoutleadingzeros(text);
    if (significant.size() > 10) return std::nullopt;
    std::int64_t magnitude = 0;
    for (const char c : significant) magnitude = magnitude * 10 + (c - '0');
    const std::int64_t value = sign * magnitude;
    if (value < INT32_MIN || value > INT32_MAX) return std::nullopt;
    return static_cast<std::int32_t>(value);
}

// One number of a feature line from `pos` on: nothing when a Ctrl-Z inside the line or the
// end of the text stops it, else its token, after which `pos` stands on the byte that
// ended the token.
std::optional<std::string> reftoken(const std::string& text, std::size_t& pos) {
    while (pos < text.size() && isblankbyte(text[pos]) && text[pos] != kCtrlZ) ++pos;
    if (pos == text.size() || text[pos] == kCtrlZ) return std::nullopt;
    std::string token;
    while (pos < text.size() && !isblankbyte(text[pos]) && token.size() < kMaxToken) {
        token += text[pos++];
    }
    return token;
}

}  // namespace

RefCatalogue<RefSkill> refskills(std::string_view bytes) {
    // In the order they are converted: character 4 (special) before character 3 (branched).
    const std::pair<int RefSkill::*, std::size_t> fields[] = {{&RefSkill::attr, 0},
                                                              {&RefSkill::price, 1},
                                                              {&RefSkill::special, 3},
                                                              {&RefSkill::branched, 2}};
    RefCatalogue<RefSkill> result;
    for (const std::string& line : splitlines(visibletext(bytes))) {
        if (line.empty()) continue;
        RefSkill& skill = result.entries.emplace_back();
        for (const auto& [field, index] : fields) {
            const std::string code = index < line.size() ? line.substr(index, 1) : std::string();
            if (code.empty() || code[0] < '0' || code[0] > '9') {
                result.message = intmessage(code);
                return result;
            }
            skill.*field = code[0] - '0';
        }
        if (line.size() > 4) skill.name = line.substr(4);
    }
    return result;
}

RefCatalogue<RefFeat> reffeats(std::string_view bytes) {
    const std::string text = visibletext(bytes);
    RefCatalogue<RefFeat> result;
    std::size_t pos = 0;
    while (pos < text.size()) {
        RefFeat feat;
        bool bad = false;
        for (std::size_t i = 0; i < feat.cost.size(); ++i) {
            const auto token = reftoken(text, pos);
            if (!token) {
                // Only blanks up to the end of the text: no further entry.
                if (i == 0 && pos == text.size()) return result;
                break;
            }
            const auto value = refparseint(*token);
            bad = bad || !value;
            if (!bad) feat.cost[i] = *value;
        }
        const std::size_t lf = std::min(text.find('\n', pos), text.size());
        std::string field = text.substr(pos, lf - pos);
        if (!field.empty()) field.erase(0, 1);
        pos = std::min(lf + 1, text.size());
        if (field.starts_with('*')) {
            feat.branched = 1;
            field.erase(0, 1);
        }
        feat.name = std::move(field);
        result.entries.push_back(std::move(feat));
        if (bad) {
            result.message = "Invalid numeric input";
            return result;
        }
    }
    return result;
}

std::optional<std::int32_t> refparseint(std::string_view text) {
    while (!text.empty() && text[0] == ' ') text.remove_prefix(1);
    if (text.empty()) return std::nullopt;
    for (const std::string_view prefix : {"0x", "0X", "$", "x", "X"}) {
        if (text.starts_with(prefix)) return refhex(text.substr(prefix.size()));
    }
    return refdecimalvalue(text);
}

std::string refdecimal(std::int32_t value) {
    std::int64_t magnitude = value < 0 ? -std::int64_t{value} : std::int64_t{value};
    std::string digits;
    do {
        digits.insert(digits.begin(), static_cast<char>('0' + magnitude % 10));
        magnitude /= 10;
    } while (magnitude > 0);
    return value < 0 ? "-" + digits : digits;
}

// Appended piece by piece: GCC 12 at -O3 takes the inlined `"'" + std::string(text)` for an
// overlapping copy and warns (-Wrestrict).
std::string intmessage(std::string_view text) {
    constexpr std::string_view kTail = "' is not a valid integer value";
    std::string message;
    message.reserve(1 + text.size() + kTail.size());
    message.append(1, '\'').append(text).append(kTail);
    return message;
}
