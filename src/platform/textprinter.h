#pragma once
// The text printer: a printer that keeps what it is given, for tests to read.

#include "platform/printers.h"

#include <QImage>
#include <QString>
#include <QStringList>
#include <vector>

// Keeps the pages as text lines. The cursor column counts characters from 1. A page holds the
// lines ended on it; endDoc() ends an open line and drops a trailing page with no lines. After
// endDoc() the next print starts a new document, whose pages follow in pages() and whose page
// numbers start again at 1. linesPerPhysicalPage() answers for the current font on the default
// paper as the system printer would lay it out (PrintLayout).
class TextPrinter : public Printer {
public:
    void print(const QString& text) override;
    void endLine() override;
    void tab(int column) override;
    int page() const override;
    void newPage() override;
    bool setFont(const QString& family, int points, bool bold) override;
    void setStandardFont() override;
    bool printWindow(QWidget& window) override;
    int linesPerPhysicalPage() const override;

    // Pages of the ended document(s), then those of the one being printed: each page a list of
    // lines. A line still open (printed without a line end) is not in them yet.
    const std::vector<QStringList>& pages() const { return m_pages; }
    bool ended() const { return m_ended; }
    // The font last set; the family is empty (and the size 0) while the standard font is used.
    QString fontFamily() const { return m_family; }
    int fontPoints() const { return m_points; }
    bool fontBold() const { return m_bold; }
    int windowPictures() const { return m_pictures; }
    QImage lastPicture() const { return m_lastPicture; }
    // Tests: setFont() fails from now on.
    void failFonts(bool fail) { m_failFonts = fail; }
    // Tests: from now on nothing reaches the printer: endDoc() and printWindow() fail (what
    // was printed is kept all the same, to be read).
    void failDocuments(bool fail) { m_failDocuments = fail; }

protected:
    bool sendDocument() override;

private:
    void ensurePage();
    std::vector<QStringList> m_pages;
    QString m_line;
    int m_tab = 0; // the column the next print starts at; 0 after a print
    bool m_lineOpen = false;
    bool m_ended = false;
    bool m_failFonts = false;
    bool m_failDocuments = false;
    bool m_inDoc = false;
    size_t m_docStart = 0; // index in m_pages of the first page of the document being printed
    QString m_family;
    int m_points = 0;
    bool m_bold = false;
    int m_pictures = 0;
    QImage m_lastPicture;
};
