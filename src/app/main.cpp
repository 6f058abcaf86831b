#include <QApplication>

#include "sheet/appstate.h"
#include "ui/programwindows.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    AppState state;
    ProgramWindows windows(state);
    windows.form1.show();
    return app.exec();
}
