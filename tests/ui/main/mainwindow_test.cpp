// The main window as a whole: controls, menu marks and totals, layout, help, Ctrl+X,
// start-up failures and the exchange with the selection dialog.
#include "ui/main/mainwindow.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QWindow>
#include <functional>
#include <memory>

#include "boxwatch.h"
#include "sheet/helptext.h"
#include "ui/encoding.h"
#include "ui/errorbox.h"
#include "ui/main/captionlabel.h"
#include "ui/main/layout.h"
#include "ui/main/spinfield.h"
#include "ui/main/valuelisteditor.h"
#include "windowfixture.h"

namespace {

using player::clickcell;
using player::clickinto;
using player::press;
using player::retype;
using player::type;

QString u(const char* utf8) { return QString::fromUtf8(utf8); }
std::string cp(const char* utf8) { return tocp1251(u(utf8)); }

class MainWindowTest : public WindowFixture {
protected:
    void SetUp() override {
        writecatalogue("skills.res", "1100Бег\r\n3200Акробатика\r\n");
        writecatalogue("feats.res", "5 -10 7 *Богатство\r\n");
        form = std::make_unique<TForm1>(state, dir.path().toStdString());
    }

    void writecatalogue(const char* name, const char* utf8) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        const std::string bytes = cp(utf8);
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    }

    SpinField* spin(int n) { return find<SpinField>(QString("SpinEdit%1").arg(n)); }
    QAction* item(const char* name) { return find<QAction>(name); }
    QString total() { return find<QLabel>("Label9")->text(); }
    static QString totalof(int points) { return u("Требуется плюшек: ") + QString::number(points); }

    // The names of the checked items, sorted.
    QStringList checkedmarks() {
        QStringList checked;
        for (const QAction* action : form->menuBar()->findChildren<QAction*>()) {
            if (action->isChecked()) checked << action->objectName();
        }
        checked.sort();
        return checked;
    }

    // Clicks caption n while the dialog stands ready to take a skill at `level`.
    void takeskill(int n, const char* name, int level, int price) {
        form->setpickdialog(&dialog);
        dialog.next = [=](AppState& s) {
            s.takenskills.push_back({level, price, cp(name), ""});
            return PickResult::Taken;
        };
        QTest::mouseClick(caption(n), Qt::LeftButton);
    }
    void takefeat(const char* name, const char* spec, int price) {
        form->setpickdialog(&dialog);
        dialog.next = [=](AppState& s) {
            s.takenfeats.push_back({cp(name), cp(spec), price});
            return PickResult::Taken;
        };
        QTest::mouseClick(caption(8), Qt::LeftButton);
    }

    // Leaves the table the focus is in by a click into the first attribute field.
    void leave() { clickinto(spin(1)); }

    QTemporaryDir dir;
    FakePick dialog{state};
};

}  // namespace

TEST_F(MainWindowTest, ControlsCarryTheirNamesTextsAndTags) {
    const char* captions[] = {"Сила",        "Выносливость", "Ловкость",
                              "Образование", "Мышление",     "Уверенность",
                              "Удача",       "Особенности",  "Требуется плюшек: 0"};
    const int tags[] = {1, 2, 3, 4, 5, 6, 7, 0, 0};
    for (int n = 1; n <= 9; ++n) {
        const auto* label = find<CaptionLabel>(QString("Label%1").arg(n));
        EXPECT_EQ(u(captions[n - 1]), label->text());
        EXPECT_EQ(tags[n - 1], label->tag());
        EXPECT_EQ(Qt::NoFocus, label->focusPolicy());
    }
    for (int n = 1; n <= 7; ++n) EXPECT_EQ("1", spin(n)->text());
    EXPECT_EQ(u("Навык"), table(3)->model()->headerData(0, Qt::Horizontal).toString());
    EXPECT_EQ(u("Цена"), table(8)->model()->headerData(1, Qt::Horizontal).toString());
    EXPECT_EQ(u("Создание персонажа в системе \"Тальвира\" ver. 1.0"), form->windowTitle());
    EXPECT_EQ(2u, state.catalogue.skilllist.size());
    EXPECT_EQ(1u, state.catalogue.featlist.size());
}

