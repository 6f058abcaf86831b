#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The dialog's lines, folded once per opening so that each keystroke in the search field
// costs one pass over them: a line matches when it contains the typed text, compared
// without regard to case for Cyrillic and Latin letters, "ё" as "е".
class LineSearch {
public:
    // The lines of a new opening. The buffers are kept from one opening to the next, so a
    // large list does not fault in fresh pages each time.
    void assign(const std::vector<std::string>& lines);

    // The positions of the lines that contain `text`, in list order; all of them for an
    // empty text.
    std::vector<int> find(std::string_view text) const;

private:
    // The line holding byte `offset`, looked for from line `from` on.
    std::size_t lineat(std::size_t offset, std::size_t from) const;

    // Every line folded and followed by '\n', which no line and no typed text holds.
    std::string folded_;
    // Where each line starts in folded_, and its end last.
    std::vector<std::size_t> starts_{0};
};

// `text` folded as LineSearch compares it.
std::string foldcase(std::string_view text);
