// The attribute field as a widget: what it takes from the keyboard and what it reports.
#include "ui/main/spinfield.h"

#include <gtest/gtest.h>

#include <QAccessible>
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
        field->setText("1");
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

TEST_F(SpinFieldTest, ReportsEveryTextThePlayerMakesTypedOrPasted) {
    QSignalSpy edited(field, &SpinField::edited);
    const struct {
        const char* text;
        // Blanks and "$" cannot be typed; they come in by pasting.
        bool pasted;
    } cases[] = {{"7", false}, {"-2", false}, {"$4", true}, {"3 ", true}, {"", false}};
    for (const auto& c : cases) {
        if (c.pasted) {
            QGuiApplication::clipboard()->setText(c.text);
            press(Qt::Key_A, Qt::ControlModifier);
            press(Qt::Key_V, Qt::ControlModifier);
        } else {
            retype(c.text);
        }
        ASSERT_FALSE(edited.isEmpty()) << c.text;
        EXPECT_EQ(c.text, edited.takeLast().at(0).toString()) << c.text;
        EXPECT_EQ(c.text, field->text());
    }
    // A screen reader's text interface sets the text as a program would; what the window
    // shows of its own is not reported back.
    edited.clear();
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(field);
    accessible->editableTextInterface()->replaceText(0, int(field->text().size()), "4");
    ASSERT_FALSE(edited.isEmpty());
    EXPECT_EQ("4", edited.takeLast().at(0).toString());
    edited.clear();
    field->showtext("2");
    EXPECT_TRUE(edited.isEmpty());
    EXPECT_EQ("2", field->text());
}

TEST_F(SpinFieldTest, ArrowKeysStepAndLeavingIsReportedWithoutChangingTheText) {
    QSignalSpy stepped(field, &SpinField::stepped);
    QSignalSpy left(field, &SpinField::left);
    retype("9");
    press(Qt::Key_Up);
    press(Qt::Key_Down);
    ASSERT_EQ(2, stepped.count());
    EXPECT_EQ(1, stepped.at(0).at(0).toInt());
    EXPECT_EQ(-1, stepped.at(1).at(0).toInt());
    EXPECT_EQ(0, left.count());
    press(Qt::Key_Tab);
    ASSERT_TRUE(other->hasFocus());
    EXPECT_EQ(1, left.count());
    EXPECT_EQ("9", field->text());
}

TEST_F(SpinFieldTest, RefusesLettersAndEnterButTakesSignsDigitsAndTheSeparator) {
    retype("3");
    QSignalSpy edited(field, &SpinField::edited);
    type("ab ");
    press(Qt::Key_Return);
    EXPECT_EQ("3", field->text());
    EXPECT_EQ(0, edited.count());
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
    QSignalSpy stepped(field, &SpinField::stepped);
    QWindow* handle = window.windowHandle();
    const QPoint onup = button(0)->mapTo(&window, button(0)->rect().center());
    QTest::mousePress(handle, Qt::LeftButton, {}, onup);
    EXPECT_TRUE(field->hasFocus());
    EXPECT_EQ(1, stepped.count());
    EXPECT_TRUE(button(0)->isDown());
    // Held, it steps on by itself, however late a loaded machine lets the repeat come.
    EXPECT_TRUE(QTest::qWaitFor([&stepped] { return stepped.count() >= 2; }, 10000));
    QTest::mouseRelease(handle, Qt::LeftButton, {}, onup);
    EXPECT_FALSE(button(0)->isDown());
    const auto released = stepped.count();
    QTest::qWait(300);
    EXPECT_EQ(released, stepped.count());
}

TEST_F(SpinFieldTest, ClickIntoTheTextIsReported) {
    QSignalSpy clicked(field, &SpinField::clicked);
    clickinto(field);
    EXPECT_EQ(1, clicked.count());
}
