// The key/value table: rows over lines, inserting, appending, editing and leaving.
#include "ui/main/valuelisteditor.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QDialog>
#include <QHeaderView>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include "boxwatch.h"
#include "windowfixture.h"

namespace {

using player::clickcell;
using player::clickinto;
using player::press;
using player::retype;
using player::type;
using player::typeincell;

class ValueListEditorTest : public testing::Test {
protected:
    void SetUp() override {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(before);
        layout->addWidget(table);
        layout->addWidget(after);
        // As the window hands it the sheet's lines and their edits.
        table->setsource(&lines, [this](int line, const std::string& value) {
            editvalue(lines, static_cast<std::size_t>(line), value);
        });
        window.resize(300, 300);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    void fill(const Lines& filled) {
        lines = filled;
        table->showlines(true);
    }

    QPoint cellcentre(int column, int row) {
        return table->visualRect(table->model()->index(row - 1, column)).center();
    }
    QString shown(int column, int line) {
        return table->model()->index(line, column).data().toString();
    }

    Lines lines;
    QWidget window;
    QLineEdit* before = new QLineEdit(&window);
    ValueListEditor* table = new ValueListEditor("Key", "Value", &window);
    QLineEdit* after = new QLineEdit(&window);
};

}  // namespace

TEST_F(ValueListEditorTest, TableWithoutLinesShowsOneEmptyRow) {
    EXPECT_EQ(1, table->model()->rowCount());
    EXPECT_EQ("Value", table->model()->headerData(1, Qt::Horizontal).toString());
    EXPECT_EQ("", shown(0, 0));
    EXPECT_EQ("", shown(1, 0));
    fill({"a=1", "b=2", "c=3"});
    EXPECT_EQ(3, table->model()->rowCount());
    EXPECT_EQ("b", shown(0, 1));
    EXPECT_EQ("3", shown(1, 2));
}

TEST_F(ValueListEditorTest, TypingIntoAValueCellRebuildsItsLineAndIntoTheEmptyRowAppends) {
    const struct {
        Lines lines;
        int line;
        const char* typed;
        Lines expected;
    } cases[] = {
        {{"a=1"}, 0, "4", {"a=4"}},
        {{"a=1", "b=2"}, 1, "x=y", {"a=1", "b=x=y"}},
        // The empty row of a table without lines: the new line has an empty key.
        {{}, 0, "7", {"=7"}},
    };
    for (const auto& c : cases) {
        fill(c.lines);
        clickcell(table, c.line);
        retype(c.typed);
        EXPECT_EQ(c.expected, table->lines()) << c.typed;
        EXPECT_EQ(static_cast<int>(c.expected.size()), table->model()->rowCount()) << c.typed;
    }
}

TEST_F(ValueListEditorTest, InsertGoesInAtTheCurrentRowWhichStaysSelected) {
    const struct {
        Lines lines;
        int current;
        Lines expected;
    } cases[] = {
        {{}, 1, {"new=2"}},
        {{"a=1"}, 1, {"new=2", "a=1"}},
        {{"a=1", "b=1", "c=1", "d=1"}, 3, {"a=1", "b=1", "new=2", "c=1", "d=1"}},
        {{"a=1", "=", "c=1"}, 2, {"a=1", "new=2", "c=1"}},
    };
    for (const auto& c : cases) {
        fill(c.lines);
        clickcell(table, c.current - 1);
        insertrow(lines, static_cast<std::size_t>(table->currentrow() - 1), "new", "2");
        table->showlines(false);
        EXPECT_EQ(c.expected, table->lines());
        EXPECT_EQ(c.current, table->currentrow());
        EXPECT_EQ("2", table->editor()->text());
    }
}

TEST_F(ValueListEditorTest, AppendingIsOneModelUpdate) {
    fill({"a=1"});
    QSignalSpy inserted(table->model(), &QAbstractItemModel::rowsInserted);
    QSignalSpy reset(table->model(), &QAbstractItemModel::modelReset);
    lines.push_back("f=-10");
    table->showlines(false);
    EXPECT_EQ((Lines{"a=1", "f=-10"}), table->lines());
    EXPECT_EQ(1, inserted.count());
    EXPECT_EQ(0, reset.count());
    EXPECT_EQ(1, table->currentrow());
}

TEST_F(ValueListEditorTest, EveryKeystrokeIsWrittenAndEscapePutsTheOldTextBack) {
    fill({"a=1"});
    typeincell(table, 0, "2");
    EXPECT_EQ("a=12", table->lines()[0]);
    type("x");
    EXPECT_EQ("a=12x", table->lines()[0]);
    press(Qt::Key_Escape);
    EXPECT_EQ("a=1", table->lines()[0]);
    EXPECT_EQ("1", table->editor()->text());
    // A screen reader's or dictation's text counts as typed.
    QAccessible::queryAccessibleInterface(table->editor())
        ->editableTextInterface()
        ->replaceText(0, 1, "3");
    EXPECT_EQ("a=3", table->lines()[0]);
}

TEST_F(ValueListEditorTest, EscapeAfterAMessageBoxStillPutsTheTextFromBeforeTheEditBack) {
    fill({"a=1"});
    typeincell(table, 0, "4");
    {
        BoxWatch watch;
        QMessageBox::information(&window, "box", "shown while the cell is being edited");
    }
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    ASSERT_TRUE(table->editor()->hasFocus());
    press(Qt::Key_Escape);
    EXPECT_EQ("a=1", table->lines()[0]);
}

TEST_F(ValueListEditorTest, OnlyValueCellsTakeTheSelection) {
    fill({"a=1", "b=2", "c=3"});
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cellcentre(0, 3));
    EXPECT_EQ(1, table->currentrow());
    EXPECT_TRUE(table->editor()->hasFocus());
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cellcentre(1, 3));
    EXPECT_EQ(3, table->currentrow());
    EXPECT_EQ("3", table->editor()->text());
    QTest::keyClick(table->editor(), Qt::Key_Up);
    EXPECT_EQ(2, table->currentrow());
    EXPECT_TRUE(table->editor()->hasFocus());
    EXPECT_EQ(1, table->currentIndex().column());
}

