#pragma once

#include <QMainWindow>
#include <array>
#include <cstddef>
#include <filesystem>
#include <optional>

#include "mainmenu.h"
#include "sheet/appstate.h"
#include "sheet/sheettext.h"
#include "sheet/takenindex.h"
#include "sheetblocks.h"

class CaptionLabel;
class PickDialog;
class SheetArea;
class SpinField;
class ValueListEditor;

// The main window: seven attribute blocks, the feature block, the total line and the menu.
// Every handler reads what the controls show at that moment and hands it to the sheet.
class TForm1 : public QMainWindow {
    Q_OBJECT

public:
    // Reads the catalogues from `catalogues` while it is created.
    explicit TForm1(AppState& state, const std::filesystem::path& catalogues = ".",
                    QWidget* parent = nullptr);

    // Clicking a caption does nothing until the selection dialog is set.
    void setpickdialog(PickDialog* dialog) { pickdialog_ = dialog; }

    // The attribute sum and the total line; also run by the dialog whenever it hides.
    void countpoints();
    void skillcount();

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
    void explainrows();
    void settaborder();
    void placewindow();

    void MainMenu1Change();
    void FormCreate(const std::filesystem::path& catalogues);
    void FormResize();
    void ValueListEditorExit(ValueListEditor& table);
    void ValueListEditor8Exit();
    void attrclick(const Block& block);
    void Label8Click();
    // After a rule item has set its marks.
    void ruleclick();
    void N7Click();
    // "Вставить лист": the sheet a copied text describes, or nothing changed.
    void N8Click();
    // "Новый лист": the start state, the rules staying.
    void N9Click();
    void N5Click();
    void N6Click();

    // Every field at 1, every table and taken list empty.
    bool atstart() const;
    // Puts `snapshot` on the sheet in place of what it shows, then counts it.
    void setsheet(SheetSnapshot snapshot);
    // The window's own words, as a copy writes them.
    SheetWords words() const;

    // Commits the edit in progress as leaving its field or table would, the focus staying.
    void commitedit();
    void writetotal();
    const TakenIndex& takenindex();
    const Block& features() const { return blocks_.back(); }

    AppState& state_;
    PickDialog* pickdialog_ = nullptr;
    SheetArea* sheet_;
    std::array<Block, kSheetBlocks.size()> blocks_{};
    // Label9.
    CaptionLabel* total_ = nullptr;
    MainMenu menu_;
    // The row tooltips' index of the taken skills, built again only after a take.
    std::optional<TakenIndex> takenindex_;
    std::size_t indexed_ = 0;
};
