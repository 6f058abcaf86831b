#pragma once

// The sizes and places the window and the dialog are made with. Scripts that check the
// windows from outside read them from here, one constant a line, so keep this form.

// The main window's outer size, its frame included.
inline constexpr int kMainOuterWidth = 937;
inline constexpr int kMainOuterHeight = 458;

// Where the selection dialog opens.
inline constexpr int kDialogLeft = 251;
inline constexpr int kDialogTop = 134;
