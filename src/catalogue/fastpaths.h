#pragma once

// The readers' byte-level fast paths, private to src/catalogue and its tests: mapping fresh
// memory at once, cutting a line, taking an integer token. Here so that the parsers read as
// the formats they parse; each gives what the plain rule gives (fastpaths_test.cpp).

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string_view>
#include <vector>

#include "findbyte.h"
#include "intsyntax.h"

// Has the system map every page of a fresh block of `size` bytes at once, which costs less
// than a page fault for each when the block is first written. A hint: it may do nothing.
void prefault(void* data, std::size_t size);

// Room for `more` further entries in `list`, the first of them mapped at once: no more
// than `budget` bytes, so that a file of blank lines, which reserves an entry per line but
// fills none, does not make its reservation resident.
template <typename T>
void reservemapped(std::vector<T>& list, std::size_t more, std::size_t budget) {
    list.reserve(list.size() + more);
    const std::size_t room = (list.capacity() - list.size()) * sizeof(T);
    prefault(list.data() + list.size(), std::min(room, budget));
}

// Internal linkage, as in the parsers that include this: each is compiled once per sink, and
// these helpers must stay inlined into its loop.
namespace {

// Ends a catalogue where it stands at a line start.
inline constexpr char kCtrlZ = '\x1A';
// The longest integer token of a feature entry; the byte after it starts the next one.
inline constexpr std::size_t kMaxToken = 32;

inline bool istokenbyte(char c) { return static_cast<unsigned char>(c) > 0x20; }

struct Line {
    std::string_view text;  // without its LF, and without the CR of a CR LF
    const char* next;       // where the next line starts, or the end
};

// The line that starts at `p`, which is before `end` or at it.
inline Line cutline(const char* p, const char* end) {
    const char* lf = findbyte(p, end, '\n');
    std::string_view text(p, (lf != nullptr ? lf : end) - p);
    if (text.ends_with('\r')) text.remove_suffix(1);
    return {text, lf != nullptr ? lf + 1 : end};
}

struct ShortRun {
    unsigned length;  // 8: the run goes on beyond the eight bytes
    bool plain;
    std::int32_t value;
};

// The run of bytes above 0x20 at p, from the eight bytes there read as one little-endian
// word: its length when it ends within them, and its value when it is a plain number of an
// optional sign and 1 to 7 digits. Without a branch per byte, whose misprediction at the
// end of each short number would cost more than the rest of the reading.
inline ShortRun scanshortrun(const char* p) {
    constexpr std::uint64_t kOnes = 0x0101010101010101ull;
    std::uint64_t word = 0;
    std::memcpy(&word, p, 8);
    // The lowest flagged byte is the first one up to 0x20; flags above it may be false.
    const std::uint64_t ends = (word - kOnes * 0x21) & ~word & (kOnes * 0x80);
    if (ends == 0) return {8, false, 0};
    const auto length = static_cast<unsigned>(std::countr_zero(ends)) / 8;
    const auto first = static_cast<char>(word & 0xFF);
    const bool negative = first == '-';
    const unsigned sign = negative || first == '+' ? 1 : 0;
    const unsigned count = length - sign;
    if (count == 0) return {length, false, 0};
    const std::uint64_t mask = ~std::uint64_t{0} >> (64 - 8 * count);
    const std::uint64_t digits = (word >> (8 * sign)) & mask;
    const std::uint64_t zeros = kOnes * '0' & mask;
    // Each byte 0x30..0x39: high nibble 3, and still 3 after adding 6.
    const bool plain =
        (digits & kOnes * 0xF0) == zeros && ((digits + kOnes * 0x06) & kOnes * 0xF0) == zeros;
    // The digits' values, the first in the highest used byte below leading zeros, combined
    // pairwise, then into the number (the usual eight-digit multiply).
    std::uint64_t v = (digits - zeros) << (8 * (8 - count));
    v = v * 10 + (v >> 8);
    v = (((v & 0x000000FF000000FFull) * (100 + (1000000ull << 32))) +
         (((v >> 16) & 0x000000FF000000FFull) * (1 + (10000ull << 32)))) >>
        32;
    // At most 7 digits; negated as unsigned, which cannot overflow when the bytes were not
    // digits after all.
    const auto magnitude = static_cast<std::uint32_t>(v);
    return {length, plain, static_cast<std::int32_t>(negative ? 0u - magnitude : magnitude)};
}

// Plain fields: with a std::optional for the value, GCC 12 copied the token through the
// stack on every cost read, and the features loaded about 5% slower.
struct IntToken {
    const char* end;  // the byte after the token
    bool valid;       // `value` is the token's value
    std::int32_t value;
};

// The run of at most kMaxToken bytes above 0x20 at `p`, valid when it is a plain number:
// an optional sign and 1 to 9 digits. Nearly every cost is one: converted while it is
// scanned, it needs no second pass and no overflow check. Eight bytes at a time where the
// bytes go on that far, else byte by byte.
inline IntToken scanplainrun(const char* p, const char* end) {
    if (std::endian::native == std::endian::little && end - p >= 8) {
        const ShortRun run = scanshortrun(p);
        if (run.length < 8) return {p + run.length, run.plain, run.value};
    }
    constexpr std::size_t kPlainDigits = 9;
    const char* const limit = static_cast<std::size_t>(end - p) > kMaxToken ? p + kMaxToken : end;
    const bool negative = *p == '-';
    if (negative || *p == '+') ++p;
    const char* const digits = p;
    std::uint64_t number = 0;
    bool plain = true;
    for (; p < limit && istokenbyte(*p); ++p) {
        const unsigned digit = static_cast<unsigned char>(*p) - unsigned{'0'};
        plain &= digit <= 9;
        number = number * 10 + digit;
    }
    const auto count = static_cast<std::size_t>(p - digits);
    if (!plain || count == 0 || count > kPlainDigits) return {p, false, 0};
    const auto magnitude = static_cast<std::int32_t>(number);
    return {p, true, negative ? -magnitude : magnitude};
}

// The token at `p`, before `end`, whose first byte is above 0x20: the run of at most
// kMaxToken such bytes, converted with the integer syntax.
inline IntToken taketoken(const char* p, const char* end) {
    const IntToken run = scanplainrun(p, end);
    if (run.valid) return run;
    const auto value = parseint(std::string_view(p, run.end - p));
    return {run.end, value.has_value(), value.value_or(0)};
}

}  // namespace