TEST_F(ValueListEditorTest, ExitFiresWhenTheFocusGoesToAnotherControlOnly) {
    fill({"a=1"});
    QSignalSpy exited(table, &ValueListEditor::exited);
    clickcell(table, 0);
    {
        BoxWatch boxes;
        QMessageBox::information(&window, "t", "box");
        ASSERT_EQ(1u, boxes.seen.size());
    }
    QDialog dialog(&window);
    QTimer::singleShot(20, &dialog, &QDialog::reject);
    dialog.exec();
    EXPECT_EQ(0, exited.count());
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    EXPECT_EQ(table->editor(), QApplication::focusWidget());
    EXPECT_EQ(0, exited.count());

    press(Qt::Key_Tab);
    EXPECT_TRUE(after->hasFocus());
    EXPECT_EQ(1, exited.count());
    clickcell(table, 0);
    press(Qt::Key_Backtab);
    EXPECT_TRUE(before->hasFocus());
    EXPECT_EQ(2, exited.count());
}

TEST_F(ValueListEditorTest, RowInsertedWhileAnotherWindowIsActiveKeepsTheFocusInTheTable) {
    fill({"a=x"});
    clickcell(table, 0);
    QSignalSpy exited(table, &ValueListEditor::exited);
    // As after the selection dialog: the taken row goes in before the window is active again.
    QWidget dialog;
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    insertrow(lines, 0, "new", "2");
    table->showlines(false);
    dialog.hide();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    EXPECT_EQ(table->editor(), QApplication::focusWidget());
    EXPECT_EQ("2", table->editor()->text());
    EXPECT_EQ(0, exited.count());
    clickinto(after);
    EXPECT_EQ(1, exited.count());
}

TEST_F(ValueListEditorTest, ValueCellSqueezedToNothingKeepsTheFocus) {
    fill({"a=1"});
    table->setkeywidth(100);
    clickcell(table, 0);
    QSignalSpy exited(table, &ValueListEditor::exited);
    // A shrinking window narrows the table before its key column; a tiny one keeps it so.
    table->setFixedWidth(60);
    QCoreApplication::processEvents();
    EXPECT_EQ(0, table->columnWidth(1));
    EXPECT_EQ(table->editor(), QApplication::focusWidget());
    table->setMinimumWidth(0);
    table->setMaximumWidth(QWIDGETSIZE_MAX);
    table->setkeywidth(20);
    QCoreApplication::processEvents();
    EXPECT_GT(table->editor()->width(), 0);
    EXPECT_EQ(table->editor(), QApplication::focusWidget());
    EXPECT_EQ(0, exited.count());
}

TEST_F(ValueListEditorTest, ExitComesAfterTheLastKeystrokeIsInTheLine) {
    fill({"a=1"});
    std::string seen;
    QObject::connect(table, &ValueListEditor::exited, [&] { seen = table->lines()[0]; });
    typeincell(table, 0, "9");
    press(Qt::Key_Tab);
    EXPECT_EQ("a=19", seen);
}

TEST_F(ValueListEditorTest, ValueColumnTakesTheRestOfTheInnerWidth) {
    table->setkeywidth(100);
    EXPECT_EQ(table->viewport()->width(), table->columnWidth(0) + table->columnWidth(1));
    // The player drags the border between the two titles.
    QWidget* titles = table->horizontalHeader()->viewport();
    const int middle = titles->height() / 2;
    QTest::mousePress(titles, Qt::LeftButton, {}, QPoint(99, middle));
    QTest::mouseMove(titles, QPoint(59, middle));
    QTest::mouseRelease(titles, Qt::LeftButton, {}, QPoint(59, middle));
    ASSERT_EQ(60, table->columnWidth(0));
    EXPECT_EQ(table->viewport()->width() - 60, table->columnWidth(1));
    const int wide = table->columnWidth(1);
    lines.assign(40, "k=1");
    table->showlines(false);
    QTest::qWait(20);
    ASSERT_TRUE(table->verticalScrollBar()->isVisible());
    EXPECT_EQ(wide - table->verticalScrollBar()->width(), table->columnWidth(1));
}

TEST_F(ValueListEditorTest, InsertAsksForATakeWhileShiftAndCtrlInsertStayPasteAndCopy) {
    fill({"a=12"});
    QTest::keyClick(before, Qt::Key_Tab);
    ASSERT_EQ(table->editor(), QApplication::focusWidget());
    QSignalSpy asked(table, &ValueListEditor::insertpressed);
    const struct {
        Qt::KeyboardModifiers modifiers;
        int asked;
        const char* line;
    } presses[] = {
        {Qt::NoModifier, 1, "a=12"},
        {Qt::KeypadModifier, 2, "a=12"},
        {Qt::ControlModifier, 2, "a=12"},  // copies the selected "12"
        {Qt::ShiftModifier, 2, "a=1212"},  // pastes it after the cursor
    };
    QTest::keyClick(table->editor(), Qt::Key_A, Qt::ControlModifier);
    for (const auto& press : presses) {
        if (press.modifiers == Qt::ShiftModifier) QTest::keyClick(table->editor(), Qt::Key_End);
        QTest::keyClick(table->editor(), Qt::Key_Insert, press.modifiers);
        EXPECT_EQ(press.asked, asked.count()) << press.modifiers;
        EXPECT_EQ(press.line, table->lines()[0]) << press.modifiers;
    }
}
