// The least a Qt Widgets program does at start-up: a main window with a menu bar, ended at
// its first paint like the program's start-up. Prints its peak memory in kB.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

#include "startupchild.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    // One menu, so that the bar has a text to lay out and draw.
    window.menuBar()->addMenu(QString::fromUtf8("Файл"))->addAction(QString::fromUtf8("Выход"));
    quitonfirstpaint(window);
    window.show();
    const int status = app.exec();
    return status == 0 && printpeakmemory() ? 0 : 1;
}
