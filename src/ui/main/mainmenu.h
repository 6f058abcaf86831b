#pragma once

#include <QString>
#include <vector>

#include "sheet/rules.h"
#include "sheet/sheetmenu.h"

class QAction;
class QActionGroup;
class QMenuBar;

// An entry of the menu that does something when chosen, and what it does.
struct MenuItem {
    QAction* action;
    MenuAction does;
};

// The menu bar MainMenu1, built once from the sheet's menu table with its captions, places
// and shortcuts. Every entry carries its name (N1, N111, ...) as object name, for tests and
// assistive tools. Each group of rules is one exclusive QActionGroup, and the marks show
// the rules the sheet has.
class MainMenu {
public:
    MainMenu() = default;
    MainMenu(const MainMenu&) = delete;
    MainMenu& operator=(const MainMenu&) = delete;

    void build(QMenuBar* menubar);
    // The items that do something, to be connected once.
    const std::vector<MenuItem>& items() const { return items_; }
    void showrules(PriceRules prices);

private:
    struct Built {
        const MenuEntry* entry;
        QAction* action;
    };
    std::vector<Built> built_;
    std::vector<MenuItem> items_;
};

// The caption an item shows: its text without the "&" that marks its mnemonic, "&&" read
// as one "&".
QString menucaption(const QAction& item);
