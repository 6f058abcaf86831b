#include "onscreen.h"

#include <QEvent>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <cmath>
#include <utility>

namespace {

QMargins ownmargins(const QWidget* window) {
    const QWindow* handle = window->windowHandle();
    return handle != nullptr ? handle->frameMargins() : QMargins();
}

int keptinside(int start, int length, int areastart, int arealength) {
    return std::max(areastart, std::min(start, areastart + arealength - length));
}

// Applies the placement at the moments a window needs it; where it goes is placement()'s.
class OnScreen : public QObject {
public:
    OnScreen(QWidget* window, Fit fit, IntendedPlace intended, ApplyPlace apply, When when)
        : QObject(window),
          window_(window),
          fit_(fit),
          intended_(std::move(intended)),
          apply_(std::move(apply)),
          when_(when) {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != window_) return false;
        switch (event->type()) {
            case QEvent::Show:
                // Restored by the window system: the player's place stands.
                if (event->spontaneous()) break;
                // A message box sizes itself and a dialog places itself over its parent in
                // their own show handlers, which run after this.
                placed_ = false;
                // Placed here, before the window system maps it, the window appears where it
                // belongs; a dialog then keeps the place instead of centring itself.
                if (when_ == When::Before) place();
                QMetaObject::invokeMethod(this, &OnScreen::place, Qt::QueuedConnection);
                break;
            case QEvent::Move:
            case QEvent::Resize:
            case QEvent::WindowActivate:
                // While the window manager frames the window, its geometry and margins pass
                // through passing values; they hold once it stands where it was put.
                if (placed_ && !framed_ && window_->geometry() == given_ &&
                    !ownmargins(window_).isNull()) {
                    place();
                }
                break;
            default:
                break;
        }
        return false;
    }

private:
    void place() {
        if (!window_->isVisible()) return;
        framed_ = !ownmargins(window_).isNull();
        const QMargins frame = framemargins(window_);
        given_ = placement(availablearea(window_), frame, intended_(frame), fit_);
        if (apply_) {
            apply_(given_);
        } else if (given_ != window_->geometry()) {
            window_->setGeometry(given_);
        }
        placed_ = true;
    }

    QWidget* window_;
    Fit fit_;
    IntendedPlace intended_;
    ApplyPlace apply_;
    When when_;
    // Where the window was put when last placed, and whether its own frame was known then.
    QRect given_;
    bool placed_ = false;
    bool framed_ = false;
};

}  // namespace

QRect placement(const QRect& area, const QMargins& frame, const QRect& intended, Fit fit) {
    QRect outer = intended.marginsAdded(frame);
    outer.setSize(outer.size().boundedTo(area.size()));
    if (fit == Fit::Centred) {
        outer.moveCenter(area.center());
    } else {
        outer.moveTo(keptinside(outer.x(), outer.width(), area.x(), area.width()),
                     keptinside(outer.y(), outer.height(), area.y(), area.height()));
    }
    return outer.marginsRemoved(frame);
}

void keeponscreen(QWidget* window, Fit fit, IntendedPlace intended, ApplyPlace apply, When when) {
    new OnScreen(window, fit, std::move(intended), std::move(apply), when);
}

void keeponscreen(QWidget* window) {
    keeponscreen(window, Fit::Inside, [window](const QMargins&) { return window->geometry(); });
}

QMargins framemargins(const QWidget* window) {
    const QMargins own = ownmargins(window);
    if (!own.isNull()) return own;
    const QWidget* parent = window->parentWidget();
    return parent != nullptr ? ownmargins(parent->window()) : QMargins();
}

QRect availablearea(const QWidget* window) {
    const QScreen* screen = window->screen();
    const qreal ratio = screen->devicePixelRatio();
    const QRect area = screen->availableGeometry();
    return ratio == std::floor(ratio) ? area : area.adjusted(1, 1, -1, -1);
}
