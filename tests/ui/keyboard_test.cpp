// A character built with the keyboard alone, in the real windows over the bundled catalogues:
// Insert in a table, the dialog's keys, the menu's mnemonics, and the tooltips that explain
// every price under each rule.
#include <gtest/gtest.h>

#include <QAbstractItemModel>
#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <functional>
#include <memory>
#include <vector>

#include "app/programwindows.h"
#include "main/boxwatch.h"
#include "sheet/appstate.h"
#include "ui/addskill/addskill.h"
#include "ui/encoding.h"
#include "ui/main/mainwindow.h"
#include "ui/main/spinfield.h"
#include "ui/main/valuelisteditor.h"

namespace {

QString u(const char* utf8) { return QString::fromUtf8(utf8); }

// One key press and release of `c` on `target`, with the text a keyboard gives it.
void press(QWidget* target, QChar c, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    const auto key = static_cast<Qt::Key>(c.toUpper().unicode());
    const QString text = modifiers == Qt::NoModifier ? QString(c) : QString();
    QTest::sendKeyEvent(QTest::Click, target, key, text, modifiers);
}

class KeyboardTest : public testing::Test {
protected:
    void SetUp() override {
        form.show();
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    }

    static QWidget* focus() { return QApplication::focusWidget(); }

    void type(const QString& text) {
        for (const QChar c : text) press(focus(), c);
    }
    void key(Qt::Key key) { QTest::keyClick(focus(), key); }

    // Tabs on until the focus is in `target`.
    void tabto(QWidget* target) {
        for (int i = 0; i < 20 && focus() != target; ++i) key(Qt::Key_Tab);
        ASSERT_EQ(target, focus());
    }

    // Presses Insert where the focus is; `during` runs once the dialog is up and must end it.
    void insert(std::function<void()> during) {
        auto ran = std::make_shared<bool>(false);
        QTimer::singleShot(0, &dialog, [this, ran, during = std::move(during)] {
            EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
            during();
            *ran = true;
            if (dialog.isVisible()) {
                ADD_FAILURE() << "the dialog was left open";
                dialog.done(0);
            }
        });
        key(Qt::Key_Insert);
        EXPECT_TRUE(*ran) << "Insert opened no dialog";
        // The offscreen platform does not hand activation back when the dialog closes.
        form.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
    }

    // In the open dialog: jumps to the line by its first letters, sets the value, takes it.
    void takeline(const char* letters, const char* value) {
        ASSERT_EQ(dialog.findChild<QListView*>("ListBox1"), focus());
        // Letters typed within this interval of those of an earlier opening would go on
        // that search.
        QTest::qWait(QApplication::keyboardInputInterval());
        type(u(letters));
        if (value != nullptr) {
            key(Qt::Key_Tab);
            type(QString::fromLatin1(value));
        }
        key(Qt::Key_Return);
    }

    // Alt + the first letter on the window, then the others in the drop-downs they open.
    void menukeys(const QString& letters) {
        press(&form, letters[0], Qt::AltModifier);
        for (const QChar c : letters.mid(1)) {
            QWidget* popup = QApplication::activePopupWidget();
            ASSERT_NE(nullptr, popup) << letters.toStdString();
            press(popup, c);
        }
    }
    void closemenus() {
        for (int i = 0; i < 5 && QApplication::activePopupWidget(); ++i) {
            QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
        }
        if (qobject_cast<QMenuBar*>(focus())) key(Qt::Key_Escape);
    }

    ValueListEditor* table(int n) {
        return form.findChild<ValueListEditor*>(QString("ValueListEditor%1").arg(n));
    }
    SpinField* spin(int n) { return form.findChild<SpinField*>(QString("SpinEdit%1").arg(n)); }
    QLabel* totalline() { return form.findChild<QLabel*>("Label9"); }
    QString lines(int n) {
        QStringList shown;
        for (const std::string& line : table(n)->lines()) shown << fromcp1251(line);
        return shown.join('|');
    }

    // What the tooltip says when the pointer rests at `at` in `widget`.
    static QString tooltip(QWidget* widget, QPoint at) {
        QToolTip::hideText();
        QHelpEvent help(QEvent::ToolTip, at, widget->mapToGlobal(at));
        QApplication::sendEvent(widget, &help);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    }
    static QString tooltip(QWidget* widget) { return tooltip(widget, widget->rect().center()); }
    QString rowtooltip(int n, int row) {
        ValueListEditor* view = table(n);
        const QRect cell = view->visualRect(view->model()->index(row - 1, 0));
        return tooltip(view->viewport(), cell.center());
    }

