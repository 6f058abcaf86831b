#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "dialogdriver.h"
#include "eventlog.h"
#include "oracle.h"
#include "sheetchecks.h"
#include "shown.h"
#include "soakrandom.h"

class CaptionLabel;
class QAction;
class QDialog;
class QMainWindow;
class QWidget;
class SpinField;
class ValueListEditor;
struct AppState;

struct SoakReport {
    int events = 0;
    double seconds = 0;
    BoxCounts boxes;
    DialogDriver::Counts dialogs;
    int totalscompared = 0;
    oracle::TotalModel::Recomputed sums;
    int resizes = 0;
    // VmRSS in kB: after the warm-up, the most seen later, and at the end.
    long rsswarm = 0;
    long rssmost = 0;
    long rssend = 0;
    // Empty when every check held.
    std::string failure;
};

// Sends random events to the real main window and selection dialog and checks the sheet
// after each one.
class WindowSoak {
public:
    WindowSoak(QMainWindow& form, QDialog& dialog, const AppState& state, std::uint64_t start);

    // Runs until `events` events were sent or a check failed.
    SoakReport run(int events);

private:
    // What an event of the main window recomputes or opens.
    struct Done {
        bool skillcount = false;
        bool help = false;
        // A caption clicked, with what its table and the taken lists held before.
        int caption = 0;
        int rows = 0;
        std::size_t skills = 0;
        std::size_t feats = 0;
    };

    void step();
    Done act();
    Done typeinfocus();
    Done retype();
    Done editkey();
    Done updown();
    Done clickspin();
    Done clickspinbutton();
    Done clickcell();
    Done clickcell(ValueListEditor& table, int row, int column);
    Done repaircell();
    Done tab();
    Done clickcaption();
    Done chooseitem();
    Done resizewindow();

    // The focus went from `table` to another control of the window: the table was left, which
    // cleans its cells and recomputes its sum.
    void left(const Shown& shown, int table, Done& done);
    void checktake(const Done& done);
    void finish(const Shown& shown, const Expect& expect);

    void ensureactive();
    QWidget* focustarget() const;
    int focustable() const;
    bool focusinwindow() const;
    int keyedrows(int table) const;
    void samplememory(SoakReport& report, int warmup);

    QMainWindow& form_;
    const AppState& state_;
    SoakRandom random_;
    EventLog log_;
    WindowReader reader_;
    oracle::SkillNames names_;
    oracle::TotalModel model_;
    SheetChecks checks_;
    DialogDriver dialog_;
    std::array<SpinField*, 7> spins_{};
    std::array<ValueListEditor*, 8> tables_{};
    std::array<CaptionLabel*, 9> labels_{};
    int resizes_ = 0;
    bool retypenext_ = false;
    int nextsample_ = 0;
};
