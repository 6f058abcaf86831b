#pragma once

#include <QObject>
#include <functional>

#include "eventlog.h"
#include "sheetchecks.h"
#include "soakrandom.h"

class QAbstractButton;
class QDialog;
class QListView;
class QRadioButton;
class QSpinBox;
class QWidget;
struct AppState;

// Acts on every modal window while it runs: the selection dialog gets a few random events
// of its own and is ended, the prompt of a branched entry gets a text and then OK, Отмена
// or its close box, and a message box is read and closed.
class DialogDriver : public QObject {
public:
    // `finish` ends an event: it closes it in the log and runs the checks.
    DialogDriver(QDialog& dialog, const AppState& state, SoakRandom& random, EventLog& log,
                 std::function<void(const Expect&)> finish);

    struct Counts {
        int openings = 0;
        int takes = 0;
        int prompts = 0;
    };
    const Counts& counts() const { return counts_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void onmodal(QWidget* window);
    void closebox(QWidget* box);
    void answerprompt(QDialog& prompt);
    void session();
    void act();

    void clickline();
    void listkey();
    void typevalue();
    void stepvalue();
    void pickedition();
    void doubleclickline();
    void doubleclickempty();
    void press(QAbstractButton* button, const QString& what);
    void enter(QWidget* target, const QString& what);
    void closebutton();
    void escape();

    // The number of entries taken so far, both lists together.
    std::size_t taken() const;
    // After an event that ends the opening: taken one entry or none, and the dialog hidden.
    void ended(std::size_t before, bool take, const QString& what);
    int lines() const;
    QPoint linepoint(int line) const;

    QDialog& dialog_;
    const AppState& state_;
    SoakRandom& random_;
    EventLog& log_;
    std::function<void(const Expect&)> finish_;
    QListView* list_;
    QSpinBox* value_;
    std::vector<QRadioButton*> editions_;
    QAbstractButton* ok_;
    QAbstractButton* cancel_;
    Counts counts_;
};
