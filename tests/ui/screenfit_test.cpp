// Every window of the program lies inside the available area of its screen, frame included:
// the main window, the selection dialog, the error box, the spec prompt and the help box. The
// table runs that check in a process of its own for each screen size and scale factor the
// offscreen platform is given; run alone, it checks the platform's default screen.
#include <gtest/gtest.h>

#include <QAbstractItemModel>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QListView>
#include <QMenuBar>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <functional>
#include <optional>

#include "app/programwindows.h"
#include "sheet/appstate.h"

namespace {

QRect area(const QWidget* window) { return window->screen()->availableGeometry(); }

bool inside(const QWidget* window) { return area(window).contains(window->frameGeometry()); }

// Once the next modal window is up and placed, checks it and hands it to `then`.
void whenplaced(const std::function<void(QWidget*)>& then) {
    QWidget* const before = QApplication::activeModalWidget();
    QTimer::singleShot(0, [before, then] {
        QWidget* modal = nullptr;
        ASSERT_TRUE(QTest::qWaitFor([&] {
            modal = QApplication::activeModalWidget();
            return modal != nullptr && modal != before && modal->isVisible();
        }));
        // The placing that the showing posted.
        QCoreApplication::sendPostedEvents();
        EXPECT_TRUE(QTest::qWaitFor([modal] { return inside(modal); }, 2000))
            << modal->objectName().toStdString() << " crosses an edge of the screen";
        then(modal);
    });
}

// Where a window stood as the window system was first told to show it.
class FirstShown : public QObject {
public:
    explicit FirstShown(const char* name) : name_(QString::fromLatin1(name) + "Window") {
        qApp->installEventFilter(this);
    }
    std::optional<QRect> place;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* window = qobject_cast<QWindow*>(watched);
        if (event->type() == QEvent::Show && window != nullptr && !place &&
            window->objectName() == name_) {
            place = window->geometry();
        }
        return false;
    }

private:
    QString name_;
};

TEST(ScreenFit, EveryWindowLiesInsideItsScreen) {
    AppState state;
    ProgramWindows windows(state, TALVIRA_CATALOGUES);
    TForm1& form = windows.form1;
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    ASSERT_TRUE(QTest::qWaitFor([&] { return inside(&form); }, 2000));
    const QLabel* total = form.findChild<QLabel*>("Label9");
    EXPECT_TRUE(form.centralWidget()->rect().contains(total->geometry()));

    TForm2& dialog = windows.form2;
    auto* list = dialog.findChild<QListView*>("ListBox1");
    whenplaced([&](QWidget*) {
        whenplaced([](QWidget* box) { qobject_cast<QMessageBox*>(box)->accept(); });
        const QPoint below(4, list->viewport()->height() - 4);  // no line there: an error
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, below);
        QAbstractItemModel* lines = list->model();
        int branched = 0;
        while (!lines->index(branched, 0).data().toString().contains("разветвленный")) ++branched;
        const QRect line = list->visualRect(lines->index(branched, 0));
        whenplaced([](QWidget* prompt) { QTest::keyClick(prompt, Qt::Key_Escape); });
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, line.center());
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, line.center());
    });
    QTest::mouseClick(form.findChild<QLabel*>("Label4"), Qt::LeftButton);
    EXPECT_EQ(1u, state.takenskills.size());

    // The help box is never shown anywhere else first, however busy the machine.
    FirstShown helpshown("HelpBox");
    QRect helpplaced;
    whenplaced([&helpplaced](QWidget* box) {
        helpplaced = box->geometry();
        auto* ok = box->findChild<QPushButton*>();
        EXPECT_TRUE(box->rect().contains(QRect(ok->mapTo(box, QPoint()), ok->size())));
        QTest::mouseClick(ok, Qt::LeftButton);
    });
    // Off the middle, where a dialog would centre itself over it; wide enough for its menu.
    form.setGeometry(QRect(area(&form).topLeft(), QSize(form.menuBar()->sizeHint().width(), 240)));
    auto* help = form.findChild<QAction*>("N6");
    QTest::mouseClick(form.menuBar(), Qt::LeftButton, {},
                      form.menuBar()->actionGeometry(help).center());
    ASSERT_TRUE(helpshown.place);
    EXPECT_EQ(helpplaced, *helpshown.place);
}

TEST(ScreenFit, EveryScreenSizeAndScaleFactor) {
    // Named relative to the working folder: the platform's options are split at ":", which
    // a Windows path holds after its drive letter.
    QTemporaryDir dir(QDir::currentPath() + "/screenfit-XXXXXX");
    const QDir here = QDir::current();
    for (const QSize size : {QSize(1024, 600), QSize(1366, 768), QSize(1920, 1080)}) {
        for (const int dpi : {96, 120, 144, 192}) {
            const QString config = dir.filePath(QString("%1-%2.json").arg(size.width()).arg(dpi));
            QFile file(config);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(QString(R"({"screens": [{"name": "s", "width": %1, "height": %2,)"
                               R"( "logicalDpi": %3, "logicalBaseDpi": 96}]})")
                           .arg(size.width())
                           .arg(size.height())
                           .arg(dpi)
                           .toUtf8());
            file.close();
            QProcess child;
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.insert("QT_QPA_PLATFORM",
                               "offscreen:configfile=" + here.relativeFilePath(config));
            child.setProcessEnvironment(environment);
            child.setProcessChannelMode(QProcess::MergedChannels);
            child.start(QCoreApplication::applicationFilePath(),
                        {"--gtest_filter=ScreenFit.EveryWindowLiesInsideItsScreen"});
            ASSERT_TRUE(child.waitForFinished(60000));
            EXPECT_EQ(0, child.exitCode())
                << size.width() << "x" << size.height() << " at " << dpi / 96.0 << ":\n"
                << child.readAll().toStdString();
        }
    }
}

}  // namespace
