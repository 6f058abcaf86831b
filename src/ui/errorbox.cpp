#include "errorbox.h"

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>

#include "encoding.h"
#include "onscreen.h"

QString apptitle() {
    const QString name = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    const QString base = name.section(QLatin1Char('.'), 0, 0);
    if (base.isEmpty()) return base;
    return base.left(1) + base.mid(1).toLower();
}

QString errorboxtext(std::string_view message) { return fromcp1251(errortext(message)); }

void showerror(std::string_view message) {
    QMessageBox box(QMessageBox::Critical, apptitle(), errorboxtext(message), QMessageBox::Ok,
                    QApplication::activeWindow());
    keeponscreen(&box);
    box.exec();
}
