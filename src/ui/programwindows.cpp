#include "programwindows.h"

ProgramWindows::ProgramWindows(AppState& state, const std::filesystem::path& catalogues)
    : form1(state, catalogues), form2(state, [this] { form1.countpoints(); }) {
    form1.setpickdialog(&form2);
}
