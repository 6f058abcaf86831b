// The proportional layout as a function of the client area's size.
#include "ui/main/layout.h"

#include <gtest/gtest.h>

namespace {

constexpr int kSpinWidth = 57;

struct Case {
    int width;
    int height;
    SheetLayout expected;
};

void expectlayout(const SheetLayout& expected, const SheetLayout& actual) {
    EXPECT_EQ(expected.columnleft, actual.columnleft);
    EXPECT_EQ(expected.spinleft, actual.spinleft);
    EXPECT_EQ(expected.tablewidth, actual.tablewidth);
    EXPECT_EQ(expected.keywidth, actual.keywidth);
    EXPECT_EQ(expected.tableheight, actual.tableheight);
    EXPECT_EQ(expected.lowertabletop, actual.lowertabletop);
    EXPECT_EQ(expected.lowerspintop, actual.lowerspintop);
    EXPECT_EQ(expected.lowerlabeltop, actual.lowerlabeltop);
    EXPECT_EQ(expected.totaltop, actual.totaltop);
}

}  // namespace

TEST(SheetLayout, PlacesEveryControlByTheClientSize) {
    const Case cases[] = {
        {930, 400, {{10, 242, 475, 707}, {175, 407, 640, 872}, 222, 182, 144, 216, 180, 190, 370}},
        // q(2 * 931) + 10 = 475 while 2 * q(931) + 10 would be 474.
        {931, 403, {{10, 242, 475, 708}, {175, 407, 640, 873}, 222, 182, 145, 218, 181, 191, 373}},
        // Below 40 the sizes go negative and the quotients truncate toward zero.
        {-5, -5, {{10, 9, 8, 7}, {-58, -59, -60, -61}, -11, -51, -18, -27, -22, -12, -35}},
        {39, 39, {{10, 19, 29, 39}, {-48, -39, -29, -19}, -1, -41, 0, -1, 0, 10, 9}},
        {0, 0, {{10, 10, 10, 10}, {-57, -57, -57, -57}, -10, -50, -16, -24, -20, -10, -30}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << "x" << c.height);
        expectlayout(c.expected, sheetlayout(c.width, c.height, kSpinWidth));
    }
}

TEST(SheetLayout, LowerTablesEndFortyPixelsAboveTheBottom) {
    for (int height = -200; height <= 2000; ++height) {
        const SheetLayout layout = sheetlayout(930, height, kSpinWidth);
        ASSERT_EQ(height - 40, layout.lowertabletop + layout.tableheight) << height;
    }
}

TEST(SheetLayout, FourthColumnEndsAtMostOnePixelFromTheRightEdge) {
    for (int width = 40; width <= 3000; ++width) {
        const SheetLayout layout = sheetlayout(width, 400, kSpinWidth);
        const int gap = width - (layout.columnleft[3] + layout.tablewidth);
        ASSERT_EQ(width % 4 == 0 ? 0 : 1, gap) << width;
    }
}
