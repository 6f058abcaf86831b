// The program's start-up, ended at the first paint of the main window: run in the folder of
// the catalogues, it prints "<skills> <features> <peak memory in kB>".
#include <QApplication>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

#include "app/programwindows.h"
#include "sheet/appstate.h"
#include "startupchild.h"

int main(int argc, char* argv[]) {
    // A stop box would wait for a click that never comes.
    std::thread([] {
        std::this_thread::sleep_for(std::chrono::seconds(60));
        std::_Exit(2);
    }).detach();
    QApplication app(argc, argv);
    AppState state;
    ProgramWindows windows(state);
    quitonfirstpaint(windows.form1);
    windows.form1.show();
    const int status = app.exec();
    std::printf("%zu %zu ", state.catalogue.skilllist.size(), state.catalogue.featlist.size());
    return status == 0 && printpeakmemory() ? 0 : 1;
}
