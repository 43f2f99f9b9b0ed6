#include "platform/printers.h"

#include "platform/modal.h"
#include "platform/systemprinter.h"

#include <QApplication>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <utility>

namespace {

struct PrinterHooks {
    std::function<std::unique_ptr<Printer>(const QString&)> factory;
    std::function<void(const QString&)> pdfNotifier;
    Printers::PrintDialog printDialog;
};

PrinterHooks& hooks() {
    static PrinterHooks h;
    return h;
}

void notifyPdf(const QString& path) {
    if (hooks().pdfNotifier) {
        hooks().pdfNotifier(path);
    }
}

bool systemPrintDialog(QPrinter& printer) {
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    // The pages are known only once the report is printed: any range may be asked for.
    dialog.setMinMax(1, 9999);
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintPageRange |
                      QAbstractPrintDialog::PrintCollateCopies |
                      QAbstractPrintDialog::PrintShowPageSize);
    return runModal(dialog) == QDialog::Accepted;
}

} // namespace

namespace Printers {

std::unique_ptr<Printer> open(const QString& documentName) {
    if (hooks().factory) {
        return hooks().factory(documentName);
    }
    return std::make_unique<SystemPrinter>(documentName, notifyPdf);
}

std::unique_ptr<Printer> choose(const QString& documentName) {
    if (hooks().factory) {
        return hooks().factory(documentName);
    }
    PrintDialog dialog = hooks().printDialog;
    if (!dialog) {
        if (QPrinterInfo::defaultPrinter().isNull()) {
            return open(documentName);
        }
        dialog = systemPrintDialog;
    }
    return SystemPrinter::afterDialog(documentName, dialog, notifyPdf);
}

void setFactory(std::function<std::unique_ptr<Printer>(const QString&)> factory) {
    hooks().factory = std::move(factory);
}

void setPdfNotifier(std::function<void(const QString& path)> notifier) {
    hooks().pdfNotifier = std::move(notifier);
}

void setPrintDialog(PrintDialog dialog) {
    hooks().printDialog = std::move(dialog);
}

} // namespace Printers
