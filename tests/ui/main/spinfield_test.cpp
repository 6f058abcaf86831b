// The attribute field: reading, writing, stepping, typing and clamping on leaving.
#include "ui/main/spinfield.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

class SpinFieldTest : public testing::Test {
protected:
    void SetUp() override {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(field);
        layout->addWidget(other);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        field->setFocus();
    }

    void type(const QString& text) {
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClicks(field, text);
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
    } cases[] = {{"3", 3}, {"7", 7}, {"0", 0},   {"-2", -2}, {"$4", 4},
                 {"", 1},  {"-", 1}, {"2.5", 1}, {"3 ", 1}};
    for (const auto& c : cases) {
        field->setText(c.text);
        EXPECT_EQ(c.value, field->value()) << c.text;
    }
}

TEST_F(SpinFieldTest, WritingClampsIntoOneToFive) {
    const int cases[][2] = {{3, 3}, {0, 1}, {-7, 1}, {9, 5}, {5, 5}};
    for (const auto& c : cases) {
        field->setvalue(c[0]);
        EXPECT_EQ(QString::number(c[1]), field->text()) << c[0];
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
        field->setText(c.before);
        QTest::keyClick(field, c.key);
        EXPECT_EQ(c.after, field->text()) << c.before;
    }
}

TEST_F(SpinFieldTest, TypedSevenReadsSevenUntilTheFocusLeavesThenFive) {
    QSignalSpy changed(field, &SpinField::changed);
    type("7");
    EXPECT_EQ(7, field->value());
    const int whiletyping = changed.count();
    other->setFocus();
    EXPECT_EQ("5", field->text());
    EXPECT_EQ(whiletyping + 1, changed.count());
}

TEST_F(SpinFieldTest, TypedZeroBecomesOneOnLeaving) {
    type("0");
    other->setFocus();
    EXPECT_EQ("1", field->text());
}

TEST_F(SpinFieldTest, NonNumbersStayAsTypedOnLeaving) {
    for (const char* text : {"", "-"}) {
        type(text);
        EXPECT_EQ(1, field->value());
        QSignalSpy changed(field, &SpinField::changed);
        other->setFocus();
        EXPECT_EQ(text, field->text());
        EXPECT_EQ(0, changed.count()) << text;
        field->setFocus();
    }
}

TEST_F(SpinFieldTest, RefusesLettersAndEnterButTakesSignsDigitsAndTheSeparator) {
    field->setText("3");
    field->end(false);
    QSignalSpy changed(field, &SpinField::changed);
    QTest::keyClicks(field, "ab ");
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ("3", field->text());
    EXPECT_EQ(0, changed.count());
    QTest::keyClicks(field, "+-" + field->locale().decimalPoint() + "4");
    EXPECT_EQ("3+-" + field->locale().decimalPoint() + "4", field->text());
    QTest::keyClick(field, Qt::Key_Backspace);
    EXPECT_EQ("3+-" + field->locale().decimalPoint(), field->text());
}

TEST_F(SpinFieldTest, ControlCombinationsStillWork) {
    field->setText("3");
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(field, "4");
    EXPECT_EQ("4", field->text());
}

TEST_F(SpinFieldTest, ButtonsTakeTheFocusAndStepAtOnceThenRepeat) {
    other->setFocus();
    field->setText("1");
    QTest::mousePress(button(0), Qt::LeftButton);
    EXPECT_TRUE(field->hasFocus());
    EXPECT_EQ("2", field->text());
    QTest::mouseRelease(button(0), Qt::LeftButton);
    EXPECT_EQ("2", field->text());
    // The repeat itself is the button's own timer; waiting for it would only test the clock.
    for (int i = 0; i < 2; ++i) {
        EXPECT_TRUE(button(i)->autoRepeat());
        EXPECT_EQ(400, button(i)->autoRepeatDelay());
        EXPECT_EQ(100, button(i)->autoRepeatInterval());
    }
}

TEST_F(SpinFieldTest, ClickIntoTheTextIsReported) {
    QSignalSpy clicked(field, &SpinField::clicked);
    QTest::mouseClick(field, Qt::LeftButton, {}, QPoint(5, field->height() / 2));
    EXPECT_EQ(1, clicked.count());
}
