// The bar chart: the current point and its advance, what each drawing is built from, and what
// the drawings show (bars where the values are, depth in 3-D, greys in the monochrome print
// style).

#include "platform/barchart.h"

#include <QChartView>
#include <QGraphicsTextItem>
#include <QSet>
#include <QTest>
#include <cmath>
#include <limits>

namespace {

const QSize PictureSize(640, 400);

bool isGrey(QRgb p) {
    return std::abs(qRed(p) - qGreen(p)) <= 2 && std::abs(qGreen(p) - qBlue(p)) <= 2;
}

int countPixels(const QImage& image, const std::function<bool(QRgb)>& test) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            n += test(line[x]) ? 1 : 0;
        }
    }
    return n;
}

// A strongly coloured pixel: the bars of the colour look, never text, axes or grid.
bool isSaturated(QRgb p) {
    return std::max({qRed(p), qGreen(p), qBlue(p)}) - std::min({qRed(p), qGreen(p), qBlue(p)}) > 60;
}

struct Bar {
    int left;
    int right;
    int height; // saturated pixels in the bar's middle column
};

// The bars of a flat colour drawing: runs of columns holding saturated pixels.
std::vector<Bar> barsOf(const QImage& image) {
    std::vector<Bar> bars;
    bool inBar = false;
    for (int x = 0; x < image.width(); ++x) {
        int count = 0;
        for (int y = 0; y < image.height(); ++y) {
            count += isSaturated(image.pixel(x, y)) ? 1 : 0;
        }
        if (count > 0 && !inBar) {
            bars.push_back({x, x, 0});
        }
        if (count > 0) {
            bars.back().right = x;
        }
        inBar = count > 0;
    }
    for (Bar& bar : bars) {
        const int middle = (bar.left + bar.right) / 2;
        for (int y = 0; y < image.height(); ++y) {
            bar.height += isSaturated(image.pixel(middle, y)) ? 1 : 0;
        }
    }
    return bars;
}

void give(BarChart& chart, const QStringList& labels, const QList<double>& values,
          const QStringList& legend = {}) {
    const int n = static_cast<int>(std::max(labels.size(), values.size()));
    chart.setNumSets(1);
    chart.setNumPoints(n);
    chart.setAutoInc(1);
    for (const QString& l : labels) {
        chart.setLabel(l);
    }
    chart.setNumPoints(n);
    for (const QString& l : legend) {
        chart.setLegendText(l);
    }
    chart.setNumPoints(n);
    for (double v : values) {
        chart.setValue(v);
    }
}

} // namespace

class TestBarChart : public QObject {
    Q_OBJECT
private slots:
    void currentPoint_data();
    void currentPoint();
    void drawingKeepsWhatItWasBuiltFrom();
    void barsStandWhereTheValuesAre_data();
    void barsStandWhereTheValuesAre();
    void drawsInBothTypes_data();
    void drawsInBothTypes();
    void printStyleShowsOnlyInPrintView_data();
    void printStyleShowsOnlyInPrintView();
    void printViewOfTheWidget();
    void drawingAgainShowsOneAxis_data();
    void drawingAgainShowsOneAxis();
    void legendNamesEveryBar_data();
    void legendNamesEveryBar();
};

