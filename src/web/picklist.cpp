#include "picklist.h"

#include <algorithm>
#include <numeric>
#include <utility>

#include "pick/pickview.h"

void PickList::setlines(std::vector<std::string> lines) {
    lines_ = std::move(lines);
    shown_.resize(lines_.size());
    std::iota(shown_.begin(), shown_.end(), 0);
    selected_ = -1;
}

void PickList::showlines(std::vector<int> positions) {
    shown_ = std::move(positions);
    if (rowof(selected_) < 0) selected_ = -1;
}

void PickList::select(int position) { selected_ = rowof(position) < 0 ? -1 : position; }

int PickList::selectedrow() const { return rowof(selected_); }

const std::string& PickList::linetext(int position) const {
    if (position < 0 || static_cast<std::size_t>(position) >= lines_.size()) {
        throw listindexerror(position);
    }
    return lines_[static_cast<std::size_t>(position)];
}

int PickList::rowof(int position) const {
    if (position < 0) return -1;
    const auto found = std::lower_bound(shown_.begin(), shown_.end(), position);
    return found != shown_.end() && *found == position ? static_cast<int>(found - shown_.begin())
                                                       : -1;
}
