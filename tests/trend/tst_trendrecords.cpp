// Reading record fields, the entry row's value rule and the sort of the records.

#include "core/dates.h"
#include "support/caughtfailure.h"
#include "support/trendfixtures.h"
#include "trend/trendrecords.h"
#include "trend/trendstate.h"

#include <QTest>

namespace {

// The records' values and numbers after a sort, as "number:value" texts.
QStringList numbered() {
    QStringList rows;
    for (int r = 1; r <= trend().RecordCount; ++r) {
        rows << QStringLiteral("%1:%2")
                    .arg(trend().TrendRecords.at(r, RecordNumber).toDouble())
                    .arg(trend().TrendRecords.at(r, RecordValue).toDouble());
    }
    return rows;
}

} // namespace

class TestTrendRecords : public QObject {
    Q_OBJECT

private slots:
    void init() { setUpTrend({}); }

    void truncatedValues_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("third decimal cut, not rounded") << "12.349" << 12.34;
        QTest::newRow("one decimal") << "12.3" << 12.3;
        QTest::newRow("no point") << "125" << 125.0;
        QTest::newRow("point first") << ".999" << 0.99;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("not a number") << "abc" << 0.0;
        QTest::newRow("second point ends the number") << "1..5" << 1.0;
    }

    void truncatedValues() {
        QFETCH(QString, text);
        QTEST(truncatedValue(text), "value");
    }

    void recordDates_data() {
        QTest::addColumn<Cell>("field");
        QTest::addColumn<QDate>("date"); // invalid: the field is not a date
        QTest::newRow("a date") << Cell(QDate(2001, 3, 16)) << QDate(2001, 3, 16);
        QTest::newRow("short-date text")
            << Cell(Dates::toShortDate(QDate(2001, 3, 16))) << QDate(2001, 3, 16);
        QTest::newRow("text that is not a date") << Cell(QStringLiteral("16.13.2001")) << QDate();
        QTest::newRow("empty") << Cell() << QDate();
        QTest::newRow("a number") << Cell(36966.0) << QDate();
    }

    void recordDates() {
        QFETCH(Cell, field);
        QFETCH(QDate, date);
        if (date.isValid()) {
            QCOMPARE(recordDate(field), date);
            QCOMPARE(shownRecordDate(field), Dates::toShortDate(date));
        } else {
            QVERIFY_THROWS_EXCEPTION(RunTimeFailure, recordDate(field));
            QVERIFY(!readRecordDate(field).has_value());
            // Shown as it stands.
            QCOMPARE(shownRecordDate(field), fieldText(field));
        }
    }

    void acceptedDates() {
        QVERIFY(acceptableRecordDate(QDate(1500, 2, 20)));
        QVERIFY(acceptableRecordDate(QDate(9999, 12, 31)));
        QVERIFY(!acceptableRecordDate(DeletionDate));
        QVERIFY(!acceptableRecordDate(QDate(1200, 1, 1)));
        QVERIFY(!acceptableRecordDate(QDate(10000, 1, 1)));
        QVERIFY(!acceptableRecordDate(QDate()));
        // The deletion date is day -146046 of the day count that starts on 30 December 1899.
        QCOMPARE(QDate(1899, 12, 30).daysTo(DeletionDate), qint64{-146046});
    }

    void sortsNewestFirst() {
        setUpTrend({{QDate(2001, 1, 5), 1},
                    {QDate(2001, 3, 16), 2},
                    {QDate(2000, 12, 29), 3},
                    {QDate(2001, 2, 2), 4}});
        // Typed dates are held as text and sort by the date they stand for.
        trend().TrendRecords.at(4, RecordDate) = Cell(Dates::toShortDate(QDate(2001, 2, 2)));
        SortTrendRecords();
        QCOMPARE(numbered(), (QStringList{"1:2", "2:4", "3:1", "4:3"}));
        // Records that moved are a change not yet saved; a sorted database stays as it was.
        QCOMPARE(int(trend().TrendModified), 1);
        trend().TrendModified = 0;
        SortTrendRecords();
        QCOMPARE(int(trend().TrendModified), 0);
    }

    // Records of the same date keep their order, wherever they stand and whatever moves past
    // them.
    void equalDatesKeepTheirOrder_data() {
        QTest::addColumn<QList<int>>("days"); // dates as day offsets, in record order
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("a newer record inserted after two equal ones")
            << QList<int>{5, 0, 0, 1} << QStringList{"1:1", "2:4", "3:2", "4:3"};
        QTest::newRow("an inserted record equal to an existing one goes after it")
            << QList<int>{10, 9, 8, 7, 9} << QStringList{"1:1", "2:2", "3:5", "4:3", "5:4"};
        QTest::newRow("all equal")
            << QList<int>{3, 3, 3, 3, 3} << QStringList{"1:1", "2:2", "3:3", "4:4", "5:5"};
        QTest::newRow("oldest first, with pairs")
            << QList<int>{1, 1, 2, 2, 3, 3}
            << QStringList{"1:5", "2:6", "3:3", "4:4", "5:1", "6:2"};
    }

    void equalDatesKeepTheirOrder() {
        QFETCH(QList<int>, days);
        std::vector<TrendRecordSpec> records;
        double value = 0;
        for (const int d : days) {
            records.push_back({QDate(2001, 1, 1).addDays(d), ++value});
        }
        setUpTrend(records);
        SortTrendRecords();
        QTEST(numbered(), "expected");
    }

    void sortDropsTheDeletedRecord() {
        setUpTrend(weeklyRecords(5, QDate(2001, 3, 16), {1, 2, 3, 4, 5}));
        trend().TrendRecords.at(3, RecordDate) = Cell(DeletionDate);
        SortTrendRecords();
        QCOMPARE(int(trend().RecordCount), 4);
        QCOMPARE(numbered(), (QStringList{"1:1", "2:2", "3:4", "4:5"}));
        QCOMPARE(int(trend().TrendModified), 1);
        // The dropped row holds nothing any more.
        QVERIFY(trend().TrendRecords.at(5, RecordDate).isEmpty());
    }

    void sortOfOneRecord() {
        setUpTrend({{QDate(2001, 3, 16), 9}});
        trend().TrendRecords.at(1, RecordNumber) = Cell(7.0);
        SortTrendRecords();
        QCOMPARE(numbered(), QStringList{"1:9"});
    }

    void failedSortChangesNothing() {
        setUpTrend(weeklyRecords(4, QDate(2001, 1, 5), {1, 2, 3, 4}));
        trend().TrendRecords.at(1, RecordDate) = Cell(QDate(1999, 1, 1));
        trend().TrendRecords.at(3, RecordDate) = Cell(QStringLiteral("not a date"));
        const CaughtFailure failure = failureOf([] { sortDatabase(); });
        QVERIFY(failure.raised);
        QCOMPARE(failure.message, Message::CannotSort);
        QCOMPARE(trendValues(), (std::vector<double>{1, 2, 3, 4}));
        QCOMPARE(recordDate(trend().TrendRecords.at(1, RecordDate)), QDate(1999, 1, 1));
    }

    void sortButtonNeedsRecords() {
        QCOMPARE(int(sortDatabase()), 28);
        setUpTrend({{QDate(2001, 1, 5), 1}, {QDate(2001, 3, 16), 2}});
        QCOMPARE(int(sortDatabase()), 0);
        QCOMPARE(trendValues(), (std::vector<double>{2, 1}));
    }
};

QTEST_GUILESS_MAIN(TestTrendRecords)
#include "tst_trendrecords.moc"
