#include "help.h"

#include <QMessageBox>
#include <QScreen>

#include "helptext.h"
#include "ui/encoding.h"
#include "ui/errorbox.h"

namespace {

// Centred on the screen, not over the window.
class HelpBox : public QMessageBox {
public:
    using QMessageBox::QMessageBox;

protected:
    void showEvent(QShowEvent* event) override {
        QMessageBox::showEvent(event);
        move(screen()->availableGeometry().center() - rect().center());
    }
};

}  // namespace

void showhelp(QWidget* parent) {
    HelpBox box(parent);
    box.setWindowTitle(apptitle());
    box.setIcon(QMessageBox::NoIcon);
    box.setTextFormat(Qt::PlainText);
    box.setText(fromcp1251(helptext()));
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}
