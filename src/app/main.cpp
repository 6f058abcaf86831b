#include <QApplication>

#include "sheet/appstate.h"
#include "ui/addskill/addskill.h"
#include "ui/main/mainwindow.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    AppState state;
    // Builds the menu (the first sums), reads the catalogues and lays the window out.
    TForm1 form1(state);
    TForm2 form2(state, [&form1] { form1.countpoints(); });
    form1.setpickdialog(&form2);
    form1.show();
    return app.exec();
}
