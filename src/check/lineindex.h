#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

// Lines of a text that ends its lines at LF: which line a byte is on, and where a line
// starts. Lists the LFs once, then answers by binary search, in any order.
class LineIndex {
public:
    explicit LineIndex(std::string_view text);

    // The line of the byte at `offset`, from 1; the end of the text is on the last line.
    std::size_t lineof(std::size_t offset) const;
    // The offset of line `line`'s first byte.
    std::size_t start(std::size_t line) const;

private:
    std::vector<std::size_t> lfs_;
};
