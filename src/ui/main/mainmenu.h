#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "sheet/prices.h"

class QAction;
class QMenuBar;
class QObject;

// A rule item of the menu and the price rule its check mark selects. Its click checks the
// item and its sub-menu (shown to the user alone) and unchecks every other item and
// sub-menu of its group.
template <typename Rule>
struct RuleItem {
    std::string_view item;
    Rule rule;
    // Empty for an item on a drop-down of the menu bar.
    std::string_view submenu;
};

// Each group in the order its marks are read: the first checked item decides, and the last
// one when none is checked.
inline constexpr RuleItem<AttrRule> kAttrRuleItems[] = {
    {"N11", AttrRule::Start1Constant, "N111"},
    {"N12", AttrRule::Start1Progressive, "N111"},
    {"N21", AttrRule::Start2Fixed, "N221"},
    {"N13", AttrRule::Start2Progressive, "N221"},
};
inline constexpr RuleItem<SkillRule> kSkillRuleItems[] = {
    {"N14", SkillRule::Constant, ""},
    {"N121", SkillRule::Progressive, ""},
};

// The item whose mark decides the rule of `group`; `checked` tells whether an item is checked.
template <typename Rule>
const RuleItem<Rule>& selecteditem(std::span<const RuleItem<Rule>> group,
                                   const std::function<bool(std::string_view)>& checked) {
    for (const RuleItem<Rule>& row : group) {
        if (checked(row.item)) return row;
    }
    return group.back();
}

// The rule the marks of `group` select.
template <typename Rule>
Rule selectedrule(std::span<const RuleItem<Rule>> group,
                  const std::function<bool(std::string_view)>& checked) {
    return selecteditem(group, checked).rule;
}

// The commands of the menu that the window answers, as build() hands them back.
struct MenuCommands {
    QAction* newsheet;
    QAction* copy;
    QAction* paste;
    QAction* exit;
    QAction* help;
};

// The menu bar MainMenu1, built once with its captions, places, start marks and shortcuts.
// Every item, drop-down and sub-menu carries its item name (N1, N111, ...) as object name, for
// tests and assistive tools; the menu keeps typed references to what it built. Its rule items'
// handlers refer to it, so it stays where it was built.
class MainMenu {
public:
    MainMenu() = default;
    MainMenu(const MainMenu&) = delete;
    MainMenu& operator=(const MainMenu&) = delete;

    MenuCommands build(QMenuBar* menubar);

    // What the prices read: the rules the marks select as they stand.
    PriceRules pricerules() const;
    // For the attribute rule, then the skill rule, the captions from the menu bar down to the
    // item whose mark decides it: "Стартовые атрибуты", "Все по 1 (ТЛ1)", "Прогрессирующая …".
    std::array<QStringList, 2> rulepaths() const;
    // Sets the marks as clicks on the items of these rules would, without their recompute.
    void setrules(PriceRules rules);
    // For every rule of each group, the captions from the menu bar down to its item.
    std::vector<std::pair<AttrRule, QStringList>> attrrulepaths() const;
    std::vector<std::pair<SkillRule, QStringList>> skillrulepaths() const;

    // Each rule item's click sets the marks of its group, then runs `recompute`.
    void onruleclick(QObject* context, const std::function<void()>& recompute);

private:
    // Any item by name; throws for a name the menu does not have.
    QAction* item(std::string_view name) const;
    QStringList captionpath(std::string_view name) const;
    bool checked(std::string_view name) const;
    template <typename Rule>
    void setmarks(const RuleItem<Rule>& clicked, std::span<const RuleItem<Rule>> group) const;
    template <typename Rule>
    std::vector<std::pair<Rule, QStringList>> grouppaths(
        std::span<const RuleItem<Rule>> group) const;
    template <typename Rule>
    void connectgroup(std::span<const RuleItem<Rule>> group, QObject* context,
                      const std::function<void()>& recompute);

    std::map<std::string, QAction*, std::less<>> items_;
};

// The caption an item shows: its text without the "&" that marks its mnemonic, "&&" read
// as one "&".
QString menucaption(const QAction& item);
