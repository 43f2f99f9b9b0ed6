// The database editor's actions: adding, correcting, inserting and deleting records, the
// messages of its failure table, packing the earnings, "&Delete All" and the capacity.

#include "core/dates.h"
#include "core/programstate.h"
#include "support/caughtfailure.h"
#include "support/trendfixtures.h"
#include "trend/editorview.h"
#include "trend/recordchoice.h"
#include "trend/trendeditor.h"
#include "trend/trendfile.h"
#include "trend/trendrecords.h"
#include "trend/trendstate.h"

#include <QDir>
#include <QTest>

namespace {

QString shortDate(int year, int month, int day) {
    return Dates::toShortDate(QDate(year, month, day));
}

QDate dateOf(int record) {
    return recordDate(trend().TrendRecords.at(record, RecordDate));
}

// Five weekly records 1..5 valued 10, 20, 30, 40, 50, the newest of 16 March 2001.
void fiveRecords() {
    setUpTrend(weeklyRecords(5, QDate(2001, 3, 16), {10, 20, 30, 40, 50}));
}

// `records` weekly records in a table of `rows` rows.
void sizedDatabase(int rows, int records) {
    setUpTrend(weeklyRecords(records, QDate(2001, 3, 16), {1}));
    Table table(rows, 3);
    for (int r = 1; r <= records; ++r) {
        for (int f = 0; f < 3; ++f) {
            table.at(r, f) = trend().TrendRecords.at(r, f);
        }
    }
    trend().TrendRecords = table;
}

// Chooses `option` (0 correct, 1 insert, 2 delete) and `number` in InRecNum.
EditorOutcome choose(int option, const QString& number) {
    recNumOptionChosen(option);
    recNumAccepted(number);
    return recordChosen();
}

} // namespace

class TestTrendEditor : public QObject, public TrendEditorFixture {
    Q_OBJECT

private slots:
    void init() { start(); }
    void cleanup() { stop(); }

    void addMakesRecordOne() {
        fiveRecords();
        const EditorOutcome o = addRecordClicked(shortDate(2001, 3, 23), QStringLiteral("12.349"));
        QCOMPARE(int(o.message), 0);
        QVERIFY(o.refresh);
        QCOMPARE(int(o.focus), int(EditorFocus::InValue));
        QCOMPARE(int(trend().RecordCount), 6);
        QCOMPARE(trendValues(), (std::vector<double>{12.34, 10, 20, 30, 40, 50}));
        QCOMPARE(dateOf(1), QDate(2001, 3, 23));
        // The typed date is held as its text.
        QVERIFY(trend().TrendRecords.at(1, RecordDate).isText());
        QCOMPARE(trend().TrendRecords.at(6, RecordNumber).toDouble(), 6.0);
        QCOMPARE(int(trend().TrendModified), 1);
        // The next record is proposed a week later.
        QCOMPARE(RefreshEditor().inDate, shortDate(2001, 3, 30));
    }

    void addToAnEmptyDatabase() {
        QCOMPARE(int(addRecordClicked(shortDate(2001, 3, 2), QStringLiteral("5")).message), 0);
        QCOMPARE(int(trend().RecordCount), 1);
        QCOMPARE(trendValues(), std::vector<double>{5});
    }

    void olderDateStillBecomesRecordOne() {
        fiveRecords();
        addRecordClicked(shortDate(2001, 2, 28), QStringLiteral("99"));
        QCOMPARE(trendValues().front(), 99.0);
        QCOMPARE(int(sortDatabase()), 0);
        QCOMPARE(trendValues(), (std::vector<double>{10, 20, 30, 99, 40, 50}));
    }

    void addRefusals_data() {
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("message");
        QTest::addColumn<int>("modified");
        QTest::newRow("empty value") << shortDate(2001, 3, 23) << "" << 20 << 0;
        QTest::newRow("zero value") << shortDate(2001, 3, 23) << "0.009" << 20 << 0;
        QTest::newRow("a date that is not one") << "2001-02-30"
                                                << "5" << 30 << 0;
        QTest::newRow("digits that are no date") << "12345"
                                                 << "5" << 30 << 0;
        QTest::newRow("a date before the deletion date") << "1400-01-01"
                                                         << "5" << 30 << 0;
        QTest::newRow("a value beyond a double")
            << shortDate(2001, 3, 23) << QString(400, u'9') << 19 << 0;
    }

