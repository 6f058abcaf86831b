#pragma once

#include <emscripten/val.h>

#include <memory>
#include <optional>
#include <string>

#include "pick/picklogic.h"
#include "pick/pickview.h"
#include "picklist.h"
#include "sheet/appstate.h"
#include "sheet/sheetlogic.h"
#include "sheet/sheetmenu.h"
#include "sheet/sheetview.h"

// The page's sheet: the sheet logic and the dialog logic over one state, their views made
// of calls to the page's script (`page`, an object of its methods). Every method is one
// thing the player does, run through one guard: an AppError, or any other exception, ends
// in the page's error box. Texts cross as UTF-16 here and are Windows-1251 inside.
class WebSheet : private SheetView, private PickView {
public:
    explicit WebSheet(emscripten::val page);
    ~WebSheet() override;

    // The bundled catalogues' bytes and the start sheet over them. A failure to read shows
    // its box and the sheet goes on with what was read before it, as the desktop's start.
    void start(const std::string& skills, const std::string& feats);
    // A player's own pair: read first, then a new sheet over it with the rules kept, asking
    // first over a sheet not at its start. A pair that fails to read changes nothing.
    void opencatalogues(const std::string& skills, const std::string& feats);

    void editattribute(int attribute, const std::u16string& text);
    void stepattribute(int attribute, int step);
    void leaveattribute(int attribute);
    void clickattribute(int attribute);
    void editcell(int table, int line, const std::u16string& value);
    void leavetable(int table);
    // What line `line` of a table costs, for its tooltip; empty past the last line.
    std::u16string rowtip(int table, int line);
    // A caption clicked, or Insert in its table with the cursor on `line`.
    void choosecaption(int block, int line);
    // A menu entry by its object name; `where` and `index` name the edit in progress:
    // "attribute" or "table" and its number, or "" for none.
    void choose(const std::string& name, const std::string& where, int index);
    void paste(const std::string& where, int index, const std::u16string& text);
    // The copy of the sheet as a link's fragment, handed to the page's putlink.
    void link(const std::string& where, int index);
    // Pastes the sheet a link's fragment holds; false for a fragment that is none of ours.
    bool openlink(const std::u16string& fragment);
    void answer(bool yes);

    // The selection dialog: a line clicked or chosen with the keys (a position), a double
    // click anywhere in the list, the search text, the value field's text, its arrow keys,
    // the field left, an edition, the buttons, the close box and the spec prompt's answer.
    void pickclick(int position);
    void pickdoubleclick();
    void picksearch(const std::u16string& text);
    void pickvalue(const std::u16string& text);
    void pickstep(int step);
    void pickfixup();
    void pickedition(int edition);
    void pickok();
    void pickcancel();
    void pickclose();
    void specgiven(const std::u16string& spec);

    // The rows of the list shown, the texts of rows [from, to) and the positions of the rows
    // shown, as a view into the module's memory, valid until the next call.
    int pickrows() const { return list_.rows(); }
    emscripten::val picktexts(int from, int to) const;
    emscripten::val pickshown() const;

private:
    struct Session;
    std::unique_ptr<Session> newsession();

    template <typename Action>
    void run(Action&& action);
    template <typename Action>
    void guarded(Action&& action);
    // The dialog hid during the last action: it counts, closes on the page, and the sheet
    // takes what it took.
    void endpick();
    void showerror(std::string_view message);
    void showcatalogues();
    void command(SheetCommand command, std::optional<Editing> editing);

    void showattribute(std::size_t attribute, const std::string& text) override;
    void explainattribute(std::size_t attribute, const std::string& tip) override;
    void showtable(std::size_t table, const Lines& lines, Cursor cursor) override;
    void explainrows() override;
    void showrules(PriceRules prices) override;
    void showtotal(const std::string& text, const std::string& tip) override;
    void ask(const std::string& question) override;
    void tell(BoxKind kind, const std::string& text) override;
    void openpick() override;
    void putclipboard(const std::string& text, const std::string& html) override;
    void showhelp(const std::string& text) override;
    void quit() override;

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

    void showlist();
    void showvalue();

    emscripten::val page_;
    std::unique_ptr<Session> session_;
    // A pair of catalogues read, waiting for the player's yes to replace the sheet.
    std::unique_ptr<Session> waiting_;

    PickList list_;
    std::string search_;
    std::string valuetext_ = "1";
    int lower_ = 1;
    int upper_ = 5;
    int edition_ = 0;
    bool hiding_ = false;
    // Set while a copy is made for a link: the copy's text stays here.
    std::optional<std::string> linked_;
};
