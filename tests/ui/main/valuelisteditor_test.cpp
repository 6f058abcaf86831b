// The key/value table: rows over lines, inserting, appending, editing and leaving.
#include "ui/main/valuelisteditor.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QHeaderView>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include "boxwatch.h"

namespace {

class ValueListEditorTest : public testing::Test {
protected:
    void SetUp() override {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(before);
        layout->addWidget(table);
        layout->addWidget(after);
        window.resize(300, 300);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    void fill(std::initializer_list<const char*> lines) {
        table->editlines([&](Lines& shown) { shown.assign(lines.begin(), lines.end()); });
    }

    QPoint cellcentre(int column, int row) {
        return table->visualRect(table->model()->index(row - 1, column)).center();
    }

    QWidget window;
    QLineEdit* before = new QLineEdit(&window);
    ValueListEditor* table = new ValueListEditor("Key", "Value", &window);
    QLineEdit* after = new QLineEdit(&window);
};

}  // namespace

TEST_F(ValueListEditorTest, TableWithoutLinesShowsOneEmptyRow) {
    EXPECT_EQ(2, table->rowcount());
    EXPECT_EQ("Value", table->cell(1, 0));
    EXPECT_EQ("", table->cell(0, 1));
    EXPECT_EQ("", table->cell(1, 1));
    fill({"a=1", "b=2", "c=3"});
    EXPECT_EQ(4, table->rowcount());
    EXPECT_EQ("b", table->cell(0, 2));
    EXPECT_EQ("3", table->cell(1, 3));
}

TEST_F(ValueListEditorTest, WritingACellRebuildsItsLineAndPastTheEndAppends) {
    fill({"a=1"});
    table->setcell(1, 1, "4");
    table->setcell(0, 2, "new");
    EXPECT_EQ((Lines{"a=4", "new="}), table->lines());
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
        table->editlines([&](Lines& shown) { shown = c.lines; });
        table->setcurrentrow(c.current);
        table->insertrow("new", "2");
        EXPECT_EQ(c.expected, table->lines());
        EXPECT_EQ(c.current, table->currentrow());
        EXPECT_EQ("2", table->editor()->text());
    }
}

TEST_F(ValueListEditorTest, AppendingIsOneModelUpdate) {
    fill({"a=1"});
    QSignalSpy inserted(table->model(), &QAbstractItemModel::rowsInserted);
    QSignalSpy reset(table->model(), &QAbstractItemModel::modelReset);
    table->appendline("f=-10");
    EXPECT_EQ((Lines{"a=1", "f=-10"}), table->lines());
    EXPECT_EQ(1, inserted.count());
    EXPECT_EQ(0, reset.count());
    EXPECT_EQ(1, table->currentrow());
}

TEST_F(ValueListEditorTest, EveryKeystrokeIsWrittenAndEscapePutsTheOldTextBack) {
    fill({"a=1"});
    table->setFocus();
    QLineEdit* editor = table->editor();
    ASSERT_TRUE(editor->hasFocus());
    editor->end(false);
    QTest::keyClick(editor, Qt::Key_2);
    EXPECT_EQ("a=12", table->lines()[0]);
    QTest::keyClick(editor, Qt::Key_X);
    EXPECT_EQ("a=12x", table->lines()[0]);
    QTest::keyClick(editor, Qt::Key_Escape);
    EXPECT_EQ("a=1", table->lines()[0]);
    EXPECT_EQ("1", editor->text());
}

TEST_F(ValueListEditorTest, EscapeAfterAMessageBoxStillPutsTheTextFromBeforeTheEditBack) {
    fill({"a=1"});
    table->setFocus();
    QLineEdit* editor = table->editor();
    editor->end(false);
    QTest::keyClick(editor, Qt::Key_4);
    {
        BoxWatch watch;
        QMessageBox::information(&window, "box", "shown while the cell is being edited");
    }
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    ASSERT_TRUE(editor->hasFocus());
    QTest::keyClick(editor, Qt::Key_Escape);
    EXPECT_EQ("a=1", table->lines()[0]);
}

TEST_F(ValueListEditorTest, TypingIntoTheEmptyRowAppendsALineWithAnEmptyKey) {
    table->setFocus();
    QTest::keyClicks(table->editor(), "7");
    EXPECT_EQ((Lines{"=7"}), table->lines());
    EXPECT_EQ(2, table->rowcount());
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
    table->setFocus();
    table->setcurrentrow(1);
    table->editor()->setFocus();
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

    table->editor()->setFocus();
    QTest::keyClick(table->editor(), Qt::Key_Tab);
    EXPECT_TRUE(after->hasFocus());
    EXPECT_EQ(1, exited.count());
    table->setFocus();
    QTest::keyClick(table->editor(), Qt::Key_Backtab);
    EXPECT_TRUE(before->hasFocus());
    EXPECT_EQ(2, exited.count());
}

TEST_F(ValueListEditorTest, RowInsertedWhileAnotherWindowIsActiveKeepsTheFocusInTheTable) {
    fill({"a=x"});
    table->setFocus();
    QSignalSpy exited(table, &ValueListEditor::exited);
    // As after the selection dialog: the taken row goes in before the window is active again.
    QWidget dialog;
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    table->insertrow("new", "2");
    dialog.hide();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    EXPECT_EQ(table->editor(), QApplication::focusWidget());
    EXPECT_EQ("2", table->editor()->text());
    EXPECT_EQ(0, exited.count());
    after->setFocus();
    EXPECT_EQ(1, exited.count());
}

TEST_F(ValueListEditorTest, ValueCellSqueezedToNothingKeepsTheFocus) {
    fill({"a=1"});
    table->setkeywidth(100);
    table->setFocus();
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
    table->setFocus();
    std::string seen;
    QObject::connect(table, &ValueListEditor::exited, [&] { seen = table->lines()[0]; });
    QTest::keyClicks(table->editor(), "9");
    after->setFocus();
    EXPECT_EQ("a=19", seen);
}

TEST_F(ValueListEditorTest, ValueColumnTakesTheRestOfTheInnerWidth) {
    table->setkeywidth(100);
    EXPECT_EQ(table->viewport()->width(), table->columnWidth(0) + table->columnWidth(1));
    table->horizontalHeader()->resizeSection(0, 60);
    EXPECT_EQ(table->viewport()->width() - 60, table->columnWidth(1));
    const int wide = table->columnWidth(1);
    for (int i = 0; i < 40; ++i) table->appendline("k=1");
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
