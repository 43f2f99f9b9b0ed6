#include "capturedprinter.h"

#include <memory>

namespace {

// A device of the program's that prints into the captured TextPrinter.
class ForwardingPrinter : public Printer {
public:
    explicit ForwardingPrinter(TextPrinter& target) : m_target(target) {}

    void print(const QString& text) override { m_target.print(text); }
    void endLine() override { m_target.endLine(); }
    void tab(int column) override { m_target.tab(column); }
    int page() const override { return m_target.page(); }
    void newPage() override { m_target.newPage(); }
    bool setFont(const QString& family, int points, bool bold) override {
        return m_target.setFont(family, points, bold);
    }
    void setStandardFont() override { m_target.setStandardFont(); }
    bool printWindow(QWidget& window) override { return m_target.printWindow(window); }
    int linesPerPhysicalPage() const override { return m_target.linesPerPhysicalPage(); }

protected:
    bool sendDocument() override { return m_target.endDoc(); }

private:
    TextPrinter& m_target;
};

} // namespace

CapturedPrinter::CapturedPrinter() {
    Printers::setFactory([this](const QString& documentName) -> std::unique_ptr<Printer> {
        m_names << documentName;
        return std::make_unique<ForwardingPrinter>(m_printer);
    });
}

CapturedPrinter::~CapturedPrinter() {
    Printers::setFactory({});
}

QStringList CapturedPrinter::lines() const {
    QStringList all;
    for (const QStringList& page : m_printer.pages()) {
        all << page;
    }
    return all;
}
