#pragma once
// Captures the program's printing in tests: while it lives, every document the program opens
// through Printers::open() is printed into one TextPrinter, which the test reads after the
// program has let go of its device.

#include "platform/textprinter.h"

#include <QStringList>

class CapturedPrinter {
public:
    CapturedPrinter();
    ~CapturedPrinter();
    CapturedPrinter(const CapturedPrinter&) = delete;
    CapturedPrinter& operator=(const CapturedPrinter&) = delete;

    TextPrinter& printer() { return m_printer; }
    const std::vector<QStringList>& pages() const { return m_printer.pages(); }
    // Every line of every page, in order.
    QStringList lines() const;
    // How many documents were opened, and their names.
    int opened() const { return static_cast<int>(m_names.size()); }
    const QStringList& documentNames() const { return m_names; }

private:
    TextPrinter m_printer;
    QStringList m_names;
};
