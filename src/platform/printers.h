#pragma once
// The printers the program opens: the page device of its reports (core/printerdevice.h), which
// also prints a picture of a window, and the one place where a document is opened on the
// printer in use. SystemPrinter sends documents to the system's printer; TextPrinter keeps them
// as text, for tests.

#include "core/printerdevice.h"

#include <QString>
#include <functional>
#include <memory>

class QPrinter;
class QWidget;

// A printer of the program: a report's page device that also prints window pictures.
class Printer : public PrinterDevice {
public:
    // Prints a picture of `window` (the whole window with its controls) on one page.
    virtual bool printWindow(QWidget& window) = 0;
};

namespace Printers {

// A new document on the printer in use: the system printer, or what a test installed.
std::unique_ptr<Printer> open(const QString& documentName);

// The same after the system's print dialog, where a printer is installed: it opens with the
// default printer chosen, and the user may pick another printer, the number of copies, a page
// range or printing to a PDF file. Returns nothing when the dialog was cancelled. Where no
// printer is installed, as open().
std::unique_ptr<Printer> choose(const QString& documentName);

// The system's print dialog: sets up `printer` as the user chooses; false for Cancel.
using PrintDialog = std::function<bool(QPrinter& printer)>;

// Tests: a printer counts as installed and `dialog` stands for the print dialog (an empty one
// brings back the system's own).
void setPrintDialog(PrintDialog dialog);

// Tests: every open() returns what `factory` makes.
void setFactory(std::function<std::unique_ptr<Printer>(const QString&)> factory);

// Told where a document went when it was written to a PDF file instead of a printer.
void setPdfNotifier(std::function<void(const QString& path)> notifier);

} // namespace Printers
