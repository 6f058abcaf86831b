#include <QApplication>

#include "sheet/appstate.h"
#include "ui/programwindows.h"

int main(int argc, char* argv[]) {
    // The program reads no command-line options, and neither may Qt (-reverse, -style,
    // -platform ...): it sees the program's name alone.
    static char fallbackname[] = "talvira";
    int qtargc = 1;
    char* qtargv[] = {argc > 0 && argv[0] != nullptr ? argv[0] : fallbackname, nullptr};
    QApplication app(qtargc, qtargv);
    AppState state;
    ProgramWindows windows(state);
    windows.form1.show();
    return app.exec();
}
