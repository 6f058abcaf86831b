#include "linesearch.h"

#include <algorithm>
#include <numeric>

#include "casefold.h"
#include "findbyte.h"
#include "sheet/w1251.h"

namespace {

// Folds `text` into `out`, which has room for it.
void foldinto(std::string_view text, char* out) {
    const auto& fold = cp1251fold();
    std::transform(text.begin(), text.end(), out, [&fold](char byte) {
        return static_cast<char>(fold[static_cast<unsigned char>(byte)]);
    });
}

// Letters of Russian names from the most frequent on, after the blank; other bytes count
// as rarer than all of them.
constexpr auto kByFrequency = w1251(" оеаинтсрвлкмдпуяыьгзбчйхжшюцщэфъ");

// The position in `needle` of its byte that names contain least often.
std::size_t rarestbyte(std::string_view needle) {
    const std::string_view common = kByFrequency;
    std::size_t rarest = 0;
    std::size_t rank = 0;
    for (std::size_t i = 0; i < needle.size(); ++i) {
        const std::size_t at = common.find(needle[i]);
        if (at == std::string_view::npos) return i;
        if (at > rank) {
            rarest = i;
            rank = at;
        }
    }
    return rarest;
}

}  // namespace

std::string foldcase(std::string_view text) {
    std::string folded(text.size(), '\0');
    foldinto(text, folded.data());
    return folded;
}

void LineSearch::assign(const std::vector<std::string>& lines) {
    std::size_t size = 0;
    for (const std::string& line : lines) size += line.size() + 1;
    // One resize, not one per line: libc++'s, which the page links, is not inlined.
    folded_.resize(size);
    starts_.assign(1, 0);
    starts_.reserve(lines.size() + 1);
    char* out = folded_.data();
    for (const std::string& line : lines) {
        foldinto(line, out);
        out += line.size();
        *out++ = '\n';
        starts_.push_back(static_cast<std::size_t>(out - folded_.data()));
    }
}

std::vector<int> LineSearch::find(std::string_view text) const {
    const std::size_t lines = starts_.size() - 1;
    std::vector<int> found;
    if (text.empty()) {
        found.resize(lines);
        std::iota(found.begin(), found.end(), 0);
        return found;
    }
    const std::string folded = foldcase(text);
    // A view, read once: the compiler cannot know that what the loop stores leaves the
    // string's own bytes alone.
    const std::string_view needle = folded;
    // No match, and the pointers below stay within the buffer.
    if (needle.find('\n') != std::string_view::npos || needle.size() > folded_.size()) {
        return found;
    }
    // Each place where the anchor byte stands is a candidate; the rarer it is, the fewer
    // candidates fail.
    const std::size_t anchor = rarestbyte(needle);
    const char key = needle[anchor];
    const char* const begin = folded_.data();
    const char* const end = begin + folded_.size();
    std::size_t line = 0;
    for (const char* from = begin + anchor; from < end;) {
        const char* const hit = findbyte(from, end, key);
        if (hit == nullptr) break;
        const char* const start = hit - anchor;
        from = hit + 1;
        if (static_cast<std::size_t>(end - start) < needle.size() ||
            !std::equal(needle.begin(), needle.end(), start)) {
            continue;
        }
        // Once a line is found, the search goes on at the next one.
        line = lineat(static_cast<std::size_t>(start - begin), line);
        found.push_back(static_cast<int>(line));
        ++line;
        const std::size_t next = starts_[line] + anchor;
        if (next >= folded_.size()) break;
        from = begin + next;
    }
    return found;
}

std::size_t LineSearch::lineat(std::size_t offset, std::size_t from) const {
    // Hits come in order and often close together: gallop from the last one, then halve.
    if (offset < starts_[from + 1]) return from;
    std::size_t step = 1;
    std::size_t upto = from + 1;
    while (upto < starts_.size() && starts_[upto] <= offset) {
        from = upto;
        upto += step;
        step *= 2;
    }
    const auto end = starts_.begin() + static_cast<std::ptrdiff_t>(std::min(upto, starts_.size()));
    return static_cast<std::size_t>(
               std::upper_bound(starts_.begin() + static_cast<std::ptrdiff_t>(from), end, offset) -
               starts_.begin()) -
           1;
}
