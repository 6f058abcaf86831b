#pragma once

#include <cstddef>
#include <string>

#include "kvline.h"
#include "rules.h"

enum class BoxKind { Information, Warning };

// Where a table's cursor goes when the logic has changed its lines: it stays on its row
// number, or goes to the first row.
enum class Cursor { Stay, First };

// What the sheet's logic needs of a window or page that shows the sheet: operations, not
// widgets. Texts are Windows-1251 bytes. What the player does reaches the logic through
// its operations; the view never echoes back what the logic showed.
class SheetView {
public:
    virtual ~SheetView() = default;

    // A text the logic wrote into an attribute field: a clamp, a paste, a new sheet.
    virtual void showattribute(std::size_t attribute, const std::string& text) = 0;
    // What an attribute field costs, as its tooltip.
    virtual void explainattribute(std::size_t attribute, const std::string& tip) = 0;
    // A table's lines after the logic changed them.
    virtual void showtable(std::size_t table, const Lines& lines, Cursor cursor) = 0;
    // What the rows cost may have changed (the rule, the taken skills): SheetLogic::rowtip
    // answers anew.
    virtual void explainrows() = 0;
    virtual void showrules(PriceRules prices) = 0;
    // The total line and the sums it adds up.
    virtual void showtotal(const std::string& text, const std::string& tip) = 0;

    // Asks yes or no; the view answers through SheetLogic::answer, at once or once the player
    // has. Nothing else reaches the logic meanwhile.
    virtual void ask(const std::string& question) = 0;
    virtual void tell(BoxKind kind, const std::string& text) = 0;
    // Opens the selection dialog over the state's picksource; the view reports how it ended
    // through SheetLogic::picked, at once or once it has closed.
    virtual void openpick() = 0;
    // The copy, as plain text and as an HTML table.
    virtual void putclipboard(const std::string& text, const std::string& html) = 0;
    virtual void showhelp(const std::string& text) = 0;
    // Ends the program.
    virtual void quit() = 0;
};
