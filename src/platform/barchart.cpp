#include "platform/barchart.h"

#include "platform/barpainting.h"

#include <QBarSeries>
#include <QBarSet>
#include <QBuffer>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QGraphicsLayout>
#include <QLegend>
#include <QPainter>
#include <QResizeEvent>
#include <QStackedBarSeries>
#include <QSvgGenerator>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

namespace {

// The share of its category a bar takes.
constexpr double BarWidth = 0.62;

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
    std::transform(m_values.begin(), m_values.end(), m_drawnValues.begin(),
                   [](double v) { return std::isfinite(v) ? v : 0.0; });

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
    for (const AxisTick& tick : valueTicks(scale)) {
        m_axisY->append(tick.label, tick.value);
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

BarLook BarChart::look() const {
    return {!m_printView || m_printStyle != 0, m_drawnLegend};
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
    for (QAbstractAxis* axis : m_chart->axes()) {
        axis->setLabelsFont(axisFont);
        axis->setTitleFont(axisTitleFont);
    }
}

void BarChart::applyLook() {
    const BarLook look = this->look();
    const bool colour = look.colour;
    const QColor ink = inkColour(look);
    m_chart->setBackgroundBrush(Qt::white);
    m_chart->setPlotAreaBackgroundVisible(true);
    m_chart->setPlotAreaBackgroundBrush(colour ? QColor(0xf7, 0xf9, 0xfc) : QColor(Qt::white));
    m_chart->setPlotAreaBackgroundPen(QPen(colour ? QColor(0xc8, 0xcf, 0xd8) : Qt::black, 1));
    m_chart->setTitleBrush(ink);
    for (QAbstractAxis* axis : m_chart->axes()) {
        axis->setLabelsColor(ink);
        axis->setLinePen(QPen(ink, 1));
        axis->setTitleBrush(ink);
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
    const QPen edge(edgeColour(look), 1);
    const auto sets = bars->barSets();
    for (int i = 0; i < sets.size(); ++i) {
        sets[i]->setBrush(barBrush(look, i));
        sets[i]->setPen(edge);
    }
    m_view->viewport()->update();
}

void BarChart::fitLabels() {
    int band = 0;
    if (m_axisX != nullptr && !m_drawnLegend) {
        const QFontMetrics metrics(m_axisX->labelsFont());
        int widest = 0;
        for (const QString& text : m_drawnLabels) {
            widest = std::max(widest, metrics.horizontalAdvance(text));
        }
        m_labelFit = fitAxisLabels(static_cast<int>(m_drawnLabels.size()), widest, metrics.height(),
                                   m_chart->plotArea().width());
        band = m_labelFit.band;
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
    double widest = 0.0;
    if (m_drawnLegend) {
        const QFontMetricsF metrics(font());
        for (const QString& text : m_drawnLegendTexts) {
            widest = std::max(widest, metrics.horizontalAdvance(text));
        }
    }
    m_legendFit =
        fitLegendColumns(m_drawnLegend ? static_cast<int>(m_drawnValues.size()) : 0,
                         legendEntryHeight(), m_chart->plotArea().height(), widest, width());
    if (m_legendFit.band != m_legendBand) {
        m_legendBand = m_legendFit.band;
        QMargins margins = m_chart->margins();
        margins.setRight(RightRoom + m_legendBand);
        m_chart->setMargins(margins);
        layOut();
    }
}

std::vector<QRectF> BarChart::legendEntries() const {
    if (!m_drawnLegend) {
        return {};
    }
    return legendEntryRects(static_cast<int>(m_drawnValues.size()), m_legendFit,
                            m_chart->plotArea(), legendEntryHeight());
}

void BarChart::paintOverlay(QPainter& painter) const {
    if (m_drawnType == Bars3D) {
        paintDepth(painter);
    }
    paintLabels(painter);
    paintLegend(painter, look(), font(), legendEntries(), m_drawnLegendTexts,
                m_legendFit.textWidth);
}

void BarChart::paintLabels(QPainter& painter) const {
    const auto series = m_chart->series();
    if (m_drawnLegend || m_axisX == nullptr || series.isEmpty() || m_labelFit.step < 1) {
        return;
    }
    const QRectF plot = m_chart->plotArea();
    const double slot =
        plot.width() / static_cast<double>(std::max<qsizetype>(1, m_drawnLabels.size()));
    paintAxisLabels(painter, look(), m_axisX->labelsFont(), m_drawnLabels, barCentres(),
                    plot.bottom() + 6, slot, m_labelFit.step, m_labelFit.angle, m_labelBand);
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

void BarChart::paintAsShown(QPainter& painter) const {
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area(QPointF(0, 0), m_view->size());
    m_view->scene()->render(&painter, area, area);
    paintOverlay(painter);
}

QImage BarChart::picture(qreal scale) const {
    QImage image(m_view->size() * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::white);
    QPainter painter(&image);
    paintAsShown(painter);
    return image;
}

QByteArray BarChart::svg() const {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(m_view->size());
    generator.setViewBox(QRect(QPoint(0, 0), m_view->size()));
    generator.setTitle(m_title);
    QPainter painter;
    if (!painter.begin(&generator)) {
        return {};
    }
    painter.fillRect(QRect(QPoint(0, 0), m_view->size()), Qt::white);
    paintAsShown(painter);
    painter.end();
    return buffer.data();
}

std::vector<double> BarChart::barCentres() const {
    std::vector<double> centres;
    const auto series = m_chart->series();
    for (std::size_t i = 0; !series.isEmpty() && i < m_drawnValues.size(); ++i) {
        centres.push_back(
            m_chart->mapToPosition(QPointF(static_cast<double>(i), 0), series.first()).x());
    }
    return centres;
}

void BarChart::paintDepth(QPainter& painter) const {
    const auto series = m_chart->series();
    if (series.isEmpty() || m_drawnValues.empty()) {
        return;
    }
    QAbstractSeries* bars = series.first();
    const double categoryPixels = m_chart->mapToPosition(QPointF(1, 0), bars).x() -
                                  m_chart->mapToPosition(QPointF(0, 0), bars).x();
    const double barWidth = categoryPixels * BarWidth;
    const double zeroY = m_chart->mapToPosition(QPointF(0, 0), bars).y();
    const std::vector<double> centres = barCentres();
    std::vector<QRectF> fronts;
    for (std::size_t i = 0; i < centres.size(); ++i) {
        const double valueY = m_chart->mapToPosition(QPointF(0, m_drawnValues[i]), bars).y();
        fronts.emplace_back(QPointF(centres[i] - barWidth / 2, std::min(zeroY, valueY)),
                            QPointF(centres[i] + barWidth / 2, std::max(zeroY, valueY)));
    }
    paintDepthBars(painter, look(), fronts, m_chart->plotArea(), zeroY,
                   std::clamp(barWidth * 0.45, 2.0, 16.0));
}