    AppState state;
    ProgramWindows windows{state, TALVIRA_CATALOGUES};
    TForm1& form = windows.form1;
    TForm2& dialog = windows.form2;
};

TEST_F(KeyboardTest, InsertInASkillTableTakesIntoItAtItsCurrentRow) {
    tabto(table(3)->editor());
    insert([this] {
        EXPECT_EQ(u("Выберите навык"), dialog.windowTitle());
        EXPECT_EQ(PickSource::skills(3), state.picksource);
        EXPECT_EQ(u("Акробатика"),
                  dialog.findChild<QListView*>("ListBox1")->model()->index(0, 0).data());
        takeline("Фех", "3");
    });
    EXPECT_EQ(u("Фехтование=3"), lines(3));
    // The first arrow selects the line the list's cursor is on; the level carries over.
    insert([this] {
        key(Qt::Key_Down);
        key(Qt::Key_Return);
    });
    EXPECT_EQ(u("Акробатика=3|Фехтование=3"), lines(3));
    ASSERT_EQ(table(3)->editor(), focus());
    key(Qt::Key_Down);
    ASSERT_EQ(2, table(3)->currentrow());
    insert([this] { takeline("Вер", "2"); });
    EXPECT_EQ(u("Акробатика=3|Верховая езда=2|Фехтование=3"), lines(3));
    EXPECT_EQ(table(3)->editor(), focus());
    EXPECT_EQ(u("Требуется плюшек: ") + QString::number(6 + 3 + 12), totalline()->text());
}

TEST_F(KeyboardTest, InsertInTheFeatureTableOpensTheFeatureChoice) {
    tabto(table(8)->editor());
    insert([this] {
        EXPECT_EQ(u("Выберите особенность"), dialog.windowTitle());
        EXPECT_EQ(PickSource::features(), state.picksource);
        EXPECT_TRUE(dialog.findChild<QGroupBox*>("RadioGroup1")->isVisible());
        // The price comes from the selected edition, ТЛ1.
        takeline("Бог", nullptr);
    });
    EXPECT_EQ(u("Богатство=10"), lines(8));
    EXPECT_EQ(u("Требуется плюшек: 10"), totalline()->text());
}

TEST_F(KeyboardTest, EachMnemonicOpensItsMenuOrRunsItsItem) {
    struct Case {
        const char* letters;
        const char* opens;  // a drop-down's name, or the item that runs
    };
    const Case cases[] = {
        {"Ф", "N1"},    {"ФК", "N7"},   {"С", "N2"},    {"С1", "N111"}, {"С1П", "N11"},
        {"С1р", "N12"}, {"С2", "N221"}, {"С2Ф", "N21"}, {"С2р", "N13"}, {"Ц", "N3"},
        {"ЦП", "N14"},  {"Цр", "N121"}, {"П", "N6"},
    };
    BoxWatch boxes;
    for (const Case& c : cases) {
        auto* item = form.findChild<QAction*>(c.opens);
        ASSERT_NE(nullptr, item) << c.opens;
        QSignalSpy ran(item, &QAction::triggered);
        menukeys(u(c.letters));
        if (item->menu() != nullptr) {
            EXPECT_EQ(item->menu(), QApplication::activePopupWidget()) << c.letters;
        } else {
            EXPECT_EQ(1, ran.count()) << c.letters;
        }
        closemenus();
    }
    // Помощь shows its box; the rule items set their marks as clicks do.
    EXPECT_EQ(1u, boxes.seen.size());
    EXPECT_TRUE(form.findChild<QAction*>("N121")->isChecked());
    EXPECT_TRUE(form.findChild<QAction*>("N13")->isChecked());
}

TEST_F(KeyboardTest, FileExitMnemonicsEndTheProgram) {
    QSignalSpy quitting(qApp, &QCoreApplication::aboutToQuit);
    QTimer::singleShot(0, &form, [this] { menukeys(u("ФВ")); });
    QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(1); });
    EXPECT_EQ(0, QApplication::exec());
    EXPECT_EQ(1, quitting.count());
}

