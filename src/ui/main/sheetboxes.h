#pragma once

#include "sheet/sheetview.h"

class QString;
class QWidget;

// Asks whether the sheet shown may give way to another: true for "Да".
bool askreplace(QWidget* parent, const QString& question);

// A box that tells the player something, with one OK button: a notice or a warning.
void tellbox(QWidget* parent, BoxKind kind, const QString& text);
