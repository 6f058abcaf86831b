#include "sheetlogic.h"

#include <algorithm>
#include <array>
#include <utility>

#include "catalogue/apperror.h"
#include "catalogue/intsyntax.h"
#include "helptext.h"
#include "sheet.h"
#include "sheetblocks.h"
#include "sheethtml.h"
#include "sheetmenu.h"
#include "sheettips.h"
#include "sheetwords.h"

namespace {

constexpr std::int32_t kFieldLowest = 1;
constexpr std::int32_t kFieldHighest = 5;
// How many of the clean-up's changes a box names.
constexpr std::size_t kChangesShown = 5;

// What an attribute field reads as: its integer, the lowest value for a text that is none.
std::int64_t fieldvalue(std::string_view text) { return parseint(text).value_or(kFieldLowest); }

std::string bounded(std::int64_t value) {
    return inttostr(
        static_cast<std::int32_t>(std::clamp<std::int64_t>(value, kFieldLowest, kFieldHighest)));
}

// A value as a player sees it in a change: the number, or the text in quotes.
std::string said(std::string_view value) {
    if (isinteger(value)) return std::string(value);
    return std::string(copywords::kOpen).append(value).append("»");
}

// "уровень 7 у «Фехтование» стал 5" for every line the clean-up changed.
void describechanges(const Lines& before, const Lines& after, bool prices,
                     std::vector<std::string>& changes) {
    for (std::size_t i = 0; i < before.size() && i < after.size(); ++i) {
        if (before[i] == after[i]) continue;
        changes.push_back(
            std::string(prices ? std::string_view(copywords::kPrice) : copywords::kLevel)
                .append(said(linevalue(before[i])))
                .append(words::kOf)
                .append(linekey(after[i]))
                .append(prices ? std::string_view(words::kBecameFeminine) : words::kBecame)
                .append(linevalue(after[i])));
    }
}

// The clean-up that leaving each table would make, and what it changed.
std::vector<std::string> cleanup(std::array<Lines, kTables>& tables) {
    std::vector<std::string> changes;
    for (std::size_t i = 0; i < kTables; ++i) {
        const Lines before = tables[i];
        if (i == kFeatureTable) {
            cleanprices(tables[i]);
        } else {
            cleanlevels(tables[i]);
        }
        describechanges(before, tables[i], i == kFeatureTable, changes);
    }
    return changes;
}

}  // namespace

SheetLogic::SheetLogic(AppState& state, SheetView& view) : state_(state), view_(view) {}

void SheetLogic::start() {
    for (std::size_t i = 0; i < kAttributes; ++i) view_.showattribute(i, state_.sheet.attrtexts[i]);
    for (std::size_t i = 0; i < kTables; ++i)
        view_.showtable(i, state_.sheet.tables[i], Cursor::First);
    view_.showrules(state_.sheet.prices);
    showtotal();
    countpoints();
    skillcount();
}

void SheetLogic::editattribute(std::size_t attribute, std::string text) {
    state_.sheet.attrtexts.at(attribute) = std::move(text);
    countpoints();
}

void SheetLogic::clickattribute(std::size_t) { countpoints(); }

void SheetLogic::stepattribute(std::size_t attribute, int step) {
    std::string& text = state_.sheet.attrtexts.at(attribute);
    text = bounded(fieldvalue(text) + step);
    view_.showattribute(attribute, text);
    countpoints();
}

void SheetLogic::leaveattribute(std::size_t attribute) {
    std::string& text = state_.sheet.attrtexts.at(attribute);
    const auto number = parseint(text);
    if (number && *number >= kFieldLowest && *number <= kFieldHighest) return;
    text = bounded(fieldvalue(text));
    view_.showattribute(attribute, text);
    countpoints();
}

void SheetLogic::editcell(std::size_t table, std::size_t line, std::string_view value) {
    editvalue(state_.sheet.tables.at(table), line, value);
}

void SheetLogic::leavetable(std::size_t table) {
    if (table == kFeatureTable) {
        countfeatures();
        return;
    }
    cleanlevels(state_.sheet.tables.at(table));
    view_.showtable(table, state_.sheet.tables[table], Cursor::Stay);
    skillcount();
}

void SheetLogic::choosecaption(std::size_t block, std::size_t line) {
    state_.picksource = kSheetBlocks.at(block).source;
    picking_.emplace(block, line);
    view_.openpick();
}

