#include "focusleave.h"

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QWidget>
#include <utility>

namespace {

bool inside(const QWidget* widget, const QWidget* other) {
    return widget == other || widget->isAncestorOf(other);
}

// The menu bar takes the focus while it is driven by the keyboard; that is using the menu.
bool ismenu(const QWidget* widget) {
    return qobject_cast<const QMenuBar*>(widget) != nullptr ||
           qobject_cast<const QMenu*>(widget) != nullptr;
}

}  // namespace

void onfocusleave(QWidget* widget, std::function<void()> handler) {
    QObject::connect(qApp, &QApplication::focusChanged, widget,
                     [widget, handler = std::move(handler)](QWidget* old, QWidget* now) {
                         if (old == nullptr || now == nullptr) return;
                         if (!inside(widget, old) || inside(widget, now)) return;
                         if (now->window() != widget->window() || ismenu(now)) return;
                         handler();
                     });
}

void returnfocusfrommenu(QMenuBar* menubar) {
    auto follow = [menubar, from = QPointer<QWidget>()](QWidget* old, QWidget* now) mutable {
        if (now == menubar) {
            if (old != nullptr && old->window() == menubar->window()) from = old;
            return;
        }
        // The window is no longer active, so this only sets the focus it gives back when it
        // is active again; no focus event fires now.
        if (old == menubar && from && !menubar->window()->isActiveWindow()) {
            from->setFocus(Qt::OtherFocusReason);
        }
    };
    QObject::connect(qApp, &QApplication::focusChanged, menubar, std::move(follow));
}
