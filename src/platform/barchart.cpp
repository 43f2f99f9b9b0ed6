#include "platform/barchart.h"

#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QGraphicsLayout>
#include <QLegend>
#include <QPainter>
#include <QResizeEvent>
#include <QStackedBarSeries>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

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

// The room kept right of the plot for the depth of the last bar.
constexpr int RightRoom = 20;

// The legend's colour swatch, and the room around its entries.
constexpr double Swatch = 11.0;
constexpr double LegendGap = 5.0;

// The share of its category a bar takes.
constexpr double BarWidth = 0.62;

// Digits grouped in threes with commas, as the program shows amounts: 100000 -> "100,000".
QString groupedNumber(double value, int decimals) {
    QString digits = QString::number(std::fabs(value), 'f', decimals);
    const qsizetype point = digits.indexOf(QLatin1Char('.'));
    for (qsizetype i = (point < 0 ? digits.size() : point) - 3; i > 0; i -= 3) {
        digits.insert(i, QLatin1Char(','));
    }
    const bool negative = value < 0 && std::fabs(value) >= 0.5 * std::pow(10.0, -decimals);
    return negative ? QLatin1Char('-') + digits : digits;
}

struct ValueScale {
    double low = 0.0;
    double high = 1.0;
    double step = 0.2;
    int decimals = 1;
};

// About five steps of 1, 2, 2.5 or 5 times a power of ten, from zero or below the lowest
// value to a little above the highest, so the tallest bar has head room for its top face.
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

double finiteOrZero(double v) {
    return std::isfinite(v) ? v : 0.0;
}

} // namespace

// The chart view; it paints the bars with depth over the chart when the chart type is 3-D.
class BarChartView : public QChartView {
public:
    BarChartView(QChart* chart, BarChart* owner) : QChartView(chart, owner), m_owner(owner) {
        setRenderHint(QPainter::Antialiasing);
        setFrameShape(QFrame::NoFrame);
        setFocusPolicy(Qt::NoFocus);
    }

protected:
    void drawForeground(QPainter* painter, const QRectF& rect) override {
        QChartView::drawForeground(painter, rect);
        m_owner->paintOverlay(*painter);
    }

private:
    BarChart* m_owner;
};

BarChart::BarChart(QWidget* parent)
    : QWidget(parent), m_labels{QString()}, m_legend{QString()}, m_chart(new QChart) {
    m_chart->setBackgroundRoundness(0);
    // Room on the right for the depth of the last bar, at the top for the highest value's label.
    m_chart->setMargins(QMargins(6, 10, RightRoom, 6));
    m_chart->layout()->setContentsMargins(0, 0, 0, 0);
    m_chart->legend()->hide();
    m_view = new BarChartView(m_chart, this);
    m_view->setGeometry(rect());
    setMinimumSize(120, 90);
}

BarChart::~BarChart() = default;

void BarChart::setNumPoints(int points) {
    const int n = std::max(1, points);
    m_values.resize(static_cast<std::size_t>(n), 0.0);
    m_labels.resize(n);
    m_legend.resize(n);
    m_current = 1;
}

void BarChart::setThisPoint(int point) {
    m_current = std::clamp(point, 1, numPoints());
}

void BarChart::advance() {
    if (m_autoInc != 0) {
        m_current = m_current >= numPoints() ? 1 : m_current + 1;
    }
}

void BarChart::setLabel(const QString& text) {
    m_labels[m_current - 1] = text;
    advance();
}

void BarChart::setLegendText(const QString& text) {
    m_legend[m_current - 1] = text;
    advance();
}

void BarChart::setValue(double value) {
    m_values[static_cast<std::size_t>(m_current - 1)] = value;
    advance();
}

QString BarChart::label(int point) const {
    return point >= 1 && point <= numPoints() ? m_labels[point - 1] : QString();
}

QString BarChart::legendText(int point) const {
    return point >= 1 && point <= numPoints() ? m_legend[point - 1] : QString();
}

double BarChart::value(int point) const {
    return point >= 1 && point <= numPoints() ? m_values[static_cast<std::size_t>(point - 1)] : 0.0;
}

bool BarChart::legendMode() const {
    return std::any_of(m_legend.begin(), m_legend.end(),
                       [](const QString& t) { return !t.isEmpty(); });
}

