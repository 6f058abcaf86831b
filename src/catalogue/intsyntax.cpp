#include "intsyntax.h"

#include <charconv>

#include "apperror.h"

namespace {

int hexdigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Up to 8 significant digits; the top bit set reads as the negative of the bit pattern.
std::optional<std::int32_t> parsehex(std::string_view digits) {
    if (digits.empty()) return std::nullopt;
    std::uint32_t value = 0;
    int significant = 0;
    for (const char c : digits) {
        const int d = hexdigit(c);
        if (d < 0) return std::nullopt;
        if (value != 0 || d != 0) ++significant;
        if (significant > 8) return std::nullopt;
        value = value << 4 | static_cast<std::uint32_t>(d);
    }
    return static_cast<std::int32_t>(value);
}

std::optional<std::int32_t> parsedecimal(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) return std::nullopt;
    std::int64_t value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > std::int64_t{1} << 31) return std::nullopt;
    }
    if (negative) value = -value;
    if (value > INT32_MAX) return std::nullopt;
    return static_cast<std::int32_t>(value);
}

}  // namespace

std::optional<std::int32_t> parseint(std::string_view text) noexcept {
    const auto start = text.find_first_not_of(' ');
    if (start == std::string_view::npos) return std::nullopt;
    text.remove_prefix(start);
    if (text.starts_with("0x") || text.starts_with("0X")) return parsehex(text.substr(2));
    if (text.front() == '$' || text.front() == 'x' || text.front() == 'X') {
        return parsehex(text.substr(1));
    }
    return parsedecimal(text);
}

bool isinteger(std::string_view text) noexcept { return parseint(text).has_value(); }

std::int32_t strtoint(std::string_view text) {
    if (const auto value = parseint(text)) return *value;
    throw AppError(notintegermessage(text));
}

std::string notintegermessage(std::string_view text) {
    // Appended, not "'" + text + "...": GCC 12 at -O3 sees an overlapping copy in that.
    constexpr std::string_view kTail = "' is not a valid integer value";
    std::string message;
    message.reserve(1 + text.size() + kTail.size());
    message.append("'").append(text).append(kTail);
    return message;
}

std::string inttostr(std::int32_t value) {
    char buffer[kIntTextSize];
    return std::string(buffer, inttochars(value, buffer));
}

char* inttochars(std::int32_t value, char* out) noexcept {
    return std::to_chars(out, out + kIntTextSize, value).ptr;
}
