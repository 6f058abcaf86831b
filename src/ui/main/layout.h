#pragma once

#include <array>

// Where the proportional layout puts the sheet's controls in a client area of a given size.
// Captions and spin fields of the lower row share the lefts of the upper row; the upper
// row keeps its tops. Sizes may come out zero or negative in a tiny window.
struct SheetLayout {
    // Left of the tables (and captions) of columns 0 to 3, both rows.
    std::array<int, 4> columnleft{};
    // Left of the spin fields of columns 0 to 3, flush right with their tables.
    std::array<int, 4> spinleft{};
    int tablewidth = 0;
    int keywidth = 0;
    int tableheight = 0;
    int lowertabletop = 0;
    int lowerspintop = 0;
    int lowerlabeltop = 0;
    int totaltop = 0;
    // The upper row and the total line's left stay where they are at every size.
    int uppertabletop = 40;
    int upperspintop = 8;
    int upperlabeltop = 16;
    int totalleft = 16;
};

SheetLayout sheetlayout(int width, int height, int spinwidth);
