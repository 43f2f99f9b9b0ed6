// Orvalen: a desktop personal-finance program.
//
// How the program is put together (layers, lowest first; the build refuses an include
// against them):
//   src/core/      no widgets: money, tables, display formats, records and files, dates,
//                  run-time failures, the program-wide state, the report page frame
//   src/platform/  adapters to the toolkit: grid, printers, bar chart, file dialogs, modal
//                  runner, beep, help viewer
//   src/shell/     text boxes and entry fields, option buttons, the controls every window
//                  shares, dialogs, settings, main window and menu, printouts, result graph
//                  window, calculator frame
//   src/mortgage/, src/savings/, src/retirement/, src/trend/
//                  the calculators and the Quantrel module: a model library (no widgets)
//                  and a window library each
//   src/app/       this file and start-up: builds the main window and registers every window
//                  and graph caller, so the shell never depends on the calculators
// Windows pass data to each other only through the program-wide state. Model code raises
// RunTimeFailure; only event handlers catch, through guarded().

#include "app/startup.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // The desktop shows the program's windows under its menu entry, with its icon.
    QApplication::setDesktopFileName(QStringLiteral(ORVALEN_APP_ID));
    QApplication::setWindowIcon(QIcon(QStringLiteral(ORVALEN_WINDOW_ICON)));
    const std::unique_ptr<MDIContainer> mainWindow = startOrvalen();
    return QApplication::exec();
}
