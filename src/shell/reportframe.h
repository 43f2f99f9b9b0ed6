#pragma once
// The start of every printout: the header line typed before each report, then the page frame
// of core/reportpage.h.

#include "core/reportpage.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

// The most characters of a header line: those a line of the report font holds on the page
// after column 2, where the header is printed.
int reportHeaderLength();

// Shows PrinterHeaderInput. Returns the line typed, which ReportHeader now holds (any text,
// empty included), or nothing when the user dismissed the window ("&Cancel", the close box,
// Escape).
std::optional<QString> AskReportHeader();

// Steps 1 to 4 of every print button: refuses with "No data to print. Calculate." when
// `needsResults` and ResultCount is 0; asks for the header (stops when the window is
// dismissed); opens the printer; sets the font; prints the header at column 2. Returns the open
// printer, or nothing when the report stops.
std::unique_ptr<PrinterDevice> startReport(const QString& documentName, bool needsResults = true);

// A whole print button: startReport(), then `body` prints the report on the open printer.
// Returns false when the report stopped before printing.
bool printReport(const QString& documentName, const std::function<void(PrinterDevice&)>& body,
                 bool needsResults = true);
