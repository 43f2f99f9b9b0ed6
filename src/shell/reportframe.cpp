#include "shell/reportframe.h"

#include "core/programstate.h"
#include "platform/modal.h"
#include "platform/printerdevice.h"
#include "shell/dialogs.h"
#include "shell/mdicontainer.h"
#include "shell/printerheaderinput.h"

void AskReportHeader() {
    PrinterHeaderInput header(MDIContainer::instance());
    runModal(header);
}

std::unique_ptr<PrinterDevice> startReport(const QString& documentName, bool needsResults) {
    ProgramState& p = program();
    if (needsResults && p.ResultCount == 0) {
        showMessage(1);
        return nullptr;
    }
    AskReportHeader();
    if (p.ReportHeader == QStringLiteral("1")) {
        return nullptr;
    }
    std::unique_ptr<PrinterDevice> printer = Printers::open(documentName);
    SetReportFont(*printer);
    printer->tab(2);
    printer->printLine(p.ReportHeader);
    return printer;
}

bool printReport(const QString& documentName, const std::function<void(PrinterDevice&)>& body,
                 bool needsResults) {
    std::unique_ptr<PrinterDevice> printer = startReport(documentName, needsResults);
    if (!printer) {
        return false;
    }
    body(*printer);
    return true;
}
