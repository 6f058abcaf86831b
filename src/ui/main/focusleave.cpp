#include "focusleave.h"

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QWidget>
#include <utility>
#include <vector>

namespace {

bool inside(const QWidget* widget, const QWidget* other) {
    return widget == other || widget->isAncestorOf(other);
}

// The menu bar takes the focus while it is driven by the keyboard; that is using the menu.
bool ismenu(const QWidget* widget) {
    return qobject_cast<const QMenuBar*>(widget) != nullptr ||
           qobject_cast<const QMenu*>(widget) != nullptr;
}

// A widget's leave handler, owned by the widget, where a commit finds it.
class LeaveHandler : public QObject {
public:
    LeaveHandler(QWidget* widget, std::function<void()> run)
        : QObject(widget), run(std::move(run)) {}

    const std::function<void()> run;
};

}  // namespace

void onfocusleave(QWidget* widget, std::function<void()> handler) {
    auto* leave = new LeaveHandler(widget, std::move(handler));
    QObject::connect(qApp, &QApplication::focusChanged, leave,
                     [widget, leave](QWidget* old, QWidget* now) {
                         if (old == nullptr || now == nullptr) return;
                         if (!inside(widget, old) || inside(widget, now)) return;
                         if (now->window() != widget->window() || ismenu(now)) return;
                         leave->run();
                     });
}

void commitfocus(const QWidget* window) {
    std::vector<QPointer<LeaveHandler>> handlers;
    for (const QWidget* at = window->focusWidget(); at != nullptr && at != window;
         at = at->parentWidget()) {
        for (QObject* child : at->children()) {
            if (auto* leave = dynamic_cast<LeaveHandler*>(child)) handlers.emplace_back(leave);
        }
    }
    // A handler may show a box, and nothing keeps the others alive meanwhile.
    for (const QPointer<LeaveHandler>& leave : handlers) {
        if (leave) leave->run();
    }
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
