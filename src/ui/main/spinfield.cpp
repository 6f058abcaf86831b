#include "spinfield.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLocale>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QToolButton>
#include <algorithm>

#include "focusleave.h"
#include "menushortcuts.h"
#include "sheet/sheetlogic.h"

namespace {

constexpr int kButtonWidth = 15;
constexpr int kRepeatDelay = 400;
constexpr int kRepeatInterval = 100;

}  // namespace

SpinField::SpinField(QWidget* parent)
    : QLineEdit(parent),
      up_(addbutton(Qt::UpArrow, +1, "Увеличить")),
      down_(addbutton(Qt::DownArrow, -1, "Уменьшить")) {
    setTextMargins(0, 0, kButtonWidth, 0);
    connect(this, &QLineEdit::textChanged, this, &SpinField::edited);
    onfocusleave(this, [this] { emit left(); });
    menushortcutsfirst(this);
}

void SpinField::showtext(const QString& text) {
    if (this->text() == text) return;
    const QSignalBlocker quiet(this);
    setText(text);
}

QToolButton* SpinField::addbutton(Qt::ArrowType arrow, int step, const char* name) {
    auto* button = new QToolButton(this);
    button->setArrowType(arrow);
    // An arrow alone reads as an unnamed button.
    button->setAccessibleName(QString::fromUtf8(name));
    button->setFocusPolicy(Qt::NoFocus);
    button->setCursor(Qt::ArrowCursor);
    button->setAutoRepeat(true);
    button->setAutoRepeatDelay(kRepeatDelay);
    button->setAutoRepeatInterval(kRepeatInterval);
    // pressed() comes at the press and again at every repeat.
    connect(button, &QToolButton::pressed, this,
            [this, button, step] { arrowpressed(*button, step); });
    return button;
}

void SpinField::arrowpressed(QToolButton& button, int step) {
    // A repeat while a box is up would step behind it.
    if (QApplication::activeModalWidget() != nullptr) return;
    setFocus(Qt::MouseFocusReason);
    // Moving the focus here may have left a table whose recount showed an error box, and
    // the box took the release. Then the click is over: one step, and no repeat.
    if (!QGuiApplication::mouseButtons().testFlag(Qt::LeftButton)) button.setDown(false);
    emit stepped(step);
}

void SpinField::placebuttons() {
    const QRect area = contentsRect();
    const int left = area.right() + 1 - kButtonWidth;
    const int upheight = area.height() / 2;
    up_->setGeometry(left, area.top(), kButtonWidth, upheight);
    down_->setGeometry(left, area.top() + upheight, kButtonWidth, area.height() - upheight);
}

bool SpinField::accepts(const QString& typed) const {
    const QString separator = locale().decimalPoint();
    const char32_t point = separator.isEmpty() ? U'.' : separator.at(0).unicode();
    return std::all_of(typed.begin(), typed.end(),
                       [point](QChar c) { return attributekey(c.unicode(), point); });
}

void SpinField::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down) {
        emit stepped(event->key() == Qt::Key_Up ? 1 : -1);
        return;
    }
    // Ctrl combinations are control keys (select all, copy, paste), never typed text.
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    const bool control =
        modifiers.testFlag(Qt::ControlModifier) && !modifiers.testFlag(Qt::AltModifier);
    if (!control && !accepts(event->text())) {
        QApplication::beep();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void SpinField::mouseReleaseEvent(QMouseEvent* event) {
    QLineEdit::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
}

void SpinField::resizeEvent(QResizeEvent* event) {
    QLineEdit::resizeEvent(event);
    placebuttons();
}
