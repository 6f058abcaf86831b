#pragma once

#include <QMainWindow>
#include <array>
#include <cstddef>
#include <filesystem>
#include <optional>

#include "mainmenu.h"
#include "sheet/appstate.h"
#include "sheet/takenindex.h"

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
    void createcaptions();
    void createspinfields();
    void createtables();
    void createmenu();
    void explainrows();
    void settaborder();
    void placewindow();

    void MainMenu1Change();
    void FormCreate(const std::filesystem::path& catalogues);
    void FormResize();
    void ValueListEditorExit(ValueListEditor& table);
    void ValueListEditor8Exit();
    void attrclick(const CaptionLabel& caption);
    void Label8Click();
    // After a rule item has set its marks.
    void ruleclick();
    void N7Click();
    void N5Click();
    void N6Click();

    void writetotal();
    const TakenIndex& takenindex();

    AppState& state_;
    PickDialog* pickdialog_ = nullptr;
    SheetArea* sheet_;
    std::array<CaptionLabel*, 9> labels_{};
    std::array<SpinField*, 7> spins_{};
    std::array<ValueListEditor*, 8> tables_{};
    MainMenu menu_;
    // The row tooltips' index of the taken skills, built again only after a take.
    std::optional<TakenIndex> takenindex_;
    std::size_t indexed_ = 0;
};
