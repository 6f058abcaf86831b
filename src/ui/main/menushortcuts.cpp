#include "menushortcuts.h"

#include <QAction>
#include <QKeyEvent>
#include <QMenuBar>
#include <QWidget>

namespace {

bool ismenushortcut(const QWidget& widget, const QKeyEvent& key) {
    const auto* menubar = widget.window()->findChild<const QMenuBar*>();
    if (menubar == nullptr) return false;
    const QKeySequence pressed(key.keyCombination());
    for (const QAction* action : menubar->findChildren<const QAction*>()) {
        if (action->isEnabled() && action->shortcut() == pressed) return true;
    }
    return false;
}

class MenuShortcutsFirst : public QObject {
public:
    using QObject::QObject;

protected:
    // The field is asked first whether it wants the key for itself; saying no lets the
    // menu's shortcut run.
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::ShortcutOverride) return false;
        const auto& editor = static_cast<const QWidget&>(*watched);
        if (!ismenushortcut(editor, static_cast<const QKeyEvent&>(*event))) return false;
        event->ignore();
        return true;
    }
};

}  // namespace

void menushortcutsfirst(QWidget* editor) {
    editor->installEventFilter(new MenuShortcutsFirst(editor));
}
