// The attribute field: reading, writing, stepping, typing and clamping on leaving.
#include "ui/main/spinfield.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWindow>

#include "windowfixture.h"

namespace {

using player::clickinto;
using player::press;
using player::retype;
using player::type;

class SpinFieldTest : public testing::Test {
protected:
    void SetUp() override {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(field);
        layout->addWidget(other);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        clickinto(field);
        ASSERT_TRUE(field->hasFocus());
    }

    QToolButton* button(int which) { return field->findChildren<QToolButton*>().at(which); }

    QWidget window;
    SpinField* field = new SpinField(&window);
    QLineEdit* other = new QLineEdit(&window);
};

}  // namespace

TEST_F(SpinFieldTest, ReadsTheTextWithoutClampingAndNonNumbersAsOne) {
    const struct {
        const char* text;
        int value;
        // Blanks and "$" cannot be typed; they come in by pasting.
        bool pasted;
    } cases[] = {{"3", 3, false},   {"7", 7, false},   {"0", 0, false},
                 {"-2", -2, false}, {"$4", 4, true},   {"", 1, false},
                 {"-", 1, false},   {"2.5", 1, false}, {"3 ", 1, true}};
    for (const auto& c : cases) {
        // A fraction as the player's locale writes it.
        const QString text = QString(c.text).replace('.', field->locale().decimalPoint());
        if (c.pasted) {
            QGuiApplication::clipboard()->setText(text);
            press(Qt::Key_A, Qt::ControlModifier);
            press(Qt::Key_V, Qt::ControlModifier);
        } else {
            retype(text);
        }
        ASSERT_EQ(text, field->text());
        EXPECT_EQ(c.value, field->value()) << c.text;
    }
}

TEST_F(SpinFieldTest, LeavingWritesAValueOutsideOneToFiveClamped) {
    const struct {
        const char* typed;
        const char* left;
    } cases[] = {{"3", "3"}, {"0", "1"}, {"-7", "1"}, {"9", "5"}, {"5", "5"}};
    for (const auto& c : cases) {
        retype(c.typed);
        press(Qt::Key_Tab);
        EXPECT_EQ(c.left, field->text()) << c.typed;
        clickinto(field);
    }
}

TEST_F(SpinFieldTest, ArrowKeysStepThroughTheClamp) {
    const struct {
        const char* before;
        Qt::Key key;
        const char* after;
    } cases[] = {{"3", Qt::Key_Up, "4"}, {"5", Qt::Key_Up, "5"},   {"1", Qt::Key_Down, "1"},
                 {"", Qt::Key_Up, "2"},  {"-", Qt::Key_Down, "1"}, {"9", Qt::Key_Down, "5"}};
    for (const auto& c : cases) {
        retype(c.before);
        press(c.key);
        EXPECT_EQ(c.after, field->text()) << c.before;
    }
}

TEST_F(SpinFieldTest, TypedSevenReadsSevenUntilTheFocusLeavesThenFive) {
    QSignalSpy changed(field, &SpinField::changed);
    retype("7");
    EXPECT_EQ(7, field->value());
    const auto whiletyping = changed.count();
    press(Qt::Key_Tab);
    ASSERT_TRUE(other->hasFocus());
    EXPECT_EQ("5", field->text());
    EXPECT_EQ(whiletyping + 1, changed.count());
}

TEST_F(SpinFieldTest, LeavingWritesANonNumberAsTheOneItReadsAs) {
    for (const QString& text : {QString(), QString("-"), "2" + field->locale().decimalPoint()}) {
        retype(text);
        EXPECT_EQ(1, field->value());
        QSignalSpy changed(field, &SpinField::changed);
        press(Qt::Key_Tab);
        EXPECT_EQ("1", field->text());
        EXPECT_EQ(1, changed.count()) << text.toStdString();
        clickinto(field);
    }
}

TEST_F(SpinFieldTest, RefusesLettersAndEnterButTakesSignsDigitsAndTheSeparator) {
    retype("3");
    QSignalSpy changed(field, &SpinField::changed);
    type("ab ");
    press(Qt::Key_Return);
    EXPECT_EQ("3", field->text());
    EXPECT_EQ(0, changed.count());
    type("+-" + field->locale().decimalPoint() + "4");
    EXPECT_EQ("3+-" + field->locale().decimalPoint() + "4", field->text());
    press(Qt::Key_Backspace);
    EXPECT_EQ("3+-" + field->locale().decimalPoint(), field->text());
}

TEST_F(SpinFieldTest, ControlCombinationsStillWork) {
    press(Qt::Key_End);
    type("3");
    ASSERT_EQ("13", field->text());
    press(Qt::Key_A, Qt::ControlModifier);
    type("4");
    EXPECT_EQ("4", field->text());
}

TEST_F(SpinFieldTest, ButtonsTakeTheFocusAndStepAtOnceThenRepeatWhileHeld) {
    press(Qt::Key_Tab);
    ASSERT_TRUE(other->hasFocus());
    // Window events, so that the application knows the button is held.
    QWindow* handle = window.windowHandle();
    const QPoint onup = button(0)->mapTo(&window, button(0)->rect().center());
    QTest::mousePress(handle, Qt::LeftButton, {}, onup);
    EXPECT_TRUE(field->hasFocus());
    EXPECT_EQ("2", field->text());
    EXPECT_TRUE(button(0)->isDown());
    // Held, it steps on by itself, however late a loaded machine lets the repeat come.
    EXPECT_TRUE(QTest::qWaitFor([this] { return field->text().toInt() >= 3; }, 10000));
    QTest::mouseRelease(handle, Qt::LeftButton, {}, onup);
    EXPECT_FALSE(button(0)->isDown());
    const QString released = field->text();
    QTest::qWait(300);
    EXPECT_EQ(released, field->text());
}

TEST_F(SpinFieldTest, ClickIntoTheTextIsReported) {
    QSignalSpy clicked(field, &SpinField::clicked);
    clickinto(field);
    EXPECT_EQ(1, clicked.count());
}