TEST_F(MainWindowTest, MenuTreeHasItsPlacesAndTheExitShortcut) {
    const auto names = [](const QList<QAction*>& actions) {
        QStringList list;
        for (const QAction* action : actions) list << action->objectName();
        return list;
    };
    EXPECT_EQ(QStringList({"N1", "N2", "N3", "N6"}), names(form->menuBar()->actions()));
    EXPECT_EQ(QStringList({"N9", "N7", "N8", "N4", "N5"}), names(find<QMenu>("N1")->actions()));
    EXPECT_TRUE(item("N4")->isSeparator());
    EXPECT_EQ(QStringList({"N111", "N221"}), names(find<QMenu>("N2")->actions()));
    EXPECT_EQ(QStringList({"N11", "N12"}), names(find<QMenu>("N111")->actions()));
    EXPECT_EQ(QStringList({"N21", "N13"}), names(find<QMenu>("N221")->actions()));
    EXPECT_EQ(QStringList({"N14", "N121"}), names(find<QMenu>("N3")->actions()));
    EXPECT_EQ(nullptr, item("N6")->menu());
    EXPECT_EQ(QKeySequence(Qt::CTRL | Qt::Key_X), item("N5")->shortcut());
    EXPECT_EQ(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), item("N7")->shortcut());
    EXPECT_EQ(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V), item("N8")->shortcut());
    EXPECT_EQ(QKeySequence(Qt::CTRL | Qt::Key_N), item("N9")->shortcut());
}

TEST_F(MainWindowTest, MenuCaptionsReadAsBeforeWithOneMnemonicEachUniqueInItsPlace) {
    const struct {
        const char* name;
        const char* caption;
    } captions[] = {
        {"N1", "Файл"},
        {"N9", "Новый лист"},
        {"N7", "Копировать лист"},
        {"N8", "Вставить лист"},
        {"N5", "Выход"},
        {"N2", "Стартовые атрибуты"},
        {"N111", "Все по 1 (ТЛ1)"},
        {"N11", "Постоянная цена за единицу (ТЛ1)"},
        {"N12", "Прогрессирующая цена за единицу (ТЛ1М)"},
        {"N221", "Все по 2 (ТЛ2)"},
        {"N21", "Фиксированные цены за единицу (ТЛ2)"},
        {"N13", "Прогрессирующая цена за единицу (ТЛ1М)"},
        {"N3", "Цена навыков"},
        {"N14", "Постоянная (ТЛ1)"},
        {"N121", "Прогрессирующая (ТЛ1М, ТЛ2)"},
        {"N6", "Помощь"},
    };
    for (const auto& c : captions) EXPECT_EQ(u(c.caption), menucaption(*item(c.name))) << c.name;
    const QList<QWidget*> places = {form->menuBar(),     find<QMenu>("N1"),   find<QMenu>("N2"),
                                    find<QMenu>("N111"), find<QMenu>("N221"), find<QMenu>("N3")};
    for (const QWidget* place : places) {
        QList<QKeySequence> mnemonics;
        for (const QAction* action : place->actions()) {
            if (action->isSeparator()) continue;
            const QKeySequence mnemonic = QKeySequence::mnemonic(action->text());
            EXPECT_FALSE(mnemonic.isEmpty()) << action->objectName().toStdString();
            EXPECT_FALSE(mnemonics.contains(mnemonic)) << action->objectName().toStdString();
            mnemonics << mnemonic;
        }
    }
}