void BarChart::draw(int command) {
    if (command == DrawAnew || (command == Redraw && m_builds == 0)) {
        build();
    } else if (command != Redraw) {
        return;
    }
    m_drawnType = m_type == Bars3D ? Bars3D : Bars2D;
    applyLook();
}

void BarChart::build() {
    ++m_builds;
    m_drawnLegend = legendMode();
    m_drawnLabels = m_labels;
    m_drawnLegendTexts = m_legend;
    m_drawnValues.resize(m_values.size());
    std::transform(m_values.begin(), m_values.end(), m_drawnValues.begin(), finiteOrZero);

    m_chart->removeAllSeries();
    for (QAbstractAxis* axis : m_chart->axes()) {
        // The chart deletes the drawing of a removed axis only later, from the event loop;
        // until then its labels, grid and line would still show, in a picture taken at once
        // beside the new axis. Hidden first, they do not.
        axis->hide();
        m_chart->removeAxis(axis);
        delete axis;
    }
    m_axisX = nullptr;
    m_axisY = nullptr;

    const int n = numPoints();
    QAbstractBarSeries* series = nullptr;
    if (m_drawnLegend) {
        // One set per point, each holding its value in its own category only: every point
        // has a bar of its own colour and an entry in the legend.
        series = new QStackedBarSeries;
        for (int i = 0; i < n; ++i) {
            auto* set = new QBarSet(m_legend[i]);
            QList<qreal> values(n, 0.0);
            values[i] = m_drawnValues[static_cast<std::size_t>(i)];
            set->append(values);
            series->append(set);
        }
    } else {
        series = new QBarSeries;
        auto* set = new QBarSet(QString());
        QList<qreal> values(m_drawnValues.begin(), m_drawnValues.end());
        set->append(values);
        series->append(set);
    }
    series->setBarWidth(BarWidth);
    m_chart->addSeries(series);

    // Bar i stands at i on a plain value axis without labels or ticks: the labels are painted
    // over the chart, where they can thin out or turn upright. (A category axis would lay out
    // every label it never shows, which costs more than all the rest of a drawing.)
    m_axisX = new QValueAxis;
    m_axisX->setGridLineVisible(false);
    m_axisX->setRange(-0.5, std::max(1, n) - 0.5);
    m_axisX->setTickCount(2);
    m_axisX->setLabelsVisible(false);
    m_chart->addAxis(m_axisX, Qt::AlignBottom);
    series->attachAxis(m_axisX);

    const ValueScale scale = valueScale(m_drawnValues);
    m_axisY = new QCategoryAxis;
    m_axisY->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    m_axisY->setStartValue(scale.low);
    const int steps = static_cast<int>(std::lround((scale.high - scale.low) / scale.step));
    for (int k = 0; k <= steps; ++k) {
        const double v = scale.low + k * scale.step;
        m_axisY->append(groupedNumber(std::fabs(v) < scale.step * 1e-6 ? 0.0 : v, scale.decimals),
                        v);
    }
    m_axisY->setRange(scale.low, scale.high);
    m_axisY->setTitleText(m_leftTitle);
    m_chart->addAxis(m_axisY, Qt::AlignLeft);
    series->attachAxis(m_axisY);

    m_chart->setTitle(m_title);
    // The legend is painted over the chart, in as many columns as its entries need.
    m_chart->legend()->setVisible(false);
    applyFonts();
    fitAll();
}

void BarChart::fitAll() {
    layOut();
    fitLabels();
    fitLegend();
}

void BarChart::layOut() {
    // The chart lays itself out on a posted event; the drawing must be whole at once, for a
    // picture taken straight after it.
    m_chart->resize(m_view->size());
    m_chart->layout()->activate();
}

QColor BarChart::barColor(int index) const {
    if (colourLook()) {
        return m_drawnLegend ? Palette[index % std::size(Palette)] : SingleColour;
    }
    const int grey = m_drawnLegend ? Greys[index % std::size(Greys)].grey : 150;
    return QColor(grey, grey, grey);
}

