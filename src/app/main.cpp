#include <QApplication>
#include <QMessageBox>

#include "app/programwindows.h"
#include "sheet/appstate.h"
#include "ui/encoding.h"
#include "ui/errorbox.h"

namespace {

// Said in UTF-8, since the codec that would turn the program's texts into letters is missing.
int nocodec() {
    QMessageBox::critical(nullptr, apptitle(),
                          QString::fromUtf8("В системе нет кодировки Windows-1251, в которой "
                                            "записаны каталоги и тексты программы. Программа "
                                            "не может работать и закрывается."));
    return 1;
}

}  // namespace

int main(int argc, char* argv[]) {
    // The program reads no command-line options, and neither may Qt (-reverse, -style,
    // -platform ...): it sees the program's name alone.
    static char fallbackname[] = "talvira";
    int qtargc = 1;
    char* qtargv[] = {argc > 0 && argv[0] != nullptr ? argv[0] : fallbackname, nullptr};
    QApplication app(qtargc, qtargv);
    if (!cp1251available()) return nocodec();
    AppState state;
    ProgramWindows windows(state);
    windows.form1.show();
    return app.exec();
}
