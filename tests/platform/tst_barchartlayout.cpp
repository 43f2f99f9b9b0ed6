// The bar chart's layout arithmetic: the value axis's scale and labels, the labels along the
// bottom thinning out or turning upright, the legend's columns.

#include "platform/barchartlayout.h"

#include <QTest>
#include <limits>

Q_DECLARE_METATYPE(std::vector<double>)

class TestBarChartLayout : public QObject {
    Q_OBJECT
private slots:
    void valueScale_data();
    void valueScale();
    void valueTicks_data();
    void valueTicks();
    void fitAxisLabels_data();
    void fitAxisLabels();
    void fitLegendColumns_data();
    void fitLegendColumns();
    void legendEntryRects_data();
    void legendEntryRects();
};

void TestBarChartLayout::valueScale_data() {
    QTest::addColumn<std::vector<double>>("values");
    QTest::addColumn<double>("low");
    QTest::addColumn<double>("high");
    QTest::addColumn<double>("step");
    QTest::addColumn<int>("decimals");
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    QTest::newRow("nothing to show") << std::vector<double>{} << 0.0 << 1.0 << 0.2 << 1;
    QTest::newRow("mortgage balances, head room above")
        << std::vector<double>{100000, 50000} << 0.0 << 125000.0 << 25000.0 << 0;
    QTest::newRow("a loss among them, room below too")
        << std::vector<double>{-20, 60} << -40.0 << 80.0 << 20.0 << 0;
    QTest::newRow("all below zero ends at zero")
        << std::vector<double>{-5, -1} << -6.0 << 0.0 << 2.0 << 0;
    QTest::newRow("small rates keep their decimals")
        << std::vector<double>{0.05, 0.07} << 0.0 << 0.08 << 0.02 << 2;
    QTest::newRow("a step of 2.5 shows its half")
        << std::vector<double>{10} << 0.0 << 12.5 << 2.5 << 1;
    QTest::newRow("values that are not finite are left out")
        << std::vector<double>{inf, nan, 4, -inf} << 0.0 << 5.0 << 1.0 << 0;
}

void TestBarChartLayout::valueScale() {
    QFETCH(std::vector<double>, values);
    const ValueScale s = ::valueScale(values);
    QTEST(s.low, "low");
    QTEST(s.high, "high");
    QTEST(s.step, "step");
    QTEST(s.decimals, "decimals");
}

void TestBarChartLayout::valueTicks_data() {
    QTest::addColumn<double>("low");
    QTest::addColumn<double>("high");
    QTest::addColumn<double>("step");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("labels");
    QTest::newRow("grouped thousands")
        << 0.0 << 125000.0 << 25000.0 << 0 << "0|25,000|50,000|75,000|100,000|125,000";
    QTest::newRow("millions") << 0.0 << 3e6 << 1e6 << 0 << "0|1,000,000|2,000,000|3,000,000";
    QTest::newRow("losses below zero") << -40.0 << 80.0 << 20.0 << 0 << "-40|-20|0|20|40|60|80";
    QTest::newRow("two decimals") << 0.0 << 0.08 << 0.02 << 2 << "0.00|0.02|0.04|0.06|0.08";
    QTest::newRow("steps of 2.5") << 0.0 << 12.5 << 2.5 << 1 << "0.0|2.5|5.0|7.5|10.0|12.5";
    // -0.3 + 3 * 0.1 is 5.55e-17, not zero.
    QTest::newRow("a sum next to zero is zero")
        << -0.3 << 0.3 << 0.1 << 1 << "-0.3|-0.2|-0.1|0.0|0.1|0.2|0.3";
}

void TestBarChartLayout::valueTicks() {
    QFETCH(double, low);
    QFETCH(double, high);
    QFETCH(double, step);
    QFETCH(int, decimals);
    QStringList labels;
    for (const AxisTick& tick : ::valueTicks({low, high, step, decimals})) {
        labels << tick.label;
    }
    QTEST(labels.join(u'|'), "labels");
}

