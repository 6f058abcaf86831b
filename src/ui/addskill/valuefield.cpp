#include "valuefield.h"

#include <algorithm>

#include "catalogue/intsyntax.h"
#include "ui/encoding.h"

int ValueField::typedvalue() const { return bounded(cleanText()); }

int ValueField::bounded(const QString& text) const {
    const auto typed = parseint(tocp1251(text));
    return typed ? std::clamp(*typed, minimum(), maximum()) : minimum();
}

QValidator::State ValueField::validate(QString& text, int& pos) const {
    const QValidator::State state = QSpinBox::validate(text, pos);
    if (state != QValidator::Invalid || !isinteger(tocp1251(text))) return state;
    return QValidator::Intermediate;
}

void ValueField::fixup(QString& text) const { text = QString::number(bounded(text)); }
