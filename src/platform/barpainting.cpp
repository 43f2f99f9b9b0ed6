#include "platform/barpainting.h"

#include "platform/barchartlayout.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <iterator>

namespace {

// Colours of the screen and of colour printouts: one for the bars of a yearly chart, a
// palette for the points of a comparison.
const QColor SingleColour(0x3b, 0x6e, 0xa8);
// 22 colours, one for each comparison a calculator keeps.
const QColor Palette[] = {
    QColor(0x3b, 0x6e, 0xa8), QColor(0xe0, 0x8a, 0x2e), QColor(0x4f, 0x9d, 0x5a),
    QColor(0xc8, 0x4b, 0x4b), QColor(0x7e, 0x62, 0xa8), QColor(0x2f, 0x9c, 0x9c),
    QColor(0xd4, 0xb0, 0x2c), QColor(0x9a, 0x6a, 0x4b), QColor(0xd9, 0x72, 0xa6),
    QColor(0x6b, 0x8e, 0x23), QColor(0x5d, 0x7b, 0xc8), QColor(0x8c, 0x8c, 0x8c),
    QColor(0x1b, 0x3a, 0x5c), QColor(0xf2, 0xc0, 0x8a), QColor(0x9f, 0xd3, 0xa4),
    QColor(0x7a, 0x1f, 0x1f), QColor(0xc3, 0xb1, 0xe1), QColor(0x10, 0x5e, 0x5e),
    QColor(0x8a, 0x70, 0x00), QColor(0xe0, 0xc2, 0xa8), QColor(0x8e, 0x2c, 0x5e),
    QColor(0x00, 0x00, 0x00),
};

// Monochrome: a grey and a fill pattern per point, so that a black-and-white printout still
// tells the points apart.
struct GreyLook {
    int grey; // the face of a solid bar, and the sides and top of a bar with depth
    Qt::BrushStyle style;
    int ink = 40; // the lines of a pattern
};
const GreyLook Greys[] = {
    {90, Qt::SolidPattern},
    {190, Qt::SolidPattern},
    {140, Qt::BDiagPattern},
    {140, Qt::FDiagPattern},
    {140, Qt::DiagCrossPattern},
    {140, Qt::CrossPattern},
    {140, Qt::HorPattern},
    {140, Qt::VerPattern},
    {140, Qt::SolidPattern},
    {40, Qt::SolidPattern},
    {230, Qt::SolidPattern},
    {140, Qt::Dense4Pattern},
    {140, Qt::Dense2Pattern},
    {140, Qt::Dense6Pattern},
    {170, Qt::BDiagPattern, 130},
    {170, Qt::FDiagPattern, 130},
    {170, Qt::DiagCrossPattern, 130},
    {170, Qt::CrossPattern, 130},
    {170, Qt::HorPattern, 130},
    {170, Qt::VerPattern, 130},
    {170, Qt::Dense3Pattern, 130},
    {170, Qt::Dense5Pattern, 130},
};

const GreyLook& greyLook(int index) {
    return Greys[static_cast<std::size_t>(index) % std::size(Greys)];
}

} // namespace

QColor barColour(const BarLook& look, int index) {
    if (look.colour) {
        return look.perPoint ? Palette[static_cast<std::size_t>(index) % std::size(Palette)]
                             : SingleColour;
    }
    const int grey = look.perPoint ? greyLook(index).grey : 150;
    return QColor(grey, grey, grey);
}

QBrush barBrush(const BarLook& look, int index) {
    if (look.colour || !look.perPoint) {
        return QBrush(barColour(look, index));
    }
    const GreyLook& grey = greyLook(index);
    return grey.style == Qt::SolidPattern
               ? QBrush(barColour(look, index))
               : QBrush(QColor(grey.ink, grey.ink, grey.ink), grey.style);
}

QColor inkColour(const BarLook& look) {
    return look.colour ? QColor(0x30, 0x30, 0x30) : QColor(Qt::black);
}

