#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <QTest>
#include <memory>

#include "sheet/appstate.h"
#include "ui/main/mainwindow.h"
#include "ui/main/valuelisteditor.h"

// A main window under test: the derived fixture creates `form`; this finds its controls by
// name and brings it up active.
class WindowFixture : public testing::Test {
protected:
    void showactive() {
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }

    template <typename T>
    T* find(const QString& name) {
        T* found = form->findChild<T*>(name);
        EXPECT_NE(nullptr, found) << name.toStdString();
        return found;
    }
    ValueListEditor* table(int n) {
        return find<ValueListEditor>(QString("ValueListEditor%1").arg(n));
    }

    AppState state;
    std::unique_ptr<TForm1> form;
};
