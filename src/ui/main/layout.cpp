#include "layout.h"

#include <cmath>

namespace {

// C++ division truncates toward zero, which is the rounding the layout wants.
int quarter(int x) { return x / 4; }
int half(int x) { return x / 2; }
int rounded(double x) { return static_cast<int>(std::lround(x)); }

}  // namespace

SheetLayout sheetlayout(int width, int height, int spinwidth) {
    SheetLayout layout;
    layout.tablewidth = quarter(width) - 10;
    for (int c = 0; c < 4; ++c) {
        // c * width before the division: q(2W) is not always 2 * q(W).
        layout.columnleft[c] = c == 0 ? 10 : quarter(c * width) + 10;
        layout.spinleft[c] = layout.columnleft[c] + layout.tablewidth - spinwidth;
    }
    layout.keywidth = layout.tablewidth - 40;
    layout.tableheight = rounded(0.4 * (height - 40));
    layout.lowertabletop = rounded(0.6 * (height - 40));
    layout.lowerspintop = half(height - 40);
    layout.lowerlabeltop = half(height - 40) + 10;
    layout.totaltop = height - 30;
    return layout;
}
