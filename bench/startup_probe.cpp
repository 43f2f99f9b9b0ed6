// The program's start-up, the same code main() runs (the application, the windows
// registered, the main window with its menu shown), quitting once the main window is painted
// and the event loop is idle. The start-up benchmark launches it.

#include "app/startup.h"
#include "startupprobe.h"

#include <QApplication>

int main(int argc, char** argv) {
    StartupProbe probe;
    {
        QApplication app(argc, argv);
        const std::unique_ptr<MDIContainer> mainWindow = startOrvalen();
        probe.watch(*mainWindow);
        QApplication::exec();
    }
    probe.report();
    return 0;
}
