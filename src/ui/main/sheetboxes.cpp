#include "sheetboxes.h"

#include <QMessageBox>
#include <QPushButton>

#include "sheet/sheetwords.h"
#include "ui/encoding.h"
#include "ui/errorbox.h"
#include "ui/onscreen.h"

namespace {

int showbox(QMessageBox& box) {
    keeponscreen(&box);
    return box.exec();
}

}  // namespace

bool askreplace(QWidget* parent, const QString& question) {
    QMessageBox box(QMessageBox::Question, apptitle(), question, QMessageBox::NoButton, parent);
    QPushButton* yes = box.addButton(fromcp1251(words::kYes), QMessageBox::YesRole);
    QPushButton* no = box.addButton(fromcp1251(words::kNo), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
    showbox(box);
    return box.clickedButton() == yes;
}

void tellbox(QWidget* parent, BoxKind kind, const QString& text) {
    const auto icon = kind == BoxKind::Warning ? QMessageBox::Warning : QMessageBox::Information;
    QMessageBox box(icon, apptitle(), text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    showbox(box);
}