QColor edgeColour(const BarLook& look) {
    return look.colour ? QColor(0, 0, 0, 90) : QColor(Qt::black);
}

void paintDepthBars(QPainter& painter, const BarLook& look, const std::vector<QRectF>& fronts,
                    const QRectF& plot, double zeroY, double depth) {
    const QPointF shift(depth, -depth * 0.75);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipRect(plot.adjusted(-1, -depth - 2, depth + 2, 1));
    const QPen edge(look.colour ? QColor(0, 0, 0, 110) : Qt::black, 0.8);

    // The floor: a slab under the bars along the zero line.
    QPolygonF floor;
    floor << QPointF(plot.left(), zeroY) << QPointF(plot.right() - depth, zeroY)
          << QPointF(plot.right() - depth, zeroY) + shift << QPointF(plot.left(), zeroY) + shift;
    painter.setPen(Qt::NoPen);
    painter.setBrush(look.colour ? QColor(0xdd, 0xe3, 0xea) : QColor(225, 225, 225));
    painter.drawPolygon(floor);

    // Left to right: each front face covers the side face of the bar before it.
    for (std::size_t i = 0; i < fronts.size(); ++i) {
        const QRectF& front = fronts[i];
        const int index = static_cast<int>(i);
        const QColor base = barColour(look, index);
        QPolygonF top;
        top << front.topLeft() << front.topRight() << front.topRight() + shift
            << front.topLeft() + shift;
        QPolygonF side;
        side << front.topRight() << front.bottomRight() << front.bottomRight() + shift
             << front.topRight() + shift;
        painter.setPen(edge);
        painter.setBrush(base.darker(145));
        painter.drawPolygon(side);
        painter.setBrush(base.lighter(look.colour ? 135 : 125));
        painter.drawPolygon(top);
        if (!look.colour) {
            painter.setBrush(Qt::white);
            painter.drawRect(front);
        }
        painter.setBrush(barBrush(look, index));
        painter.drawRect(front);
    }
    painter.restore();
}

void paintAxisLabels(QPainter& painter, const BarLook& look, const QFont& font,
                     const QStringList& labels, const std::vector<double>& centres, double top,
                     double slot, int step, int angle, int band) {
    const QFontMetricsF metrics(font);
    painter.save();
    painter.setFont(font);
    painter.setPen(inkColour(look));
    for (qsizetype i = 0; i < labels.size(); i += step) {
        const double x = centres[static_cast<std::size_t>(i)];
        const QString& text = labels[i];
        if (angle == 0) {
            const double w = slot * step;
            painter.drawText(QRectF(x - w / 2, top, w, metrics.height()),
                             Qt::AlignHCenter | Qt::AlignTop, text);
        } else {
            // Read from the bottom up, ending just under the axis.
            painter.save();
            painter.translate(x, top);
            painter.rotate(-90);
            painter.drawText(QRectF(-(band - 4), -metrics.height() / 2, band - 4, metrics.height()),
                             Qt::AlignRight | Qt::AlignVCenter, text);
            painter.restore();
        }
    }
    painter.restore();
}

void paintLegend(QPainter& painter, const BarLook& look, const QFont& font,
                 const std::vector<QRectF>& entries, const QStringList& texts, double textWidth) {
    const QFontMetricsF metrics(font);
    painter.save();
    painter.setFont(font);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const QRectF& e = entries[i];
        const int index = static_cast<int>(i);
        const QRectF swatch(e.left(), e.center().y() - Swatch / 2, Swatch, Swatch);
        painter.setPen(QPen(edgeColour(look), 1));
        painter.setBrush(Qt::white);
        painter.drawRect(swatch);
        painter.setBrush(barBrush(look, index));
        painter.drawRect(swatch);
        painter.setPen(inkColour(look));
        const QRectF text(swatch.right() + LegendGap, e.top(), textWidth, e.height());
        painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter,
                         metrics.elidedText(texts.value(index), Qt::ElideRight, textWidth));
    }
    painter.restore();
}
