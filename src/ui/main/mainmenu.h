#pragma once

#include <QString>
#include <array>
#include <string_view>

#include "sheet/prices.h"

class QAction;
class QMenuBar;

// The items of the menu bar MainMenu1 that the window acts on. Every item, drop-down and
// sub-menu carries its item name (N1, N111, ...) as object name.
struct MainMenu {
    QAction* N5 = nullptr;
    QAction* N6 = nullptr;
    // The marked items, in the order of RuleHandler::marks.
    std::array<QAction*, 8> marks{};

    // What the prices read: the marks of N11, N12, N21 and N14 as they stand.
    RuleMarks rulemarks() const;
};

inline constexpr std::array<std::string_view, 8> kMarkItems{"N11", "N12",  "N111", "N21",
                                                            "N13", "N221", "N14",  "N121"};

enum class Mark { Keep, On, Off };

// A rule item and the marks its click sets, in the order of kMarkItems.
struct RuleHandler {
    std::string_view item;
    std::array<Mark, 8> marks;
};

inline constexpr std::array<RuleHandler, 6> kRuleHandlers{{
    {"N11",
     {Mark::On, Mark::Off, Mark::On, Mark::Off, Mark::Off, Mark::Off, Mark::Keep, Mark::Keep}},
    {"N12",
     {Mark::Off, Mark::On, Mark::On, Mark::Off, Mark::Off, Mark::Off, Mark::Keep, Mark::Keep}},
    {"N21",
     {Mark::Off, Mark::Off, Mark::Off, Mark::On, Mark::Off, Mark::On, Mark::Keep, Mark::Keep}},
    {"N13",
     {Mark::Off, Mark::Off, Mark::Off, Mark::Off, Mark::On, Mark::On, Mark::Keep, Mark::Keep}},
    {"N14",
     {Mark::Keep, Mark::Keep, Mark::Keep, Mark::Keep, Mark::Keep, Mark::Keep, Mark::On, Mark::Off}},
    {"N121",
     {Mark::Keep, Mark::Keep, Mark::Keep, Mark::Keep, Mark::Keep, Mark::Keep, Mark::Off, Mark::On}},
}};

// Builds the whole tree with its captions, places, start marks and the Ctrl+X of N5.
MainMenu buildmainmenu(QMenuBar* menubar);

// The caption an item shows: its text without the "&" that marks its mnemonic, "&&" read
// as one "&".
QString menucaption(const QAction& item);

// One of the marked items by name; null for the others.
QAction* menuitem(const MainMenu& menu, std::string_view name);

void setmarks(const MainMenu& menu, const RuleHandler& handler);
