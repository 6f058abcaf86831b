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

QString errortext(std::string_view message) {
    std::string text(message);
    if (!text.empty() && static_cast<unsigned char>(text.back()) > '.') text += '.';
    return fromcp1251(text);
}

void showerror(std::string_view message) {
    QMessageBox box(QMessageBox::Critical, apptitle(), errortext(message), QMessageBox::Ok,
                    QApplication::activeWindow());
    keeponscreen(&box);
    box.exec();
}
