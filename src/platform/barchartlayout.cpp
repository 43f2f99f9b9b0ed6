#include "platform/barchartlayout.h"

#include "core/formats.h"

#include <algorithm>
#include <cmath>

ValueScale valueScale(const std::vector<double>& values) {
    double lo = 0.0;
    double hi = 0.0;
    for (double v : values) {
        if (std::isfinite(v)) {
            lo = std::min(lo, v);
            hi = std::max(hi, v);
        }
    }
    if (hi > 0) {
        hi += (hi - lo) * 0.04;
    }
    if (lo < 0) {
        lo -= (hi - lo) * 0.04;
    }
    if (hi - lo <= 0) {
        hi = lo + 1.0;
    }
    const double raw = (hi - lo) / 5.0;
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    const double f = raw / magnitude;
    const double nice = f <= 1 ? 1 : f <= 2 ? 2 : f <= 2.5 ? 2.5 : f <= 5 ? 5 : 10;
    ValueScale s;
    s.step = nice * magnitude;
    s.low = std::floor(lo / s.step + 1e-9) * s.step;
    s.high = std::ceil(hi / s.step - 1e-9) * s.step;
    s.decimals = std::max(0, -static_cast<int>(std::floor(std::log10(s.step) + 1e-9)));
    if (nice == 2.5 && s.step < 10) {
        ++s.decimals;
    }
    return s;
}

std::vector<AxisTick> valueTicks(const ValueScale& scale) {
    const QString pattern = QStringLiteral("#,##0") +
                            (scale.decimals > 0 ? u'.' + QString(scale.decimals, u'0') : QString());
    std::vector<AxisTick> ticks;
    const int steps = static_cast<int>(std::lround((scale.high - scale.low) / scale.step));
    for (int k = 0; k <= steps; ++k) {
        const double v = scale.low + k * scale.step;
        // A step that lands next to zero is zero: no "-0" and no noise digits.
        const double shown = std::fabs(v) < scale.step * 1e-6 ? 0.0 : v;
        ticks.push_back({formatNumber(shown, pattern), v});
    }
    return ticks;
}

LabelFit fitAxisLabels(int count, int widest, int lineHeight, double plotWidth) {
    const double slot = std::max(1.0, plotWidth / std::max(1, count));
    const int across = static_cast<int>(std::ceil((widest + 6) / slot - 1e-9));
    const int upright = static_cast<int>(std::ceil((lineHeight + 2) / slot - 1e-9));
    LabelFit fit;
    fit.angle = across <= upright ? 0 : -90;
    fit.step = std::max(1, fit.angle == 0 ? across : upright);
    fit.band = widest == 0 ? 4 : fit.angle == 0 ? lineHeight + 6 : widest + 10;
    return fit;
}

LegendFit fitLegendColumns(int entries, double entryHeight, double plotHeight, double widestText,
                           double chartWidth) {
    LegendFit fit;
    if (entries <= 0) {
        return fit;
    }
    const int fitting = std::max(1, static_cast<int>(plotHeight / entryHeight));
    const int columns = (entries + fitting - 1) / fitting;
    fit.rows = (entries + columns - 1) / columns;
    const double most = std::max(40.0, chartWidth * 0.45 / columns - Swatch - 3 * LegendGap);
    fit.textWidth = std::min(std::ceil(widestText), most);
    fit.columnWidth = Swatch + 3 * LegendGap + fit.textWidth;
    fit.band = static_cast<int>(std::ceil(columns * fit.columnWidth));
    return fit;
}

std::vector<QRectF> legendEntryRects(int entries, const LegendFit& fit, const QRectF& plot,
                                     double entryHeight) {
    std::vector<QRectF> rects;
    if (fit.rows < 1) {
        return rects;
    }
    const double left = plot.right() + RightRoom;
    const double top = std::max(plot.top(), plot.center().y() - fit.rows * entryHeight / 2.0);
    for (int i = 0; i < entries; ++i) {
        const int column = i / fit.rows;
        const int row = i % fit.rows;
        rects.emplace_back(left + column * fit.columnWidth, top + row * entryHeight,
                           fit.columnWidth - LegendGap, entryHeight);
    }
    return rects;
}
