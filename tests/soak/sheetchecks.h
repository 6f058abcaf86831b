#pragma once

#include <QString>
#include <array>
#include <optional>
#include <vector>

#include "eventlog.h"
#include "oracle.h"
#include "shown.h"

struct AppState;

// What one event must have shown in boxes; nothing else may come up.
struct Expect {
    // The integer conversion error of a failed skill sum, shown at least once.
    std::optional<QString> integerbox;
    bool indexbox = false;
    bool helpbox = false;
};

struct BoxCounts {
    int integer = 0;
    int index = 0;
    int help = 0;
};

// The checks after every event. Each failure goes to the log.
class SheetChecks {
public:
    // `state` only names the program's own partial sums in a failure report.
    SheetChecks(const oracle::SkillNames& names, const AppState& state, EventLog& log)
        : names_(names), state_(state), log_(log) {}

    void after(const Shown& shown, const std::vector<SeenBox>& boxes, const Expect& expect,
               const oracle::TotalModel& model);

    // After focus left a table: the clean-up of its cells up to the first empty one.
    void cleaned(const Shown& shown, int table);

    const BoxCounts& boxes() const { return counts_; }
    int totalscompared() const { return totals_; }

private:
    void marks(const QSet<QString>& checked);
    void boxes(const std::vector<SeenBox>& boxes, const Expect& expect);
    void attrs(const Shown& shown);
    void keys(const Shown& shown);
    void total(const Shown& shown, const oracle::TotalModel& model);

    const oracle::SkillNames& names_;
    const AppState& state_;
    EventLog& log_;
    BoxCounts counts_;
    int totals_ = 0;
};
