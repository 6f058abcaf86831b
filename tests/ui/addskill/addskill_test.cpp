// The selection dialog as a window: its controls, the ways out of an opening, taking
// with the mouse and the keyboard, the error box and a large catalogue. Runs offscreen.
#include "ui/addskill/addskill.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <set>
#include <vector>

#include "../../pick/testcatalogue.h"
#include "sheet/w1251.h"
#include "ui/encoding.h"
#include "ui/windowsizes.h"

namespace {

const std::string kRun = w1251("Бег").str();
const std::string kHurdles = w1251("Бег с препятствиями").str();
const std::string kLore = w1251("Знание").str();
const std::string kFoe = w1251("Враг").str();

class TForm2Test : public testing::Test {
protected:
    TForm2Test() {
        addskill(state.catalogue, kRun, 3);
        addskill(state.catalogue, kHurdles, 3, 2);
        addskill(state.catalogue, kLore, 4, 1, 0, 1);
        addfeat(state.catalogue, kFoe, {-5, -10, -15}, 1);
        addfeat(state.catalogue, w1251("Удача").str(), {10, 20, 30});
    }

    // Opens the dialog over `source`; `during` runs once it is shown and must end it.
    template <typename During>
    PickResult pick(PickSource source, During during) {
        state.picksource = source;
        QTimer::singleShot(0, &dialog, [this, during] {
            EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
            during();
        });
        QTimer::singleShot(10000, &dialog, [this] {
            if (!dialog.isVisible()) return;
            ADD_FAILURE() << "the dialog was left open";
            dialog.done(0);
        });
        return dialog.pick();
    }

    template <typename Widget>
    Widget* child(const char* name) {
        auto* widget = dialog.findChild<Widget*>(name);
        EXPECT_NE(nullptr, widget) << name;
        return widget;
    }

    QListView* list() { return child<QListView>("ListBox1"); }
    QSpinBox* spin() { return child<QSpinBox>("SpinEdit1"); }

    QPoint linecentre(int row) {
        list()->doItemsLayout();
        list()->scrollTo(list()->model()->index(row, 0));
        return list()->visualRect(list()->model()->index(row, 0)).center();
    }
    void clickline(int row) {
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, linecentre(row));
    }
    void doubleclick(int row) {
        clickline(row);
        QTest::mouseDClick(list()->viewport(), Qt::LeftButton, {}, linecentre(row));
    }
    void press(const char* button) {
        QTest::mouseClick(child<QPushButton>(button), Qt::LeftButton);
    }
    // Clicks into the value field and types over its text.
    void typevalue(const char* text) {
        QTest::mouseClick(spin(), Qt::LeftButton, {}, QPoint(8, spin()->height() / 2));
        QWidget* field = QApplication::focusWidget();
        ASSERT_EQ(spin(), field);
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(field, Qt::Key_Delete);
        QTest::keyClicks(field, text);
    }

    AppState state;
    int counts = 0;
    TForm2 dialog{state, [this] { ++counts; }};
};

TEST_F(TForm2Test, ControlsLieInsideTheDialogWithoutOverlapping) {
    auto* search = child<QLineEdit>("Edit1");
    EXPECT_EQ(QString::fromUtf8("Поиск"), search->placeholderText());
    EXPECT_EQ(QString::fromUtf8("Поиск"), search->accessibleName());
    // The search field stands right above the list, as wide as it.
    const QRect list = child<QWidget>("ListBox1")->geometry();
    EXPECT_EQ(QRect(list.left(), search->y(), list.width(), search->height()), search->geometry());
    EXPECT_EQ(search->geometry().bottom() + 1, list.top());
    std::vector<QRect> placed;
    for (const char* name : {"Edit1", "ListBox1", "SpinEdit1", "Label1", "Label2", "RadioGroup1",
                             "BitBtn1", "BitBtn2"}) {
        const QRect place = child<QWidget>(name)->geometry();
        EXPECT_TRUE(QRect(QPoint(), QSize(513, 296)).contains(place)) << name;
        for (const QRect& other : placed) EXPECT_FALSE(other.intersects(place)) << name;
        placed.push_back(place);
    }
    EXPECT_EQ(QSize(513, 296), dialog.minimumSize());
    EXPECT_EQ(QSize(513, 296), dialog.maximumSize());
    EXPECT_EQ(QPoint(kDialogLeft, kDialogTop), dialog.pos());
    EXPECT_EQ(11, dialog.font().pixelSize());

    const auto* ok = child<QPushButton>("BitBtn1");
    const auto* cancel = child<QPushButton>("BitBtn2");
    EXPECT_EQ("OK", ok->text());
    EXPECT_TRUE(ok->isDefault());
    EXPECT_FALSE(ok->icon().isNull());
    EXPECT_EQ(QString::fromUtf8("Отмена"), cancel->text());
    EXPECT_FALSE(cancel->icon().isNull());
    EXPECT_EQ(QString::fromUtf8("Редакция правил"), child<QGroupBox>("RadioGroup1")->title());
    QStringList editions;
    for (const auto* button : child<QGroupBox>("RadioGroup1")->findChildren<QRadioButton*>()) {
        editions << button->text();
    }
    EXPECT_EQ(QString::fromUtf8("ТЛ1 ТЛ2 ТЛ1М"), editions.join(' '));
}

