// Taking skills and features through the real window and the real dialog, built as start-up
// builds them, over the bundled catalogues: the row that appears and the total at every step.
#include <gtest/gtest.h>

#include <QAbstractItemModel>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <functional>

#include "app/programwindows.h"
#include "sheet/appstate.h"
#include "ui/addskill/addskill.h"
#include "ui/encoding.h"
#include "ui/main/mainwindow.h"
#include "ui/main/spinfield.h"
#include "ui/main/valuelisteditor.h"

QT_BEGIN_NAMESPACE
// Readable failure messages for the texts compared below.
inline void PrintTo(const QString& text, std::ostream* out) { *out << text.toStdString(); }
QT_END_NAMESPACE

namespace {

QString u(const char* utf8) { return QString::fromUtf8(utf8); }

class TakingTest : public testing::Test {
protected:
    void SetUp() override {
        form.show();
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    }

    // Clicks the caption `label` and runs `during` once the dialog is up; it must end it.
    void open(const char* label, const std::function<void()>& during) {
        QTimer::singleShot(0, &dialog, [this, during] {
            EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
            during();
            if (dialog.isVisible()) {
                ADD_FAILURE() << "the dialog was left open";
                dialog.done(0);
            }
        });
        auto* caption = form.findChild<QLabel*>(label);
        ASSERT_NE(nullptr, caption);
        QTest::mouseClick(caption, Qt::LeftButton);
        // The offscreen platform does not hand activation back when the dialog closes.
        form.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
    }

    QListView* list() { return dialog.findChild<QListView*>("ListBox1"); }

    int row(const char* utf8) {
        QAbstractItemModel* model = list()->model();
        for (int r = 0; r < model->rowCount(); ++r) {
            if (model->index(r, 0).data().toString() == u(utf8)) return r;
        }
        return -1;
    }

    QPoint linecentre(const char* line) {
        const int r = row(line);
        EXPECT_GE(r, 0) << line;
        list()->doItemsLayout();
        list()->scrollTo(list()->model()->index(r, 0));
        return list()->visualRect(list()->model()->index(r, 0)).center();
    }

    // Clicks the line, types the value into the dialog's field and double-clicks the line.
    void take(const char* line, int value) {
        const QPoint at = linecentre(line);
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, at);
        auto* field = dialog.findChild<QSpinBox*>("SpinEdit1");
        QTest::mouseClick(field, Qt::LeftButton, {}, QPoint(8, field->height() / 2));
        retype(QString::number(value));
        QTest::mouseDClick(list()->viewport(), Qt::LeftButton, {}, at);
    }

    void pressbutton(QWidget* window, const char* name) {
        auto* button = window->findChild<QPushButton*>(name);
        ASSERT_NE(nullptr, button) << name;
        QTest::mouseClick(button, Qt::LeftButton);
    }

    // Replaces the text of the focused field, as select-all and typing do.
    static void retype(const QString& text) {
        QWidget* field = QApplication::focusWidget();
        ASSERT_NE(nullptr, field);
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(field, Qt::Key_Delete);
        QTest::keyClicks(field, text);
    }

    // Clicks the value cell of table n's row (from 1).
    void clickcell(int n, int row) {
        ValueListEditor* shown = table(n);
        const QRect cell = shown->visualRect(shown->model()->index(row - 1, 1));
        QTest::mouseClick(shown->viewport(), Qt::LeftButton, {}, cell.center());
    }

    void clickfield(int n) {
        auto* field = form.findChild<SpinField*>(QString("SpinEdit%1").arg(n));
        QTest::mouseClick(field, Qt::LeftButton, {}, QPoint(8, field->height() / 2));
    }

    static void tab() { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); }

    // Answers the refinement prompt that the next take brings up.
    void answerprompt(const char* utf8) {
        QTimer::singleShot(0, [utf8] {
            QWidget* prompt = QApplication::activeModalWidget();
            ASSERT_NE(nullptr, prompt);
            auto* edit = prompt->findChild<QLineEdit*>("SpecEdit");
            ASSERT_NE(nullptr, edit);
            // QTest types ASCII only.
            edit->insert(u(utf8));
            QTest::keyClick(edit, Qt::Key_Return);
        });
    }

    ValueListEditor* table(int n) {
        return form.findChild<ValueListEditor*>(QString("ValueListEditor%1").arg(n));
    }
    QString lines(int n) {
        QStringList shown;
        for (const std::string& line : table(n)->lines()) shown << fromcp1251(line);
        return shown.join('|');
    }
    QString total() { return form.findChild<QLabel*>("Label9")->text(); }
    QString expecttotal(int points) { return u("Требуется плюшек: ") + QString::number(points); }

    AppState state;
    ProgramWindows windows{state, TALVIRA_CATALOGUES};
    TForm1& form = windows.form1;
    TForm2& dialog = windows.form2;
};

