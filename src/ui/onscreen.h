#pragma once

#include <QMargins>
#include <QRect>
#include <functional>

class QWidget;

enum class Fit {
    // In the middle of the available area.
    Centred,
    // Where it is, moved just enough to lie inside the available area.
    Inside,
};

// The client rectangle of a window that wants `intended` (a client rectangle) and has a frame
// of `frame` around it, on a screen whose available area (taskbars and panels left out) is
// `area`: the framed window, reduced to the area's size where larger, placed by `fit`.
QRect placement(const QRect& area, const QMargins& frame, const QRect& intended, Fit fit);

// The client rectangle a window wants, given the margins its frame has as far as known.
using IntendedPlace = std::function<QRect(const QMargins& frame)>;
// How a window takes the rectangle it is given.
using ApplyPlace = std::function<void(const QRect& client)>;

// When a window is placed as it is shown.
enum class When {
    // Once its own show handler has sized and placed it, as a message box does.
    AfterItsOwn,
    // Before it appears, for a window whose size is known before it is shown: it never
    // shows anywhere else, however late a busy machine lets the first placing come.
    Before,
};

// Places `window` each time it is shown, and once more when the window manager has framed it:
// only then are the frame's margins known, and until then those of the window it belongs to
// stand in for them. By default the window takes its rectangle with setGeometry.
void keeponscreen(QWidget* window, Fit fit, IntendedPlace intended, ApplyPlace apply = {},
                  When when = When::AfterItsOwn);

// The same for a window that wants to stay where and as large as it is.
void keeponscreen(QWidget* window);

// The margins of `window`'s frame as the window system knows them now: its own once it is
// framed, else those of the window it belongs to, else none.
QMargins framemargins(const QWidget* window);

// The available area of `window`'s screen, taskbars and panels left out; under a fractional
// scale factor a pixel less on each side, since the logical area and frame are the device's
// rounded, up to half a pixel off.
QRect availablearea(const QWidget* window);
