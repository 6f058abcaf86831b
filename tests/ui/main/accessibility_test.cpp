// What assistive tools meet in both windows, read through Qt's accessibility tree: names,
// roles and descriptions of every control, the tab stops in order, and the captions'
// press action that opens the selection dialog.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "ui/addskill/addskill.h"
#include "ui/addskill/specprompt.h"
#include "ui/encoding.h"
#include "ui/main/mainwindow.h"
#include "ui/main/spinfield.h"
#include "ui/main/valuelisteditor.h"
#include "windowfixture.h"

namespace {

QString u(const char* utf8) { return QString::fromUtf8(utf8); }

const char* const kAttributeNames[] = {"Сила",     "Выносливость", "Ловкость", "Образование",
                                       "Мышление", "Уверенность",  "Удача"};

QString spinname(int n) { return u(kAttributeNames[n - 1]) + u(": значение атрибута"); }
QString tablename(int n) {
    return n == 8 ? u("Особенности") : u(kAttributeNames[n - 1]) + u(": навыки");
}
QString tabledescription(int n) {
    return n == 8 ? u("Insert открывает выбор особенности") : u("Insert открывает выбор навыка");
}

QAccessibleInterface* accessible(QObject* object) {
    QAccessibleInterface* found = QAccessible::queryAccessibleInterface(object);
    EXPECT_NE(nullptr, found) << object->objectName().toStdString();
    return found;
}

// Every widget of the tree under `root` that can take the focus, found the way a screen
// reader walks it: from child to child of the interfaces, not through QObject children.
void focusables(QAccessibleInterface* root, std::vector<QAccessibleInterface*>& found) {
    for (int i = 0; i < root->childCount(); ++i) {
        QAccessibleInterface* child = root->child(i);
        if (child == nullptr || child->object() == nullptr || !child->object()->isWidgetType()) {
            continue;
        }
        if (child->state().focusable && !child->state().invisible) found.push_back(child);
        focusables(child, found);
    }
}

std::string describe(const QAccessibleInterface* iface) {
    return (iface->object()->metaObject()->className() + QString(" '") +
            iface->object()->objectName() + "' named '" + iface->text(QAccessible::Name) + "'")
        .toStdString();
}

class AccessibilityTest : public WindowFixture {
protected:
    void SetUp() override {
        form = std::make_unique<TForm1>(state, TALVIRA_CATALOGUES);
        dialog = std::make_unique<TForm2>(state, [this] { form->countpoints(); });
        form->setpickdialog(dialog.get());
    }

    QAccessibleInterface* caption(int n) {
        return accessible(find<QWidget>(QString("Label%1").arg(n)));
    }

    // Presses caption `n` as a screen reader would; `during` runs once the dialog is
    // active and must close it.
    void pressinto(int n, const std::function<void()>& during) {
        bool ran = false;
        QAccessibleActionInterface* actions = caption(n)->actionInterface();
        ASSERT_NE(nullptr, actions);
        actions->doAction(QAccessibleActionInterface::pressAction());
        QTimer::singleShot(0, dialog.get(), [&] {
            EXPECT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
            during();
            ran = true;
        });
        QTimer::singleShot(10000, dialog.get(), [this] {
            if (dialog->isVisible()) dialog->done(0);
        });
        QTRY_VERIFY(ran);
        EXPECT_FALSE(dialog->isVisible());
    }
    void cancel() { QTest::mouseClick(dialog->findChild<QPushButton*>("BitBtn2"), Qt::LeftButton); }

    std::unique_ptr<TForm2> dialog;
    // For a test that takes entries without the dialog; it lives as long as the window that
    // is handed it.
    FakePick taking{state};
};

}  // namespace

TEST_F(AccessibilityTest, EveryFocusableControlOfTheWindowIsNamedWithItsRole) {
    showactive();
    std::vector<QAccessibleInterface*> found;
    focusables(accessible(form.get()), found);

    std::map<QString, QAccessibleInterface*> byname;
    for (QAccessibleInterface* iface : found) {
        EXPECT_FALSE(iface->text(QAccessible::Name).isEmpty()) << describe(iface);
        byname[iface->object()->objectName()] = iface;
    }
    for (int n = 1; n <= 7; ++n) {
        const QAccessibleInterface* spin = byname[QString("SpinEdit%1").arg(n)];
        ASSERT_NE(nullptr, spin) << n;
        EXPECT_EQ(spinname(n), spin->text(QAccessible::Name));
        EXPECT_EQ(QAccessible::EditableText, spin->role());
    }
    for (int n = 1; n <= 8; ++n) {
        const QAccessibleInterface* view = byname[QString("ValueListEditor%1").arg(n)];
        ASSERT_NE(nullptr, view) << n;
        EXPECT_EQ(tablename(n), view->text(QAccessible::Name));
        EXPECT_EQ(tabledescription(n), view->text(QAccessible::Description));
        EXPECT_EQ(QAccessible::Table, view->role());
    }
}

