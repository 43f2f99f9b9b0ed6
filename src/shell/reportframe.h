#pragma once
// Every printout of the program: a report starts with the header line typed before it and
// goes on in the page frame of core/reportpage.h; a graph window or the averages window prints
// a picture of itself.

#include "core/reportpage.h"

#include <QSize>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

class QWidget;

// The most characters of a header line: those a line of the report font holds on the page
// after column 2, where the header is printed.
int reportHeaderLength();

// Shows PrinterHeaderInput. Returns the line typed, which ReportHeader now holds (any text,
// empty included), or nothing when the user dismissed the window ("&Cancel", the close box,
// Escape).
std::optional<QString> AskReportHeader();

// Steps 1 to 4 of every print button: refuses with "No data to print. Calculate." when
// `needsResults` and ResultCount is 0; asks for the header (stops when the window is
// dismissed); opens the printer, through the system's print dialog where a printer is
// installed (stops when it is cancelled); sets the font; prints the header at column 2.
// Returns the open printer, or nothing when the report stops.
std::unique_ptr<PrinterDevice> startReport(const QString& documentName, bool needsResults = true);

// A whole print button: startReport(), then `body` prints the report on the open printer and
// ends it. Returns false when the report stopped before printing or did not reach the printer;
// the second is said in the main window's status bar (no numbered message fits it: each would
// tell the user of a wrong entry or a missing file).
bool printReport(const QString& documentName, const std::function<void(PrinterDevice&)>& body,
                 bool needsResults = true);

// Prints a picture of `window` on one page, as a document of its own (the graph windows and the
// averages window print themselves): the window takes `printSize` and `printLook(true)` for the
// picture; afterwards, on every path, `printLook(false)`, and the window is back at its place
// and its size. These windows show no message when printing fails: a picture that did not reach
// the printer, or a failure while it was taken, is said in the main window's status bar.
// Returns whether it was printed.
bool printWindowPicture(QWidget& window, QSize printSize, const QString& documentName,
                        const std::function<void(bool printing)>& printLook = {});
