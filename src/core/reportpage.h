#pragma once
// The page frame every printed report shares: the report font and page length of the personal
// settings, the page footer with the page number, the headings repeated on every page, and
// the end of the document. A report supplies only its own blocks and rows.

#include "core/printerdevice.h"

#include <QString>
#include <QStringList>
#include <cstdint>

// The report font of a PrinterFontChoice and the lines a page of it counts: Courier New at 10,
// 11 or 12 points for choices 1 to 3; the printer's standard font (no family, 0 points) for 0
// and any other value.
struct ReportFontChoice {
    QString family;
    int points = 0;
    std::int16_t linesPerPage = 53;
};
ReportFontChoice reportFontFor(int choice);

// Prints an empty line, then sets the report font and LinesPerPage from PrinterFontChoice;
// falls back to the standard font and 53 lines when the font cannot be set.
void SetReportFont(PrinterDevice& printer);

// Starts a new page and ends the document (a trailing empty page is not printed).
void EndReport(PrinterDevice& printer);

// Prints `text` from the current column, line by line: each line end in it (CR LF or LF) ends
// a printed line, and a last line without one is ended too. An empty text prints nothing.
void printTextBlock(PrinterDevice& printer, const QString& text);

// A report line built as text, column after column, for the report lines a calculation keeps
// to print later. Figures follow the printer's own rule (columnStart): each is right-aligned in
// its width, a wider one is kept whole and pushes the rest of the line right, and two columns
// never touch. Columns after a wide figure go back to their places where the line has room.
class ReportLine {
public:
    // A figure right-aligned in the next `width` characters.
    ReportLine& figure(const QString& text, int width);
    // `count` blanks between columns.
    ReportLine& gap(int count);
    const QString& text() const { return m_text; }

private:
    QString m_text;
    int m_end = 0; // the column where the layout's last column ends
};

// How a page after a page break starts: the report font's empty line, `blankLines` more empty
// lines, the column headings, the separator and an empty line; the line counter then stands at
// `counter`.
struct PageRestart {
    int blankLines = 1;
    int counter = 7;
};

// Counts the lines of a report and breaks its pages: after each row the counter goes up by
// one, and when it reaches LinesPerPage the page ends with the footer "Page n" at column 40
// and the next page starts with the report's column headings.
class ReportPager {
public:
    // `headings` are printed at column 2 after every page break, followed by `separator` and
    // an empty line. `firstPageLines` is the line count of the report's first-page block.
    ReportPager(PrinterDevice& printer, QStringList headings, QString separator, int firstPageLines,
                PageRestart restart = {});

    // Call after printing each row.
    void rowPrinted();
    // Ends the page here and starts the next one with the headings.
    void breakPage();
    // Prints a text kept for the report (lines ended by CR LF or LF) entry by entry: an entry
    // is a run of lines up to and including its rule (a line of "_" characters) and the empty
    // lines after it. An entry that would run past the paper's last line (less the footer)
    // goes to the next page whole, after the footer and the headings.
    void printEntries(const QString& text);
    int lines() const { return m_lines; }

private:
    PrinterDevice& m_printer;
    QStringList m_headings;
    QString m_separator;
    PageRestart m_restart;
    int m_lines;
};
