#include "programwindows.h"

#include <QApplication>
#include <QIcon>

namespace {

QIcon programicon() {
    QIcon icon;
    for (const char* size : {"32x32", "48x48", "64x64", "256x256"})
        icon.addFile(QString(":/icons/%1.png").arg(size));
    return icon;
}

}  // namespace

ProgramWindows::ProgramWindows(AppState& state, const std::filesystem::path& catalogues)
    : form1(state, catalogues), form2(state, [this] { form1.countpoints(); }) {
    // The icons are compiled into this static library, which the linker would otherwise drop.
    Q_INIT_RESOURCE(icons);
    QApplication::setWindowIcon(programicon());
    form1.setpickdialog(&form2);
}
