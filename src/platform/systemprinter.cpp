#include "platform/systemprinter.h"

#include "core/datafiles.h"
#include "platform/appfolders.h"
#include "platform/printlayout.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QPixmap>
#include <QPrinter>
#include <QPrinterInfo>
#include <QWidget>
#include <cmath>
#include <limits>

SystemPrinter::SystemPrinter(const QString& documentName, PdfNotifier pdfWritten)
    : SystemPrinter(documentName,
                    QPrinterInfo::defaultPrinter().isNull() ? printoutPath(documentName)
                                                            : QString(),
                    std::move(pdfWritten)) {}

std::unique_ptr<SystemPrinter> SystemPrinter::toPdfFile(const QString& documentName,
                                                        const QString& pdfPath,
                                                        PdfNotifier pdfWritten) {
    return std::unique_ptr<SystemPrinter>(
        new SystemPrinter(documentName, pdfPath, std::move(pdfWritten)));
}

std::unique_ptr<SystemPrinter>
SystemPrinter::afterDialog(const QString& documentName,
                           const std::function<bool(QPrinter&)>& dialog, PdfNotifier pdfWritten) {
    std::unique_ptr<SystemPrinter> printer(
        new SystemPrinter(documentName, QString(), std::move(pdfWritten)));
    QPrinter& chosen = *printer->m_printer;
    if (!dialog(chosen)) {
        return nullptr;
    }
    // The paper chosen may differ: the margins apply to it.
    chosen.setPageMargins(PrintLayout::pageMargins(), QPageLayout::Point);
    if (chosen.outputFormat() == QPrinter::PdfFormat && !chosen.outputFileName().isEmpty()) {
        printer->m_pdfPath = chosen.outputFileName();
    }
    if (chosen.printRange() == QPrinter::PageRange && chosen.fromPage() > 0) {
        printer->m_fromPage = chosen.fromPage();
        printer->m_toPage = chosen.toPage() > 0 ? chosen.toPage() : std::numeric_limits<int>::max();
    }
    return printer;
}