    void addRefusals() {
        QFETCH(QString, date);
        QFETCH(QString, value);
        fiveRecords();
        ProposeNextDate();
        const EditorOutcome o = addRecordClicked(date, value);
        QTEST(int(o.message), "message");
        QTEST(int(trend().TrendModified), "modified");
        QCOMPARE(int(trend().RecordCount), 5);
        QCOMPARE(trendValues(), (std::vector<double>{10, 20, 30, 40, 50}));
        if (o.message == Message::WrongDateEntry) {
            // The date box goes back to the proposed date.
            QCOMPARE(o.inDate, shortDate(2001, 3, 23));
        }
    }

    void newestValueNotANumber() {
        fiveRecords();
        trend().TrendRecords.at(1, RecordValue) = Cell(QDate(2001, 1, 1));
        const CaughtFailure failure =
            failureOf([] { addRecordClicked(shortDate(2001, 3, 23), QStringLiteral("5")); });
        QCOMPARE(failure.message, Message::WrongValueEntry);
        QCOMPARE(failure.detail, shortDate(2001, 1, 1));
        QCOMPARE(int(trend().RecordCount), 5);
    }

    // A date that cannot be read: a deletion keeps every record, a correction ends with the
    // sort's message 23, and the window then ends the edit.
    void failuresKeepTheRecords() {
        fiveRecords();
        trend().TrendRecords.at(4, RecordDate) = Cell(QStringLiteral("not a date"));
        recNumOptionChosen(2);
        recNumAccepted(QStringLiteral("2"));
        QVERIFY(failureOf([] { recordChosen(); }).raised);
        QCOMPARE(trendValues(), (std::vector<double>{10, 20, 30, 40, 50}));
        QCOMPARE(dateOf(2), QDate(2001, 3, 9));
        QCOMPARE(int(trend().EditMode), 0);

        choose(0, QStringLiteral("2"));
        const CaughtFailure failure =
            failureOf([] { addRecordClicked(shortDate(2001, 3, 10), QStringLiteral("21")); });
        QCOMPARE(failure.message, Message::CannotSort);
        QCOMPARE(int(trend().EditMode), 0);
        QCOMPARE(trendValues(), (std::vector<double>{10, 21, 30, 40, 50}));

        choose(1, QStringLiteral("1"));
        const EditorOutcome o = editAbandoned();
        QCOMPARE(int(trend().EditMode), 0);
        QCOMPARE(int(trend().SelectedRecord), 0);
        QVERIFY(o.refresh);
        QCOMPARE(o.buttonsVisible, std::optional<bool>(true));
    }

    // Nothing is written past the table: additions stop at 1000 records, what a file holds.
    void capacity_data() {
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("records");
        QTest::addColumn<int>("message");
        QTest::newRow("a file's table, full") << FileRecordCapacity + 1 << 1000 << 48;
        QTest::newRow("the menu's table stops at 1000 too") << MenuRecordCapacity + 1 << 1000 << 48;
        QTest::newRow("one place left") << FileRecordCapacity + 1 << 999 << 0;
    }

    void capacity() {
        QFETCH(int, rows);
        QFETCH(int, records);
        sizedDatabase(rows, records);
        QTEST(int(addRecordClicked(shortDate(2001, 3, 23), QStringLiteral("2")).message),
              "message");
        QCOMPARE(int(trend().RecordCount), 1000);
        QCOMPARE(trend().TrendRecords.rows(), rows);
    }

    void insertionIntoAFullDatabase() {
        sizedDatabase(FileRecordCapacity + 1, 1000);
        choose(1, QStringLiteral("1"));
        const EditorOutcome o = addRecordClicked(shortDate(1990, 1, 5), QStringLiteral("3"));
        QCOMPARE(int(o.message), 48);
        QCOMPARE(o.buttonsVisible, std::optional<bool>(true));
        QCOMPARE(int(trend().EditMode), 0);
        QCOMPARE(int(trend().RecordCount), 1000);
    }