TEST_F(KeyboardTest, TooltipsExplainEachPriceUnderEveryRule) {
    // Ловкость 3, a difficult skill at level 3, a feature of 10, all by the keyboard.
    tabto(spin(3));
    type("3");
    tabto(table(3)->editor());
    insert([this] { takeline("Фех", "3"); });
    tabto(table(8)->editor());
    insert([this] { takeline("Бог", nullptr); });
    key(Qt::Key_Tab);

    struct Case {
        const char* menu;  // mnemonics that choose the rule, from the one before
        const char* lovkost;
        const char* sila;
        const char* skill;
        const char* sums;
        int total;
    };
    const Case cases[] = {
        {"", "значение 3, все по 1, прогрессирующая цена — 25 плюшек",
         "значение 1, все по 1, прогрессирующая цена — 0 плюшек",
         "уровень 3, прогрессирующая цена — 12 плюшек", "Атрибуты: 25, навыки: 12, особенности: 10",
         47},
        {"С1П", "значение 3, все по 1, постоянная цена — 10 плюшек",
         "значение 1, все по 1, постоянная цена — 0 плюшек",
         "уровень 3, прогрессирующая цена — 12 плюшек", "Атрибуты: 10, навыки: 12, особенности: 10",
         32},
        {"С2Ф", "значение 3, все по 2, фиксированные цены — 10 плюшек",
         "значение 1, все по 2, фиксированные цены — -5 плюшек",
         "уровень 3, прогрессирующая цена — 12 плюшек",
         "Атрибуты: -20, навыки: 12, особенности: 10", 2},
        {"С2р", "значение 3, все по 2, прогрессирующая цена — 15 плюшек",
         "значение 1, все по 2, прогрессирующая цена — -10 плюшек",
         "уровень 3, прогрессирующая цена — 12 плюшек",
         "Атрибуты: -45, навыки: 12, особенности: 10", -23},
        {"ЦП", "значение 3, все по 2, прогрессирующая цена — 15 плюшек",
         "значение 1, все по 2, прогрессирующая цена — -10 плюшек",
         "уровень 3, постоянная цена — 6 плюшек", "Атрибуты: -45, навыки: 6, особенности: 10", -29},
        {"С1р", "значение 3, все по 1, прогрессирующая цена — 25 плюшек",
         "значение 1, все по 1, прогрессирующая цена — 0 плюшек",
         "уровень 3, постоянная цена — 6 плюшек", "Атрибуты: 25, навыки: 6, особенности: 10", 41},
        {"Цр", "значение 3, все по 1, прогрессирующая цена — 25 плюшек",
         "значение 1, все по 1, прогрессирующая цена — 0 плюшек",
         "уровень 3, прогрессирующая цена — 12 плюшек", "Атрибуты: 25, навыки: 12, особенности: 10",
         47},
    };
    for (const Case& c : cases) {
        if (*c.menu != '\0') menukeys(u(c.menu));
        EXPECT_EQ(u("Ловкость: ") + u(c.lovkost), tooltip(spin(3))) << c.menu;
        EXPECT_EQ(u("Сила: ") + u(c.sila), tooltip(spin(1))) << c.menu;
        EXPECT_EQ(u("Фехтование (сложный): ") + u(c.skill), rowtooltip(3, 1)) << c.menu;
        EXPECT_EQ(u("Богатство: 10 плюшек"), rowtooltip(8, 1)) << c.menu;
        EXPECT_EQ(u(c.sums), tooltip(totalline())) << c.menu;
        EXPECT_EQ(u("Требуется плюшек: ") + QString::number(c.total), totalline()->text())
            << c.menu;
        EXPECT_EQ(tooltip(spin(3)), spin(3)->accessibleDescription()) << c.menu;
        EXPECT_EQ(u(c.sums), totalline()->accessibleDescription()) << c.menu;
    }

    // A row prices what it shows while it is edited; the total and its sums wait for the
    // table to be left.
    QTest::mouseClick(table(3)->editor(), Qt::LeftButton);
    QTest::keyClick(focus(), Qt::Key_A, Qt::ControlModifier);
    type("5");
    EXPECT_EQ(u("Фехтование (сложный): уровень 5, прогрессирующая цена — 30 плюшек"),
              rowtooltip(3, 1));
    EXPECT_EQ(u("Атрибуты: 25, навыки: 12, особенности: 10"), tooltip(totalline()));
    key(Qt::Key_Tab);
    EXPECT_EQ(u("Атрибуты: 25, навыки: 30, особенности: 10"), tooltip(totalline()));
    EXPECT_EQ(u("Требуется плюшек: 65"), totalline()->text());
}

}  // namespace
