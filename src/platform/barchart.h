#pragma once
// The bar chart of the graph windows, offering the operations of a chart control: the caller
// sets the number of points, gives labels, legend texts and values one after another (the
// current point advances after each when automatic advance is on), sets the titles, the print
// style and the chart type, and asks for a drawing.
//
// Nothing given to the chart shows until draw() is called. Chart type 3 draws flat bars
// through Qt Charts; type 4 draws the same bars with depth (a top and a side face), painted
// over the same chart without OpenGL. When any legend text is given, each point gets a colour
// of its own and the legend names the points; otherwise all bars share one colour and the
// labels run along the horizontal axis.
//
// On screen the chart is always in colour. The print style (0 monochrome in greys and
// hatching, non-zero colour) applies while a picture is taken for the printer
// (setPrintView(true)) and in render(..., true).

#include "platform/barchartlayout.h"

#include <QImage>
#include <QRectF>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <vector>

class QChart;
class QValueAxis;
class QCategoryAxis;
class BarChartView;
struct BarLook;

class BarChart : public QWidget {
    Q_OBJECT
public:
    enum ChartType { Bars2D = 3, Bars3D = 4 };
    enum DrawCommand { DrawAnew = 2, Redraw = 3 };

    explicit BarChart(QWidget* parent = nullptr);
    ~BarChart() override;

    // Data sets: the chart draws one; any other count is kept but changes nothing.
    void setNumSets(int sets) { m_sets = sets; }
    int numSets() const { return m_sets; }

    // Sets the number of points (at least 1) and makes point 1 the current point. Labels,
    // legend texts and values of points that remain are kept; new points are empty and zero.
    void setNumPoints(int points);
    int numPoints() const { return static_cast<int>(m_values.size()); }

    // The current point (1..numPoints()), where the next label, legend text or value goes.
    void setThisPoint(int point);
    int thisPoint() const { return m_current; }
    // 1: the current point advances after each label, legend text or value (after the last
    // point it goes back to the first); 0: it stays.
    void setAutoInc(int on) { m_autoInc = on; }
    int autoInc() const { return m_autoInc; }

    // The label of the current point, shown along the horizontal axis.
    void setLabel(const QString& text);
    // The legend text of the current point.
    void setLegendText(const QString& text);
    // The value of the current point.
    void setValue(double value);

    QString label(int point) const;
    QString legendText(int point) const;
    double value(int point) const;
    const QStringList& labels() const { return m_labels; }
    const QStringList& legendTexts() const { return m_legend; }
    const std::vector<double>& values() const { return m_values; }

    void setGraphTitle(const QString& title) { m_title = title; }
    QString graphTitle() const { return m_title; }
    // The title of the vertical (value) axis.
    void setLeftTitle(const QString& title) { m_leftTitle = title; }
    QString leftTitle() const { return m_leftTitle; }
    // Kept for the caller; the legend shows whenever legend texts were given.
    void setLegendStyle(int style) { m_legendStyle = style; }
    int legendStyle() const { return m_legendStyle; }
    // 0 monochrome, any other value colour.
    void setPrintStyle(int style) { m_printStyle = style; }
    int printStyle() const { return m_printStyle; }
    // 3 flat bars, 4 bars with depth; other values are kept and draw flat bars.
    void setGraphType(int type) { m_type = type; }
    int graphType() const { return m_type; }

    // 2: draws the chart anew from the data given; 3: redraws after a change of chart type or
    // print style only (the first drawing always builds from the data). Other commands do
    // nothing.
    void draw(int command);
    // The chart type of the drawing on show: 0 before the first draw().
    int drawnType() const { return m_drawnType; }
    // How many times the chart was built from its data (draw(2), or a first draw(3)).
    int buildCount() const { return m_builds; }

    // While on, the chart shows itself in its print style, for a picture of the window.
    void setPrintView(bool on);
    bool printView() const { return m_printView; }

    // Where the legend names each point of the drawing on show (its colour and text), in the
    // chart's coordinates; empty for a chart without legend texts. The entries stand right of
    // the bars, in as many columns as the height needs.
    std::vector<QRectF> legendEntries() const;

    // The drawing on show, rendered at `size`; in the print style when `printStyle` is true.
    QImage render(QSize size, bool printStyle = false);
    // The drawing on show, as shown, for a picture to leave the program: `scale` times the
    // chart's size in pixels, drawn at that resolution (2: sharp on paper), or as SVG, in
    // vectors, the chart's size in pixels. An empty array when the SVG cannot be made.
    QImage picture(qreal scale) const;
    QByteArray svg() const;
    using QWidget::render;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    friend class BarChartView;

    void build();
    void applyFonts();
    void applyLook();
    void fitLabels();
    void fitLegend();
    // Lays the chart out, then fits the labels and the legend to it.
    void fitAll();
    double legendEntryHeight() const;
    void layOut();
    bool legendMode() const;
    void advance();
    // The look on show: in colour unless a monochrome picture is being taken.
    BarLook look() const;
    // What is painted over the chart, in scene coordinates: the bars with depth, the labels of
    // the horizontal axis and the legend.
    void paintOverlay(QPainter& painter) const;
    // The chart and what is painted over it, as the window shows them.
    void paintAsShown(QPainter& painter) const;
    void paintDepth(QPainter& painter) const;
    // Where the middle of each bar of the drawing on show stands across the chart.
    std::vector<double> barCentres() const;
    void paintLabels(QPainter& painter) const;

    int m_sets = 1;
    int m_current = 1;
    int m_autoInc = 0;
    QStringList m_labels;
    QStringList m_legend;
    std::vector<double> m_values{0.0};
    QString m_title;
    QString m_leftTitle;
    int m_legendStyle = 0;
    int m_printStyle = 0;
    int m_type = Bars2D;

    int m_drawnType = 0;
    int m_builds = 0;
    bool m_printView = false;
    // What the drawing on show was built from.
    QStringList m_drawnLabels;
    std::vector<double> m_drawnValues;
    bool m_drawnLegend = false;
    // How the horizontal labels fit, and the height kept under the plot for them.
    LabelFit m_labelFit;
    int m_labelBand = -1;
    QStringList m_drawnLegendTexts;
    // How the legend fits, and the width kept right of the plot for it.
    LegendFit m_legendFit;
    int m_legendBand = -1;

    BarChartView* m_view;
    QChart* m_chart;
    QValueAxis* m_axisX = nullptr;
    QCategoryAxis* m_axisY = nullptr;
};