TEST_F(TakingTest, ASkillTakenUnderLovkostAppearsInItsTableAndTheTotal) {
    open("Label3", [this] { take("Фехтование (сложный)", 3); });
    EXPECT_EQ(u("Фехтование=3"), lines(3));
    // Progressive price of a difficult skill at level 3: (3+2+1)*2.
    EXPECT_EQ(expecttotal(12), total());

    open("Label3", [this] {
        EXPECT_EQ(-1, row("Фехтование (сложный)"));  // taken: no longer offered
        take("Акробатика", 2);
    });
    // The cell cursor rests on row 1, so the new skill goes above the first.
    EXPECT_EQ(u("Акробатика=2|Фехтование=3"), lines(3));
    EXPECT_EQ(expecttotal(12 + 3), total());
}

TEST_F(TakingTest, ABranchedSkillTakenTwiceGivesTwoRowsWithTheirRefinements) {
    open("Label3", [this] {
        answerprompt("Лук");
        take("Стрельба (сложный разветвленный)", 2);
    });
    open("Label3", [this] {
        answerprompt("Арбалет");
        take("Стрельба (сложный разветвленный)", 1);
    });
    EXPECT_EQ(u("Стрельба (Арбалет)=1|Стрельба (Лук)=2"), lines(3));
    EXPECT_EQ(expecttotal(2 + 6), total());
}

TEST_F(TakingTest, TakingALongerNameDoesNotTakeTheShorterOneInsideIt) {
    open("Label2", [this] { take("Бег с препятствиями (сложный)", 1); });
    ASSERT_EQ(1u, state.takenskills.size());
    open("Label2", [this] {
        EXPECT_GE(row("Бег"), 0);
        pressbutton(&dialog, "BitBtn2");
    });
    EXPECT_EQ(u("Бег с препятствиями=1"), lines(2));
}

TEST_F(TakingTest, AFeatureTakenByDoubleClickEntersTheTotalAtOnce) {
    open("Label8", [this] { take("Хромота (-5/-10/-5)", -5); });
    EXPECT_EQ(u("Хромота=-5"), lines(8));
    EXPECT_EQ(expecttotal(-5), total());
    open("Label8", [this] { take("Острое зрение (5/10/5)", 5); });
    EXPECT_EQ(u("Хромота=-5|Острое зрение=5"), lines(8));
    EXPECT_EQ(expecttotal(0), total());
}

TEST_F(TakingTest, TheFeaturePriceIsPrefilledFromTheChosenEdition) {
    open("Label8", [this] {
        const QPoint at = linecentre("Проклятие (-20/-25/-20)");
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list()->viewport(), Qt::LeftButton, {}, at);
    });
    EXPECT_EQ(u("Проклятие=-20"), lines(8));
}

TEST_F(TakingTest, CancellingAnAttributeOpeningStillRecountsTheSkills) {
    open("Label1", [this] { take("Атлетика", 1); });
    EXPECT_EQ(expecttotal(1), total());
    // A level typed but not yet cleaned by leaving the table...
    clickcell(1, 1);
    retype("4");
    // ...enters the total when an opening of the dialog is cancelled.
    open("Label5", [this] { pressbutton(&dialog, "BitBtn2"); });
    EXPECT_EQ(expecttotal(10), total());
}

TEST_F(TakingTest, AWholeCharacterCostsWhatTheRulesSay) {
    for (int n = 1; n <= 7; ++n) {
        clickfield(n);
        retype("3");
    }
    EXPECT_EQ(expecttotal(7 * 25), total());
    open("Label4", [this] {
        answerprompt("Огонь");
        take("Магическая школа (очень сложный специальный разветвленный)", 2);
    });
    EXPECT_EQ(u("Магическая школа (Огонь)=2"), lines(4));
    EXPECT_EQ(expecttotal(7 * 25 + 3 * 4), total());
    open("Label8", [this] { take("Острое зрение (5/10/5)", 5); });
    clickcell(8, 1);
    clickfield(1);
    EXPECT_EQ(expecttotal(7 * 25 + 12 + 5), total());
}

}  // namespace
