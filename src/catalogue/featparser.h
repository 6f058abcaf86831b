#pragma once

// The parsing of "feats.res", shared by the program's loading (featreader.cpp) and the
// checker's reading (featscan.cpp) and included only by them. Each compiles it with its own
// sink in a unit of its own, so that the loading is compiled exactly as if it were the only
// reader: the helpers below stay inlined into it.

#include <bit>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string_view>
#include <vector>

#include "catalogue.h"
#include "filebytes.h"
#include "intsyntax.h"
#include "readobserver.h"

// Internal linkage, as in a source file: see above.
namespace {

inline constexpr char kCtrlZ = '\x1A';
inline constexpr std::size_t kMaxToken = 32;
inline constexpr std::size_t kPlainDigits = 9;

inline bool isrunbyte(char c) { return static_cast<unsigned char>(c) > 0x20; }

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

enum class Token { Read, Bad, None, End };

class FeatParser {
public:
    FeatParser(const char* begin, const char* end) : begin_(begin), p_(begin), end_(end) {}

    bool atentry() const { return p_ < end_ && *p_ != kCtrlZ; }

    // Where reading stands: after the last token read, or at the start of a line.
    const char* position() const { return p_; }
    // Where the last token read or failed began.
    const char* tokenstart() const { return start_; }
    // The Ctrl-Z that ended the catalogue, or the end of the bytes.
    const char* stop() const { return p_ < end_ ? p_ : stop_; }

    // Skips bytes up to 0x20 and reads a run of at most 32 bytes above it. A Ctrl-Z stops
    // the skipping (None, value 0); reaching the end of the file or a Ctrl-Z that starts a
    // line gives End, value 0.
    Token readnumber(std::int32_t& value) {
        value = 0;
        while (p_ < end_ && !isrunbyte(*p_) && *p_ != kCtrlZ) ++p_;
        if (p_ == end_) return Token::End;
        if (*p_ == kCtrlZ) {
            if (p_ != begin_ && p_[-1] != '\n') return Token::None;
            stop_ = p_;
            p_ = end_;
            return Token::End;
        }
        const char* const start = p_;
        start_ = start;
        if (const auto plain = scanplainnumber()) {
            value = *plain;
            return Token::Read;
        }
        const auto parsed = parseint(std::string_view(start, p_ - start));
        if (!parsed) return Token::Bad;
        value = *parsed;
        return Token::Read;
    }

    // The rest of the line from the byte that ended the last token, which is dropped as
    // the separator; a line that ends right after its numbers has an empty name field.
    std::string_view readnamefield() {
        if (p_ == end_) return {};
        if (*p_ == '\n') {
            ++p_;
            return {};
        }
        const char* lf = static_cast<const char*>(std::memchr(p_, '\n', end_ - p_));
        const char* const lineend = lf != nullptr ? lf : end_;
        std::string_view field(p_ + 1, lineend - p_ - 1);
        if (field.ends_with('\r')) field.remove_suffix(1);
        p_ = lf != nullptr ? lf + 1 : end_;
        return field;
    }

private:
    // Moves past the run of bytes above 0x20 that starts here, at most 32 of them. Nearly
    // every cost is a plain number, an optional sign and at most 9 digits: converted while
    // it is scanned, it needs no second pass and no overflow check. Anything else gives
    // nothing and is left to parseint.
    std::optional<std::int32_t> scanplainnumber() {
        if (std::endian::native == std::endian::little && end_ - p_ >= 8) {
            const ShortRun run = scanshortrun(p_);
            if (run.length < 8) {
                p_ += run.length;
                if (run.plain) return run.value;
                return std::nullopt;
            }
        }
        const char* const limit =
            static_cast<std::size_t>(end_ - p_) > kMaxToken ? p_ + kMaxToken : end_;
        const bool negative = *p_ == '-';
        if (negative || *p_ == '+') ++p_;
        const char* const digits = p_;
        std::uint64_t number = 0;
        bool plain = true;
        for (; p_ < limit && isrunbyte(*p_); ++p_) {
            const unsigned digit = static_cast<unsigned char>(*p_) - unsigned{'0'};
            plain &= digit <= 9;
            number = number * 10 + digit;
        }
        const auto count = static_cast<std::size_t>(p_ - digits);
        if (!plain || count == 0 || count > kPlainDigits) return std::nullopt;
        const auto magnitude = static_cast<std::int32_t>(number);
        return negative ? -magnitude : magnitude;
    }

    const char* begin_;
    const char* p_;
    const char* end_;
    const char* start_ = nullptr;
    const char* stop_ = end_;
};

template <typename Sink>
void parsefeats(Catalogue& catalogue, FileBytes bytes, Sink& sink) {
    FeatParser parser(bytes.data.get(), bytes.data.get() + bytes.size);
    catalogue.text.push_back(std::move(bytes.data));
    auto& list = catalogue.featlist;
    // An entry ends with its line, so there are at most as many as lines.
    reservemapped(list, bytes.lines + 1, bytes.size);
    while (parser.atentry()) {
        TFeatRec& feat = list.emplace_back();
        FeatPlaces places;
        places.entry = parser.position();
        const char* bad = nullptr;
        for (std::size_t i = 0; i < feat.cost.size(); ++i) {
            std::int32_t value = 0;
            const Token token = parser.readnumber(value);
            // Only blanks up to the end: no further feature, not an empty one.
            if (i == 0 && token == Token::End) {
                list.pop_back();
                sink.ended(parser.stop());
                return;
            }
            if (token == Token::Bad && bad == nullptr) bad = parser.tokenstart();
            if (token == Token::Read) places.cost[i] = parser.tokenstart();
            if (bad == nullptr) feat.cost[i] = value;
        }
        places.namefield = parser.position();
        std::string_view name = parser.readnamefield();
        if (name.starts_with('*')) {
            feat.branched = 1;
            name.remove_prefix(1);
        }
        feat.name = name;
        if (bad != nullptr) {
            sink.failed(bad, "Invalid numeric input");
        } else {
            sink.feat(feat, places);
        }
    }
    sink.ended(parser.stop());
}

}  // namespace
