#pragma once

// Opening the selection dialog (FormShow and its list) over 200,000 generated skills and as
// many features with 20,000 taken of each, and 4 and 16 times that, in feature mode and in
// the skill mode of one attribute: through the logic with a view that only keeps the lines,
// and through the real dialog. Each opening is set against building the same lines with
// the line functions alone. And typing into the dialog's search field over 200,000 lines,
// through the logic and through the real dialog, each keystroke set against a plain
// case-insensitive scan of the same lines. The dialog needs a QApplication.
void registerdialogbenchmarks();
