#include "platform/printlayout.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QLocale>
#include <algorithm>
#include <cmath>

namespace {

constexpr qreal ReferenceDpi = 1200.0;
constexpr qreal PointsPerInch = 72.0;

} // namespace

namespace PrintLayout {

QFont standardFont() {
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSize(StandardPoints);
    font.setBold(false);
    return font;
}

QFont reportFont(const QString& family, int points, bool bold) {
    QFont font(family, points);
    font.setBold(bold);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    return font;
}

QPageSize defaultPaper() {
    return QLocale::system().measurementSystem() == QLocale::ImperialUSSystem
               ? QPageSize(QPageSize::Letter)
               : QPageSize(QPageSize::A4);
}

QMarginsF pageMargins() {
    return {18.0, 18.0, 18.0, 18.0};
}

qreal printableHeight(const QPageSize& paper) {
    const QMarginsF margins = pageMargins();
    return paper.size(QPageSize::Point).height() - margins.top() - margins.bottom();
}

qreal printableWidth(const QPageSize& paper) {
    const QMarginsF margins = pageMargins();
    return paper.size(QPageSize::Point).width() - margins.left() - margins.right();
}

qreal lineAdvance(qreal lineSpacing, const QFont& font, qreal dpi) {
    const qreal points = font.pointSizeF() > 0 ? font.pointSizeF() : StandardPoints;
    return std::min(lineSpacing, MaxLineAdvanceEm * points * dpi / PointsPerInch);
}

FontMeasures measure(const QFont& font) {
    FontMeasures m;
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr) {
        // No font system without a GUI application: the usual proportions of a fixed font.
        const qreal points = font.pointSizeF() > 0 ? font.pointSizeF() : StandardPoints;
        m.lineSpacing = points * MaxLineAdvanceEm;
        m.ascent = points * 0.85;
        m.charWidth = points * 0.6;
        return m;
    }
    QImage reference(1, 1, QImage::Format_Mono);
    const int dotsPerMeter = qRound(ReferenceDpi / 0.0254);
    reference.setDotsPerMeterX(dotsPerMeter);
    reference.setDotsPerMeterY(dotsPerMeter);
    const QFontMetricsF metrics(font, &reference);
    const qreal toPoints = PointsPerInch / ReferenceDpi;
    m.lineSpacing = lineAdvance(metrics.lineSpacing(), font, ReferenceDpi) * toPoints;
    m.ascent = metrics.ascent() * toPoints;
    m.charWidth = metrics.horizontalAdvance(QLatin1Char('0')) * toPoints;
    return m;
}

int linesThatFit(const QFont& font, qreal height) {
    const qreal spacing = measure(font).lineSpacing;
    if (spacing <= 0) {
        return 0;
    }
    return static_cast<int>(std::floor(height / spacing + 1e-9));
}

int columnsThatFit(const QFont& font, qreal width) {
    const qreal column = measure(font).charWidth;
    if (column <= 0) {
        return 0;
    }
    return static_cast<int>(std::floor(width / column + 1e-9));
}

} // namespace PrintLayout
