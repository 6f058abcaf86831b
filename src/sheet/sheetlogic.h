#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "appstate.h"
#include "pickresult.h"
#include "sheettext.h"
#include "sheetview.h"
#include "takenindex.h"

// Where an edit is going on when a command comes; the command counts it first as leaving
// it would, the focus staying.
struct Editing {
    enum class Kind { Attribute, Table };
    Kind kind;
    std::size_t index;
};

// The main window's handlers, written against SheetView over the state's sheet model: every
// edit the player makes arrives here, is kept in the model and counted, and what changed is
// shown through the view. Attributes and tables are numbered from 0, lines from 0.
class SheetLogic {
public:
    SheetLogic(AppState& state, SheetView& view);

    // Shows the whole sheet and counts it, as the menu bar reports itself built.
    void start();

    // An attribute field's text after a keystroke of the player's.
    void editattribute(std::size_t attribute, std::string text);
    void clickattribute(std::size_t attribute);
    // The up (+1) or down (-1) arrow: the value read, stepped and bounded to 1..5.
    void stepattribute(std::size_t attribute, int step);
    // The focus left the field: a value read outside 1..5, or a text that is no number, is
    // written as the value it reads as, bounded.
    void leaveattribute(std::size_t attribute);

    // A value cell's text after a keystroke; past the last line it starts a line of its own.
    void editcell(std::size_t table, std::size_t line, std::string_view value);
    // The focus left the table: its cells are cleaned up and counted.
    void leavetable(std::size_t table);

    // A block's caption clicked, or Insert pressed in its table while its cursor is on `line`:
    // the selection dialog opens, and a skill taken goes in at that line.
    void choosecaption(std::size_t block, std::size_t line);
    // How the dialog that choosecaption opened ended.
    void picked(PickResult result);

    void chooserule(AttrRule rule);
    void chooserule(SkillRule rule);

    void copysheet(std::optional<Editing> editing);
    // Rebuilds the sheet from a copied sheet's text, asking first over a sheet not at start.
    void pastesheet(std::optional<Editing> editing, std::string_view text);
    // Attributes back to 1, no rows, nothing taken; the rules stay. Asks first over a sheet
    // not at start.
    void newsheet();
    // The answer to the question the view was asked.
    void answer(bool yes);
    void help();
    void exit();

    // The attribute sum and the total line; also run by the dialog whenever it hides.
    void countpoints();

    // Puts `snapshot` in place of the sheet and counts it, without asking.
    void setsheet(SheetSnapshot snapshot);

    // Attributes at 1, no rows, nothing taken: nothing to lose by replacing the sheet.
    bool atstart() const;

    // What a table's line costs under the rules now, for its tooltip.
    std::string rowtip(std::size_t table, std::string_view line);

    const SheetModel& model() const { return state_.sheet; }

private:
    struct Replacing {
        SheetSnapshot sheet;
        // For a paste: what the text said of its total, and what the clean-up changed.
        std::optional<std::int32_t> written;
        std::vector<std::string> changes;
        // What the paste left out of the text.
        std::vector<std::string> notes;
    };

    void skillcount();
    // Leaving the feature table: its prices cleaned up and summed.
    void countfeatures();
    void showtotal();
    void leave(std::optional<Editing> editing);
    void replace(Replacing replacing, std::string_view question);
    void tellpasted(const Replacing& pasted);
    const TakenIndex& takenindex();

    AppState& state_;
    SheetView& view_;
    // The block and line of the dialog's opening, until it has ended.
    std::optional<std::pair<std::size_t, std::size_t>> picking_;
    // The sheet to put in place of this one once the player says yes.
    std::optional<Replacing> replacing_;
    // The tooltips' index of the taken skills, built again only after a take.
    std::optional<TakenIndex> takenindex_;
    std::size_t indexed_ = 0;
};

// `snapshot` as a fresh window shows it and copies it.
SheetCopy copyof(SheetSnapshot snapshot);

// What a window over `state` (a fresh one, its catalogues loaded) copies after pasting
// `text`; nothing when the paste is refused.
std::optional<SheetCopy> pastedcopy(AppState& state, std::string_view text);

// Whether a character typed into an attribute field is taken: digits, "+", "-", the
// decimal separator, control keys other than line ends.
bool attributekey(char32_t c, char32_t decimalpoint);
