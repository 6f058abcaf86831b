#pragma once

#include <filesystem>

#include "sheet/appstate.h"
#include "ui/addskill/addskill.h"
#include "ui/main/mainwindow.h"

// The program's two windows, created in start-up order: the main window, which builds its
// menu, reads the catalogues from `catalogues` and lays itself out, then the selection
// dialog, hidden and handed to it. Shown by the caller.
struct ProgramWindows {
    explicit ProgramWindows(AppState& state, const std::filesystem::path& catalogues = ".");

    TForm1 form1;
    TForm2 form2;
};