// A script of chart operations: "P3" points, "A1" automatic advance, "T2" current point,
// "L:x" label, "G:x" legend text, "V:5" value.
void TestBarChart::currentPoint_data() {
    QTest::addColumn<QStringList>("script");
    QTest::addColumn<QStringList>("labels");
    QTest::addColumn<QList<double>>("values");
    QTest::addColumn<int>("current");

    QTest::newRow("advance after each label")
        << QStringList{"P3", "A1", "L:a", "L:b", "L:c"} << QStringList{"a", "b", "c"}
        << QList<double>{0, 0, 0} << 1;
    QTest::newRow("no advance overwrites the same point")
        << QStringList{"P3", "A0", "L:a", "L:b", "V:7"} << QStringList{"b", "", ""}
        << QList<double>{7, 0, 0} << 1;
    QTest::newRow("setting the points starts again at the first, keeping the labels")
        << QStringList{"P3", "A1", "L:a", "L:b", "L:c", "V:1", "P3", "V:4", "V:5"}
        << QStringList{"a", "b", "c"} << QList<double>{4, 5, 0} << 3;
    QTest::newRow("labels, legend texts and values advance the same point")
        << QStringList{"P3", "A1", "L:a", "G:x", "V:9"} << QStringList{"a", "", ""}
        << QList<double>{0, 0, 9} << 1;
    QTest::newRow("more points are empty, fewer drop the last")
        << QStringList{"P2", "A1", "L:a", "L:b", "V:1", "V:2", "P4", "P3"}
        << QStringList{"a", "b", ""} << QList<double>{1, 2, 0} << 1;
    QTest::newRow("chosen current point")
        << QStringList{"P4", "A1", "T3", "V:8", "T9", "V:6"} << QStringList{"", "", "", ""}
        << QList<double>{0, 0, 8, 6} << 1;
    QTest::newRow("no points is one point")
        << QStringList{"P0", "A1", "V:3", "V:4"} << QStringList{""} << QList<double>{4} << 1;
}

void TestBarChart::currentPoint() {
    QFETCH(QStringList, script);
    BarChart chart;
    for (const QString& op : script) {
        const QString arg = op.mid(op.contains(QLatin1Char(':')) ? 2 : 1);
        switch (op.at(0).toLatin1()) {
        case 'P':
            chart.setNumPoints(arg.toInt());
            break;
        case 'A':
            chart.setAutoInc(arg.toInt());
            break;
        case 'T':
            chart.setThisPoint(arg.toInt());
            break;
        case 'L':
            chart.setLabel(arg);
            break;
        case 'G':
            chart.setLegendText(arg);
            break;
        case 'V':
            chart.setValue(arg.toDouble());
            break;
        default:
            QFAIL("bad script");
        }
    }
    QTEST(chart.labels(), "labels");
    QFETCH(QList<double>, values);
    QCOMPARE(QList<double>(chart.values().begin(), chart.values().end()), values);
    QTEST(chart.thisPoint(), "current");
    QCOMPARE(chart.numPoints(), static_cast<int>(values.size()));
}

void TestBarChart::drawingKeepsWhatItWasBuiltFrom() {
    BarChart chart;
    chart.resize(PictureSize);
    QCOMPARE(chart.drawnType(), 0);
    give(chart, {"1", "2", "3"}, {30, 20, 10});
    chart.setGraphTitle(QStringLiteral("Balance"));
    chart.setLeftTitle(QStringLiteral("Value $"));
    chart.setLegendStyle(1);
    chart.setPrintStyle(1);
    chart.setGraphType(BarChart::Bars2D);
    chart.draw(BarChart::DrawAnew);
    QCOMPARE(chart.buildCount(), 1);
    QCOMPARE(chart.drawnType(), 3);
    QCOMPARE(chart.graphTitle(), QStringLiteral("Balance"));
    QCOMPARE(chart.leftTitle(), QStringLiteral("Value $"));
    QCOMPARE(chart.legendStyle(), 1);
    QCOMPARE(chart.printStyle(), 1);
    const std::vector<Bar> before = barsOf(chart.render(PictureSize));
    QCOMPARE(before.size(), std::size_t(3));

    // New values show only with the next drawing anew; a redraw changes the type only.
    chart.setNumPoints(3);
    chart.setValue(5);
    chart.setGraphType(BarChart::Bars3D);
    chart.draw(BarChart::Redraw);
    QCOMPARE(chart.buildCount(), 1);
    QCOMPARE(chart.drawnType(), 4);
    QCOMPARE(chart.graphType(), 4);
    chart.setGraphType(BarChart::Bars2D);
    chart.draw(BarChart::Redraw);
    QCOMPARE(barsOf(chart.render(PictureSize)).front().height, before.front().height);
    chart.draw(7);
    QCOMPARE(chart.buildCount(), 1);
    chart.draw(BarChart::DrawAnew);
    QCOMPARE(chart.buildCount(), 2);
    const std::vector<Bar> after = barsOf(chart.render(PictureSize));
    QCOMPARE(after.size(), std::size_t(3));
    QVERIFY(std::abs(after[0].height * 4 - after[1].height) <= 8); // 5 against 20

    // A first redraw has nothing to redraw and builds.
    BarChart fresh;
    give(fresh, {"1"}, {1});
    fresh.setGraphType(BarChart::Bars3D);
    fresh.draw(BarChart::Redraw);
    QCOMPARE(fresh.buildCount(), 1);
    QCOMPARE(fresh.drawnType(), 4);
}

