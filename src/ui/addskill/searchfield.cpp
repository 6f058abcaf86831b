#include "searchfield.h"

#include <QKeyEvent>

#include "pick/pickwords.h"
#include "ui/encoding.h"

SearchField::SearchField(QWidget* parent) : QLineEdit(parent) {
    setPlaceholderText(fromcp1251(pickwords::kSearch));
    setAccessibleName(fromcp1251(pickwords::kSearch));
}

void SearchField::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
        if (key == Qt::Key_Down || key == Qt::Key_Return || key == Qt::Key_Enter) {
            emit tolist();
            return;
        }
        if (key == Qt::Key_Escape && !text().isEmpty()) {
            clear();
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}
