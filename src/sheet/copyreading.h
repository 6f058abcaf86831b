#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// Reading a copied sheet's text as it may have travelled through chats, forums, notes and
// word processors. A first pass brings the text into the copy's own form; the parser reads
// that alone. All texts are Windows-1251 bytes.
namespace copyreading {

inline constexpr char kNbsp = '\xA0';
inline constexpr char kEnDash = '\x96';
inline constexpr char kEmDash = '\x97';

// A blank of the text: a blank, a tab or a non-breaking space.
inline bool isblank(char c) { return c == ' ' || c == '\t' || c == kNbsp; }

struct Line {
    // From 1, counting every line of the text as it came.
    std::size_t number = 0;
    // The line as it came, without blanks around it.
    std::string_view original;
    // The line in the copy's form.
    std::string_view text;
};

struct CopyForm {
    // Holds the lines' `text`.
    std::string buffer;
    // The lines that are not blank, in order.
    std::vector<Line> lines;
};

// The text in the copy's form, line by line: any line ends; a quote prefix (">", nested or
// not) dropped; a list bullet ("•", "·", "*", "–", "—", "-") as the copy's "- "; runs of
// blanks, tabs and non-breaking spaces as one blank, none around a line. Dashes elsewhere
// stay as they came: a hyphen in a spec the player typed stays his.
CopyForm copyform(std::string_view text);

// Runs of blanks as one blank, none at either end: a word of ours as the copy's form has it.
std::string foldblanks(std::string_view text);

// A byte of the text where the copy wrote `want`: a dash may be any of "—", "–", "-".
bool samebyte(char got, char want);

bool same(std::string_view got, std::string_view want);

// How many bytes `got` and `want` share from their start, as `same` compares them.
std::size_t sameprefix(std::string_view got, std::string_view want);

bool cutprefix(std::string_view& text, std::string_view want);

bool cutsuffix(std::string_view& text, std::string_view want);

// The first place of `want` in `text`; npos if none. `want` is a short fixed word.
std::size_t findfirst(std::string_view text, std::string_view want);

// The last " — " of the text, as the separator of a price; npos if none.
std::size_t lastdash(std::string_view text);

// A decimal number that ends `text`, cut off it; nothing when there is none.
std::optional<std::string_view> cutnumber(std::string_view& text);

// An optional "-", then decimal digits, and nothing else.
bool isdecimal(std::string_view text);

// "12 плюшек" and its plural forms at the end of `text`, cut off it.
std::optional<std::string_view> cutplushki(std::string_view& text);

// " (сложный)" and the like at the end of `text`, cut off it: the unit price it names.
std::optional<std::int32_t> cutdifficulty(std::string_view& text);

// A name as it is looked up: blanks folded as the copy's form has them, on the catalogue's
// side too (so that a name of two blanks in a row, or one beginning with a blank, is still
// found), and any dash as "-", as the text may have travelled.
std::string namekey(std::string_view name);

// The hash of a name grows byte by byte, so that every prefix of a key in the copy's form
// is looked up in one step.
std::uint64_t hashstep(std::uint64_t hash, char c);

std::uint64_t hashend(std::uint64_t hash, std::size_t size);

// The hash of a key in the copy's form, equal to that of a catalogue name whose `namekey`
// it is.
std::uint64_t namehash64(std::string_view key);

// `got` (in the copy's form) names the entry whose `namekey` is `key`.
bool samename(std::string_view got, std::string_view key);

// The entries of a catalogue by name, in catalogue order.
template <typename Record>
class NameIndex {
public:
    explicit NameIndex(const std::vector<Record>& records) : records_(records) {
        keys_.reserve(records.size());
        for (std::size_t i = 0; i < records.size(); ++i) {
            keys_.push_back(namekey(records[i].name));
            entries_[namehash64(keys_.back())].push_back(i);
            longest_ = std::max(longest_, keys_.back().size());
        }
    }

    // No name is longer: a longer text names nothing, however long it is.
    std::size_t longest() const { return longest_; }

    // The first entry named `name` (whose hash is `hash`) that `keep` keeps.
    template <typename Keep>
    std::optional<std::size_t> first(std::string_view name, std::uint64_t hash, Keep keep) const {
        if (name.size() > longest_) return std::nullopt;
        const auto found = entries_.find(hash);
        if (found == entries_.end()) return std::nullopt;
        for (const std::size_t i : found->second) {
            if (samename(name, keys_[i]) && keep(records_[i])) return i;
        }
        return std::nullopt;
    }

    template <typename Keep>
    std::optional<std::size_t> first(std::string_view name, Keep keep) const {
        if (name.size() > longest_) return std::nullopt;
        return first(name, namehash64(name), keep);
    }

private:
    const std::vector<Record>& records_;
    std::size_t longest_ = 0;
    std::vector<std::string> keys_;
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
    // Cuts and the whole key only as far as a name can reach.
    const bool wholefits = key.size() <= index.longest();
    const std::size_t reach = wholefits ? key.size() : index.longest() + 1;
    std::uint64_t hash = 0;
    for (std::size_t i = 0; i < reach; ++i) {
        if (closed && i > 0 && i + 3 < key.size() && key[i] == ' ' && key[i + 1] == '(' &&
            !cutfitting) {
            const auto entry = index.first(key.substr(0, i), hashend(hash, i),
                                           [&](const Record& r) { return keep(r) && branched(r); });
            if (entry && !cut) cut = Found{*entry, i};
            if (entry && fits(*entry)) cutfitting = Found{*entry, i};
        }
        hash = hashstep(hash, key[i]);
    }
    const auto whole = wholefits ? index.first(key, hashend(hash, key.size()), keep) : std::nullopt;
    if (whole && fits(*whole)) return Found{*whole, key.size()};
    if (cutfitting) return cutfitting;
    if (whole) return Found{*whole, key.size()};
    return cut;
}

}  // namespace copyreading