    void correctRecord() {
        fiveRecords();
        const EditorOutcome chosen = choose(0, QStringLiteral("3"));
        QCOMPARE(chosen.buttonsVisible, std::optional<bool>(false));
        QCOMPARE(chosen.inNew, QStringLiteral("   3"));
        QCOMPARE(chosen.inDate, shortDate(2001, 3, 2));
        QCOMPARE(chosen.inValue, QStringLiteral("30"));
        // A corrected date moves the record to its place.
        const EditorOutcome o = addRecordClicked(shortDate(2001, 2, 20), QStringLiteral("33.339"));
        QCOMPARE(int(o.message), 0);
        QCOMPARE(o.buttonsVisible, std::optional<bool>(true));
        QVERIFY(o.refresh);
        QCOMPARE(trendValues(), (std::vector<double>{10, 20, 40, 33.33, 50}));
        QCOMPARE(int(trend().EditMode), 0);
        QCOMPARE(int(trend().SelectedRecord), 0);
        QCOMPARE(int(trend().TrendModified), 1);
    }

    // A correction of the date alone keeps the value whole, however many digits it has: the
    // value box shows it in full, and a value left as shown is not cut to two decimals.
    void correctedDateKeepsTheValue_data() {
        QTest::addColumn<QString>("path");
        const QDir fixtures(QStringLiteral(ORVALEN_TEST_DATA "/roundtrip"));
        for (const QString& name : fixtures.entryList({QStringLiteral("*.orv")}, QDir::Files)) {
            QTest::newRow(qPrintable(name)) << fixtures.filePath(name);
        }
    }

    void correctedDateKeepsTheValue() {
        QFETCH(QString, path);
        openTrendDatabase(path);
        const double value = trend().TrendRecords.at(1, RecordValue).toDouble();
        const EditorOutcome chosen = choose(0, QStringLiteral("1"));
        QVERIFY(!chosen.inValue.contains(u'e'));
        const EditorOutcome o = addRecordClicked(shortDate(2001, 3, 9), chosen.inValue);
        QCOMPARE(int(o.message), 0);
        QCOMPARE(dateOf(1), QDate(2001, 3, 9));
        // Seventeen significant digits tell every double apart.
        QCOMPARE(QString::number(trend().TrendRecords.at(1, RecordValue).toDouble(), 'g', 17),
                 QString::number(value, 'g', 17));
    }

    void laterThanRecordOneIsRefused_data() {
        QTest::addColumn<int>("option");
        QTest::newRow("correct") << 0;
        QTest::newRow("insert") << 1;
    }

    void laterThanRecordOneIsRefused() {
        QFETCH(int, option);
        fiveRecords();
        choose(option, QStringLiteral("2"));
        const EditorOutcome o = addRecordClicked(shortDate(2001, 3, 17), QStringLiteral("7"));
        QCOMPARE(int(o.message), 10);
        QCOMPARE(o.detail, shortDate(2001, 3, 16));
        QCOMPARE(o.buttonsVisible, std::optional<bool>(true));
        QCOMPARE(int(trend().EditMode), 0);
        QCOMPARE(trendValues(), (std::vector<double>{10, 20, 30, 40, 50}));
    }

    void insertGoesAfterTheSameDate() {
        fiveRecords();
        const EditorOutcome chosen = choose(1, QStringLiteral("4"));
        QCOMPARE(int(trend().SelectedRecord), 1);
        QCOMPARE(chosen.inNew, QStringLiteral("Insert"));
        QCOMPARE(chosen.inDate, QStringLiteral(""));
        QCOMPARE(int(chosen.focus), int(EditorFocus::InDate));
        const EditorOutcome o = addRecordClicked(shortDate(2001, 3, 2), QStringLiteral("31"));
        QCOMPARE(int(o.message), 0);
        QCOMPARE(trendValues(), (std::vector<double>{10, 20, 30, 31, 40, 50}));
        QCOMPARE(int(trend().TrendModified), 1);
    }

