#include "linesearch.h"

#include <algorithm>
#include <numeric>

#include "casefold.h"

namespace {

// Folds `text` into `out`, which has room for it.
void foldinto(std::string_view text, char* out) {
    const auto& fold = cp1251fold();
    std::transform(text.begin(), text.end(), out, [&fold](char byte) {
        return static_cast<char>(fold[static_cast<unsigned char>(byte)]);
    });
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
    const std::string needle = foldcase(text);
    if (needle.find('\n') != std::string::npos) return found;
    const std::string_view all = folded_;
    std::size_t line = 0;
    for (std::size_t hit = all.find(needle); hit != std::string_view::npos;
         hit = all.find(needle, starts_[line])) {
        line = lineat(hit, line);
        found.push_back(static_cast<int>(line));
        ++line;
    }
    return found;
}

std::size_t LineSearch::lineat(std::size_t offset, std::size_t from) const {
    // Hits come in order and often close together: gallop from the last one, then halve.
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
