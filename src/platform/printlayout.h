#pragma once
// How lines of text sit on a printed page. Shared by the system printer, which lays out its
// pages with it, and the text printer, which answers how many lines a page would hold.
//
// Measures are in points (1/72 inch). Fonts are measured at 1200 dpi, the resolution the
// system printer draws at, so the rounding of screen fonts does not change the line counts.

#include <QFont>
#include <QMarginsF>
#include <QPageSize>

namespace PrintLayout {

// The printer's standard font: the system's fixed-pitch font at 10 points.
constexpr int StandardPoints = 10;
QFont standardFont();
QFont reportFont(const QString& family, int points, bool bold);

// The paper of a new document when the printer names none: Letter where the locale measures in
// US units, A4 elsewhere.
QPageSize defaultPaper();
// Every edge of the printable area is a quarter inch inside the paper.
QMarginsF pageMargins();
qreal printableHeight(const QPageSize& paper);
qreal printableWidth(const QPageSize& paper);

// One line advance is the font's line spacing, but never more than single spacing (1.2 times
// the size of the font): a system font with a generous line gap still prints as many lines
// as the reports count on a page.
constexpr qreal MaxLineAdvanceEm = 1.2;
// `lineSpacing` and the result in device units of `dpi`.
qreal lineAdvance(qreal lineSpacing, const QFont& font, qreal dpi);

struct FontMeasures {
    qreal lineSpacing = 0; // advance from one line to the next (lineAdvance())
    qreal ascent = 0;
    qreal charWidth = 0; // width of one character column (the font is fixed-pitch)
};
FontMeasures measure(const QFont& font);

// Whole lines of `font` that fit `height` points.
int linesThatFit(const QFont& font, qreal height);
// Whole character columns of `font` that fit `width` points.
int columnsThatFit(const QFont& font, qreal width);

} // namespace PrintLayout
