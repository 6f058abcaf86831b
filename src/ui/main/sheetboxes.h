#pragma once

#include <QString>
#include <cstdint>
#include <span>

#include "sheet/sheettext.h"

class QWidget;

// Asks whether the sheet shown may give way to another: true for "Да".
bool askreplace(QWidget* parent, const QString& question);

// Says why a text could not be pasted, naming the first lines it could not use.
void showpasteproblems(QWidget* parent, std::span<const SheetProblem> problems);

// Says that the pasted sheet costs another total than its text wrote.
void showtotals(QWidget* parent, std::int32_t written, std::int32_t counted);