TEST_F(TForm2Test, EachModeShowsItsTexts) {
    struct Seen {
        QString title, label1, label2, hint;
        bool editions = false;
        int lower = 0, upper = 0, lines = 0;
        bool fits = false;
    };
    const auto fits = [this](const char* name) {
        const auto* label = child<QLabel>(name);
        return label->width() >= label->sizeHint().width();
    };
    const auto look = [this, fits](Seen& seen) {
        return [this, fits, &seen] {
            seen = {dialog.windowTitle(),
                    child<QLabel>("Label1")->text(),
                    child<QLabel>("Label2")->text(),
                    list()->toolTip(),
                    child<QGroupBox>("RadioGroup1")->isVisible(),
                    spin()->minimum(),
                    spin()->maximum(),
                    list()->model()->rowCount(),
                    fits("Label1") && fits("Label2")};
            press("BitBtn2");
        };
    };
    Seen skills, feats;
    pick(PickSource::skills(3), look(skills));
    pick(PickSource::features(), look(feats));
    EXPECT_EQ(QString::fromUtf8("Выберите навык"), skills.title);
    EXPECT_EQ(QString::fromUtf8("Уровень навыка"), skills.label1 + ' ' + skills.label2);
    EXPECT_TRUE(skills.hint.startsWith(QString::fromUtf8("Щелкните на нужный навык")));
    EXPECT_FALSE(skills.editions);
    EXPECT_EQ(1, skills.lower);
    EXPECT_EQ(5, skills.upper);
    EXPECT_EQ(2, skills.lines);
    EXPECT_EQ(QString::fromUtf8("Выберите особенность"), feats.title);
    EXPECT_EQ(QString::fromUtf8("Цена особенности"), feats.label1 + ' ' + feats.label2);
    EXPECT_TRUE(feats.hint.startsWith(QString::fromUtf8("Щелкните на нужную особенность")));
    EXPECT_TRUE(feats.editions);
    EXPECT_EQ(-70, feats.lower);
    EXPECT_EQ(70, feats.upper);
    EXPECT_EQ(2, feats.lines);
    EXPECT_TRUE(skills.fits && feats.fits);
}

