#include "core/reportpage.h"

#include "core/programstate.h"

namespace {
struct ReportFont {
    int points;
    std::int16_t lines;
};
// Indexed by PrinterFontChoice; choice 0 keeps the printer's standard font.
constexpr ReportFont ReportFonts[4] = {{0, 53}, {10, 63}, {11, 56}, {12, 51}};

// The lines of a text kept for a report: each line end (CR LF or LF) ends a line, a last line
// without one is a line too, and a text that ends with a line end has nothing after it.
QStringList textLines(const QString& text) {
    if (text.isEmpty()) {
        return {};
    }
    QStringList lines = text.split(u'\n');
    if (lines.size() > 1 && lines.back().isEmpty()) {
        lines.removeLast();
    }
    for (QString& line : lines) {
        if (line.endsWith(u'\r')) {
            line.chop(1);
        }
    }
    return lines;
}

} // namespace

ReportFontChoice reportFontFor(int choice) {
    if (choice < 1 || choice > 3) {
        return {};
    }
    const ReportFont& font = ReportFonts[choice];
    return {QStringLiteral("Courier New"), font.points, font.lines};
}

void SetReportFont(PrinterDevice& printer) {
    ProgramState& p = program();
    printer.printLine();
    const ReportFontChoice font = reportFontFor(p.PrinterFontChoice);
    if (font.family.isEmpty()) {
        p.LinesPerPage = 53;
        return;
    }
    if (printer.setFont(font.family, font.points, false)) {
        p.LinesPerPage = font.linesPerPage;
    } else {
        printer.setStandardFont();
        p.LinesPerPage = 53;
    }
}

void EndReport(PrinterDevice& printer) {
    printer.newPage();
    printer.endDoc();
}

void printTextBlock(PrinterDevice& printer, const QString& text) {
    for (const QString& line : textLines(text)) {
        printer.printLine(line);
    }
}

ReportLine& ReportLine::figure(const QString& text, int width) {
    const int wanted = m_end + 1 + std::max(0, width - static_cast<int>(text.size()));
    const int next = static_cast<int>(m_text.size()) + 1;
    const int start = columnStart(next, wanted, m_text.isEmpty() ? QChar() : m_text.back(),
                                  text.isEmpty() ? QChar() : text.front());
    m_text = m_text.leftJustified(start - 1, u' ') + text;
    m_end += width;
    return *this;
}

ReportLine& ReportLine::gap(int count) {
    m_end += count;
    return *this;
}

ReportPager::ReportPager(PrinterDevice& printer, QStringList headings, QString separator,
                         int firstPageLines, PageRestart restart)
    : m_printer(printer), m_headings(std::move(headings)), m_separator(std::move(separator)),
      m_restart(restart), m_lines(firstPageLines) {}

void ReportPager::rowPrinted() {
    ++m_lines;
    if (m_lines >= program().LinesPerPage) {
        breakPage();
    }
}

void ReportPager::printEntries(const QString& text) {
    const QStringList lines = textLines(text);
    // The footer takes two empty lines and the page number.
    constexpr int FooterLines = 3;
    const auto isRule = [](const QString& line) {
        const QString bare = line.trimmed();
        return !bare.isEmpty() && bare.count(u'_') == bare.size();
    };
    qsizetype start = 0;
    while (start < lines.size()) {
        qsizetype end = start;
        while (end < lines.size() && !isRule(lines[end])) {
            ++end;
        }
        while (end + 1 < lines.size() && lines[end + 1].trimmed().isEmpty()) {
            ++end;
        }
        end = std::min(end, lines.size() - 1);
        const int count = static_cast<int>(end - start + 1);
        if (m_lines > 0 && m_lines + count > m_printer.linesPerPhysicalPage() - FooterLines) {
            breakPage();
        }
        for (qsizetype i = start; i <= end; ++i) {
            m_printer.printLine(lines[i]);
        }
        m_lines += count;
        start = end + 1;
    }
}

void ReportPager::breakPage() {
    m_printer.printLine();
    m_printer.printLine();
    m_printer.tab(40);
    m_printer.printLine(QStringLiteral("Page %1").arg(m_printer.page()));
    m_printer.newPage();
    SetReportFont(m_printer);
    for (int i = 0; i < m_restart.blankLines; ++i) {
        m_printer.printLine();
    }
    for (const QString& heading : m_headings) {
        m_printer.tab(2);
        m_printer.printLine(heading);
    }
    m_printer.tab(2);
    m_printer.printLine(m_separator);
    m_printer.printLine();
    m_lines = m_restart.counter;
}
