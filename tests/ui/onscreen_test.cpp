// Where a window goes on its screen: kept or reduced to the available area, frame included,
// and centred or moved just enough, for screens of several sizes and scale factors.
#include "ui/onscreen.h"

#include <gtest/gtest.h>

#include <ostream>

// Found by the tests' printer next to QRect.
inline void PrintTo(const QRect& rect, std::ostream* out) {
    *out << rect.x() << ',' << rect.y() << ' ' << rect.width() << 'x' << rect.height();
}

namespace {

TEST(Placement, FramedWindowsKeepInsideTheAvailableArea) {
    const QMargins framed(4, 23, 4, 4);
    const QRect main = QRect(0, 0, 937, 458).marginsRemoved(framed);
    const QRect dialog(251, 134, 513, 296);
    struct Case {
        const char* screen;
        QRect area;
        QMargins frame;
        QRect intended;
        Fit fit;
        QRect expected;
    };
    const Case cases[] = {
        {"1920x1080 at 100 %, taskbar below",
         {0, 0, 1920, 1040},
         framed,
         main,
         Fit::Centred,
         {495, 314, 929, 431}},
        {"1920x1080 at 100 %, panels left and above",
         {64, 27, 1856, 1053},
         framed,
         main,
         Fit::Centred,
         {527, 348, 929, 431}},
        {"1024x600 at 150 %: reduced to the area",
         {0, 0, 683, 368},
         framed,
         main,
         Fit::Centred,
         {4, 23, 675, 341}},
        {"not framed yet: the client is the whole",
         {0, 0, 1366, 728},
         {},
         {0, 0, 937, 458},
         Fit::Centred,
         {214, 135, 937, 458}},
        {"1366x768 at 100 %: where it is", {0, 0, 1366, 728}, framed, dialog, Fit::Inside, dialog},
        {"1024x600 at 150 %: moved up and left",
         {0, 0, 683, 368},
         framed,
         dialog,
         Fit::Inside,
         {166, 68, 513, 296}},
        {"960x540 at 200 %: reduced, in the corner",
         {0, 0, 480, 270},
         framed,
         dialog,
         Fit::Inside,
         {4, 23, 472, 243}},
        {"above and left of the area: moved in",
         {0, 30, 1366, 698},
         framed,
         dialog.translated(-351, -250),
         Fit::Inside,
         {4, 53, 513, 296}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.expected, placement(c.area, c.frame, c.intended, c.fit)) << c.screen;
    }
}

}  // namespace
