#pragma once

#include <QMainWindow>
#include <array>
#include <cstddef>
#include <filesystem>
#include <optional>

#include "mainmenu.h"
#include "sheet/appstate.h"
#include "sheet/sheetblocks.h"
#include "sheet/sheetlogic.h"
#include "sheet/sheetview.h"

class CaptionLabel;
class PickDialog;
class SheetArea;
class SpinField;
class ValueListEditor;

// The main window: a view of the sheet logic. It builds the seven attribute blocks, the
// feature block, the total line and the menu, hands what the player does to the logic and
// shows what the logic tells it.
class TForm1 : public QMainWindow, private SheetView {
    Q_OBJECT

public:
    // Reads the catalogues from `catalogues` while it is created.
    explicit TForm1(AppState& state, const std::filesystem::path& catalogues = ".",
                    QWidget* parent = nullptr);

    // Clicking a caption does nothing until the selection dialog is set.
    void setpickdialog(PickDialog* dialog) { pickdialog_ = dialog; }

    // The attribute sum and the total line; run by the dialog whenever it hides.
    void countpoints();

private:
    // The controls the window built for one block of the sheet; `field` is null for the
    // features, which have none.
    struct Block {
        const SheetBlock* spec = nullptr;
        CaptionLabel* caption = nullptr;
        SpinField* field = nullptr;
        ValueListEditor* table = nullptr;
    };

    void createcaptions();
    void createtotal();
    void createfields();
    void createtables();
    void connectblocks();
    void createmenu();
    void settaborder();
    void placewindow();
    void layoutsheet();

    void choosecaption(std::size_t block);
    void choose(const MenuAction& action);
    // The field or table whose edit a command counts first, and the view's side of that.
    std::optional<Editing> editing() const;
    void settle(std::optional<Editing> editing);

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

    SheetLogic logic_;
    AppState& state_;
    PickDialog* pickdialog_ = nullptr;
    SheetArea* sheet_;
    std::array<Block, kSheetBlocks.size()> blocks_{};
    // Label9.
    CaptionLabel* total_ = nullptr;
    MainMenu menu_;
};