    void deleteRecordThree() {
        fiveRecords();
        const EditorOutcome o = choose(2, QStringLiteral("3"));
        QCOMPARE(int(o.message), 0);
        QVERIFY(o.refresh);
        QCOMPARE(int(trend().RecordCount), 4);
        QCOMPARE(trendValues(), (std::vector<double>{10, 20, 40, 50}));
        QCOMPARE(trend().TrendRecords.at(4, RecordNumber).toDouble(), 4.0);
        QCOMPARE(int(trend().EditMode), 0);
        QCOMPARE(int(trend().TrendModified), 1);
    }

    void deletingTheOnlyRecordProposesToday() {
        setUpTrend({{QDate(2001, 1, 5), 1}});
        choose(2, QStringLiteral("1"));
        QCOMPARE(int(trend().RecordCount), 0);
        QCOMPARE(RefreshEditor().inDate, shortDate(2001, 3, 20));
    }

    void compactEarnings() {
        setUpTrend({}, {{2000, 1.5}, {1999, 0}, {0, 1.2}, {1997, 1.1}, {1996, 1.0}});
        trend().EarningsCount = 5;
        CompactEarnings(QStringLiteral("15"));
        QCOMPARE(trend().EarningsFactor, 15.0F);
        QCOMPARE(int(trend().EarningsCount), 3);
        const BoundedTable<double>& e = trend().EarningsTable;
        QCOMPARE(e.at(1, EarningsYear), 2000.0);
        QCOMPARE(e.at(2, EarningsYear), 1997.0);
        QCOMPARE(e.at(3, EarningsPerShare), 1.0);
        QCOMPARE(e.at(4, EarningsYear), 0.0);
        QCOMPARE(e.at(5, EarningsPerShare), 0.0);
    }

    void factorText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<float>("factor");
        QTest::newRow("digits") << "12" << 12.0F;
        QTest::newRow("empty box") << "" << 0.0F;
        QTest::newRow("beyond a single keeps the factor") << QString(45, u'9') << 10.0F;
    }

    void factorText() {
        QFETCH(QString, text);
        exitEditor(text);
        QTEST(trend().EarningsFactor, "factor");
    }

    void deleteAll() {
        fiveRecords();
        trend().EarningsCount = 0;
        trend().EarningsFactor = 14.0F;
        trend().TrendModified = 1;
        program().TrendFileName = QStringLiteral("Fund.orv");
        setCalcMode(ScheduleRows::EveryPayment);
        deleteAllRecords();
        QCOMPARE(program().CalcMode, std::int16_t(0));
        QCOMPARE(int(trend().RecordCount), 0);
        QCOMPARE(int(trend().EarningsCount), 0);
        QCOMPARE(trend().DatabaseTitle, QString());
        QCOMPARE(program().TrendFileName, QString());
        QCOMPARE(trend().TrendRecords.rows(), FileRecordCapacity + 1);
        QCOMPARE(trend().EarningsFactor, 14.0F);
        QCOMPARE(int(trend().TrendModified), 1);
        QCOMPARE(RefreshEditor().inDate, shortDate(2001, 3, 20));
    }

    void ratiosNeedTwoRecords() {
        setUpTrend({{QDate(2001, 1, 5), 1}}, {{0, 1.5}, {1999, 1.2}});
        QCOMPARE(int(ratiosClicked(QStringLiteral("10"))), 29);
        QCOMPARE(trend().EarningsTable.at(1, EarningsYear), 0.0);
        setUpTrend(weeklyRecords(2, QDate(2001, 1, 5), {1}), {{0, 1.5}, {1999, 1.2}});
        QCOMPARE(int(ratiosClicked(QStringLiteral("10"))), 0);
        QCOMPARE(trend().EarningsTable.at(1, EarningsYear), 1999.0);
        QCOMPARE(int(trend().EarningsCount), 1);
    }
};

QTEST_GUILESS_MAIN(TestTrendEditor)
#include "tst_trendeditor.moc"