TEST_F(AccessibilityTest, SpinButtonsAreNamed) {
    for (int n = 1; n <= 7; ++n) {
        std::vector<QString> names;
        QAccessibleInterface* spin = accessible(find<SpinField>(QString("SpinEdit%1").arg(n)));
        for (int i = 0; i < spin->childCount(); ++i) {
            if (spin->child(i)->role() == QAccessible::Button) {
                names.push_back(spin->child(i)->text(QAccessible::Name));
            }
        }
        EXPECT_EQ((std::vector<QString>{u("Увеличить"), u("Уменьшить")}), names) << n;
    }
}

TEST_F(AccessibilityTest, CaptionsReadTheirTextAndTellThatAClickOpensTheChoice) {
    for (int n = 1; n <= 8; ++n) {
        const QAccessibleInterface* label = caption(n);
        EXPECT_EQ(QAccessible::StaticText, label->role()) << n;
        EXPECT_EQ(n == 8 ? u("Особенности") : u(kAttributeNames[n - 1]),
                  label->text(QAccessible::Name));
        EXPECT_TRUE(label->text(QAccessible::Description).startsWith(u("Щелчок открывает"))) << n;
        EXPECT_EQ(QStringList{QAccessibleActionInterface::pressAction()},
                  caption(n)->actionInterface()->actionNames())
            << n;
    }
    EXPECT_TRUE(caption(9)->actionInterface()->actionNames().isEmpty());
}

TEST_F(AccessibilityTest, TotalLineReadsTheCurrentTotalAndTheSumsItAddsUp) {
    QAccessibleInterface* total = caption(9);
    EXPECT_EQ(QAccessible::StaticText, total->role());
    EXPECT_EQ(u("Требуется плюшек: 0"), total->text(QAccessible::Name));
    EXPECT_EQ(u("Атрибуты: 0, навыки: 0, особенности: 0"), total->text(QAccessible::Description));
    showactive();
    player::clickinto(find<SpinField>("SpinEdit2"));
    player::retype("3");
    EXPECT_EQ(u("Требуется плюшек: 25"), total->text(QAccessible::Name));
    EXPECT_EQ(find<QLabel>("Label9")->text(), total->text(QAccessible::Name));
    EXPECT_EQ(u("Атрибуты: 25, навыки: 0, особенности: 0"), total->text(QAccessible::Description));
}

