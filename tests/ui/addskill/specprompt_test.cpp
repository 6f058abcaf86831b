// The prompt for a branched entry's spec text: "=" refused with a hint, 255 characters,
// Cancel gives nothing.
#include "ui/addskill/specprompt.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "pick/pickview.h"

namespace {

template <typename During>
QString ask(During during) {
    QTimer::singleShot(0, [during] {
        auto* prompt = qobject_cast<SpecPrompt*>(QApplication::activeModalWidget());
        ASSERT_NE(nullptr, prompt);
        during(*prompt);
    });
    return SpecPrompt::ask(nullptr, "caption", "prompt");
}

TEST(SpecPrompt, RefusesEqualSignsWithAHint) {
    QString hint;
    int limit = 0;
    const QString text = ask([&](SpecPrompt& prompt) {
        auto* edit = prompt.findChild<QLineEdit*>("SpecEdit");
        limit = edit->maxLength();
        EXPECT_TRUE(prompt.findChild<QLabel*>("SpecHint")->text().isEmpty());
        QTest::keyClicks(edit, "x=y");
        hint = prompt.findChild<QLabel*>("SpecHint")->text();
        QTest::keyClick(edit, Qt::Key_Return);
    });
    EXPECT_EQ("xy", text);
    EXPECT_TRUE(hint.contains('='));
    EXPECT_EQ(kSpecLimit, limit);
}

TEST(SpecPrompt, CancelAndCloseGiveNoText) {
    const auto cancel = [](SpecPrompt& prompt) {
        QTest::keyClicks(prompt.findChild<QLineEdit*>("SpecEdit"), "abc");
        QTest::mouseClick(prompt.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel),
                          Qt::LeftButton);
    };
    const auto close = [](SpecPrompt& prompt) {
        QTest::keyClicks(prompt.findChild<QLineEdit*>("SpecEdit"), "abc");
        prompt.close();
    };
    EXPECT_EQ("", ask(cancel));
    EXPECT_EQ("", ask(close));
}

}  // namespace
