#include "mainmenu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <map>
#include <stdexcept>
#include <string>

namespace {

enum class Kind { Menu, Item, Separator };

struct MenuEntry {
    const char* name;
    const char* caption;
    // The letter of the caption that Alt (on the menu bar) or the key alone (in an open
    // drop-down) chooses the entry by; unique among the entries of one place.
    const char* mnemonic;
    // The drop-down or sub-menu holding the entry; empty for the menu bar.
    std::string_view place;
    Kind kind;
    bool checked;
};

// Display order.
constexpr MenuEntry kEntries[] = {
    {"N1", "Файл", "Ф", "", Kind::Menu, false},
    {"N9", "Новый лист", "Н", "N1", Kind::Item, false},
    {"N7", "Копировать лист", "К", "N1", Kind::Item, false},
    {"N8", "Вставить лист", "с", "N1", Kind::Item, false},
    {"N4", "-", "", "N1", Kind::Separator, false},
    {"N5", "Выход", "В", "N1", Kind::Item, false},
    {"N2", "Стартовые атрибуты", "С", "", Kind::Menu, false},
    {"N111", "Все по 1 (ТЛ1)", "1", "N2", Kind::Menu, true},
    {"N11", "Постоянная цена за единицу (ТЛ1)", "П", "N111", Kind::Item, false},
    {"N12", "Прогрессирующая цена за единицу (ТЛ1М)", "р", "N111", Kind::Item, true},
    {"N221", "Все по 2 (ТЛ2)", "2", "N2", Kind::Menu, false},
    {"N21", "Фиксированные цены за единицу (ТЛ2)", "Ф", "N221", Kind::Item, false},
    {"N13", "Прогрессирующая цена за единицу (ТЛ1М)", "р", "N221", Kind::Item, false},
    {"N3", "Цена навыков", "Ц", "", Kind::Menu, false},
    {"N14", "Постоянная (ТЛ1)", "П", "N3", Kind::Item, false},
    {"N121", "Прогрессирующая (ТЛ1М, ТЛ2)", "р", "N3", Kind::Item, true},
    {"N6", "Помощь", "П", "", Kind::Item, false},
};

// The caption with Qt's "&" before the first occurrence of its mnemonic; an "&" of the
// caption itself is doubled, so that it shows as it is.
QString markedcaption(const MenuEntry& entry) {
    QString caption = QString::fromUtf8(entry.caption);
    caption.replace(QLatin1Char('&'), QLatin1String("&&"));
    const qsizetype at = caption.indexOf(QString::fromUtf8(entry.mnemonic));
    if (*entry.mnemonic != '\0' && at >= 0) caption.insert(at, QLatin1Char('&'));
    return caption;
}

QAction* addentry(QMenuBar* menubar, QMenu* place, const MenuEntry& entry,
                  std::map<std::string, QMenu*>& menus) {
    const QString caption = markedcaption(entry);
    QAction* action = nullptr;
    switch (entry.kind) {
        case Kind::Menu: {
            QMenu* menu = place ? place->addMenu(caption) : menubar->addMenu(caption);
            menu->setObjectName(entry.name);
            menus[entry.name] = menu;
            action = menu->menuAction();
            break;
        }
        case Kind::Item:
            action = place ? place->addAction(caption) : menubar->addAction(caption);
            break;
        case Kind::Separator:
            action = place->addSeparator();
            break;
    }
    action->setObjectName(entry.name);
    return action;
}

const MenuEntry& entry(std::string_view name) {
    for (const MenuEntry& entry : kEntries) {
        if (entry.name == name) return entry;
    }
    throw std::logic_error("no menu entry " + std::string(name));
}

// A rule item and its sub-menu, where it has one, show marks. The sub-menu has no handler:
// undo a toggle should one ever reach it.
void markable(QAction* rule, QAction* submenu) {
    rule->setCheckable(true);
    if (submenu == nullptr || submenu->isCheckable()) return;
    submenu->setCheckable(true);
    QObject::connect(submenu, &QAction::triggered, submenu,
                     [submenu](bool checked) { submenu->setChecked(!checked); });
}

}  // namespace