SystemPrinter::SystemPrinter(const QString& documentName, const QString& pdfPath,
                             PdfNotifier pdfWritten)
    : m_pdfPath(pdfPath), m_pdfWritten(std::move(pdfWritten)) {
    if (m_pdfPath.isEmpty()) {
        m_printer =
            std::make_unique<QPrinter>(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
    } else {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        m_printer->setOutputFormat(QPrinter::PdfFormat);
        m_printer->setOutputFileName(m_pdfPath);
        m_printer->setPageSize(PrintLayout::defaultPaper());
    }
    // The print queue and the print dialog's file name show it: the window captions' leading
    // blank left out.
    m_printer->setDocName(documentName.trimmed());
    m_printer->setFullPage(false);
    // Refused when the printer cannot print that close to the edge; its own margins stay then.
    m_printer->setPageMargins(PrintLayout::pageMargins(), QPageLayout::Point);
    m_font = PrintLayout::standardFont();
}

SystemPrinter::~SystemPrinter() {
    // A document left open is still sent, as the user asked for it to be printed.
    sendDocument();
}

QString SystemPrinter::printoutPath(const QString& documentName) {
    const QString name = fileNameOf(documentName, QStringLiteral("Printout"));
    // Without a data folder (no home) the printout stays in the program's directory.
    const QString data = AppFolders::dataFolder();
    const QString folder =
        QDir(data.isEmpty() ? QDir::currentPath() : data).filePath(QStringLiteral("Printouts"));
    QDir().mkpath(folder);
    const QString stem =
        name + u' ' + QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd hh-mm-ss"));
    QString path = QDir(folder).filePath(stem + QStringLiteral(".pdf"));
    // Two printouts within one second each get a file.
    for (int n = 2; QFileInfo::exists(path); ++n) {
        path = QDir(folder).filePath(stem + QStringLiteral(" (%1).pdf").arg(n));
    }
    return path;
}

bool SystemPrinter::pageChosen() const {
    return m_fromPage == 0 || (m_page >= m_fromPage && m_page <= m_toPage);
}

bool SystemPrinter::ensurePage() {
    if (m_failed) {
        return false;
    }
    if (!pageChosen()) {
        // Laid out, never drawn: the printer starts no page for it.
        return true;
    }
    if (!m_started) {
        m_painter = std::make_unique<QPainter>();
        if (!m_painter->begin(m_printer.get())) {
            m_painter.reset();
            m_failed = true;
            return false;
        }
        m_started = true;
        m_pagePending = false; // the first page printed starts with the document
        m_painter->setFont(m_font);
        m_painter->setPen(Qt::black);
    }
    if (m_pagePending) {
        m_pagePending = false;
        if (!m_printer->newPage()) {
            m_failed = true;
            return false;
        }
    }
    return true;
}

qreal SystemPrinter::lineSpacing() const {
    return PrintLayout::lineAdvance(QFontMetricsF(m_font, m_printer.get()).lineSpacing(), m_font,
                                    m_printer->logicalDpiY());
}

void SystemPrinter::print(const QString& text) {
    if (!startLine()) {
        return;
    }
    if (m_tab > 0) {
        const int start =
            columnStart(m_column, m_tab, m_lastChar, text.isEmpty() ? QChar() : text.front());
        if (start > m_column) {
            m_lastChar = u' ';
        }
        m_column = start;
        m_tab = 0;
    }
    if (pageChosen()) {
        const QFontMetricsF metrics(m_font, m_printer.get());
        const QPointF baseline((m_column - 1) * metrics.horizontalAdvance(QLatin1Char('0')),
                               m_top + metrics.ascent());
        m_painter->drawText(baseline, text);
        m_drewAnything = true;
    }
    m_column += static_cast<int>(text.size());
    if (!text.isEmpty()) {
        m_lastChar = text.back();
    }
}

void SystemPrinter::endLine() {
    if (!startLine()) {
        return;
    }
    m_top += lineSpacing();
    m_column = 1;
    m_lastChar = QChar();
    m_tab = 0;
    m_drewAnything = m_drewAnything || pageChosen();
}

bool SystemPrinter::startLine() {
    if (!ensurePage()) {
        return false;
    }
    const qreal height = m_printer->pageRect(QPrinter::DevicePixel).height();
    if (m_top > 0 && m_top + lineSpacing() > height + 0.5) {
        // A line that would run off the paper goes to the top of the next page. The break
        // waits for the line, so a page filled to its last line is not followed by an empty
        // one when the document then asks for a new page itself.
        newPage();
        return ensurePage();
    }
    return true;
}

void SystemPrinter::tab(int column) {
    if (!ensurePage()) {
        return;
    }
    // Where the column starts depends on the text printed there: see print().
    m_tab = std::max(1, column);
}

int SystemPrinter::page() const {
    return m_page;
}

void SystemPrinter::newPage() {
    if (m_pagePending) {
        // The page waiting to be started is printed empty, as it was asked for.
        ensurePage();
    }
    if (!m_started) {
        ensurePage();
    }
    m_pagePending = true;
    ++m_page;
    m_top = 0;
    m_column = 1;
    m_lastChar = QChar();
    m_tab = 0;
}

bool SystemPrinter::sendDocument() {
    bool sent = !m_failed;
    m_failed = false;
    m_pagePending = false;
    m_page = 1;
    m_top = 0;
    m_column = 1;
    m_lastChar = QChar();
    m_tab = 0;
    if (!m_started) {
        // Nothing reached the printer: an empty document, or none of its pages in the range.
        m_drewAnything = false;
        return sent;
    }
    m_started = false;
    sent = m_painter->end() && sent;
    m_painter.reset();
    if (sent && m_drewAnything && !m_pdfPath.isEmpty() && m_pdfWritten) {
        m_pdfWritten(m_pdfPath);
    }
    m_drewAnything = false;
    return sent;
}

void SystemPrinter::useFont(const QFont& font) {
    m_font = font;
    if (m_painter) {
        m_painter->setFont(m_font);
    }
}

bool SystemPrinter::setFont(const QString& family, int points, bool bold) {
    if (points <= 0) {
        return false;
    }
    const QFont font = PrintLayout::reportFont(family, points, bold);
    // The report columns need a fixed-pitch font; a family that resolves to anything else
    // counts as missing.
    if (!QFontInfo(font).fixedPitch()) {
        return false;
    }
    useFont(font);
    return true;
}

void SystemPrinter::setStandardFont() {
    useFont(PrintLayout::standardFont());
}

bool SystemPrinter::printWindow(QWidget& window) {
    const QPixmap picture = window.grab();
    if (picture.isNull()) {
        return false;
    }
    if (m_started && m_drewAnything && !m_pagePending) {
        newPage();
    }
    if (!ensurePage()) {
        return false;
    }
    if (!pageChosen()) {
        newPage();
        return true;
    }
    const QRectF area(QPointF(0, 0), m_printer->pageRect(QPrinter::DevicePixel).size());
    QSizeF size = picture.size();
    size.scale(area.size(), Qt::KeepAspectRatio);
    const QRectF target(area.topLeft(), size);
    m_painter->drawPixmap(target, picture, QRectF(picture.rect()));
    m_drewAnything = true;
    // What follows goes to a page of its own.
    newPage();
    return true;
}

int SystemPrinter::linesPerPhysicalPage() const {
    const qreal height = m_printer->pageRect(QPrinter::DevicePixel).height();
    const qreal spacing = lineSpacing();
    return spacing > 0 ? static_cast<int>(std::floor(height / spacing + 1e-9)) : 0;
}
