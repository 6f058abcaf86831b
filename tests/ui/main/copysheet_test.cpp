// The copied sheet, read from the clipboard after Ctrl+Shift+C is pressed in the window: the
// rules, every attribute, skill and feature row with what it costs, and the total line as
// shown, after the edit in progress has been counted where it is. Ctrl+Shift+V in a fresh
// window brings the sheet back, or a box and no change; Ctrl+N asks before it starts anew.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QLabel>
#include <QMimeData>

#include "boxwatch.h"
#include "ui/encoding.h"
#include "ui/main/mainwindow.h"
#include "ui/main/spinfield.h"
#include "windowfixture.h"

namespace {

using player::clickcell;
using player::clickinto;
using player::press;
using player::retype;

QString u(const char* utf8) { return QString::fromUtf8(utf8); }
std::string cp(const char* utf8) { return tocp1251(u(utf8)); }

class CopySheetTest : public WindowFixture {
protected:
    void open() {
        form.reset();
        state = AppState();
        form = std::make_unique<TForm1>(state, TALVIRA_CATALOGUES);
        form->setpickdialog(&dialog);
        showactive();
    }
    void take(int caption, const char* name, const char* spec, int value, int unit = 1) {
        dialog.next = [=](AppState& s) {
            if (caption == 8) {
                s.takenfeats.push_back({cp(name), cp(spec), value});
            } else {
                s.takenskills.push_back({value, unit, cp(name), cp(spec)});
            }
            return PickResult::Taken;
        };
        QTest::mouseClick(this->caption(caption), Qt::LeftButton);
    }
    void setattr(int n, const char* text) {
        clickinto(find<SpinField>(QString("SpinEdit%1").arg(n)));
        retype(u(text));
    }

    FakePick dialog{state};
};

TEST_F(CopySheetTest, TheShortcutCopiesEveryRowWithItsPriceAndTheTotalAsShown) {
    struct Case {
        const char* what;
        std::function<void()> build;
        const char* text;
        // What reading the copy back with the bundled catalogues says: "" for a sheet.
        const char* problem;
    };
    const Case cases[] = {
        {"start rules, a branched skill and negative features; a price being typed",
         [this] {
             setattr(3, "3");
             take(3, "Стрельба", "Лук", 2, 2);
             take(8, "Хромота", "", -5);
             take(8, "Враг", "сосед", -10);
             clickcell(table(8), 0);
             retype("-7");
         },
         "Лист персонажа «Тальвира»\n"
         "Стартовые атрибуты: Все по 1 (ТЛ1) / Прогрессирующая цена за единицу (ТЛ1М)\n"
         "Цена навыков: Прогрессирующая (ТЛ1М, ТЛ2)\n\n"
         "Сила: 1 — 0 плюшек\nВыносливость: 1 — 0 плюшек\nЛовкость: 3 — 25 плюшек\n"
         "- Стрельба (Лук) (сложный): уровень 2 — 6 плюшек\n"
         "Образование: 1 — 0 плюшек\nМышление: 1 — 0 плюшек\nУверенность: 1 — 0 плюшек\n"
         "Удача: 1 — 0 плюшек\nОсобенности\n- Хромота: -7 плюшек\n- Враг (сосед): -10 плюшек\n\n"
         "Требуется плюшек: 14\n",
         ""},
        {"rules switched, a key of no taken skill, an emptied field being left by the copy",
         [this] {
             choose({"N2", "N221", "N21"});
             choose({"N3", "N14"});
             take(1, "Бег", "", 3);
             take(1, "Лазание", "a=b", 1);
             setattr(1, "");
         },
         "Лист персонажа «Тальвира»\n"
         "Стартовые атрибуты: Все по 2 (ТЛ2) / Фиксированные цены за единицу (ТЛ2)\n"
         "Цена навыков: Постоянная (ТЛ1)\n\n"
         "Сила: 1 — -5 плюшек\n"
         "- Лазание (a: уровень «b)=1» не число — нет среди взятых навыков\n"
         "- Бег (обычный): уровень 3 — 3 плюшки\n"
         "Выносливость: 1 — -5 плюшек\nЛовкость: 1 — -5 плюшек\nОбразование: 1 — -5 плюшек\n"
         "Мышление: 1 — -5 плюшек\nУверенность: 1 — -5 плюшек\nУдача: 1 — -5 плюшек\n"
         "Особенности\n\nТребуется плюшек: -32\n",
         "в каталоге нет навыка «Бег» с атрибутом Сила"},
    };
    for (const Case& c : cases) {
        open();
        c.build();
        QWidget* focus = QApplication::focusWidget();
        press(Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        const QMimeData* copied = QGuiApplication::clipboard()->mimeData();
        ASSERT_NE(nullptr, copied) << c.what;
        EXPECT_EQ(u(c.text), copied->text()) << c.what;
        const QString total = find<QLabel>("Label9")->text();
        EXPECT_TRUE(copied->text().endsWith(total + '\n')) << c.what;
        EXPECT_TRUE(copied->html().contains(u("<th colspan=\"3\">") + total + u("</th>")))
            << c.what;
        EXPECT_EQ(focus, QApplication::focusWidget()) << c.what;
        // Pasted into a fresh window with the keys, the sheet comes back as it was copied.
        const QString copy = copied->text();
        open();
        Qt::Key answer = Qt::Key_Escape;
        BoxWatch boxes([&answer](QDialog* box) { QTest::keyClick(box, answer); });
        press(Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
        if (*c.problem != '\0') {
            ASSERT_EQ(1u, boxes.seen.size()) << c.what;
            EXPECT_TRUE(boxes.seen[0].text.contains(u(c.problem))) << c.what;
            EXPECT_EQ(u("Требуется плюшек: 0"), find<QLabel>("Label9")->text()) << c.what;
            continue;
        }
        EXPECT_TRUE(boxes.seen.empty()) << c.what;
        const auto copyagain = [this] {
            press(Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
            return QGuiApplication::clipboard()->text();
        };
        EXPECT_EQ(copy, copyagain()) << c.what;
        // A new sheet asks first over one that is not at start: Escape keeps it, Enter not.
        press(Qt::Key_N, Qt::ControlModifier);
        // As the window manager does once the box is gone.
        showactive();
        EXPECT_EQ(copy, copyagain()) << c.what;
        answer = Qt::Key_Return;
        press(Qt::Key_N, Qt::ControlModifier);
        EXPECT_EQ(2u, boxes.seen.size()) << c.what;
        EXPECT_EQ(u("Требуется плюшек: 0"), find<QLabel>("Label9")->text()) << c.what;
        EXPECT_TRUE(table(8)->lines().empty()) << c.what;
    }
}

}  // namespace