TEST_F(TForm2Test, TabGoesThroughListValueEditionsButtonsAndSearch) {
    const std::set<QString> controls = {"Edit1",       "ListBox1", "SpinEdit1",
                                        "RadioGroup1", "BitBtn1",  "BitBtn2"};
    QStringList visited;
    pick(PickSource::features(), [&] {
        clickline(0);
        for (int step = 0; step < 8; ++step) {
            QWidget* widget = QApplication::focusWidget();
            while (widget != nullptr && !controls.contains(widget->objectName())) {
                widget = widget->parentWidget();
            }
            const QString name = widget != nullptr ? widget->objectName() : "?";
            if (visited.isEmpty() || visited.back() != name) visited << name;
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        press("BitBtn2");
    });
    EXPECT_EQ("ListBox1 SpinEdit1 RadioGroup1 BitBtn1 BitBtn2 Edit1 ListBox1",
              visited.mid(0, 7).join(' '));
}

TEST_F(TForm2Test, EscapeLeavesItOpenCancelAndCloseBoxEndIt) {
    bool open = false;
    const PickResult cancelled = pick(PickSource::skills(3), [&] {
        QTest::keyClick(list(), Qt::Key_Escape);
        open = dialog.isVisible();
        press("BitBtn2");
    });
    EXPECT_TRUE(open);
    EXPECT_EQ(PickResult::Cancelled, cancelled);
    EXPECT_EQ(1, counts);

    EXPECT_EQ(PickResult::Closed, pick(PickSource::skills(3), [this] { dialog.close(); }));
    EXPECT_EQ(2, counts);
    EXPECT_TRUE(state.takenskills.empty());
}

TEST_F(TForm2Test, DoubleClickTakesTheEntryOfTheClickedLineOnly) {
    EXPECT_EQ(PickResult::Taken, pick(PickSource::skills(3), [this] { doubleclick(1); }));
    ASSERT_EQ(1u, state.takenskills.size());
    EXPECT_EQ(kHurdles, state.takenskills[0].name);
    EXPECT_EQ(2, state.takenskills[0].price);

    EXPECT_EQ(PickResult::Taken, pick(PickSource::skills(3), [this] { doubleclick(0); }));
    ASSERT_EQ(2u, state.takenskills.size());
    EXPECT_EQ(kRun, state.takenskills[1].name);
}

TEST_F(TForm2Test, TypedValueIsTakenWithinTheBoundsOnEveryWayOfTaking) {
    enum class Way { DoubleClick, EnterInField, EnterInList, Ok };
    struct Case {
        PickSource source;
        const char* typed;
        Way way;
        int taken;
    };
    const Case cases[] = {
        {PickSource::skills(3), "9", Way::DoubleClick, 5},
        {PickSource::skills(3), "9", Way::EnterInField, 5},
        {PickSource::skills(3), "9", Way::Ok, 5},
        {PickSource::skills(3), "", Way::DoubleClick, 1},
        {PickSource::skills(3), "0", Way::EnterInList, 1},
        {PickSource::skills(3), "3", Way::EnterInField, 3},
        {PickSource::features(), "100", Way::DoubleClick, 70},
        {PickSource::features(), "100", Way::EnterInField, 70},
        {PickSource::features(), "-100", Way::Ok, -70},
        {PickSource::features(), "-100", Way::EnterInList, -70},
        {PickSource::features(), "", Way::DoubleClick, -70},
        {PickSource::features(), "-", Way::Ok, -70},
        {PickSource::features(), "35", Way::EnterInField, 35},
    };
    for (const Case& c : cases) {
        state.takenskills.clear();
        state.takenfeats.clear();
        const PickResult result = pick(c.source, [this, &c] {
            clickline(1);
            typevalue(c.typed);
            switch (c.way) {
                case Way::DoubleClick:
                    doubleclick(1);
                    break;
                case Way::EnterInField:
                    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
                    break;
                case Way::EnterInList:
                    clickline(1);
                    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
                    break;
                case Way::Ok:
                    press("BitBtn1");
                    break;
            }
        });
        const bool skills = !c.source.isfeatures();
        const std::string what = (skills ? "skill '" : "feature '") + std::string(c.typed) + "'";
        ASSERT_EQ(PickResult::Taken, result) << what;
        ASSERT_EQ(skills ? 1u : 0u, state.takenskills.size()) << what;
        ASSERT_EQ(skills ? 0u : 1u, state.takenfeats.size()) << what;
        EXPECT_EQ(c.taken, skills ? state.takenskills[0].level : state.takenfeats[0].price) << what;
        // The field shows the number taken, which the next opening carries over.
        EXPECT_EQ(c.taken, spin()->value()) << what;
    }
}

TEST_F(TForm2Test, TheValueTakenCarriesOverBroughtWithinTheNextBounds) {
    pick(PickSource::features(), [this] {
        clickline(1);
        typevalue("100");
        doubleclick(1);
    });
    QString level;
    pick(PickSource::skills(3), [&] {
        level = spin()->text();
        press("BitBtn2");
    });
    EXPECT_EQ("5", level);
}

TEST_F(TForm2Test, SelectingALineProposesThePriceOfItsOwnFeature) {
    addfeat(state.catalogue, w1251("Дар").str(), {40, 50, 60});
    int first = 0, second = 0, edition = 0, shifted = 0;
    pick(PickSource::features(), [&] {
        clickline(0);  // the first line of the first opening
        first = spin()->value();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        second = spin()->value();
        QTest::mouseClick(dialog.findChildren<QRadioButton*>()[2], Qt::LeftButton);
        edition = spin()->value();
        doubleclick(1);
    });
    ASSERT_EQ(1u, state.takenfeats.size());
    EXPECT_EQ(30, state.takenfeats[0].price);
    // "Удача" is hidden now: its position shows "Дар", which proposes its own price.
    pick(PickSource::features(), [&] {
        clickline(1);
        shifted = spin()->value();
        press("BitBtn2");
    });
    EXPECT_EQ(-5, first);
    EXPECT_EQ(10, second);
    EXPECT_EQ(30, edition);
    EXPECT_EQ(60, shifted);
}

TEST_F(TForm2Test, SearchFieldTakesTheKeysFromCtrlFToTheLineTaken) {
    const auto focus = [] { return QApplication::focusWidget(); };
    // Key by key, as a Russian keyboard layout gives them.
    const auto type = [&](const char* utf8) {
        for (const QChar c : QString::fromUtf8(utf8)) {
            const auto key = static_cast<Qt::Key>(c.toUpper().unicode());
            QTest::sendKeyEvent(QTest::Click, focus(), key, QString(c), Qt::NoModifier);
        }
    };
    QLineEdit* search = nullptr;
    int hurdlesonly = 0, bothagain = 0;
    const PickResult result = pick(PickSource::skills(3), [&] {
        search = child<QLineEdit>("Edit1");
        QTest::keyClick(focus(), Qt::Key_F, Qt::ControlModifier);
        ASSERT_EQ(search, focus());
        type("ПРЕПЯТ");
        hurdlesonly = list()->model()->rowCount();
        QTest::keyClick(focus(), Qt::Key_Escape);
        bothagain = list()->model()->rowCount();
        EXPECT_TRUE(search->text().isEmpty());
        type("бег с");
        QTest::keyClick(focus(), Qt::Key_Down);
        ASSERT_EQ(list(), focus());
        // The first line shown, the second of the list, is selected: Enter takes it.
        QTest::keyClick(focus(), Qt::Key_Return);
    });
    EXPECT_EQ(1, hurdlesonly);
    EXPECT_EQ(2, bothagain);
    EXPECT_EQ(PickResult::Taken, result);
    ASSERT_EQ(1u, state.takenskills.size());
    EXPECT_EQ(kHurdles, state.takenskills[0].name);
}

TEST_F(TForm2Test, DoubleClickOnNoLineShowsTheIndexError) {
    QString shown;
    const PickResult result = pick(PickSource::skills(5), [&] {
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr) return;
            shown = box->text();
            box->accept();
        });
        QTest::mouseDClick(list()->viewport(), Qt::LeftButton, {}, {20, 20});
        EXPECT_TRUE(dialog.isVisible());
        press("BitBtn1");
    });
    EXPECT_EQ("List index out of bounds (-1)", shown);
    EXPECT_EQ(PickResult::Cancelled, result);
}

