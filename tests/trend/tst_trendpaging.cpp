// The trend graph's pages: 26 records a page with the oldest on the left, paging back and
// forward with their limits, the single-record page, and the bars' labels and values.

#include "core/dates.h"
#include "support/caughtfailure.h"
#include "support/trendfixtures.h"
#include "trend/trendpaging.h"
#include "trend/trendstate.h"

#include <QTest>

namespace {

QString pageText(const TrendPage& p) {
    return QStringLiteral("%1..%2 (%3)").arg(p.start).arg(p.end).arg(p.points);
}

// Records valued by their number: record r has the value r.
void numberedRecords(int count) {
    std::vector<double> values;
    for (int r = 1; r <= count; ++r) {
        values.push_back(r);
    }
    setUpTrend(weeklyRecords(count, QDate(2001, 3, 16), values));
}

} // namespace

class TestTrendPaging : public QObject {
    Q_OBJECT

private slots:
    void init() { setUpTrend({}); }

    void opening_data() {
        QTest::addColumn<int>("records");
        QTest::addColumn<QString>("page");
        QTest::addColumn<int>("chartKind");
        QTest::addColumn<bool>("back");
        QTest::newRow("1 record: two points, no chart kind yet") << 1 << "1..1 (2)" << 0 << false;
        QTest::newRow("2 records") << 2 << "1..2 (2)" << 1 << false;
        QTest::newRow("26 records") << 26 << "1..26 (26)" << 1 << false;
        QTest::newRow("30 records") << 30 << "1..26 (26)" << 1 << true;
    }

    void opening() {
        QFETCH(int, records);
        const TrendGraphOpening o = openTrendGraph(records);
        QCOMPARE(int(o.message), 0);
        QTEST(pageText(o.page), "page");
        QTEST(o.chartKind, "chartKind");
        QCOMPARE(o.forwardEnabled, false);
        QTEST(o.backEnabled, "back");
    }

    void noRecords() { QCOMPARE(int(openTrendGraph(0).message), 17); }

    // Each step pages from where the previous one left.
    void paging_data() {
        QTest::addColumn<int>("records");
        QTest::addColumn<QString>("steps"); // B back, F forward
        QTest::addColumn<QStringList>("pages");
        QTest::newRow("30: back, back, forward")
            << 30 << "BBF" << QStringList{"27..30 (4)", "refused", "1..26 (26)"};
        QTest::newRow("27: back gives a single-record page of two bars")
            << 27 << "BF" << QStringList{"27..28 (2)", "1..26 (26)"};
        QTest::newRow("forward on the first page") << 30 << "F" << QStringList{"refused"};
        QTest::newRow("60: three pages and back")
            << 60 << "BBBFF"
            << QStringList{"27..52 (26)", "53..60 (8)", "refused", "27..52 (26)", "1..26 (26)"};
        QTest::newRow("52: the second page ends at the oldest")
            << 52 << "BB" << QStringList{"27..52 (26)", "refused"};
        QTest::newRow("1: back refused") << 1 << "B" << QStringList{"refused"};
    }

    void paging() {
        QFETCH(int, records);
        QFETCH(QString, steps);
        TrendPage page = openTrendGraph(records).page;
        QStringList pages;
        for (const QChar step : steps) {
            const PageTurn turn = step == u'B' ? pageBack(page, records) : pageForward(page);
            QCOMPARE(turn.redraw, !turn.refused);
            pages << (turn.refused ? QStringLiteral("refused") : pageText(turn.page));
            page = turn.page;
        }
        QTEST(pages, "pages");
    }

    void barsOldestOnTheLeft() {
        numberedRecords(30);
        const GraphSeries first = trendBars(openTrendGraph(30).page);
        QCOMPARE(first.values.size(), std::size_t{26});
        QCOMPARE(first.values.front(), 26.0);
        QCOMPARE(first.values.back(), 1.0);
        QCOMPARE(first.labels.back(), QStringLiteral("16-3-01"));
        // Day and month without leading zeros, a two-digit year.
        QCOMPARE(first.labels.front(), QDate(2001, 3, 16).addDays(-7LL * 25).toString("d-M-yy"));
        QCOMPARE(first.labels.front(), QStringLiteral("22-9-00"));
    }

    void singleRecordPages() {
        numberedRecords(27);
        const GraphSeries back = trendBars(pageBack(openTrendGraph(27).page, 27).page);
        // The leftmost bar is the empty row after the oldest record.
        QCOMPARE(back.labels, (QStringList{QString(), QStringLiteral("15-9-00")}));
        QCOMPARE(back.values, (std::vector<double>{0.0, 27.0}));

        numberedRecords(1);
        const GraphSeries one = trendBars(openTrendGraph(1).page);
        QCOMPARE(one.labels, (QStringList{QStringLiteral("16-3-01"), QString()}));
        QCOMPARE(one.values, (std::vector<double>{1.0, 0.0}));
    }

    void valueThatIsNotANumber() {
        numberedRecords(3);
        trend().TrendRecords.at(2, RecordValue) = Cell(QDate(2001, 1, 1));
        const CaughtFailure failure = failureOf([] { trendBars(openTrendGraph(3).page); });
        QCOMPARE(failure.message, Message::CannotCompleteGraph);
        QCOMPARE(failure.detail, Dates::toShortDate(QDate(2001, 1, 1)));
    }

    void openingAndLeaving() {
        QCOMPARE(int(showGraphFromMenu()), 28);
        numberedRecords(2);
        QCOMPARE(int(showGraphFromMenu()), 0);
        QCOMPARE(int(trend().GraphOrigin), 2);
        trend().DatabaseTitle = QStringLiteral("Fund");
        QCOMPARE(trendGraphTitle(), QStringLiteral("Fund"));
        QCOMPARE(trendGraphWindowCaption(), QStringLiteral(" Quantrel Graphs"));
        QCOMPARE(trendGraphExit(), QStringLiteral("  Orvalen Menu"));
        QCOMPARE(int(trend().GraphOrigin), 0);
        trend().GraphOrigin = 1;
        QCOMPARE(trendGraphExit(), QStringLiteral("  Averages and Ratios"));
    }
};

QTEST_GUILESS_MAIN(TestTrendPaging)
#include "tst_trendpaging.moc"
