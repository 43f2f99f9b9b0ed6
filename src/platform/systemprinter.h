#pragma once
// The system's default printer. Lines of text are drawn with QPainter in the current font: one
// line advance is the font's line spacing (at most single spacing, PrintLayout::lineAdvance()),
// one character column the width of its characters (the report fonts are fixed-pitch). A line
// that would run off the paper goes to the next page, which counts as a new page. Pages are a
// quarter inch inside the paper (PrintLayout::pageMargins()) unless the printer cannot print that
// close to the edge.
//
// When the system has no printer, the document goes to a PDF file in the Printouts folder of
// the user's data folder, named after the document and the time it was printed. After the
// print dialog, the document goes where the user chose, and only the pages of the range chosen
// reach the paper: the others are laid out as usual but not drawn.

#include "platform/printers.h"

#include <QFont>
#include <functional>
#include <memory>

class QPainter;
class QPrinter;

class SystemPrinter : public Printer {
public:
    using PdfNotifier = std::function<void(const QString& path)>;

    // A document on the default printer, or in a PDF file when there is none; `pdfWritten`
    // is told the file's path when the document has ended.
    explicit SystemPrinter(const QString& documentName, PdfNotifier pdfWritten = {});
    // A document written to the PDF file `pdfPath` on the default paper.
    static std::unique_ptr<SystemPrinter>
    toPdfFile(const QString& documentName, const QString& pdfPath, PdfNotifier pdfWritten = {});
    // A document on the default printer as `dialog` then sets it up (another printer, copies,
    // a page range, a PDF file); nothing when the dialog was cancelled.
    static std::unique_ptr<SystemPrinter> afterDialog(const QString& documentName,
                                                      const std::function<bool(QPrinter&)>& dialog,
                                                      PdfNotifier pdfWritten = {});
    ~SystemPrinter() override;

    void print(const QString& text) override;
    void endLine() override;
    void tab(int column) override;
    int page() const override;
    void newPage() override;
    bool setFont(const QString& family, int points, bool bold) override;
    void setStandardFont() override;
    bool printWindow(QWidget& window) override;
    int linesPerPhysicalPage() const override;

    // The PDF file the document goes to; empty when it goes to a printer.
    QString pdfPath() const { return m_pdfPath; }
    // Where a document of this name goes when the system has no printer.
    static QString printoutPath(const QString& documentName);

protected:
    // False when the printer (or the PDF file) could not be opened, could not start a page or
    // could not finish the document.
    bool sendDocument() override;

private:
    SystemPrinter(const QString& documentName, const QString& pdfPath, PdfNotifier pdfWritten);
    bool ensurePage();
    // Whether the current page is one the user asked for (every page without a range).
    bool pageChosen() const;
    bool startLine();
    void useFont(const QFont& font);
    qreal lineSpacing() const;

    std::unique_ptr<QPrinter> m_printer;
    std::unique_ptr<QPainter> m_painter;
    QString m_pdfPath;
    PdfNotifier m_pdfWritten;
    QFont m_font;
    bool m_started = false;
    bool m_failed = false;
    bool m_pagePending = false;
    bool m_drewAnything = false;
    int m_page = 1;
    int m_fromPage = 0; // the range of pages printed; 0: every page
    int m_toPage = 0;
    int m_column = 1;
    QChar m_lastChar; // the last character printed on the line; null on an empty line
    int m_tab = 0;    // the column the next print starts at; 0 after a print
    qreal m_top = 0;  // top of the current line, in device pixels from the printable area's top
};