QBrush BarChart::barBrush(int index) const {
    if (colourLook() || !m_drawnLegend) {
        return QBrush(barColor(index));
    }
    const GreyLook& look = Greys[index % std::size(Greys)];
    return look.style == Qt::SolidPattern
               ? QBrush(barColor(index))
               : QBrush(QColor(look.ink, look.ink, look.ink), look.style);
}

void BarChart::applyFonts() {
    QFont titleFont = font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.25);
    titleFont.setBold(true);
    m_chart->setTitleFont(titleFont);
    QFont axisFont = font();
    axisFont.setPointSizeF(axisFont.pointSizeF() * 0.85);
    QFont axisTitleFont = axisFont;
    axisTitleFont.setBold(true);
    for (QAbstractAxis* axis :
         {static_cast<QAbstractAxis*>(m_axisX), static_cast<QAbstractAxis*>(m_axisY)}) {
        axis->setLabelsFont(axisFont);
        axis->setTitleFont(axisTitleFont);
    }
}

void BarChart::applyLook() {
    const bool colour = colourLook();
    const QColor ink = colour ? QColor(0x30, 0x30, 0x30) : Qt::black;
    m_chart->setBackgroundBrush(Qt::white);
    m_chart->setPlotAreaBackgroundVisible(true);
    m_chart->setPlotAreaBackgroundBrush(colour ? QColor(0xf7, 0xf9, 0xfc) : QColor(Qt::white));
    m_chart->setPlotAreaBackgroundPen(QPen(colour ? QColor(0xc8, 0xcf, 0xd8) : Qt::black, 1));
    m_chart->setTitleBrush(ink);
    for (QAbstractAxis* axis :
         {static_cast<QAbstractAxis*>(m_axisX), static_cast<QAbstractAxis*>(m_axisY)}) {
        if (axis != nullptr) {
            axis->setLabelsColor(ink);
            axis->setLinePen(QPen(ink, 1));
            axis->setTitleBrush(ink);
        }
    }
    if (m_axisY != nullptr) {
        m_axisY->setGridLinePen(QPen(colour ? QColor(0xd8, 0xde, 0xe6) : QColor(170, 170, 170), 1,
                                     colour ? Qt::SolidLine : Qt::DotLine));
    }

    const auto series = m_chart->series();
    if (series.isEmpty()) {
        return;
    }
    auto* bars = static_cast<QAbstractBarSeries*>(series.first());
    const QPen edge(colour ? QColor(0, 0, 0, 90) : Qt::black, 1);
    const auto sets = bars->barSets();
    for (int i = 0; i < sets.size(); ++i) {
        sets[i]->setBrush(barBrush(i));
        sets[i]->setPen(edge);
    }
    m_view->viewport()->update();
}

void BarChart::fitLabels() {
    int band = 0;
    if (m_axisX != nullptr && !m_drawnLegend) {
        const int n = std::max(1, static_cast<int>(m_drawnLabels.size()));
        const QFontMetrics metrics(m_axisX->labelsFont());
        int widest = 0;
        for (const QString& text : m_drawnLabels) {
            widest = std::max(widest, metrics.horizontalAdvance(text));
        }
        const double slot = std::max(1.0, m_chart->plotArea().width() / n);
        // Short labels (year numbers) that crowd each other thin out; long ones (dates)
        // turn upright first. Either way only every step-th label shows.
        const int across = static_cast<int>(std::ceil((widest + 6) / slot - 1e-9));
        const int upright = static_cast<int>(std::ceil((metrics.height() + 2) / slot - 1e-9));
        m_labelAngle = across <= upright ? 0 : -90;
        m_labelStep = std::max(1, m_labelAngle == 0 ? across : upright);
        band = widest == 0 ? 4 : m_labelAngle == 0 ? metrics.height() + 6 : widest + 10;
    }
    if (band != m_labelBand) {
        m_labelBand = band;
        QMargins margins = m_chart->margins();
        margins.setBottom(6 + band);
        m_chart->setMargins(margins);
        layOut();
    }
}

double BarChart::legendEntryHeight() const {
    return std::max(QFontMetricsF(font()).height(), Swatch) + 3.0;
}

