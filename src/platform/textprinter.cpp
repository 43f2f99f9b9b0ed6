#include "platform/textprinter.h"

#include "platform/printlayout.h"

#include <QWidget>

void TextPrinter::ensurePage() {
    if (!m_inDoc) {
        m_inDoc = true;
        m_ended = false;
        m_docStart = m_pages.size();
        m_pages.emplace_back();
    }
}

void TextPrinter::print(const QString& text) {
    ensurePage();
    if (m_tab > 0) {
        const int next = static_cast<int>(m_line.size()) + 1;
        const int start = columnStart(next, m_tab, m_line.isEmpty() ? QChar() : m_line.back(),
                                      text.isEmpty() ? QChar() : text.front());
        m_line = m_line.leftJustified(start - 1, u' ');
        m_tab = 0;
    }
    m_line += text;
    m_lineOpen = true;
}

void TextPrinter::endLine() {
    ensurePage();
    print({});
    m_pages.back().append(m_line);
    m_line.clear();
    m_lineOpen = false;
}

void TextPrinter::tab(int column) {
    ensurePage();
    // Where the column starts depends on the text printed there: see print().
    m_tab = std::max(1, column);
    m_lineOpen = true;
}

int TextPrinter::page() const {
    return m_inDoc ? static_cast<int>(m_pages.size() - m_docStart) : 1;
}

void TextPrinter::newPage() {
    ensurePage();
    if (m_lineOpen) {
        endLine();
    }
    m_pages.emplace_back();
}

bool TextPrinter::sendDocument() {
    if (m_inDoc) {
        if (m_lineOpen) {
            endLine();
        }
        // A trailing page that holds nothing is not printed; a document that printed
        // nothing sends nothing.
        if (m_pages.size() > m_docStart && m_pages.back().isEmpty()) {
            m_pages.pop_back();
        }
    }
    m_inDoc = false;
    m_ended = true;
    return !m_failDocuments;
}

bool TextPrinter::setFont(const QString& family, int points, bool bold) {
    if (m_failFonts || points <= 0) {
        return false;
    }
    m_family = family;
    m_points = points;
    m_bold = bold;
    return true;
}

void TextPrinter::setStandardFont() {
    m_family.clear();
    m_points = 0;
    m_bold = false;
}

bool TextPrinter::printWindow(QWidget& window) {
    m_lastPicture = window.grab().toImage();
    ++m_pictures;
    return !m_lastPicture.isNull() && !m_failDocuments;
}

int TextPrinter::linesPerPhysicalPage() const {
    const QFont font = m_family.isEmpty() ? PrintLayout::standardFont()
                                          : PrintLayout::reportFont(m_family, m_points, m_bold);
    return PrintLayout::linesThatFit(font,
                                     PrintLayout::printableHeight(PrintLayout::defaultPaper()));
}
