#pragma once

#include <QDialog>
#include <functional>
#include <string>
#include <vector>

#include "pick/picklogic.h"
#include "pick/pickview.h"
#include "sheet/appstate.h"
#include "ui/pickdialog.h"

class QButtonGroup;
class QGroupBox;
class QLabel;
class QPushButton;
class LineList;
class SearchField;
class ValueField;

// The selection dialog: created once, hidden between openings. pick() opens it modally
// over the caller's picksource and returns the result (1 taken, 7 cancelled, 2 closed).
// countpoints runs once per opening, when the dialog first hides.
class TForm2 : public QDialog, public PickDialog, private PickView {
    Q_OBJECT
public:
    TForm2(AppState& state, std::function<void()> countpoints, QWidget* parent = nullptr);

    PickResult pick() override;
    // An opening without its modal run: sets the mode's texts and fills the list for the
    // state's picksource. pick() runs it, then the modal run.
    void FormShow();

    // Escape does not close the dialog.
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void createcontrols();
    void placecontrols();
    void connecthandlers();
    // The accessible names of the list and the value field follow Label1's text.
    void namecontrols();

    void setlines(std::vector<std::string> lines) override;
    void showlines(std::vector<int> positions) override;
    int selected() const override;
    std::string linetext(int position) const override;
    void setbounds(int lower, int upper) override;
    int value() const override;
    void setvalue(int value) override;
    int edition() const override;
    void showeditions(bool visible) override;
    void setcaption(const std::string& text) override;
    void setlabel1(const std::string& text) override;
    void setlabel2(const std::string& text) override;
    void setlisthint(const std::string& text) override;
    std::string searchtext() const override;
    void clearsearch() override;
    void promptspec(const std::string& caption, const std::string& prompt) override;
    void hidedialog() override;

    SearchField* search_;
    LineList* list_;
    ValueField* spin_;
    QLabel* label1_;
    QLabel* label2_;
    QGroupBox* radio_;
    QButtonGroup* editions_;
    QPushButton* ok_;
    QPushButton* cancel_;
    PickLogic logic_;
};