TEST_F(AccessibilityTest, TabStopsSpeakFieldsOneToSevenThenTablesOneToEight) {
    showactive();
    QStringList heard;
    for (int stop = 0; stop < 16; ++stop) {
        QAccessibleInterface* focus = accessible(QApplication::focusWidget());
        heard << focus->text(QAccessible::Name) + " | " + focus->text(QAccessible::Description);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    // A field is described by its price; a table's focus sits in its cell editor, which the
    // table describes: its name and its Insert.
    const auto field = [](int n) {
        return spinname(n) + " | " + u(kAttributeNames[n - 1]) +
               u(": значение 1, все по 1, прогрессирующая цена — 0 плюшек");
    };
    QStringList expected;
    for (int n = 1; n <= 7; ++n) expected << field(n);
    for (int n = 1; n <= 8; ++n) {
        expected << (n == 8 ? u("цена") : u("уровень")) + " | " + tablename(n) + ". " +
                        tabledescription(n);
    }
    expected << field(1);
    EXPECT_EQ(expected, heard);
}

TEST_F(AccessibilityTest, CellEditorIsNamedAfterItsRowAndFollowsNewRows) {
    showactive();
    form->setpickdialog(&taking);
    struct Case {
        int table;
        const char* name;
        const char* spec;
        const char* empty;
        const char* taken;
        const char* explained;
    };
    const Case cases[] = {
        {3, "Акробатика", "", "уровень", "Акробатика: уровень",
         "Акробатика (сложный): уровень 2, прогрессирующая цена — 6 плюшек"},
        {8, "Враг", "сосед", "цена", "Враг (сосед): цена", "Враг (сосед): 2 плюшки"},
    };
    for (const Case& c : cases) {
        ValueListEditor* view = table(c.table);
        QAccessibleInterface* editor = accessible(view->editor());
        EXPECT_EQ(QAccessible::EditableText, editor->role());
        EXPECT_EQ(u(c.empty), editor->text(QAccessible::Name));
        EXPECT_EQ(tablename(c.table) + ". " + tabledescription(c.table),
                  editor->text(QAccessible::Description));

        taking.next = [&c](AppState& s) {
            if (c.table == 8) {
                s.takenfeats.push_back({tocp1251(u(c.name)), tocp1251(u(c.spec)), 2});
            } else {
                s.takenskills.push_back({2, 2, tocp1251(u(c.name)), tocp1251(u(c.spec))});
            }
            return PickResult::Taken;
        };
        QTest::mouseClick(find<QWidget>(QString("Label%1").arg(c.table)), Qt::LeftButton);
        editor = accessible(view->editor());
        EXPECT_EQ(u(c.taken), editor->text(QAccessible::Name));
        // The row's own explanation, as its tooltip says it, between the two.
        EXPECT_EQ(tablename(c.table) + ". " + u(c.explained) + ". " + tabledescription(c.table),
                  editor->text(QAccessible::Description));
        EXPECT_EQ(u(c.explained), view->model()->index(0, 0).data(Qt::ToolTipRole).toString());
    }
}

TEST_F(AccessibilityTest, PressingACaptionOpensTheDialogNamedForItsMode) {
    showactive();
    struct Case {
        int caption;
        const char* list;
        const char* value;
        bool editions;
    };
    const Case cases[] = {
        {3, "Список навыков", "Уровень навыка", false},
        {8, "Список особенностей", "Цена особенности", true},
        {1, "Список навыков", "Уровень навыка", false},
    };
    for (const Case& c : cases) {
        pressinto(c.caption, [&] {
            std::vector<QAccessibleInterface*> found;
            focusables(accessible(dialog.get()), found);
            std::map<QString, QAccessibleInterface*> byname;
            for (QAccessibleInterface* iface : found) {
                EXPECT_FALSE(iface->text(QAccessible::Name).isEmpty()) << describe(iface);
                byname[iface->object()->objectName()] = iface;
            }
            ASSERT_TRUE(byname["ListBox1"] && byname["SpinEdit1"]);
            EXPECT_EQ(QAccessible::List, byname["ListBox1"]->role());
            EXPECT_EQ(u(c.list), byname["ListBox1"]->text(QAccessible::Name));
            EXPECT_EQ(QAccessible::SpinBox, byname["SpinEdit1"]->role());
            EXPECT_EQ(u(c.value), byname["SpinEdit1"]->text(QAccessible::Name));
            ASSERT_TRUE(byname["BitBtn1"] && byname["BitBtn2"]);
            EXPECT_EQ(QAccessible::Button, byname["BitBtn2"]->role());

            QStringList editions;
            for (const QAccessibleInterface* iface : found) {
                if (iface->role() == QAccessible::RadioButton) {
                    editions << iface->text(QAccessible::Name);
                    EXPECT_EQ(QAccessible::Grouping, iface->parent()->role());
                    EXPECT_EQ(u("Редакция правил"), iface->parent()->text(QAccessible::Name));
                }
            }
            EXPECT_EQ(c.editions ? u("ТЛ1 ТЛ2 ТЛ1М") : QString(), editions.join(' '));
            cancel();
        });
    }
    EXPECT_EQ(PickSource::skills(1), state.picksource);
}

TEST_F(AccessibilityTest, RefinementFieldReadsAsItsQuestion) {
    const QString question = u("Укажите конкретную область применения навыка Стрельба");
    SpecPrompt box(u("Уточнение навыка Стрельба"), question);
    QAccessibleInterface* field = accessible(box.findChild<QLineEdit*>("SpecEdit"));
    EXPECT_EQ(QAccessible::EditableText, field->role());
    EXPECT_EQ(question, field->text(QAccessible::Name));
}
