#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "rules.h"
#include "sheetwords.h"

struct SheetWords;

// The menu bar of the sheet: every drop-down, sub-menu and item with its caption, its place
// and what choosing it does. The views build their menus from this table; the copy names
// the rules by its captions.

enum class MenuKind { Menu, Item, Separator };

enum class SheetCommand { NewSheet, CopySheet, PasteSheet, Exit, Help };

// What choosing an entry does: nothing of its own (a drop-down, a sub-menu, a separator), a
// command, or a price rule.
using MenuAction = std::variant<std::monostate, SheetCommand, AttrRule, SkillRule>;

struct MenuEntry {
    // The object name the views give it, for tests and assistive tools: "N11".
    std::string_view name;
    std::string_view caption;
    // Where in the caption the letter stands that chooses the entry from the keyboard,
    // unique among the entries of one place; -1 for none.
    int mnemonic;
    // The name of the drop-down or sub-menu holding the entry; empty for the menu bar.
    std::string_view place;
    MenuKind kind;
    MenuAction action;
    // As "Ctrl+Shift+C"; empty for none.
    std::string_view shortcut;
};

inline constexpr MenuEntry kMenu[] = {
    {"N1", words::kFile, 0, "", MenuKind::Menu, {}, ""},
    {"N9", words::kNewSheet, 0, "N1", MenuKind::Item, SheetCommand::NewSheet, "Ctrl+N"},
    {"N7", words::kCopySheet, 0, "N1", MenuKind::Item, SheetCommand::CopySheet, "Ctrl+Shift+C"},
    {"N8", words::kPasteSheet, 1, "N1", MenuKind::Item, SheetCommand::PasteSheet, "Ctrl+Shift+V"},
    {"N4", "-", -1, "N1", MenuKind::Separator, {}, ""},
    {"N5", words::kExit, 0, "N1", MenuKind::Item, SheetCommand::Exit, "Ctrl+X"},
    {"N2", words::kStartAttributes, 0, "", MenuKind::Menu, {}, ""},
    {"N111", words::kAllOne, 7, "N2", MenuKind::Menu, {}, ""},
    {"N11", words::kConstantUnit, 0, "N111", MenuKind::Item, AttrRule::Start1Constant, ""},
    {"N12", words::kProgressiveUnit, 1, "N111", MenuKind::Item, AttrRule::Start1Progressive, ""},
    {"N221", words::kAllTwo, 7, "N2", MenuKind::Menu, {}, ""},
    {"N21", words::kFixedUnit, 0, "N221", MenuKind::Item, AttrRule::Start2Fixed, ""},
    {"N13", words::kProgressiveUnit, 1, "N221", MenuKind::Item, AttrRule::Start2Progressive, ""},
    {"N3", words::kSkillPrice, 0, "", MenuKind::Menu, {}, ""},
    {"N14", words::kConstantSkill, 0, "N3", MenuKind::Item, SkillRule::Constant, ""},
    {"N121", words::kProgressiveSkill, 1, "N3", MenuKind::Item, SkillRule::Progressive, ""},
    {"N6", words::kHelp, 0, "", MenuKind::Item, SheetCommand::Help, ""},
};

// Whether `entry` shows a check mark under `prices`: a rule item when its rule is the one in
// force, a sub-menu when it holds that item.
bool menuchecked(const MenuEntry& entry, PriceRules prices);

// The captions from the menu bar down to the item of `rule`.
std::vector<std::string> rulepath(AttrRule rule);
std::vector<std::string> rulepath(SkillRule rule);

// The words a copy holds, for writing it and reading it back.
const SheetWords& sheetwords();
