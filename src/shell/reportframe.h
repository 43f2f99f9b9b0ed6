#pragma once
// The start of every printout: the header line typed before each report, then the page frame
// of core/reportpage.h.

#include "core/reportpage.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

// Shows PrinterHeaderInput. ReportHeader becomes the typed line, or "1" on "&Cancel".
void AskReportHeader();

// Steps 1 to 4 of every print button: refuses with "No data to print. Calculate." when
// `needsResults` and ResultCount is 0; asks for the header (stops on "1"); opens the printer;
// sets the font; prints the header at column 2. Returns the open printer, or nothing when the
// report stops.
std::unique_ptr<PrinterDevice> startReport(const QString& documentName, bool needsResults = true);

// A whole print button: startReport(), then `body` prints the report on the open printer.
// Returns false when the report stopped before printing.
bool printReport(const QString& documentName, const std::function<void(PrinterDevice&)>& body,
                 bool needsResults = true);
