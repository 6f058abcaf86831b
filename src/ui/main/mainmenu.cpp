#include "mainmenu.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <map>
#include <string>

#include "ui/encoding.h"

namespace {

// The caption with Qt's "&" before its mnemonic; an "&" of the caption itself is doubled,
// so that it shows as it is.
QString markedcaption(const MenuEntry& entry) {
    QString caption;
    const QString text = fromcp1251(entry.caption);
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (i == entry.mnemonic) caption += QLatin1Char('&');
        caption += text[i] == QLatin1Char('&') ? QStringLiteral("&&") : QString(text[i]);
    }
    return caption;
}

QAction* addentry(QMenuBar* menubar, QMenu* place, const MenuEntry& entry,
                  std::map<std::string_view, QMenu*>& menus) {
    const QString caption = markedcaption(entry);
    QAction* action = nullptr;
    switch (entry.kind) {
        case MenuKind::Menu: {
            QMenu* menu = place ? place->addMenu(caption) : menubar->addMenu(caption);
            menu->setObjectName(QString::fromLatin1(entry.name));
            menus[entry.name] = menu;
            action = menu->menuAction();
            break;
        }
        case MenuKind::Item:
            action = place ? place->addAction(caption) : menubar->addAction(caption);
            break;
        case MenuKind::Separator:
            action = place->addSeparator();
            break;
    }
    action->setObjectName(QString::fromLatin1(entry.name));
    if (!entry.shortcut.empty())
        action->setShortcut(QKeySequence::fromString(QString::fromLatin1(entry.shortcut),
                                                     QKeySequence::PortableText));
    return action;
}

// A sub-menu that holds rules shows the mark of the rule in force; it has no handler, so a
// toggle that reaches it is undone.
void markable(QAction* submenu) {
    submenu->setCheckable(true);
    QObject::connect(submenu, &QAction::triggered, submenu,
                     [submenu](bool checked) { submenu->setChecked(!checked); });
}

}  // namespace

void MainMenu::build(QMenuBar* menubar) {
    menubar->setObjectName("MainMenu1");
    std::map<std::string_view, QMenu*> menus;
    auto* attrrules = new QActionGroup(menubar);
    auto* skillrules = new QActionGroup(menubar);
    for (const MenuEntry& entry : kMenu) {
        QMenu* place = entry.place.empty() ? nullptr : menus.at(entry.place);
        QAction* action = addentry(menubar, place, entry, menus);
        built_.push_back({&entry, action});
        if (std::holds_alternative<std::monostate>(entry.action)) continue;
        items_.push_back({action, entry.action});
        QActionGroup* group = std::holds_alternative<AttrRule>(entry.action)    ? attrrules
                              : std::holds_alternative<SkillRule>(entry.action) ? skillrules
                                                                                : nullptr;
        if (group == nullptr) continue;
        action->setCheckable(true);
        group->addAction(action);
    }
    // A sub-menu shows a mark too, that of the rule item it holds.
    for (const Built& built : built_) {
        if (built.entry->kind == MenuKind::Menu && !built.entry->place.empty())
            markable(built.action);
    }
}

void MainMenu::showrules(PriceRules prices) {
    for (const Built& built : built_) {
        if (built.action->isCheckable())
            built.action->setChecked(menuchecked(*built.entry, prices));
    }
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