TEST_F(MainWindowTest, RuleItemsChosenInTheMenuShowTheirMarksAndTheTotalFollows) {
    showactive();
    EXPECT_EQ(QStringList({"N111", "N12", "N121"}), checkedmarks());
    EXPECT_EQ(totalof(0), total());
    const struct {
        std::vector<const char*> path;
        QStringList checked;
    } steps[] = {
        {{"N2", "N221", "N21"}, {"N121", "N21", "N221"}},
        {{"N3", "N14"}, {"N14", "N21", "N221"}},
        {{"N2", "N221", "N13"}, {"N13", "N14", "N221"}},
        {{"N2", "N111", "N11"}, {"N11", "N111", "N14"}},
        {{"N3", "N121"}, {"N11", "N111", "N121"}},
        {{"N2", "N111", "N12"}, {"N111", "N12", "N121"}},
        {{"N2", "N111", "N12"}, {"N111", "N12", "N121"}},
    };
    for (const auto& step : steps) {
        choose(step.path);
        EXPECT_EQ(step.checked, checkedmarks()) << step.path.back();
        for (int n = 1; n <= 7; ++n) EXPECT_EQ("1", spin(n)->text());
    }
    // An item already checked still recomputes, reading the level typed into the cell.
    takeskill(1, "Бег", 3, 2);
    EXPECT_EQ(totalof(12), total());
    clickcell(table(1), 0);
    retype("2");
    choose({"N2", "N111", "N12"});
    EXPECT_EQ(totalof(6), total());
}

TEST_F(MainWindowTest, SubMenuItemsKeepTheirMarksWhenClicked) {
    showactive();
    choose({"N2", "N111"});
    player::closemenus();
    choose({"N2", "N221"});
    player::closemenus();
    EXPECT_EQ(QStringList({"N111", "N12", "N121"}), checkedmarks());
}

TEST_F(MainWindowTest, AttributeChangesAndLeavingTablesUpdateTheTotal) {
    showactive();
    clickinto(spin(1));
    retype("3");
    EXPECT_EQ(totalof(25), total());

    takeskill(2, "Бег", 1, 1);
    clickcell(table(2), 0);
    retype("9");
    leave();
    EXPECT_EQ(cp("Бег=5"), table(2)->lines()[0]);
    EXPECT_EQ("5", table(2)->editor()->text());
    EXPECT_EQ(totalof(25 + 15), total());

    takefeat("А", "", -10);
    takefeat("Б", "", 3);
    clickcell(table(8), 1);
    retype("x");
    leave();
    EXPECT_EQ(cp("Б=0"), table(8)->lines()[1]);
    EXPECT_EQ(totalof(25 + 15 - 10), total());
    // An emptied price stops the feature sum; the total stays.
    clickcell(table(8), 0);
    retype("5");
    clickcell(table(8), 1);
    retype("");
    leave();
    EXPECT_EQ((Lines{cp("А=5"), cp("Б=")}), table(8)->lines());
    EXPECT_EQ(totalof(25 + 15 - 10), total());
}

TEST_F(MainWindowTest, AnEmptiedFieldKeepsTheSumWhileTypedAndShowsAndCostsOneWhenLeft) {
    showactive();
    clickinto(spin(2));
    retype("4");
    press(Qt::Key_Tab);
    EXPECT_EQ(totalof(45), total());
    clickinto(spin(2));
    retype("");
    EXPECT_EQ(totalof(45), total());
    press(Qt::Key_Tab);
    EXPECT_EQ("1", spin(2)->text());
    EXPECT_EQ(u("Выносливость: значение 1, все по 1, прогрессирующая цена — 0 плюшек"),
              spin(2)->toolTip());
    EXPECT_EQ(totalof(0), total());
}

TEST_F(MainWindowTest, EmptiedLevelShowsTheConversionErrorAndKeepsTheTotal) {
    showactive();
    takeskill(1, "Бег", 2, 1);
    EXPECT_EQ(totalof(3), total());
    clickcell(table(1), 0);
    retype("");
    BoxWatch boxes;
    press(Qt::Key_Tab);
    ASSERT_EQ(1u, boxes.seen.size());
    EXPECT_EQ("'' is not a valid integer value.", boxes.seen[0].text);
    EXPECT_EQ(totalof(3), total());
}