TEST_F(TForm2Test, BranchedTakeAsksThroughThePrompt) {
    QString caption;
    pick(PickSource::skills(4), [&] {
        QTimer::singleShot(0, [&] {
            QWidget* prompt = QApplication::activeModalWidget();
            if (prompt == nullptr) return;
            caption = prompt->windowTitle();
            auto* edit = prompt->findChild<QLineEdit*>("SpecEdit");
            QTest::keyClicks(edit, "a=b");
            edit->insert(QString::fromUtf8(" Город中"));
            QTest::keyClick(edit, Qt::Key_Return);
        });
        doubleclick(0);
    });
    EXPECT_EQ(QString::fromUtf8("Уточнение навыка Знание"), caption);
    ASSERT_EQ(1u, state.takenskills.size());
    EXPECT_EQ("ab" + w1251(" Город").str() + "?", state.takenskills[0].spec);
}

TEST_F(TForm2Test, ALineCutOffByTheListsWidthShowsWholeAsItsTooltip) {
    const QString name =
        QString::fromUtf8("Магическая школа огня, воды, воздуха и земли с оговорками");
    addskill(state.catalogue, tocp1251(name), 3, 4, 1, 1);
    QString cut;
    QString whole;
    pick(PickSource::skills(3), [&] {
        const auto tooltip = [this](int row) {
            QToolTip::hideText();
            const QPoint at = linecentre(row);
            QHelpEvent help(QEvent::ToolTip, at, list()->viewport()->mapToGlobal(at));
            QApplication::sendEvent(list()->viewport(), &help);
            return QToolTip::isVisible() ? QToolTip::text() : QString();
        };
        cut = tooltip(2);
        whole = tooltip(0);
        press("BitBtn2");
    });
    EXPECT_EQ(name + QString::fromUtf8(" (очень сложный специальный разветвленный)"), cut);
    EXPECT_TRUE(whole.startsWith(QString::fromUtf8("Щелкните на нужный навык")))
        << whole.toStdString();
}

TEST_F(TForm2Test, HundredThousandLinesOpen) {
    for (int i = 0; i < 100000; ++i)
        addfeat(state.catalogue, "feat " + std::to_string(i), {i, 0, 0});
    int lines = 0;
    pick(PickSource::features(), [&] {
        lines = list()->model()->rowCount();
        list()->scrollToBottom();
        press("BitBtn2");
    });
    EXPECT_EQ(100002, lines);
}

}  // namespace