void BarChart::fitLegend() {
    int band = 0;
    m_legendRows = 0;
    const int n = static_cast<int>(m_drawnValues.size());
    if (m_drawnLegend && n > 0) {
        const QFontMetricsF metrics(font());
        const double entry = legendEntryHeight();
        const int fit = std::max(1, static_cast<int>(m_chart->plotArea().height() / entry));
        const int columns = (n + fit - 1) / fit;
        m_legendRows = (n + columns - 1) / columns;
        double widest = 0.0;
        for (int i = 0; i < n; ++i) {
            widest = std::max(widest, metrics.horizontalAdvance(m_drawnLegendTexts.value(i)));
        }
        // A long name is cut short at its end rather than squeeze the bars.
        const double most = std::max(40.0, width() * 0.45 / columns - Swatch - 3 * LegendGap);
        m_legendTextWidth = std::min(std::ceil(widest), most);
        m_legendColumnWidth = Swatch + 3 * LegendGap + m_legendTextWidth;
        band = static_cast<int>(std::ceil(columns * m_legendColumnWidth));
    }
    if (band != m_legendBand) {
        m_legendBand = band;
        QMargins margins = m_chart->margins();
        margins.setRight(RightRoom + band);
        m_chart->setMargins(margins);
        layOut();
    }
}

std::vector<QRectF> BarChart::legendEntries() const {
    std::vector<QRectF> entries;
    if (!m_drawnLegend || m_legendRows < 1) {
        return entries;
    }
    const QRectF plot = m_chart->plotArea();
    const double entry = legendEntryHeight();
    const double left = plot.right() + RightRoom;
    const double top = std::max(plot.top(), plot.center().y() - m_legendRows * entry / 2.0);
    for (std::size_t i = 0; i < m_drawnValues.size(); ++i) {
        const auto column = static_cast<int>(i) / m_legendRows;
        const auto row = static_cast<int>(i) % m_legendRows;
        entries.emplace_back(left + column * m_legendColumnWidth, top + row * entry,
                             m_legendColumnWidth - LegendGap, entry);
    }
    return entries;
}

void BarChart::paintLegend(QPainter& painter) const {
    const std::vector<QRectF> entries = legendEntries();
    if (entries.empty()) {
        return;
    }
    const bool colour = colourLook();
    const QFontMetricsF metrics(font());
    painter.save();
    painter.setFont(font());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const QRectF& e = entries[i];
        const int index = static_cast<int>(i);
        const QRectF swatch(e.left(), e.center().y() - Swatch / 2, Swatch, Swatch);
        painter.setPen(QPen(colour ? QColor(0, 0, 0, 90) : QColor(Qt::black), 1));
        painter.setBrush(Qt::white);
        painter.drawRect(swatch);
        painter.setBrush(barBrush(index));
        painter.drawRect(swatch);
        painter.setPen(colour ? QColor(0x30, 0x30, 0x30) : QColor(Qt::black));
        const QRectF text(swatch.right() + LegendGap, e.top(), m_legendTextWidth, e.height());
        painter.drawText(
            text, Qt::AlignLeft | Qt::AlignVCenter,
            metrics.elidedText(m_drawnLegendTexts.value(index), Qt::ElideRight, m_legendTextWidth));
    }
    painter.restore();
}

void BarChart::paintOverlay(QPainter& painter) const {
    if (m_drawnType == Bars3D) {
        paintDepthBars(painter);
    }
    paintLabels(painter);
    paintLegend(painter);
}

void BarChart::paintLabels(QPainter& painter) const {
    const auto series = m_chart->series();
    if (m_drawnLegend || m_axisX == nullptr || series.isEmpty() || m_labelStep < 1) {
        return;
    }
    QAbstractSeries* bars = series.first();
    const QRectF plot = m_chart->plotArea();
    const QFont font = m_axisX->labelsFont();
    const QFontMetricsF metrics(font);
    const double slot =
        plot.width() / static_cast<double>(std::max<qsizetype>(1, m_drawnLabels.size()));
    const double top = plot.bottom() + 6;
    painter.save();
    painter.setFont(font);
    painter.setPen(colourLook() ? QColor(0x30, 0x30, 0x30) : QColor(Qt::black));
    for (int i = 0; i < m_drawnLabels.size(); i += m_labelStep) {
        const double x = m_chart->mapToPosition(QPointF(i, 0), bars).x();
        if (m_labelAngle == 0) {
            const double w = slot * m_labelStep;
            painter.drawText(QRectF(x - w / 2, top, w, metrics.height()),
                             Qt::AlignHCenter | Qt::AlignTop, m_drawnLabels[i]);
        } else {
            // Read from the bottom up, ending just under the axis.
            painter.save();
            painter.translate(x, top);
            painter.rotate(-90);
            painter.drawText(QRectF(-(m_labelBand - 4), -metrics.height() / 2, m_labelBand - 4,
                                    metrics.height()),
                             Qt::AlignRight | Qt::AlignVCenter, m_drawnLabels[i]);
            painter.restore();
        }
    }
    painter.restore();
}

