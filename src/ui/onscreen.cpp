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

class OnScreen : public QObject {
public:
    OnScreen(QWidget* window, PlaceWindow place)
        : QObject(window), window_(window), place_(std::move(place)) {
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
                QMetaObject::invokeMethod(
                    this, [this] { fit(window_->geometry()); }, Qt::QueuedConnection);
                break;
            case QEvent::Move:
            case QEvent::Resize:
            case QEvent::WindowActivate:
                // While the window manager frames the window, its geometry and margins pass
                // through passing values; they hold once it stands where it was put.
                if (placed_ && !framed_ && window_->geometry() == intended_ &&
                    !ownmargins(window_).isNull()) {
                    fit(intended_);
                }
                break;
            default:
                break;
        }
        return false;
    }

private:
    void fit(const QRect& client) {
        if (!window_->isVisible()) return;
        framed_ = !ownmargins(window_).isNull();
        intended_ = place_(client, availablearea(window_), framemargins(window_));
        if (intended_ != window_->geometry()) window_->setGeometry(intended_);
        placed_ = true;
    }

    QWidget* window_;
    PlaceWindow place_;
    // Where the window was put when last placed, and whether its own frame was known then.
    QRect intended_;
    bool placed_ = false;
    bool framed_ = false;
};

}  // namespace

void keeponscreen(QWidget* window, PlaceWindow place) { new OnScreen(window, std::move(place)); }

void keeponscreen(QWidget* window) {
    keeponscreen(window, [](const QRect& client, const QRect& area, const QMargins& frame) {
        return movedinside(client.marginsAdded(frame), area).marginsRemoved(frame);
    });
}

QRect movedinside(QRect outer, const QRect& area) {
    outer.moveTo(keptinside(outer.x(), outer.width(), area.x(), area.width()),
                 keptinside(outer.y(), outer.height(), area.y(), area.height()));
    return outer;
}

QRect centredin(QSize outer, const QRect& area) {
    const QRect bounded(QPoint(), outer.boundedTo(area.size()));
    return bounded.translated(area.center() - bounded.center());
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
