#pragma once
// How the bar chart's bars look, and the parts of the chart it paints itself over the drawing
// of Qt Charts: the bars with depth, the labels along the bottom and the legend. On screen and
// in colour printouts the bars are coloured; a monochrome printout tells the points apart by
// greys and fill patterns.

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QRectF>
#include <QStringList>
#include <vector>

class QPainter;

struct BarLook {
    bool colour = true;    // on screen or a colour printout; false: monochrome
    bool perPoint = false; // each point a colour of its own (a chart with a legend)
};

// The face colour and the fill of the bar of point `index` (0-based).
QColor barColour(const BarLook& look, int index);
QBrush barBrush(const BarLook& look, int index);
// The colour of texts, axes and titles.
QColor inkColour(const BarLook& look);
// The outline of the bars and the legend's swatches.
QColor edgeColour(const BarLook& look);

// The bars with depth: `fronts` are the front faces left to right, standing on the zero line
// `zeroY` of `plot`; each gets a top and a side face `depth` deep, over a floor along the zero
// line.
void paintDepthBars(QPainter& painter, const BarLook& look, const std::vector<QRectF>& fronts,
                    const QRectF& plot, double zeroY, double depth);

// The labels along the bottom: `labels[i]` under the bar centred at `centres[i]`, from `top`
// down, every `step`-th label. Across, each is centred in `step` slots of `slot`; upright
// (`angle` -90), each reads from the bottom up and ends just under the axis, in a band `band`
// high.
void paintAxisLabels(QPainter& painter, const BarLook& look, const QFont& font,
                     const QStringList& labels, const std::vector<double>& centres, double top,
                     double slot, int step, int angle, int band);

// The legend: a swatch of each point's look and its text, cut at `textWidth`, in `entries`.
void paintLegend(QPainter& painter, const BarLook& look, const QFont& font,
                 const std::vector<QRectF>& entries, const QStringList& texts, double textWidth);
