#pragma once

#include <QLineEdit>

// The dialog's search field. Down or Enter hands the keyboard to the list instead of
// pressing OK; Escape empties a field that holds text and is the dialog's in an empty one.
class SearchField : public QLineEdit {
    Q_OBJECT
public:
    explicit SearchField(QWidget* parent = nullptr);

signals:
    void tolist();

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
