#include "shell/reportframe.h"

#include "core/programstate.h"
#include "platform/modal.h"
#include "platform/printers.h"
#include "platform/printlayout.h"
#include "shell/busypointer.h"
#include "shell/dialogs.h"
#include "shell/guarded.h"
#include "shell/mdicontainer.h"
#include "shell/placement.h"
#include "shell/printerheaderinput.h"

#include <QScopeGuard>
#include <QStatusBar>

namespace {
// The header line is printed from this character column.
constexpr int HeaderColumn = 2;

// A new printout replaces what the status bar said of the last one.
void startPrintout() {
    if (MDIContainer* main = MDIContainer::instance()) {
        main->statusBar()->clearMessage();
    }
}

void sayNotPrinted(const QString& documentName) {
    if (MDIContainer* main = MDIContainer::instance()) {
        main->showNotPrinted(documentName);
    }
}
} // namespace

int reportHeaderLength() {
    const ReportFontChoice chosen = reportFontFor(program().PrinterFontChoice);
    const QFont font = chosen.family.isEmpty()
                           ? PrintLayout::standardFont()
                           : PrintLayout::reportFont(chosen.family, chosen.points, false);
    const int columns =
        PrintLayout::columnsThatFit(font, PrintLayout::printableWidth(PrintLayout::defaultPaper()));
    return std::max(1, columns - (HeaderColumn - 1));
}

std::optional<QString> AskReportHeader() {
    PrinterHeaderInput header(MDIContainer::instance(), reportHeaderLength());
    if (runModal(header) != QDialog::Accepted) {
        return std::nullopt;
    }
    return program().ReportHeader;
}

std::unique_ptr<PrinterDevice> startReport(const QString& documentName, bool needsResults) {
    ProgramState& p = program();
    if (needsResults && p.ResultCount == 0) {
        showMessage(Message::NoDataToPrintCalculate);
        return nullptr;
    }
    const std::optional<QString> header = AskReportHeader();
    if (!header) {
        return nullptr;
    }
    // Where a printer is installed, the print dialog comes next; its Cancel prints nothing,
    // as the header's does.
    std::unique_ptr<PrinterDevice> printer = Printers::choose(documentName);
    if (!printer) {
        return nullptr;
    }
    startPrintout();
    SetReportFont(*printer);
    printer->tab(HeaderColumn);
    printer->printLine(*header);
    return printer;
}

bool printReport(const QString& documentName, const std::function<void(PrinterDevice&)>& body,
                 bool needsResults) {
    std::unique_ptr<PrinterDevice> printer = startReport(documentName, needsResults);
    if (!printer) {
        return false;
    }
    body(*printer);
    if (printer->notSent()) {
        sayNotPrinted(documentName);
        return false;
    }
    return true;
}

bool printWindowPicture(QWidget& window, QSize printSize, const QString& documentName,
                        const std::function<void(bool printing)>& printLook) {
    startPrintout();
    BusyPointer busy;
    const QSize shownSize = window.size();
    const auto restore = qScopeGuard([&] {
        if (printLook) {
            printLook(false);
        }
        PlaceChildWindow(window);
        window.resize(shownSize);
    });
    bool printed = false;
    quietly([&] {
        window.resize(printSize);
        if (printLook) {
            printLook(true);
        }
        std::unique_ptr<Printer> printer = Printers::open(documentName);
        const bool drawn = printer->printWindow(window);
        printed = printer->endDoc() && drawn;
    });
    if (!printed) {
        sayNotPrinted(documentName);
    }
    return printed;
}
