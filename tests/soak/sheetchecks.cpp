#include "sheetchecks.h"

#include <algorithm>

#include "sheet/appstate.h"

void SheetChecks::after(const Shown& shown, const std::vector<SeenBox>& seen, const Expect& expect,
                        const oracle::TotalModel& model) {
    marks(shown.marks);
    boxes(seen, expect);
    attrs(shown);
    keys(shown);
    total(shown, model);
}

void SheetChecks::marks(const QSet<QString>& checked) {
    const auto on = [&checked](const char* name) { return int{checked.contains(name)}; };
    const int attrrules = on("N11") + on("N12") + on("N21") + on("N13");
    const bool held = attrrules == 1 && on("N111") == (on("N11") || on("N12")) &&
                      on("N221") == (on("N21") || on("N13")) && on("N14") + on("N121") == 1;
    if (held) return;
    QStringList names(checked.begin(), checked.end());
    names.sort();
    log_.fail("the menu marks broke their rules: checked " + names.join(' '));
}

void SheetChecks::boxes(const std::vector<SeenBox>& seen, const Expect& expect) {
    BoxCounts here;
    for (const SeenBox& box : seen) {
        switch (boxkind(box)) {
            case SeenBoxKind::Integer:
                ++here.integer;
                if (expect.integerbox && box.text != *expect.integerbox) {
                    log_.fail("the box read \"" + box.text + "\" instead of \"" +
                              *expect.integerbox + '"');
                }
                break;
            case SeenBoxKind::Index:
                ++here.index;
                break;
            case SeenBoxKind::Help:
                ++here.help;
                break;
            case SeenBoxKind::Other:
                log_.fail("an unexpected box came up: \"" + box.text + '"');
                break;
        }
    }
    if ((here.integer > 0) != expect.integerbox.has_value()) {
        log_.fail(expect.integerbox
                      ? "no box for the failed skill sum: " + *expect.integerbox
                      : "a conversion error came up where no sum failed: " + seen.front().text);
    }
    if (here.index != static_cast<int>(expect.indexbox)) {
        log_.fail(QStringLiteral("%1 index error boxes where %2 were due")
                      .arg(here.index)
                      .arg(static_cast<int>(expect.indexbox)));
    }
    if (here.help != static_cast<int>(expect.helpbox)) log_.fail("the help box did not behave");
    counts_.integer += here.integer;
    counts_.index += here.index;
    counts_.help += here.help;
}

void SheetChecks::attrs(const Shown& shown) {
    // Only the field being typed in may hold a text other than 1..5: leaving it writes that.
    for (std::size_t i = 0; i < shown.attrs.size(); ++i) {
        if (static_cast<int>(i) == shown.focusedattr) continue;
        const auto value = oracle::integer(shown.attrs[i]);
        if (!value || *value < 1 || *value > 5) {
            log_.fail(QStringLiteral("SpinEdit%1 reads \"%2\" without the focus")
                          .arg(i + 1)
                          .arg(shown.attrs[i]));
        }
    }
}

void SheetChecks::keys(const Shown& shown) {
    for (std::size_t t = 0; t < 7; ++t) {
        for (const ShownRow& row : shown.tables[t]) {
            if (row.key.isEmpty()) continue;
            const auto skill = names_.find(row.key);
            if (skill && skill->attr == static_cast<int>(t) + 1) continue;
            log_.fail(QStringLiteral("ValueListEditor%1 holds \"%2\", no skill of its attribute")
                          .arg(t + 1)
                          .arg(row.key));
        }
    }
}

void SheetChecks::total(const Shown& shown, const oracle::TotalModel& model) {
    const auto expected = model.expectedtotal(shown);
    if (!expected) return;
    ++totals_;
    if (*expected != shown.total) {
        log_.fail("the total line reads \"" + shown.total + "\", the sheet makes \"" + *expected +
                  "\" (" + model.parts(shown) +
                  QStringLiteral("; the program holds %1, %2 and %3)")
                      .arg(state_.attrpoints)
                      .arg(state_.skillpoints)
                      .arg(state_.featpoints));
    }
}

void SheetChecks::cleaned(const Shown& shown, int table) {
    const bool features = table == 8;
    for (const ShownRow& row : shown.tables[static_cast<std::size_t>(table) - 1]) {
        if (row.value.isEmpty()) return;
        const auto value = oracle::integer(row.value);
        if (value && (features || *value <= 5)) continue;
        log_.fail(QStringLiteral("leaving ValueListEditor%1 left \"%2\" in a cell")
                      .arg(table)
                      .arg(row.value));
        return;
    }
}
