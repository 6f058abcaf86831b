#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// Reading a copied sheet's text as it may have travelled through chats, forums and notes:
// a non-breaking space where the copy wrote a blank, any of "—", "–", "-" where it wrote a
// dash. All texts are Windows-1251 bytes.
namespace copyreading {

inline constexpr char kNbsp = '\xA0';
inline constexpr char kEmDash = '\x97';

// A blank of the text: a blank, a tab or a non-breaking space.
bool isblank(char c);

struct Line {
    std::size_t number = 0;
    std::string_view text;
};

// A byte of the text where the copy wrote `want`: a blank may have become a non-breaking
// space, a dash any of "—", "–", "-".
bool samebyte(char got, char want);

bool same(std::string_view got, std::string_view want);

bool cutprefix(std::string_view& text, std::string_view want);

bool cutsuffix(std::string_view& text, std::string_view want);

// The first place of `want` in `text`; npos if none. `want` is a short fixed word.
std::size_t findfirst(std::string_view text, std::string_view want);

// The last " — " of the text, as the separator of a price; npos if none.
std::size_t lastdash(std::string_view text);

std::string_view trimmed(std::string_view line);

// A decimal number that ends `text`, cut off it; nothing when there is none.
std::optional<std::string_view> cutnumber(std::string_view& text);

// "12 плюшек" and its plural forms at the end of `text`, cut off it.
std::optional<std::string_view> cutplushki(std::string_view& text);

// " (сложный)" and the like at the end of `text`, cut off it: the unit price it names.
std::optional<std::int32_t> cutdifficulty(std::string_view& text);

// A name of the text is found in the catalogue with a non-breaking space as the blank it
// stands for, and any dash as any other, as the text may have travelled.
char folded(char c);
std::string folded(std::string_view key);

// The hash of a name grows byte by byte, so that every prefix of a key is looked up in one
// step.
std::uint64_t hashstep(std::uint64_t hash, char c);

std::uint64_t hashend(std::uint64_t hash, std::size_t size);

std::uint64_t namehash64(std::string_view name);

bool samename(std::string_view got, std::string_view name);

// Lines of any ends (CR LF, LF, CR), trimmed, blank ones left out.
std::vector<Line> cutlines(std::string_view text);

// The entries of a catalogue by name, in catalogue order.
template <typename Record>
class NameIndex {
public:
    explicit NameIndex(const std::vector<Record>& records) : records_(records) {
        for (std::size_t i = 0; i < records.size(); ++i)
            entries_[namehash64(records[i].name)].push_back(i);
    }

    // The first entry named `name` (whose hash is `hash`) that `keep` keeps.
    template <typename Keep>
    std::optional<std::size_t> first(std::string_view name, std::uint64_t hash, Keep keep) const {
        const auto found = entries_.find(hash);
        if (found == entries_.end()) return std::nullopt;
        for (const std::size_t i : found->second) {
            if (samename(name, records_[i].name) && keep(records_[i])) return i;
        }
        return std::nullopt;
    }

private:
    const std::vector<Record>& records_;
    std::unordered_map<std::uint64_t, std::vector<std::size_t>> entries_;
};

// A key's catalogue entry: the whole key as a name, or a branched entry's name before " ("
// with the spec inside, the leftmost such cut first; one whose unit price `fits` first.
struct Found {
    std::size_t entry;
    // Where the name ends in the key; the whole key for a plain name.
    std::size_t namesize;
};

template <typename Record, typename Keep, typename Branched, typename Fits>
std::optional<Found> findkey(const NameIndex<Record>& index, std::string_view key, Keep keep,
                             Branched branched, Fits fits) {
    std::optional<Found> cut;
    std::optional<Found> cutfitting;
    const bool closed = key.size() >= 4 && key.back() == ')';
    std::uint64_t hash = 0;
    for (std::size_t i = 0; i < key.size(); ++i) {
        if (closed && i > 0 && i + 3 < key.size() && isblank(key[i]) && key[i + 1] == '(' &&
            !cutfitting) {
            const auto entry = index.first(key.substr(0, i), hashend(hash, i),
                                           [&](const Record& r) { return keep(r) && branched(r); });
            if (entry && !cut) cut = Found{*entry, i};
            if (entry && fits(*entry)) cutfitting = Found{*entry, i};
        }
        hash = hashstep(hash, key[i]);
    }
    const auto whole = index.first(key, hashend(hash, key.size()), keep);
    if (whole && fits(*whole)) return Found{*whole, key.size()};
    if (cutfitting) return cutfitting;
    if (whole) return Found{*whole, key.size()};
    return cut;
}

}  // namespace copyreading
