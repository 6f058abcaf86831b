#include "repeats.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <limits>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace {

// About as many names as fill a table of 4-byte slots in the L1 cache at most half full.
constexpr std::size_t kPartNames = 4096;
constexpr std::uint64_t kOdd = 0x9E3779B97F4A7C15ull;

std::uint64_t word(const char* p, std::size_t n) {
    std::uint64_t w = 0;
    std::memcpy(&w, p, n);
    return w;
}

// Eight bytes at a time with a multiply; the last word may overlap the one before, so that
// no byte is taken one at a time.
std::uint64_t hashname(std::string_view name) {
    std::uint64_t h = name.size() * kOdd;
    std::size_t i = 0;
    for (; i + 8 < name.size(); i += 8) h = (std::rotl(h, 23) ^ word(name.data() + i, 8)) * kOdd;
    const std::uint64_t last =
        name.size() >= 8 ? word(name.data() + name.size() - 8, 8) : word(name.data(), name.size());
    h = (std::rotl(h, 23) ^ last) * kOdd;
    return h ^ (h >> 29);
}

}  // namespace

RepeatFinder::RepeatFinder(std::size_t entries)
    : bits_(static_cast<unsigned>(std::bit_width(std::max<std::size_t>(1, entries / kPartNames)) -
                                  1)),
      // A quarter more than the average, so that hardly any part spills.
      room_(((entries >> bits_) + (entries >> bits_) / 4) / kLine + 2),
      regions_(std::make_unique_for_overwrite<Line[]>(room_ << bits_)),
      filled_(std::size_t{1} << bits_, 0),
      spills_(std::size_t{1} << bits_),
      open_(std::make_unique_for_overwrite<Line[]>(std::size_t{1} << bits_)),
      opened_(std::size_t{1} << bits_, 0) {}

void RepeatFinder::add(std::size_t index, std::string_view name, std::uint8_t group) {
    // Indexes are 32 bits: a catalogue of 4 billion entries is looked at in its first ones.
    if (index >= std::numeric_limits<std::uint32_t>::max()) return;
    // The part from the hash's upper bits, the tag from other bits and the group.
    const std::uint64_t hash = hashname(name);
    const std::size_t part = bits_ == 0 ? 0 : hash >> (64 - bits_);
    open_[part].entries[opened_[part]] = {(static_cast<std::uint32_t>(hash) & 0xFFFFFF00u) | group,
                                          static_cast<std::uint32_t>(index)};
    if (++opened_[part] == kLine) flush(part);
}

void RepeatFinder::flush(std::size_t part) {
    opened_[part] = 0;
    const Line& line = open_[part];
    if (filled_[part] == room_) {
        spills_[part].insert(spills_[part].end(), std::begin(line.entries), std::end(line.entries));
        return;
    }
    Line* const to = &regions_[part * room_ + filled_[part]++];
#ifdef __SSE2__
    const auto* from = reinterpret_cast<const __m128i*>(&line);
    auto* out = reinterpret_cast<__m128i*>(to);
    for (std::size_t i = 0; i < sizeof(Line) / sizeof(__m128i); ++i)
        _mm_stream_si128(out + i, _mm_load_si128(from + i));
#else
    *to = line;
#endif
}

std::vector<RepeatFinder::Tagged> RepeatFinder::takepart(std::size_t part) const {
    // In file order: the region, what spilled, the line still open.
    std::vector<Tagged> entries;
    entries.reserve(filled_[part] * kLine + spills_[part].size() + opened_[part]);
    for (std::size_t i = 0; i < filled_[part]; ++i) {
        const Line& line = regions_[part * room_ + i];
        entries.insert(entries.end(), std::begin(line.entries), std::end(line.entries));
    }
    entries.insert(entries.end(), spills_[part].begin(), spills_[part].end());
    const Line& open = open_[part];
    entries.insert(entries.end(), std::begin(open.entries),
                   std::begin(open.entries) + opened_[part]);
    return entries;
}

std::vector<RepeatFinder::Repeat> RepeatFinder::repeats(
    const std::function<std::string_view(std::size_t)>& nameof) {
#ifdef __SSE2__
    _mm_sfence();  // the streamed lines are seen by the loads below
#endif
    std::vector<Repeat> out;
    std::vector<std::uint32_t> table;
    for (std::size_t p = 0; p < filled_.size(); ++p) {
        const std::vector<Tagged> part = takepart(p);
        const std::size_t slots = std::bit_ceil(std::max<std::size_t>(16, 2 * part.size()));
        const auto shift = static_cast<unsigned>(32 - std::countr_zero(slots));
        table.assign(slots, 0);
        // In file order, so the name a slot holds came first.
        for (std::uint32_t k = 0; k < part.size(); ++k) {
            const Tagged& entry = part[k];
            std::size_t at = (entry.tag * 0x9E3779B1u) >> shift;
            for (;; at = (at + 1) & (slots - 1)) {
                if (table[at] == 0) {
                    table[at] = k + 1;  // 0 marks a free slot
                    break;
                }
                const Tagged& earlier = part[table[at] - 1];
                if (earlier.tag == entry.tag && nameof(earlier.index) == nameof(entry.index)) {
                    out.push_back({entry.index, earlier.index});
                    break;
                }
            }
        }
    }
    return out;
}