void TestBarChart::barsStandWhereTheValuesAre_data() {
    QTest::addColumn<QStringList>("labels");
    QTest::addColumn<QList<double>>("values");
    QTest::addColumn<QList<int>>("heightsPerMille"); // of the first bar's height; -1: no bar

    QTest::newRow("yearly") << QStringList{"1", "2", "3"} << QList<double>{100000, 50000, 25000}
                            << QList<int>{1000, 500, 250};
    QTest::newRow("a zero value has no bar")
        << QStringList{"1", "2", "3"} << QList<double>{10, 0, 5} << QList<int>{1000, -1, 500};
    QTest::newRow("empty and repeated labels still give a bar each")
        << QStringList{"", "", "7", "7"} << QList<double>{4, 2, 4, 1}
        << QList<int>{1000, 500, 1000, 250};
    QTest::newRow("negative values hang below zero")
        << QStringList{"1", "2"} << QList<double>{-4, 8} << QList<int>{1000, 2000};
    QTest::newRow("a value that is not finite draws as zero")
        << QStringList{"1", "2", "3"}
        << QList<double>{2, std::numeric_limits<double>::quiet_NaN(), 1}
        << QList<int>{1000, -1, 500};
}

void TestBarChart::barsStandWhereTheValuesAre() {
    QFETCH(QStringList, labels);
    QFETCH(QList<double>, values);
    QFETCH(QList<int>, heightsPerMille);
    BarChart chart;
    give(chart, labels, values);
    chart.draw(BarChart::DrawAnew);
    const std::vector<Bar> bars = barsOf(chart.render(PictureSize));
    const auto expected =
        std::count_if(heightsPerMille.begin(), heightsPerMille.end(), [](int h) { return h >= 0; });
    QCOMPARE(static_cast<qsizetype>(bars.size()), expected);
    std::size_t b = 0;
    for (int h : heightsPerMille) {
        if (h < 0) {
            continue;
        }
        // Within two pixels of the height the value asks for.
        const double want = bars.front().height * h / 1000.0;
        QVERIFY2(std::abs(bars[b].height - want) <= 2.0,
                 qPrintable(QStringLiteral("bar %1: %2 pixels, expected %3")
                                .arg(b + 1)
                                .arg(bars[b].height)
                                .arg(want)));
        ++b;
    }
    // Left to right, evenly spaced.
    for (std::size_t i = 1; i < bars.size(); ++i) {
        QVERIFY(bars[i].left > bars[i - 1].right);
    }
}

void TestBarChart::drawsInBothTypes_data() {
    QTest::addColumn<bool>("comparison");
    QTest::newRow("yearly") << false;
    QTest::newRow("comparison with a legend") << true;
}

