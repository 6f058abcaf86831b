#pragma once

#include <QSpinBox>

// The dialog's value field. It takes any whole number as typed and reads it brought within
// the bounds, with the program's own integer syntax; a text that is no number reads as the
// lower bound. Qt's correction when the focus leaves or Enter is pressed writes that same
// number, never another one (a stock spin box turned a typed 9 into 1).
class ValueField : public QSpinBox {
public:
    using QSpinBox::QSpinBox;

    // The text as it stands, which may be mid-edit.
    int typedvalue() const;

protected:
    QValidator::State validate(QString& text, int& pos) const override;
    void fixup(QString& text) const override;

private:
    int bounded(const QString& text) const;
};
