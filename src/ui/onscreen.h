#pragma once

#include <QMargins>
#include <QRect>
#include <functional>

class QWidget;

// Where a top-level window's client area goes, given where it is, the available area of its
// screen (taskbars and panels left out) and the margins of the window's frame.
using PlaceWindow =
    std::function<QRect(const QRect& client, const QRect& area, const QMargins& frame)>;

// Places `window` by `place` each time it is shown, once it has sized and placed itself, and
// once more when the window manager has framed it: only then are the frame's margins known,
// and until then those of the window it belongs to stand in for them.
void keeponscreen(QWidget* window, PlaceWindow place);

// The same, keeping the window where it is where its frame fits in the area and otherwise
// moving it just enough to lie inside.
void keeponscreen(QWidget* window);

// `outer` moved just enough to lie inside `area`; where it is larger, its top left corner
// goes to the area's, so that the title bar can be reached.
QRect movedinside(QRect outer, const QRect& area);

// A rectangle of `outer` size, reduced to the area's size where it is larger, centred in it.
QRect centredin(QSize outer, const QRect& area);

// The margins of `window`'s frame as the window system knows them now: its own once it is
// framed, else those of the window it belongs to, else none.
QMargins framemargins(const QWidget* window);

// The available area of `window`'s screen, taskbars and panels left out; under a fractional
// scale factor a pixel less on each side, since the logical area and frame are the device's
// rounded, up to half a pixel off.
QRect availablearea(const QWidget* window);
