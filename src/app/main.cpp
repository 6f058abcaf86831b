#include <QApplication>

#include "sheet/appstate.h"
#include "ui/main/mainwindow.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    AppState state;
    // Builds the menu (the first sums), reads the catalogues and lays the window out.
    TForm1 form1(state);
    // The selection dialog comes next, created hidden and handed over with
    // form1.setpickdialog(...).
    form1.show();
    return app.exec();
}
