#pragma once

class QWidget;

// Lets the shortcuts of the window's menu win over an edit field's own use of the same
// keys: Ctrl+X is "Выход" there, never the field's cut.
void menushortcutsfirst(QWidget* editor);
