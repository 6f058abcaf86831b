#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QString>
#include <QTest>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "sheet/appstate.h"
#include "ui/main/mainwindow.h"
#include "ui/main/valuelisteditor.h"
#include "ui/pickdialog.h"

// What a player does, as real events: keys go where the keyboard is (an open menu before the
// focused control), clicks land where the control shows what is clicked.
namespace player {

inline QWidget* keyboard() {
    if (QWidget* popup = QApplication::activePopupWidget()) return popup;
    return QApplication::focusWidget();
}

inline void press(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    QWidget* target = keyboard();
    ASSERT_NE(nullptr, target);
    QTest::keyClick(target, key, modifiers);
}

inline void type(const QString& text) {
    QWidget* target = keyboard();
    ASSERT_NE(nullptr, target);
    QTest::keyClicks(target, text);
}

// Replaces the focused field's text: select all, then type (an empty text erases).
inline void retype(const QString& text) {
    press(Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty()) {
        press(Qt::Key_Backspace);
    } else {
        type(text);
    }
}

// A click into the text of an edit field, such as an attribute field.
inline void clickinto(QWidget* field) {
    QTest::mouseClick(field, Qt::LeftButton, {}, QPoint(4, field->height() / 2));
}

// A click on the value cell of `line` (from 0): the table's editor moves there and has the
// focus.
inline void clickcell(ValueListEditor* table, int line) {
    const QRect cell = table->visualRect(table->model()->index(line, 1));
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
    ASSERT_TRUE(table->editor() != nullptr && table->editor()->hasFocus());
}

// Clicks the cell, then types at the end of its text.
inline void typeincell(ValueListEditor* table, int line, const QString& text) {
    clickcell(table, line);
    press(Qt::Key_End);
    type(text);
}

// Escape until no menu is open.
inline void closemenus() {
    while (QApplication::activePopupWidget() != nullptr) press(Qt::Key_Escape);
}

// Clicks through the menus along the item names: a drop-down on the menu bar, then the items
// of the menus it opens; the last one is the item chosen. The pointer moves onto each item
// before the click, as a player's does: an open menu takes a click only once the pointer has
// moved away from where it was when the menu opened (Qt 6.8 closes the menu otherwise), and
// only a real move, not a click sent to a widget, tells the menu where the pointer is.
inline void choose(QMenuBar* bar, const std::vector<const char*>& path) {
    QWidget* place = bar;
    for (const char* name : path) {
        QAction* action = nullptr;
        for (QAction* candidate : place->actions()) {
            if (candidate->objectName() == QLatin1String(name)) action = candidate;
        }
        ASSERT_NE(nullptr, action) << name;
        auto* menu = qobject_cast<QMenu*>(place);
        const QRect where = menu ? menu->actionGeometry(action) : bar->actionGeometry(action);
        QTest::mouseMove(place, where.center());
        QTest::mouseClick(place, Qt::LeftButton, {}, where.center());
        if (action->menu() == nullptr) return;
        // A sub-menu opens a moment after the click.
        place = action->menu();
        ASSERT_TRUE(QTest::qWaitFor([place] { return place->isVisible(); })) << name;
    }
}

}  // namespace player

// Stands in for the selection dialog: records the caption it was opened for and takes
// whatever the test says.
class FakePick : public PickDialog {
public:
    explicit FakePick(AppState& state) : state_(state) {}
    PickResult pick() override {
        sources.push_back(state_.picksource);
        return next ? next(state_) : PickResult::Cancelled;
    }
    std::function<PickResult(AppState&)> next;
    std::vector<PickSource> sources;

private:
    AppState& state_;
};

// A main window under test: the derived fixture creates `form`; this finds its controls by
// name and brings it up active.
class WindowFixture : public testing::Test {
protected:
    void showactive() {
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }

    template <typename T>
    T* find(const QString& name) {
        T* found = form->findChild<T*>(name);
        EXPECT_NE(nullptr, found) << name.toStdString();
        return found;
    }
    ValueListEditor* table(int n) {
        return find<ValueListEditor>(QString("ValueListEditor%1").arg(n));
    }
    QWidget* caption(int n) { return find<QWidget>(QString("Label%1").arg(n)); }

    void choose(const std::vector<const char*>& path) { player::choose(form->menuBar(), path); }

    AppState state;
    std::unique_ptr<TForm1> form;
};
