// Record extraction: the two record-number boxes and the extract that replaces the database.

#include "core/programstate.h"
#include "support/messagestring.h"
#include "support/trendfixtures.h"
#include "trend/recordextract.h"
#include "trend/trendrecords.h"
#include "trend/trendstate.h"

#include <QTest>

class TestRecordExtract : public QObject {
    Q_OBJECT

private slots:
    void init() {
        setUpTrend(weeklyRecords(12, QDate(2001, 3, 16), {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}),
                   {{2000, 1.5}}, QStringLiteral("Fund"));
        trend().EarningsFactor = 14.0F;
        program().TrendFileName = QStringLiteral("Fund.orv");
    }

    void opening() {
        const ExtractOpening o = openExtract();
        QCOMPARE(o.low, QStringLiteral("   1"));
        QCOMPARE(o.high, QStringLiteral("  12"));
        QCOMPARE(o.windowCaption, QStringLiteral(" Extract"));
        QCOMPARE(int(trend().LowRecord), 1);
        QCOMPARE(int(trend().HighRecord), 12);
    }

    void lowBox_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("message");
        QTest::newRow("in range") << "5"
                                  << "   5" << 0;
        QTest::newRow("empty means 1") << ""
                                       << "   1" << 0;
        QTest::newRow("0 is out of range") << "0"
                                           << "   1" << 43;
        QTest::newRow("above the count") << "13"
                                         << "   1" << 43;
        QTest::newRow("far above 16 bits") << "99999999"
                                           << "   1" << 43;
    }

    void lowBox() {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        openExtract();
        const RecordNumberEntry e = lowRecordEntered(typed);
        QCOMPARE(e.text, shown);
        QCOMPARE(int(trend().LowRecord), shown.trimmed().toInt());
        QTEST(int(e.message), "message");
        if (e.message == Message::MustBeBetween) {
            // Two blanks stand between "Must be between " and the 1.
            QCOMPARE(e.detail2, QStringLiteral(" 1"));
            QCOMPARE(e.detail, QStringLiteral("12"));
        }
    }

    void highBox_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("lowTyped");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("message");
        QTest::addColumn<QString>("lowShown"); // null: LowRecNo is not rewritten
        QTest::newRow("in range") << "9"
                                  << "   3"
                                  << "   9" << 0 << QString();
        QTest::newRow("0 means the count, no message") << "0"
                                                       << "   3"
                                                       << "  12" << 0 << QString();
        QTest::newRow("empty means the count; an empty low becomes 1") << ""
                                                                       << ""
                                                                       << "  12" << 0 << "   1";
        QTest::newRow("above the count") << "20"
                                         << "   3"
                                         << "  12" << 43 << QString();
    }

    void highBox() {
        QFETCH(QString, typed);
        QFETCH(QString, lowTyped);
        openExtract();
        trend().LowRecord = 3;
        const RecordNumberEntry e = highRecordEntered(typed, lowTyped);
        QTEST(e.text, "shown");
        QTEST(int(e.message), "message");
        QTEST(e.lowText, "lowShown");
        if (e.message == Message::MustBeBetween) {
            QCOMPARE(e.detail2, QStringLiteral("3"));
            QCOMPARE(e.detail, QStringLiteral("12"));
        }
    }

    void extracts_data() {
        QTest::addColumn<int>("low");
        QTest::addColumn<int>("high");
        QTest::addColumn<QList<double>>("values");
        QTest::newRow("all records, renamed")
            << 1 << 12 << QList<double>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
        QTest::newRow("5 to 5: one record") << 5 << 5 << QList<double>{5};
        QTest::newRow("a middle range") << 3 << 6 << QList<double>{3, 4, 5, 6};
    }

    void extracts() {
        QFETCH(int, low);
        QFETCH(int, high);
        QFETCH(QList<double>, values);
        trend().LowRecord = static_cast<std::int16_t>(low);
        trend().HighRecord = static_cast<std::int16_t>(high);
        QCOMPARE(int(extractRecords()), 0);
        const std::vector<double> kept = trendValues();
        QCOMPARE(QList<double>(kept.begin(), kept.end()), values);
        for (int r = 1; r <= trend().RecordCount; ++r) {
            QCOMPARE(trend().TrendRecords.at(r, RecordNumber).toDouble(), double(r));
        }
        QCOMPARE(recordDate(trend().TrendRecords.at(1, RecordDate)),
                 QDate(2001, 3, 16).addDays(-7LL * (low - 1)));
        QCOMPARE(trend().DatabaseTitle, QStringLiteral("Extracted"));
        QCOMPARE(program().TrendFileName, QStringLiteral("Extract.orv"));
        // The extract is on no disk yet.
        QCOMPARE(int(trend().TrendModified), 1);
        QCOMPARE(trend().TrendRecords.rows(), MenuRecordCapacity + 1);
        // The earnings and the factor are kept.
        QCOMPARE(int(trend().EarningsCount), 1);
        QCOMPARE(trend().EarningsFactor, 14.0F);
    }

    void highBelowLowChangesNothing() {
        trend().LowRecord = 7;
        trend().HighRecord = 3;
        QCOMPARE(int(extractRecords()), 47);
        QCOMPARE(int(trend().RecordCount), 12);
        QCOMPARE(trend().DatabaseTitle, QStringLiteral("Fund"));
        QCOMPARE(program().TrendFileName, QStringLiteral("Fund.orv"));
    }

    void help() {
        const QStringList paragraphs = extractHelpText().split(QStringLiteral("\n\n"));
        QCOMPARE(paragraphs.size(), 5);
        QCOMPARE(paragraphs.front(),
                 QStringLiteral("To view a group of records between any two dates, a new "
                                "database is created with records from the existing database."));
        QCOMPARE(paragraphs.back(), QStringLiteral("The original database in memory is deleted."));
    }
};

QTEST_GUILESS_MAIN(TestRecordExtract)
#include "tst_recordextract.moc"