void SheetLogic::picked(PickResult result) {
    if (!picking_) return;
    const auto [block, line] = *picking_;
    picking_.reset();
    Lines& lines = state_.sheet.tables[block];
    // A result of 1 promises a new entry; an empty list would be the dialog's fault.
    const bool taken = result == PickResult::Taken;
    if (block == kFeatureTable) {
        if (!taken || state_.takenfeats.empty()) return;
        const TTakenFeat& feat = state_.takenfeats.back();
        lines.push_back(joinline(displaytext(feat), inttostr(feat.price)));
        view_.showtable(block, lines, Cursor::Stay);
        // The new price enters the total at once, counted as leaving the table counts it.
        countfeatures();
        return;
    }
    if (taken && !state_.takenskills.empty()) {
        const TTakenSkill& skill = state_.takenskills.back();
        insertrow(lines, line, displaytext(skill), inttostr(skill.level));
        view_.showtable(block, lines, Cursor::Stay);
    }
    skillcount();
}

void SheetLogic::chooserule(AttrRule rule) {
    state_.sheet.prices.attr = rule;
    view_.showrules(state_.sheet.prices);
    countpoints();
    skillcount();
}

void SheetLogic::chooserule(SkillRule rule) {
    state_.sheet.prices.skill = rule;
    view_.showrules(state_.sheet.prices);
    countpoints();
    skillcount();
}

void SheetLogic::copysheet(std::optional<Editing> editing) {
    // An edit in progress counts first, so that the copy, the tooltips and the total agree.
    leave(editing);
    const std::vector<SheetLine> lines = sheetlines(state_.sheet, takenindex(), totaltext(state_));
    view_.putclipboard(sheettext(lines), sheethtml(lines));
}

void SheetLogic::pastesheet(std::optional<Editing> editing, std::string_view text) {
    leave(editing);
    const SheetParse parsed = parsesheet(text, state_.catalogue, sheetwords());
    if (!parsed.sheet) {
        view_.tell(BoxKind::Warning, pasteproblemstext(parsed.problems));
        return;
    }
    Replacing pasted{snapshot(*parsed.sheet), parsed.sheet->total, {}, parsed.notes};
    // What hand-taking gives: the sheet as leaving each of its tables leaves it.
    pasted.changes = cleanup(pasted.sheet.tables);
    replace(std::move(pasted), words::kReplaceSheet);
}

void SheetLogic::newsheet() {
    SheetSnapshot start;
    start.prices = state_.sheet.prices;
    replace({std::move(start), std::nullopt, {}, {}}, words::kStartAnew);
}

void SheetLogic::replace(Replacing replacing, std::string_view question) {
    replacing_ = std::move(replacing);
    if (atstart()) {
        answer(true);
        return;
    }
    view_.ask(std::string(question));
}

void SheetLogic::answer(bool yes) {
    if (!replacing_) return;
    Replacing replacing = std::move(*replacing_);
    replacing_.reset();
    if (!yes) return;
    setsheet(std::move(replacing.sheet));
    if (replacing.written) tellpasted(replacing);
}

void SheetLogic::tellpasted(const Replacing& pasted) {
    std::string text(words::kPasted);
    const std::int32_t counted = total(state_);
    if (*pasted.written != counted) {
        text.append(words::kTextTotal)
            .append(inttostr(*pasted.written))
            .append(words::kCountedTotal)
            .append(inttostr(counted))
            .append(".");
    }
    if (!pasted.changes.empty()) {
        text.append("\n").append(words::kAsLeaving);
        const std::size_t shown = std::min(pasted.changes.size(), kChangesShown);
        for (std::size_t i = 0; i < shown; ++i)
            text.append(i > 0 ? ", " : "").append(pasted.changes[i]);
        if (pasted.changes.size() > shown)
            text.append(words::kAndMore).append(std::to_string(pasted.changes.size() - shown));
        text.append(".");
    }
    for (const std::string& note : pasted.notes) text.append("\n").append(note);
    if (text.size() > words::kPasted.size) view_.tell(BoxKind::Information, text);
}

void SheetLogic::help() { view_.showhelp(helptext()); }

void SheetLogic::exit() { view_.quit(); }

void SheetLogic::countpoints() {
    const SheetModel& sheet = state_.sheet;
    for (std::size_t i = 0; i < kAttributes; ++i) {
        view_.explainattribute(
            i, attrtip(kSheetBlocks[i].caption, sheet.attrtexts[i], sheet.prices.attr));
    }
    if (::countpoints(state_, sheet.attrtexts, sheet.prices.attr)) showtotal();
}

void SheetLogic::skillcount() {
    // The rows explain themselves by the rule and the taken skills that this count reads,
    // also when it fails.
    view_.explainrows();
    std::array<const Lines*, kAttributes> tables{};
    for (std::size_t i = 0; i < kAttributes; ++i) tables[i] = &state_.sheet.tables[i];
    ::skillcount(state_, tables, state_.sheet.prices.skill);
    showtotal();
}

