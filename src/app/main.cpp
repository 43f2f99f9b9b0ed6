// Orvalen: a desktop personal-finance program.
//
// How the program is put together:
//   src/platform/  adapters to the toolkit: grid, printer device, bar chart, file dialogs,
//                  modal runner, clipboard, beep, dates, help viewer
//   src/shell/     money and display formats, comma-separated records, the program-wide
//                  state, entry fields, the message/question/file dialogs, the settings, the
//                  main window and menu, the report frame, the result graph window
//   src/mortgage/  the mortgage and loan calculator: model files (schedule, files, report)
//                  and its windows
//   src/app/       this file: builds the main window and registers every window the menu
//                  opens, so the shell never depends on the calculators
// Dependencies run one way: platform <- shell <- each calculator <- app. Windows pass data to
// each other only through the program-wide state (shell/programstate.h and each
// calculator's own state). Model code raises RunTimeFailure; only event handlers catch it.

#include "app/startup.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const std::unique_ptr<MDIContainer> mainWindow = startOrvalen();
    return QApplication::exec();
}