void TestBarChart::drawsInBothTypes() {
    QFETCH(bool, comparison);
    BarChart chart;
    const QStringList legend = comparison ? QStringList{"Growth", "Bonds", "Cash"} : QStringList{};
    give(chart, comparison ? QStringList{} : QStringList{"1", "2", "3"}, {3, 2, 1}, legend);
    QCOMPARE(chart.legendTexts(), comparison ? legend : QStringList(3, QString()));
    chart.setGraphTitle(QStringLiteral("Title"));

    const QImage blank = BarChart().render(PictureSize);
    chart.setGraphType(BarChart::Bars2D);
    chart.draw(BarChart::DrawAnew);
    const QImage flat = chart.render(PictureSize);
    chart.setGraphType(BarChart::Bars3D);
    chart.draw(BarChart::Redraw);
    const QImage deep = chart.render(PictureSize);

    const QRgb background = flat.pixel(1, 1);
    QVERIFY(countPixels(flat, [&](QRgb p) { return p != background; }) > 5000);
    QVERIFY(countPixels(deep, [&](QRgb p) { return p != background; }) > 5000);
    QVERIFY(flat != blank);
    // The depth adds darker and lighter faces: colours the flat drawing does not have.
    const int flatSaturated = countPixels(flat, isSaturated);
    QVERIFY(countPixels(deep, isSaturated) > flatSaturated);
    if (!comparison) {
        QCOMPARE(barsOf(flat).size(), std::size_t(3));
    }
    QCOMPARE(chart.drawnType(), 4);
}

void TestBarChart::printStyleShowsOnlyInPrintView_data() {
    QTest::addColumn<int>("printStyle");
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("comparison");
    QTest::newRow("monochrome 2-D") << 0 << 3 << false;
    QTest::newRow("monochrome 3-D") << 0 << 4 << false;
    QTest::newRow("monochrome comparison 3-D") << 0 << 4 << true;
    QTest::newRow("colour 2-D") << 1 << 3 << false;
    QTest::newRow("colour comparison 3-D") << 1 << 4 << true;
}

void TestBarChart::printStyleShowsOnlyInPrintView() {
    QFETCH(int, printStyle);
    QFETCH(int, type);
    QFETCH(bool, comparison);
    BarChart chart;
    give(chart, {"1", "2", "3", "4"}, {4, 3, 2, 1},
         comparison ? QStringList{"a", "b", "c", "d"} : QStringList{});
    chart.setPrintStyle(printStyle);
    chart.setGraphType(type);
    chart.draw(BarChart::DrawAnew);

    const QImage screen = chart.render(PictureSize, false);
    const QImage print = chart.render(PictureSize, true);
    QVERIFY(countPixels(screen, isSaturated) > 1000);
    if (printStyle == 0) {
        QCOMPARE(countPixels(print, [](QRgb p) { return !isGrey(p); }), 0);
        QVERIFY(countPixels(print, [](QRgb p) { return qRed(p) < 200; }) > 1000);
    } else {
        QCOMPARE(countPixels(print, isSaturated), countPixels(screen, isSaturated));
    }
    QVERIFY(!chart.printView());
}

void TestBarChart::printViewOfTheWidget() {
    BarChart chart;
    chart.resize(PictureSize);
    give(chart, {"1", "2"}, {2, 1});
    chart.setPrintStyle(0);
    chart.draw(BarChart::DrawAnew);
    QVERIFY(countPixels(chart.grab().toImage(), isSaturated) > 1000);
    chart.setPrintView(true);
    QCOMPARE(countPixels(chart.grab().toImage(), isSaturated), 0);
    chart.setPrintView(false);
    QVERIFY(countPixels(chart.grab().toImage(), isSaturated) > 1000);
}

void TestBarChart::drawingAgainShowsOneAxis_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("comparison");
    QTest::newRow("2-D") << 3 << false;
    QTest::newRow("3-D") << 4 << false;
    QTest::newRow("comparison 2-D") << 3 << true;
}

