// The program's start-up as src/app/main.cpp does it (the application, the mortgage window
// registered, the main window with its menu shown), quitting once the main window is painted
// and the event loop is idle. The start-up benchmark launches it.

#include "mortgage/mortgagecalc.h"
#include "platform/printerdevice.h"
#include "shell/mdicontainer.h"
#include "shell/windowregistry.h"
#include "startupprobe.h"

#include <QApplication>

int main(int argc, char** argv) {
    StartupProbe probe;
    {
        QApplication app(argc, argv);
        QApplication::setApplicationName(QStringLiteral("Orvalen"));
        QApplication::setApplicationVersion(QStringLiteral("5.3"));

        windows().add(WindowId::MortgageCalc,
                      [](QWidget* parent) { return new MortgageCalc(parent); });
        MDIContainer mainWindow;
        Printers::setPdfNotifier(
            [&mainWindow](const QString& path) { mainWindow.showPrintoutPath(path); });
        probe.watch(mainWindow);
        mainWindow.show();
        QApplication::exec();
    }
    probe.report();
    return 0;
}
