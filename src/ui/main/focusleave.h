#pragma once

#include <functional>

class QMenuBar;
class QWidget;

// Runs `handler` whenever the focus moves from `widget` (or a child of it) to another
// control of the same window. A dialog, message box or menu taking the focus, and the
// window losing and regaining activation, do not count as leaving.
void onfocusleave(QWidget* widget, std::function<void()> handler);

// The menu bar takes the focus while it is driven by the keyboard. An item that opens a box
// from there would leave the menu bar as the window's focus, to get it back once the box is
// gone, where typing goes nowhere: the control the menu bar took the focus from gets it
// instead.
void returnfocusfrommenu(QMenuBar* menubar);