// The graph window draws its chart anew and resizes it just before the picture for the printer
// is taken, with no turn of the event loop in between: the picture shows the new axis alone.
void TestBarChart::drawingAgainShowsOneAxis() {
    QFETCH(int, type);
    QFETCH(bool, comparison);
    BarChart chart;
    chart.resize(PictureSize);
    chart.show();
    QVERIFY(QTest::qWaitForWindowExposed(&chart));
    const QStringList legend = comparison ? QStringList{"a", "b", "c", "d"} : QStringList{};
    give(chart, {"1", "2", "3", "4"}, {4000, 3000, 2000, 1000}, legend);
    chart.setGraphType(type);
    chart.draw(BarChart::DrawAnew);
    QCoreApplication::processEvents();
    give(chart, {"1", "2", "3", "4"}, {4000, 3000, 2000, 1000}, legend);
    chart.draw(BarChart::DrawAnew);
    chart.resize(PictureSize - QSize(0, 40));
    chart.setPrintView(true);

    auto* view = chart.findChild<QChartView*>();
    QVERIFY(view != nullptr);
    QMap<QString, int> shown;
    for (const QGraphicsItem* item : view->scene()->items()) {
        if (const auto* text = dynamic_cast<const QGraphicsTextItem*>(item);
            text != nullptr && text->isVisible()) {
            ++shown[text->toPlainText()];
        }
    }
    for (const char* label : {"0", "1,000", "2,000", "3,000", "4,000"}) {
        QCOMPARE(shown.value(QString::fromLatin1(label)), 1);
    }
}

QTEST_MAIN(TestBarChart)
#include "tst_barchart.moc"

void TestBarChart::legendNamesEveryBar_data() {
    QTest::addColumn<int>("points");
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("printStyle");
    QTest::addColumn<QString>("name");
    QTest::newRow("22 comparisons, flat") << 22 << int(BarChart::Bars2D) << false << "Row";
    QTest::newRow("22 comparisons, with depth") << 22 << int(BarChart::Bars3D) << false << "Row";
    QTest::newRow("22 comparisons on paper in greys")
        << 22 << int(BarChart::Bars2D) << true << "Row";
    QTest::newRow("long names") << 5 << int(BarChart::Bars2D) << false
                                << "A very long name of an investment held for years";
}

// Every bar has its own entry in the legend, inside the picture and clear of the others, drawn
// in the bar's own colour (22 different colours on screen).
void TestBarChart::legendNamesEveryBar() {
    QFETCH(int, points);
    QFETCH(int, type);
    QFETCH(bool, printStyle);
    QFETCH(QString, name);
    BarChart chart;
    chart.resize(PictureSize);
    QStringList legend;
    QList<double> values;
    for (int i = 1; i <= points; ++i) {
        legend << name + QStringLiteral(" %1").arg(i);
        values << 1000.0 * i;
    }
    give(chart, {}, values, legend);
    chart.setPrintStyle(0);
    chart.setGraphType(type);
    chart.draw(BarChart::DrawAnew);
    const QImage image = chart.render(PictureSize, printStyle);
    const std::vector<QRectF> entries = chart.legendEntries();
    QCOMPARE(static_cast<int>(entries.size()), points);
    QSet<QRgb> colours;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        QVERIFY(QRectF(QPointF(0, 0), PictureSize).contains(entries[i]));
        for (std::size_t j = 0; j < i; ++j) {
            QVERIFY(!entries[i].intersects(entries[j]));
        }
        // The swatch sits at the entry's left, centred in its height; its inside is filled.
        const QPoint centre = QPointF(entries[i].left() + 5, entries[i].center().y()).toPoint();
        int inked = 0;
        for (int dx = -3; dx <= 3; ++dx) {
            for (int dy = -3; dy <= 3; ++dy) {
                inked += image.pixel(centre + QPoint(dx, dy)) != qRgb(255, 255, 255) ? 1 : 0;
            }
        }
        QVERIFY(inked > 0);
        const QRgb pixel = image.pixel(centre);
        colours.insert(pixel);
    }
    if (!printStyle) {
        QCOMPARE(colours.size(), points);
    }
}
