#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <memory>
#include <string>

#include "sheet/kvline.h"
#include "sheet/prices.h"
#include "sheet/takenindex.h"

class QMimeData;

// The sheet as the window shows it now; texts and lines are Windows-1251, as the sheet
// keeps them.
struct ShownSheet {
    struct Attribute {
        QString caption;
        std::string text;
        const Lines* skills = nullptr;
    };
    // The menu's captions down to each rule's checked item (MainMenu::rulepaths).
    std::array<QStringList, 2> rules;
    PriceRules prices{};
    std::array<Attribute, 7> attributes;
    QString featurescaption;
    const Lines* features = nullptr;
    QString total;
};

// The copied sheet in one clipboard entry: a heading, the rules, each attribute with its
// value, price and skill rows, the feature rows and the total line, as text/plain and as an
// HTML table. Every price and every reason for none is what the sheet's costs say.
std::unique_ptr<QMimeData> sheetcopy(const ShownSheet& sheet, const TakenIndex& index);