TEST_F(MainWindowTest, LayoutFollowsTheClientArea) {
    showactive();
    form->resize(930, 400 + form->menuBar()->height());
    ASSERT_TRUE(QTest::qWaitFor([&] { return form->centralWidget()->size() == QSize(930, 400); }));
    const int lefts[] = {10, 242, 475, 707};
    const int spinlefts[] = {175, 407, 640, 872};
    for (int c = 0; c < 4; ++c) {
        for (int n : {c + 1, c + 5}) {
            EXPECT_EQ(lefts[c], table(n)->x()) << n;
            EXPECT_EQ(QSize(222, 144), table(n)->size()) << n;
            EXPECT_EQ(182, table(n)->columnWidth(0)) << n;
            EXPECT_EQ(table(n)->viewport()->width() - 182, table(n)->columnWidth(1)) << n;
            EXPECT_EQ(n <= 4 ? 40 : 216, table(n)->y()) << n;
            EXPECT_EQ(lefts[c], find<QLabel>(QString("Label%1").arg(n))->x()) << n;
            EXPECT_EQ(n <= 4 ? 16 : 190, find<QLabel>(QString("Label%1").arg(n))->y()) << n;
            if (n == 8) continue;
            EXPECT_EQ(spinlefts[c], spin(n)->x()) << n;
            EXPECT_EQ(n <= 4 ? 8 : 180, spin(n)->y()) << n;
        }
    }
    EXPECT_EQ(QPoint(16, 370), find<QLabel>("Label9")->pos());
}

TEST_F(MainWindowTest, FirstLayoutRunsBeforeTheWindowIsShown) {
    ASSERT_FALSE(form->isVisible());
    const QSize client = form->centralWidget()->size();
    ASSERT_GT(client.width(), 0);
    const SheetLayout expected = sheetlayout(client.width(), client.height(), 57);
    EXPECT_EQ(expected.columnleft[3], table(8)->x());
    EXPECT_EQ(expected.lowertabletop, table(8)->y());
    EXPECT_EQ(expected.totaltop, find<QLabel>("Label9")->y());
}

TEST_F(MainWindowTest, FocusStartsInTheFirstFieldAndTabsThroughFieldsThenTables) {
    showactive();
    QWidget* focus = QApplication::focusWidget();
    EXPECT_EQ(spin(1), focus);
    for (int n = 2; n <= 7; ++n) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(spin(n), QApplication::focusWidget()) << n;
    }
    for (int n = 1; n <= 8; ++n) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(table(n)->editor(), QApplication::focusWidget()) << n;
    }
}

TEST_F(MainWindowTest, HelpIsAPlainBoxWithTheHelpText) {
    showactive();
    QSignalSpy exits(item("N5"), &QAction::triggered);
    BoxWatch boxes([](QDialog* box) { QTest::keyClick(box, Qt::Key_X, Qt::ControlModifier); });
    choose({"N6"});
    ASSERT_EQ(1u, boxes.seen.size());
    EXPECT_EQ(apptitle(), boxes.seen[0].title);
    EXPECT_EQ(fromcp1251(helptext()), boxes.seen[0].text);
    EXPECT_EQ(QMessageBox::NoIcon, boxes.seen[0].icon);
    EXPECT_EQ(1, boxes.seen[0].buttons);
    EXPECT_EQ(0, exits.count());
}

