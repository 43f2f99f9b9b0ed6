#pragma once
// The arithmetic of the bar chart's layout, apart from any drawing: the scale of the value axis
// and its labels, how the labels along the bottom thin out or turn upright, and how the legend
// stands in columns right of the bars. Sizes are in the chart's pixels.

#include <QRectF>
#include <QString>
#include <vector>

// The room kept right of the plot for the depth of the last bar.
inline constexpr int RightRoom = 20;
// The legend's colour swatch, and the room around its entries.
inline constexpr double Swatch = 11.0;
inline constexpr double LegendGap = 5.0;

struct ValueScale {
    double low = 0.0;
    double high = 1.0;
    double step = 0.2;
    int decimals = 1;
};

// About five steps of 1, 2, 2.5 or 5 times a power of ten, from zero or below the lowest value
// to a little above the highest, so the tallest bar has head room for its top face. Values that
// are not finite are left out.
ValueScale valueScale(const std::vector<double>& values);

struct AxisTick {
    QString label;
    double value = 0.0;
};

// A label at every step of the scale, digits grouped in threes with commas and the scale's
// decimals ("-25,000", "0", "2.50").
std::vector<AxisTick> valueTicks(const ValueScale& scale);

// How the labels along the bottom fit: every `step`-th label shown (0 before any fit), across
// (angle 0) or upright (-90), in a band `band` high under the plot.
struct LabelFit {
    int step = 0;
    int angle = 0;
    int band = 0;
};

// `count` labels under a plot `plotWidth` wide, the widest `widest` wide and each a line
// `lineHeight` high. Short labels (year numbers) that crowd each other thin out; long ones
// (dates) turn upright first.
LabelFit fitAxisLabels(int count, int widest, int lineHeight, double plotWidth);

// The legend: `rows` entries a column, each column `columnWidth` wide with texts cut at
// `textWidth`, in a band `band` wide right of the plot.
struct LegendFit {
    int rows = 0;
    double columnWidth = 0.0;
    double textWidth = 0.0;
    int band = 0;
};

// `entries` entries `entryHeight` high beside a plot `plotHeight` high on a chart `chartWidth`
// wide, the widest text `widestText` wide: as many columns as the height needs, and a long text
// cut short rather than squeeze the bars. No entries, no legend.
LegendFit fitLegendColumns(int entries, double entryHeight, double plotHeight, double widestText,
                           double chartWidth);

// Where each of `entries` entries stands: column by column right of `plot`, the whole legend
// centred on the plot's height but never above its top.
std::vector<QRectF> legendEntryRects(int entries, const LegendFit& fit, const QRectF& plot,
                                     double entryHeight);
