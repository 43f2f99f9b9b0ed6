#pragma once
// The printers the program opens: the page device of its reports (core/printerdevice.h), which
// also prints a picture of a window, and the one place where a document is opened on the
// printer in use. SystemPrinter sends documents to the system's printer; TextPrinter keeps them
// as text, for tests.

#include "core/printerdevice.h"

#include <QString>
#include <functional>
#include <memory>

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

// Tests: every open() returns what `factory` makes.
void setFactory(std::function<std::unique_ptr<Printer>(const QString&)> factory);

// Told where a document went when it was written to a PDF file instead of a printer.
void setPdfNotifier(std::function<void(const QString& path)> notifier);

} // namespace Printers