void SheetLogic::countfeatures() {
    Lines& lines = state_.sheet.tables[kFeatureTable];
    const bool summed = featexit(state_, lines);
    view_.showtable(kFeatureTable, lines, Cursor::Stay);
    if (summed) showtotal();
}

void SheetLogic::showtotal() { view_.showtotal(totaltext(state_), sumstip(state_)); }

void SheetLogic::leave(std::optional<Editing> editing) {
    if (!editing) return;
    if (editing->kind == Editing::Kind::Attribute) {
        leaveattribute(editing->index);
    } else {
        leavetable(editing->index);
    }
}

void SheetLogic::setsheet(SheetSnapshot snapshot) {
    SheetModel& sheet = state_.sheet;
    sheet = std::move(static_cast<SheetModel&>(snapshot));
    // The taken lists begin anew: what the sheet no longer shows may be taken again.
    state_.takenskills = std::move(snapshot.takenskills);
    state_.takenfeats = std::move(snapshot.takenfeats);
    state_.lastpick.reset();
    takenindex_.reset();
    state_.attrpoints = state_.skillpoints = state_.featpoints = 0;
    view_.showrules(sheet.prices);
    for (std::size_t i = 0; i < kAttributes; ++i) view_.showattribute(i, sheet.attrtexts[i]);
    for (std::size_t i = 0; i < kTables; ++i) view_.showtable(i, sheet.tables[i], Cursor::First);
    // The features first: a skill level that is no number stops the skill count with its box.
    countfeatures();
    countpoints();
    showtotal();
    skillcount();
}

bool SheetLogic::atstart() const {
    const SheetModel& sheet = state_.sheet;
    const bool fields = std::all_of(sheet.attrtexts.begin(), sheet.attrtexts.end(),
                                    [](const std::string& text) { return text == "1"; });
    const bool tables = std::all_of(sheet.tables.begin(), sheet.tables.end(),
                                    [](const Lines& lines) { return lines.empty(); });
    return fields && tables && state_.takenskills.empty() && state_.takenfeats.empty();
}

std::string SheetLogic::rowtip(std::size_t table, std::string_view line) {
    if (table == kFeatureTable) return featrowtip(line);
    return skillrowtip(takenindex(), line, state_.sheet.prices.skill);
}

const TakenIndex& SheetLogic::takenindex() {
    // The list only grows between pastes, and an entry's name and spec never change: an
    // index built for the same number of entries still finds every one. Tooltips are asked
    // for on every keystroke in a cell, where building it anew would cost a recount.
    if (!takenindex_ || indexed_ != state_.takenskills.size()) {
        takenindex_.emplace(state_.takenskills);
        indexed_ = state_.takenskills.size();
    }
    return *takenindex_;
}

namespace {

// A window that nobody looks at: it keeps the copy and says yes.
class UnseenView : public SheetView {
public:
    std::string copied;
    bool refused = false;
    SheetLogic* logic = nullptr;

    void showattribute(std::size_t, const std::string&) override {}
    void explainattribute(std::size_t, const std::string&) override {}
    void showtable(std::size_t, const Lines&, Cursor) override {}
    void explainrows() override {}
    void showrules(PriceRules) override {}
    void showtotal(const std::string&, const std::string&) override {}
    void ask(const std::string&) override { logic->answer(true); }
    void tell(BoxKind kind, const std::string&) override { refused |= kind == BoxKind::Warning; }
    void openpick() override { logic->picked(PickResult::Cancelled); }
    void putclipboard(const std::string& text, const std::string&) override { copied = text; }
    void showhelp(const std::string&) override {}
    void quit() override {}
};

SheetCopy copied(AppState& state, SheetLogic& logic, UnseenView& view) {
    logic.copysheet(std::nullopt);
    return {view.copied, total(state)};
}

}  // namespace

SheetCopy copyof(SheetSnapshot snapshot) {
    AppState state;
    UnseenView view;
    SheetLogic logic(state, view);
    view.logic = &logic;
    logic.start();
    try {
        logic.setsheet(std::move(snapshot));
    } catch (const AppError&) {
        // As in the window, where the error box shows and the sum stays as it was.
    }
    return copied(state, logic, view);
}

std::optional<SheetCopy> pastedcopy(AppState& state, std::string_view text) {
    UnseenView view;
    SheetLogic logic(state, view);
    view.logic = &logic;
    try {
        logic.start();
        logic.pastesheet(std::nullopt, text);
    } catch (const AppError&) {
    }
    if (view.refused) return std::nullopt;
    return copied(state, logic, view);
}

bool attributekey(char32_t c, char32_t decimalpoint) {
    if (c == U'\r' || c == U'\n') return false;
    return (c >= U'0' && c <= U'9') || c == U'+' || c == U'-' || c == decimalpoint || c < 0x20 ||
           c == 0x7F;
}