void TestBarChartLayout::fitAxisLabels_data() {
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("widest");
    QTest::addColumn<double>("plotWidth");
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("angle");
    QTest::addColumn<int>("band");
    // Every label is a line 12 high.
    QTest::newRow("years fit across") << 25 << 14 << 500.0 << 1 << 0 << 18;
    QTest::newRow("crowded years thin out") << 50 << 14 << 500.0 << 2 << 0 << 18;
    QTest::newRow("dates turn upright") << 26 << 60 << 520.0 << 1 << -90 << 70;
    QTest::newRow("crowded dates thin out upright") << 100 << 60 << 500.0 << 3 << -90 << 70;
    QTest::newRow("empty labels keep a thin band") << 10 << 0 << 500.0 << 1 << 0 << 4;
    QTest::newRow("a plot with no width") << 5 << 14 << 0.0 << 14 << -90 << 24;
}

void TestBarChartLayout::fitAxisLabels() {
    QFETCH(int, count);
    QFETCH(int, widest);
    QFETCH(double, plotWidth);
    const LabelFit fit = ::fitAxisLabels(count, widest, 12, plotWidth);
    QTEST(fit.step, "step");
    QTEST(fit.angle, "angle");
    QTEST(fit.band, "band");
}

void TestBarChartLayout::fitLegendColumns_data() {
    QTest::addColumn<int>("entries");
    QTest::addColumn<double>("plotHeight");
    QTest::addColumn<double>("widest");
    QTest::addColumn<double>("chartWidth");
    QTest::addColumn<int>("rows");
    QTest::addColumn<double>("textWidth");
    QTest::addColumn<int>("band");
    // Entries are 17 high; a column is its swatch and gaps (26) and its text.
    QTest::newRow("no entries, no legend") << 0 << 300.0 << 80.0 << 600.0 << 0 << 0.0 << 0;
    QTest::newRow("one column") << 3 << 300.0 << 80.2 << 600.0 << 3 << 81.0 << 107;
    QTest::newRow("22 comparisons in two columns")
        << 22 << 300.0 << 80.0 << 600.0 << 11 << 80.0 << 212;
    QTest::newRow("a long name is cut") << 3 << 300.0 << 500.0 << 600.0 << 3 << 244.0 << 270;
    QTest::newRow("a narrow chart still shows 40 of a text")
        << 22 << 100.0 << 300.0 << 200.0 << 5 << 40.0 << 330;
    QTest::newRow("a plot lower than one entry") << 4 << 10.0 << 30.0 << 600.0 << 1 << 30.0 << 224;
}

void TestBarChartLayout::fitLegendColumns() {
    QFETCH(int, entries);
    QFETCH(double, plotHeight);
    QFETCH(double, widest);
    QFETCH(double, chartWidth);
    QFETCH(double, textWidth);
    const LegendFit fit = ::fitLegendColumns(entries, 17.0, plotHeight, widest, chartWidth);
    QTEST(fit.rows, "rows");
    QCOMPARE(fit.textWidth, textWidth);
    QCOMPARE(fit.columnWidth, entries == 0 ? 0.0 : Swatch + 3 * LegendGap + textWidth);
    QTEST(fit.band, "band");
}

void TestBarChartLayout::legendEntryRects_data() {
    QTest::addColumn<int>("entries");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QList<QRectF>>("rects");
    // Beside a plot from (10, 20) to (310, 220); columns 100 wide, entries 17 high.
    QTest::newRow("no rows, no entries") << 3 << 0 << QList<QRectF>{};
    QTest::newRow("centred on the plot, column by column")
        << 3 << 2 << QList<QRectF>{{330, 103, 95, 17}, {330, 120, 95, 17}, {430, 103, 95, 17}};
    QTest::newRow("taller than the plot starts at its top")
        << 2 << 20 << QList<QRectF>{{330, 20, 95, 17}, {330, 37, 95, 17}};
}

void TestBarChartLayout::legendEntryRects() {
    QFETCH(int, entries);
    QFETCH(int, rows);
    LegendFit fit;
    fit.rows = rows;
    fit.columnWidth = 100;
    const std::vector<QRectF> rects =
        ::legendEntryRects(entries, fit, QRectF(10, 20, 300, 200), 17.0);
    QTEST(QList<QRectF>(rects.begin(), rects.end()), "rects");
}

QTEST_MAIN(TestBarChartLayout)
#include "tst_barchartlayout.moc"
