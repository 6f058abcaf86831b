#pragma once

#include <string>
#include <vector>

// The selection dialog's list as the page shows it: the lines and the positions of those
// shown stay here, and the page draws only the rows in sight, asking for their texts. A
// catalogue of 200,000 entries thus never crosses to the page as 200,000 texts.
class PickList {
public:
    // Every line shows, none is selected.
    void setlines(std::vector<std::string> lines);
    // Only the lines at `positions` (ascending) show; the selected line stays selected if it
    // is among them.
    void showlines(std::vector<int> positions);
    // A position shown, or -1 for none.
    void select(int position);

    // The selected position, -1 for none.
    int selected() const { return selected_; }
    // The row that shows the selected line, -1 for none.
    int selectedrow() const;
    // Throws the list's index error for a position that holds no line.
    const std::string& linetext(int position) const;

    int rows() const { return static_cast<int>(shown_.size()); }
    // The positions shown, row by row.
    const std::vector<int>& shown() const { return shown_; }

private:
    int rowof(int position) const;

    std::vector<std::string> lines_;
    std::vector<int> shown_;
    int selected_ = -1;
};