TEST_F(MainWindowTest, CtrlXWhileEditingEndsTheProgramInsteadOfCutting) {
    struct Case {
        const char* where;
        std::function<void()> edit;
        std::function<QString()> text;
    };
    const Case cases[] = {
        {"level cell", [this] { clickcell(table(1), 0); },
         [this] { return fromcp1251(table(1)->lines().at(0)); }},
        {"attribute field", [this] { clickinto(spin(3)); }, [this] { return spin(3)->text(); }},
    };
    for (const Case& c : cases) {
        showactive();
        c.edit();
        press(Qt::Key_A, Qt::ControlModifier);
        type("4");
        press(Qt::Key_A, Qt::ControlModifier);
        const QString before = c.text();
        QSignalSpy quitting(qApp, &QCoreApplication::aboutToQuit);
        bool timedout = false;
        QTimer::singleShot(0, form.get(), [] { press(Qt::Key_X, Qt::ControlModifier); });
        QTimer::singleShot(5000, qApp, [&] {
            timedout = true;
            QCoreApplication::exit(1);
        });
        EXPECT_EQ(0, QApplication::exec()) << c.where;
        EXPECT_FALSE(timedout) << c.where;
        EXPECT_EQ(1, quitting.count()) << c.where;
        EXPECT_EQ(before, c.text()) << c.where;
    }
}

TEST_F(MainWindowTest, MissingCatalogueShowsTheBoxAndTheWindowStillComesUp) {
    QTemporaryDir empty;
    AppState fresh;
    BoxWatch boxes;
    TForm1 window(fresh, empty.path().toStdString());
    ASSERT_EQ(1u, boxes.seen.size());
    EXPECT_EQ("File not found.", boxes.seen[0].text);
    EXPECT_EQ(QMessageBox::Critical, boxes.seen[0].icon);
    EXPECT_TRUE(fresh.catalogue.skilllist.empty());
    window.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_EQ(totalof(0), window.findChild<QLabel*>("Label9")->text());
}

TEST_F(MainWindowTest, CaptionsDoNothingUntilTheDialogIsSet) {
    QTest::mouseClick(caption(3), Qt::LeftButton);
    EXPECT_EQ(PickSource::skills(1), state.picksource);
}

TEST_F(MainWindowTest, TakenSkillsGoInAtTheCurrentRowAndTheSkillSumFollows) {
    showactive();
    takeskill(3, "Акробатика", 2, 2);
    EXPECT_EQ(std::vector{PickSource::skills(3)}, dialog.sources);
    EXPECT_EQ((Lines{cp("Акробатика=2")}), table(3)->lines());
    EXPECT_EQ(totalof(6), total());

    takeskill(3, "Бег", 1, 2);
    EXPECT_EQ((Lines{cp("Бег=1"), cp("Акробатика=2")}), table(3)->lines());
    EXPECT_EQ(totalof(8), total());

    // A cancel still recomputes the skill sum.
    clickcell(table(3), 1);
    retype("3");
    dialog.next = [](AppState&) { return PickResult::Cancelled; };
    QTest::mouseClick(caption(3), Qt::LeftButton);
    EXPECT_EQ(2u, table(3)->lines().size());
    EXPECT_EQ(totalof(2 + 12), total());
}

TEST_F(MainWindowTest, TakenFeatureIsAppendedAndCountedAtOnceAsLeavingTheTableCounts) {
    showactive();
    takefeat("Хромота", "", -5);
    EXPECT_EQ(totalof(-5), total());
    takefeat("Богатство", "замок", -10);
    EXPECT_EQ((std::vector{PickSource::features(), PickSource::features()}), dialog.sources);
    EXPECT_EQ((Lines{cp("Хромота=-5"), cp("Богатство (замок)=-10")}), table(8)->lines());
    EXPECT_EQ(totalof(-15), total());

    // An edited price waits for the table to be left, or for the next take: a cancel is none.
    clickcell(table(8), 0);
    retype("x");
    dialog.next = [](AppState&) { return PickResult::Cancelled; };
    QTest::mouseClick(caption(8), Qt::LeftButton);
    EXPECT_EQ((Lines{cp("Хромота=x"), cp("Богатство (замок)=-10")}), table(8)->lines());
    EXPECT_EQ(totalof(-15), total());
    takefeat("Слава", "", 3);
    EXPECT_EQ(cp("Хромота=0"), table(8)->lines()[0]);
    EXPECT_EQ(totalof(-10 + 3), total());
    // An emptied price stops the count, as it stops leaving the table.
    clickcell(table(8), 0);
    retype("");
    takefeat("Враг", "", -7);
    EXPECT_EQ(totalof(-7), total());
}

