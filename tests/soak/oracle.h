#pragma once

#include <QHash>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

#include "shown.h"

struct TSkillRec;

// The sheet's arithmetic worked out a second time, apart from src/sheet, so that the soak
// can tell what the total line must read from what the widgets show.
namespace oracle {

// The integer text syntax: leading blanks, then a signed decimal in 32 bits or a "$", "x",
// "X", "0x", "0X" prefixed hex number of at most 8 significant digits.
std::optional<std::int32_t> integer(const QString& text);

enum class AttrRule { Start1Constant, Start1Progressive, Start2Fixed, Start2Progressive };

// The first checked of N11, N12, N21 decides; none of them is the rule N13 selects.
AttrRule attrrule(const QSet<QString>& marks);
bool constantskills(const QSet<QString>& marks);

std::int32_t attrprice(AttrRule rule, std::int32_t value);
std::int32_t skillprice(bool constant, std::int32_t level, std::int32_t unitprice);

// The catalogue skill a table row's key names: its name, or name + " (" + text + ")".
struct SkillOfRow {
    int attr = 0;
    int unitprice = 0;
};

class SkillNames {
public:
    explicit SkillNames(const std::vector<TSkillRec>& skills);
    std::optional<SkillOfRow> find(const QString& key) const;

private:
    QHash<QString, SkillOfRow> byname_;
};

// A skill sum either comes out or fails on the first level text that is no integer.
struct SkillSum {
    std::optional<std::int32_t> sum;
    QString failing;
};

// Nothing while an attribute text is no integer.
std::optional<std::int32_t> attrsum(const Shown& shown);
SkillSum skillsum(const Shown& shown, const SkillNames& names);
// Nothing when a price cell is empty (the table's empty row included). Every sum is exact,
// then bounded to 32 bits.
std::optional<std::int32_t> featsum(const std::vector<ShownRow>& rows);

// When each partial sum is recomputed, and so what the total line must read.
//
// The attribute sum needs no history: every change of an attribute text recomputes it, and
// so do the menu's rule items, the only way to change the marks. So whenever all seven
// texts are integers, the last recomputation saw exactly the texts and marks shown now, and
// the attribute part of the total is attrsum(now). While one text is no integer the
// attribute part is unknown, and the total is not compared.
//
// The skill sum is recomputed only by a rule item, by a caption click of an attribute (after
// the dialog) and by leaving a skill table (after its clean-up); typing into a level cell
// does not. The model keeps the last value and, after each of those events, recomputes it
// from the cells shown afterwards: nothing changes the cells between the recomputation and
// the end of the event. A level text that is no integer fails the recomputation with a box
// naming the first such cell, and the old value stays.
//
// The feature sum is recomputed only when focus leaves the feature table and after a
// feature take, over the cells as cleaned; an empty price cell anywhere leaves the old value.
//
// A table counts as left when the focus was inside it before the event and on another
// control of the main window after it; dialogs, boxes and the menu do not take it away.
class TotalModel {
public:
    explicit TotalModel(const SkillNames& names) : names_(names) {}

    // After an event that recomputed the skill sum; the text of the box it must have shown
    // when it failed.
    std::optional<QString> skillsrecomputed(const Shown& shown);
    void featuresleft(const Shown& shown);

    // "Требуется плюшек: " and the total; nothing while an attribute text is no integer.
    std::optional<QString> expectedtotal(const Shown& shown) const;
    // The parts of the expected total, for a failure report.
    QString parts(const Shown& shown) const;

    // How often each sum was recomputed, to tell how much of the run the total line covered.
    struct Recomputed {
        int skills = 0;
        int skillsfailed = 0;
        int features = 0;
    };
    const Recomputed& recomputed() const { return recomputed_; }

private:
    const SkillNames& names_;
    std::int32_t skills_ = 0;
    std::int32_t features_ = 0;
    Recomputed recomputed_;
};

}  // namespace oracle
