#pragma once

#include <string>
#include <vector>

#include "catalogue/apperror.h"

// The longest spec a branched entry may be given.
inline constexpr int kSpecLimit = 255;

// What the selection dialog's logic needs of its window: operations, not widgets. Texts
// are Windows-1251 bytes.
class PickView {
public:
    virtual ~PickView() = default;

    // Replaces every line of the list; afterwards no line is selected and every line shows.
    // Positions count the lines given here, whichever of them show.
    virtual void setlines(std::vector<std::string> lines) = 0;
    // Shows only the lines at `positions`, in list order.
    virtual void showlines(std::vector<int> positions) = 0;
    // The selected position, -1 for none.
    virtual int selected() const = 0;
    // Throws listindexerror(position) for a position that holds no line.
    virtual std::string linetext(int position) const = 0;

    // The value field reads within its bounds at all times: a value set or carried over
    // outside them is brought to the nearest bound, a text that is no number reads as the
    // lower bound.
    virtual void setbounds(int lower, int upper) = 0;
    virtual int value() const = 0;
    virtual void setvalue(int value) = 0;

    // Rules edition 0 "ТЛ1", 1 "ТЛ2", 2 "ТЛ1М".
    virtual int edition() const = 0;
    virtual void showeditions(bool visible) = 0;

    virtual void setcaption(const std::string& text) = 0;
    virtual void setlabel1(const std::string& text) = 0;
    virtual void setlabel2(const std::string& text) = 0;
    virtual void setlisthint(const std::string& text) = 0;

    // The search field above the list.
    virtual std::string searchtext() const = 0;
    virtual void clearsearch() = 0;

    // Opens the modal one-line prompt of at most kSpecLimit characters. The view answers,
    // now or once the player has, with PickLogic::specgiven: the typed text on OK, empty on
    // Cancel or close.
    virtual void promptspec(const std::string& caption, const std::string& prompt) = 0;

    // Ends the modal run: the logic has set its result and the window is to hide.
    virtual void hidedialog() = 0;
};

inline AppError listindexerror(int position) {
    return AppError("List index out of bounds (" + std::to_string(position) + ")");
}