MenuCommands MainMenu::build(QMenuBar* menubar) {
    menubar->setObjectName("MainMenu1");
    std::map<std::string, QMenu*> menus;
    for (const MenuEntry& entry : kEntries) {
        QMenu* place = entry.place.empty() ? nullptr : menus.at(std::string(entry.place));
        QAction* action = addentry(menubar, place, entry, menus);
        items_.emplace(entry.name, action);
    }
    const auto submenu = [this](std::string_view name) {
        return name.empty() ? nullptr : item(name);
    };
    for (const auto& row : kAttrRuleItems) markable(item(row.item), submenu(row.submenu));
    for (const auto& row : kSkillRuleItems) markable(item(row.item), submenu(row.submenu));
    for (const MenuEntry& entry : kEntries) {
        if (entry.checked) item(entry.name)->setChecked(true);
    }
    const MenuCommands commands{item("N9"), item("N7"), item("N8"), item("N5"), item("N6")};
    commands.newsheet->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    commands.copy->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    commands.paste->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V));
    commands.exit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));
    return commands;
}

QAction* MainMenu::item(std::string_view name) const {
    const auto found = items_.find(name);
    if (found == items_.end()) throw std::logic_error("no menu item " + std::string(name));
    return found->second;
}

bool MainMenu::checked(std::string_view name) const { return item(name)->isChecked(); }

PriceRules MainMenu::pricerules() const {
    const auto checked = [this](std::string_view name) { return this->checked(name); };
    return {selectedrule<AttrRule>(kAttrRuleItems, checked),
            selectedrule<SkillRule>(kSkillRuleItems, checked)};
}

std::array<QStringList, 2> MainMenu::rulepaths() const {
    const auto checked = [this](std::string_view name) { return this->checked(name); };
    return {captionpath(selecteditem<AttrRule>(kAttrRuleItems, checked).item),
            captionpath(selecteditem<SkillRule>(kSkillRuleItems, checked).item)};
}

std::vector<std::pair<AttrRule, QStringList>> MainMenu::attrrulepaths() const {
    return grouppaths<AttrRule>(kAttrRuleItems);
}

std::vector<std::pair<SkillRule, QStringList>> MainMenu::skillrulepaths() const {
    return grouppaths<SkillRule>(kSkillRuleItems);
}

template <typename Rule>
std::vector<std::pair<Rule, QStringList>> MainMenu::grouppaths(
    std::span<const RuleItem<Rule>> group) const {
    std::vector<std::pair<Rule, QStringList>> paths;
    for (const RuleItem<Rule>& row : group) paths.emplace_back(row.rule, captionpath(row.item));
    return paths;
}

QStringList MainMenu::captionpath(std::string_view name) const {
    QStringList captions;
    for (std::string_view at = name; !at.empty(); at = entry(at).place) {
        captions.prepend(menucaption(*item(at)));
    }
    return captions;
}

void MainMenu::onruleclick(QObject* context, const std::function<void()>& recompute) {
    connectgroup<AttrRule>(kAttrRuleItems, context, recompute);
    connectgroup<SkillRule>(kSkillRuleItems, context, recompute);
}

template <typename Rule>
void MainMenu::connectgroup(std::span<const RuleItem<Rule>> group, QObject* context,
                            const std::function<void()>& recompute) {
    for (const RuleItem<Rule>& row : group) {
        QObject::connect(item(row.item), &QAction::triggered, context,
                         [this, &row, group, recompute] {
                             setmarks(row, group);
                             recompute();
                         });
    }
}

void MainMenu::setrules(PriceRules rules) {
    const auto ruleitem = [](const auto& group, auto rule) -> const auto& {
        for (const auto& row : group) {
            if (row.rule == rule) return row;
        }
        throw std::logic_error("no menu item for a price rule");
    };
    setmarks<AttrRule>(ruleitem(kAttrRuleItems, rules.attr), kAttrRuleItems);
    setmarks<SkillRule>(ruleitem(kSkillRuleItems, rules.skill), kSkillRuleItems);
}

template <typename Rule>
void MainMenu::setmarks(const RuleItem<Rule>& clicked,
                        std::span<const RuleItem<Rule>> group) const {
    // Sub-menus first: one shared by several items is unchecked once, then checked again.
    for (const RuleItem<Rule>& row : group) {
        if (!row.submenu.empty()) item(row.submenu)->setChecked(false);
    }
    for (const RuleItem<Rule>& row : group) {
        item(row.item)->setChecked(row.item == clicked.item);
    }
    if (!clicked.submenu.empty()) item(clicked.submenu)->setChecked(true);
}

QString menucaption(const QAction& item) {
    const QString text = item.text();
    QString caption;
    caption.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&') && i + 1 < text.size()) ++i;
        caption += text[i];
    }
    return caption;
}
