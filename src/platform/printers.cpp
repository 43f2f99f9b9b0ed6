#include "platform/printers.h"

#include "platform/systemprinter.h"

#include <utility>

namespace {

struct PrinterHooks {
    std::function<std::unique_ptr<Printer>(const QString&)> factory;
    std::function<void(const QString&)> pdfNotifier;
};

PrinterHooks& hooks() {
    static PrinterHooks h;
    return h;
}

} // namespace

namespace Printers {

std::unique_ptr<Printer> open(const QString& documentName) {
    if (hooks().factory) {
        return hooks().factory(documentName);
    }
    return std::make_unique<SystemPrinter>(documentName, [](const QString& path) {
        if (hooks().pdfNotifier) {
            hooks().pdfNotifier(path);
        }
    });
}

void setFactory(std::function<std::unique_ptr<Printer>(const QString&)> factory) {
    hooks().factory = std::move(factory);
}

void setPdfNotifier(std::function<void(const QString& path)> notifier) {
    hooks().pdfNotifier = std::move(notifier);
}

} // namespace Printers
