#pragma once

#include <functional>

class QWidget;

// Runs `handler` whenever the focus moves from `widget` (or a child of it) to another
// control of the same window. A dialog, message box or menu taking the focus, and the
// window losing and regaining activation, do not count as leaving.
void onfocusleave(QWidget* widget, std::function<void()> handler);