TEST_F(MainWindowTest, ArrowClickDuringAFailingRecountStepsOnceAndTheWindowWorksOn) {
    showactive();
    takeskill(1, "Бег", 2, 1);
    clickcell(table(1), 0);
    retype("");
    // Window events, as the window system sends them. The press on the arrow moves the focus
    // out of the table, and the recount's box holds back the main window's events, the
    // player's release of the arrow among them; then the player clicks OK.
    QWindow* window = form->windowHandle();
    QToolButton* up = spin(2)->findChildren<QToolButton*>().at(0);
    const QPoint onup = up->mapTo(form.get(), up->rect().center());
    BoxWatch boxes([window, onup](QDialog* box) {
        QTest::mouseRelease(window, Qt::LeftButton, {}, onup);
        const QAbstractButton* ok = qobject_cast<QMessageBox*>(box)->button(QMessageBox::Ok);
        QTest::mouseClick(box->windowHandle(), Qt::LeftButton, {},
                          ok->mapTo(box, ok->rect().center()));
    });
    QTest::mousePress(window, Qt::LeftButton, {}, onup);
    // As the window manager does once the box is gone.
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    ASSERT_EQ(1u, boxes.seen.size());
    EXPECT_EQ("'' is not a valid integer value.", boxes.seen[0].text);
    EXPECT_EQ("2", spin(2)->text());
    EXPECT_FALSE(up->isDown());

    clickcell(table(1), 0);
    type("3");
    press(Qt::Key_Tab);
    EXPECT_EQ(1u, boxes.seen.size());
    EXPECT_EQ(cp("Бег=3"), table(1)->lines()[0]);
    EXPECT_EQ("2", spin(2)->text());
    EXPECT_EQ(totalof(10 + 6), total());
}

TEST_F(MainWindowTest, EscapeRestoresTheCellAfterTheMenuBarWasLeftWithEscape) {
    showactive();
    takeskill(1, "Бег", 3, 1);
    const struct {
        const char* how;
        std::function<void()> openmenu;
    } ways[] = {
        {"a click on the menu bar", [this] { choose({"N2"}); }},
        {"Alt, then Down",
         [] {
             press(Qt::Key_Alt);
             press(Qt::Key_Down);
         }},
    };
    for (const auto& way : ways) {
        player::typeincell(table(1), 0, "5");
        EXPECT_EQ(cp("Бег=35"), table(1)->lines()[0]);
        way.openmenu();
        ASSERT_NE(nullptr, QApplication::activePopupWidget()) << way.how;
        // The drop-down closes, then the menu bar is left.
        press(Qt::Key_Escape);
        press(Qt::Key_Escape);
        ASSERT_EQ(table(1)->editor(), QApplication::focusWidget()) << way.how;
        type("7");
        EXPECT_EQ(cp("Бег=357"), table(1)->lines()[0]) << way.how;
        press(Qt::Key_Escape);
        EXPECT_EQ(cp("Бег=3"), table(1)->lines()[0]) << way.how;
        EXPECT_EQ("3", table(1)->editor()->text()) << way.how;
    }
}

TEST_F(MainWindowTest, HelpFromTheKeyboardMenuGivesTheFocusBackToItsField) {
    showactive();
    press(Qt::Key_Tab);
    ASSERT_EQ(spin(2), QApplication::focusWidget());
    {
        BoxWatch boxes;
        // Alt puts the menu bar under the keyboard; Left wraps round to "Помощь".
        press(Qt::Key_Alt);
        press(Qt::Key_Left);
        press(Qt::Key_Return);
        ASSERT_EQ(1u, boxes.seen.size());
    }
    // As the window manager does once the box is gone.
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    EXPECT_EQ(spin(2), QApplication::focusWidget());
    retype("3");
    EXPECT_EQ(totalof(25), total());
}
