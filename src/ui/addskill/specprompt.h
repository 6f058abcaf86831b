#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;

// The one-line prompt for a branched entry's spec text. It refuses "=", which would split
// the sheet's "key=value" row, with a beep and a visible hint; at most kSpecLimit characters.
class SpecPrompt : public QDialog {
    Q_OBJECT
public:
    SpecPrompt(const QString& caption, const QString& prompt, QWidget* parent = nullptr);

    // The typed text on OK; empty on Cancel or when closed.
    static QString ask(QWidget* parent, const QString& caption, const QString& prompt);

private:
    void refused();

    QLineEdit* edit_;
    QLabel* hint_;
};