void BarChart::resizeEvent(QResizeEvent* event) {
    m_view->setGeometry(rect());
    fitAll();
    QWidget::resizeEvent(event);
}

void BarChart::setPrintView(bool on) {
    if (m_printView == on) {
        return;
    }
    m_printView = on;
    if (m_drawnType != 0) {
        applyLook();
    }
}

QImage BarChart::render(QSize size, bool printStyle) {
    const QSize old = this->size();
    const bool oldPrintView = m_printView;
    resize(size);
    // A hidden chart gets no resize events; lay it out for the picture.
    m_view->resize(size);
    fitAll();
    setPrintView(printStyle);

    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        m_view->scene()->render(&painter, QRectF(QPointF(0, 0), size), QRectF(QPointF(0, 0), size));
        paintOverlay(painter);
    }
    setPrintView(oldPrintView);
    resize(old);
    m_view->resize(old);
    fitAll();
    return image;
}

void BarChart::paintDepthBars(QPainter& painter) const {
    const auto series = m_chart->series();
    if (series.isEmpty() || m_drawnValues.empty()) {
        return;
    }
    QAbstractSeries* bars = series.first();
    const int n = static_cast<int>(m_drawnValues.size());
    const QRectF plot = m_chart->plotArea();
    const double categoryPixels = m_chart->mapToPosition(QPointF(1, 0), bars).x() -
                                  m_chart->mapToPosition(QPointF(0, 0), bars).x();
    const double barWidth = categoryPixels * BarWidth;
    const double depth = std::clamp(barWidth * 0.45, 2.0, 16.0);
    const QPointF shift(depth, -depth * 0.75);
    const double zeroY = m_chart->mapToPosition(QPointF(0, 0), bars).y();

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipRect(plot.adjusted(-1, -depth - 2, depth + 2, 1));
    const bool colour = colourLook();
    const QPen edge(colour ? QColor(0, 0, 0, 110) : Qt::black, 0.8);

    // The floor: a slab under the bars along the zero line.
    QPolygonF floor;
    floor << QPointF(plot.left(), zeroY) << QPointF(plot.right() - depth, zeroY)
          << QPointF(plot.right() - depth, zeroY) + shift << QPointF(plot.left(), zeroY) + shift;
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour ? QColor(0xdd, 0xe3, 0xea) : QColor(225, 225, 225));
    painter.drawPolygon(floor);

    // Left to right: each front face covers the side face of the bar before it.
    for (int i = 0; i < n; ++i) {
        const double v = m_drawnValues[static_cast<std::size_t>(i)];
        const double centre = m_chart->mapToPosition(QPointF(i, 0), bars).x();
        const double valueY = m_chart->mapToPosition(QPointF(0, v), bars).y();
        const QRectF front(QPointF(centre - barWidth / 2, std::min(zeroY, valueY)),
                           QPointF(centre + barWidth / 2, std::max(zeroY, valueY)));
        const QColor base = barColor(i);
        QPolygonF top;
        top << front.topLeft() << front.topRight() << front.topRight() + shift
            << front.topLeft() + shift;
        QPolygonF side;
        side << front.topRight() << front.bottomRight() << front.bottomRight() + shift
             << front.topRight() + shift;
        painter.setPen(edge);
        painter.setBrush(base.darker(145));
        painter.drawPolygon(side);
        painter.setBrush(base.lighter(colour ? 135 : 125));
        painter.drawPolygon(top);
        if (!colour) {
            painter.setBrush(Qt::white);
            painter.drawRect(front);
        }
        painter.setBrush(barBrush(i));
        painter.drawRect(front);
    }
    painter.restore();
}
