// What the database editor shows: the key rules and stored texts of its boxes, the header
// boxes, the grid and the entry row, and the instructions.

#include "core/dates.h"
#include "support/caughtfailure.h"
#include "support/trendfixtures.h"
#include "trend/editorview.h"
#include "trend/trendstate.h"

#include <QTest>

class TestEditorView : public QObject, public TrendEditorFixture {
    Q_OBJECT

private slots:
    void init() { start(); }
    void cleanup() { stop(); }

    void keyRules_data() {
        QTest::addColumn<int>("box"); // 0 title, 1 factor, 2 date
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("verdict");
        const int accept = int(KeyVerdict::Accept);
        const int refuse = int(KeyVerdict::Refuse);
        QTest::newRow("title: a letter") << 0 << int('G') << accept;
        QTest::newRow("title: a comma") << 0 << int(',') << accept;
        QTest::newRow("title: the double quote") << 0 << int('"') << refuse;
        QTest::newRow("factor: a digit") << 1 << int('7') << accept;
        QTest::newRow("factor: the point") << 1 << int('.') << refuse;
        QTest::newRow("factor: Backspace empties the box") << 1 << 8 << int(KeyVerdict::EmptyBox);
        QTest::newRow("date: a digit") << 2 << int('3') << accept;
        QTest::newRow("date: a slash") << 2 << int('/') << accept;
        QTest::newRow("date: a hyphen") << 2 << int('-') << accept;
        QTest::newRow("date: a point") << 2 << int('.') << accept;
        QTest::newRow("date: Backspace") << 2 << 8 << accept;
        QTest::newRow("date: a letter") << 2 << int('a') << refuse;
        QTest::newRow("date: the double quote") << 2 << int('"') << refuse;
    }

    void keyRules() {
        QFETCH(int, box);
        QFETCH(int, key);
        const KeyVerdict verdict = box == 0   ? titleKey(key)
                                   : box == 1 ? factorKey(key)
                                              : dateKey(key);
        QTEST(int(verdict), "verdict");
    }

    void storedTexts() {
        // A pasted double quote never reaches the title.
        QCOMPARE(commitTitle(QStringLiteral("Fund \"A\"")), QStringLiteral("Fund A"));
        QCOMPARE(trend().DatabaseTitle, QStringLiteral("Fund A"));
        QCOMPARE(commitEarningsYear(2, QStringLiteral("1999")), QStringLiteral("1999"));
        QCOMPARE(commitEarnings(2, QStringLiteral("1234.5")), QStringLiteral("1,234.50"));
        // No earnings show as an empty box, as no year does.
        QCOMPARE(commitEarnings(3, QStringLiteral("")), QString());
        QCOMPARE(trend().EarningsTable.at(2, EarningsYear), 1999.0);
        QCOMPARE(trend().EarningsTable.at(2, EarningsPerShare), 1234.5);
        QVERIFY_THROWS_EXCEPTION(RunTimeFailure, commitEarnings(6, QStringLiteral("1")));
    }

    // The factor is stored when its box is left; one no single can hold is refused and the
    // factor kept.
    void factorBox_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("refused");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<float>("factor");
        QTest::newRow("digits") << "25" << false << "25" << 25.0F;
        QTest::newRow("eight digits") << "12345678" << false << "12345678" << 12345678.0F;
        QTest::newRow("decimals pasted") << "13.333333" << false << "13.333333" << 13.333333F;
        QTest::newRow("empty box") << "" << false << "0" << 0.0F;
        QTest::newRow("45 nines") << QString(45, u'9') << true << "" << 10.0F;
    }

    void factorBox() {
        QFETCH(QString, typed);
        QFETCH(bool, refused);
        QString shown;
        QCOMPARE(failureOf([&] { shown = commitFactor(typed); }).raised, refused);
        QTEST(shown, "shown");
        QTEST(trend().EarningsFactor, "factor");
    }

    // What a box stores is a change not yet saved when it differs from what was there.
    void storedChangesAreUnsaved_data() {
        QTest::addColumn<int>("box"); // 0 title, 1 year, 2 earnings, 3 factor
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("modified");
        QTest::newRow("title as it was") << 0 << "Growth Fund" << 0;
        QTest::newRow("another title") << 0 << "Other Fund" << 1;
        QTest::newRow("year as it was") << 1 << "2000" << 0;
        QTest::newRow("another year") << 1 << "2001" << 1;
        QTest::newRow("earnings as they were") << 2 << "1.45" << 0;
        QTest::newRow("other earnings") << 2 << "1.5" << 1;
        QTest::newRow("factor as it was") << 3 << "10" << 0;
        QTest::newRow("another factor") << 3 << "25" << 1;
    }

    void storedChangesAreUnsaved() {
        QFETCH(int, box);
        QFETCH(QString, typed);
        setUpTrend({}, {{2000, 1.45}});
        QCOMPARE(int(trend().TrendModified), 0);
        switch (box) {
        case 0:
            commitTitle(typed);
            break;
        case 1:
            commitEarningsYear(1, typed);
            break;
        case 2:
            commitEarnings(1, typed);
            break;
        default:
            commitFactor(typed);
            break;
        }
        QTEST(int(trend().TrendModified), "modified");
    }

    void dateBox_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("message");
        const QString proposed = Dates::toShortDate(QDate(2001, 3, 23));
        QTest::newRow("a date") << "2001-3-9" << Dates::toShortDate(QDate(2001, 3, 9)) << 0;
        QTest::newRow("not a date") << "2001-13-40" << proposed << 30;
        QTest::newRow("empty") << "" << proposed << 30;
        QTest::newRow("the deletion date") << "1500-02-19" << proposed << 30;
    }

    void dateBox() {
        QFETCH(QString, typed);
        setUpTrend({{QDate(2001, 3, 16), 5}});
        ProposeNextDate();
        const DateCommit c = commitDateText(typed);
        QTEST(c.text, "shown");
        QTEST(int(c.message), "message");
    }

    void header() {
        setUpTrend({}, {{2000, 1.45}, {1999, 1234.5}});
        trend().EarningsFactor = 12.5F;
        const EditorHeader h = editorHeader();
        QCOMPARE(h.title, QStringLiteral("Growth Fund"));
        QCOMPARE(h.factor, QStringLiteral("12.5"));
        QCOMPARE(h.years[0], QStringLiteral("2000"));
        QCOMPARE(h.earnings[1], QStringLiteral("1,234.50"));
        QCOMPARE(h.years[2], QString());
        QCOMPARE(h.earnings[2], QString());
    }

    void gridAndEntryRow() {
        setUpTrend({{QDate(2001, 3, 16), 1234.5}, {QDate(2001, 3, 9), 0.5}});
        trend().TrendRecords.at(1, RecordNumber) = Cell(9.0);
        const EditorView v = RefreshEditor();
        QCOMPARE(v.grid.cols, 3);
        QCOMPARE(v.grid.rows, 26);
        QCOMPARE(v.grid.widenTwips, (std::vector<int>{280, 910, 880}));
        QCOMPARE(v.grid.headings, (QStringList{" Record", "        Date", "   Data Value"}));
        QCOMPARE(v.rows.firstRow, 1);
        QCOMPARE(v.rows.rows.size(), std::size_t{2});
        QCOMPARE(v.rows.rows[0],
                 (QStringList{"     1", Dates::toShortDate(QDate(2001, 3, 16)), "     1,234.50"}));
        QCOMPARE(v.rows.rows[1][2], QStringLiteral("          .50"));
        // The grid fill renumbers the records.
        QCOMPARE(trend().TrendRecords.at(1, RecordNumber).toDouble(), 1.0);
        QCOMPARE(v.inNew, QStringLiteral("New"));
        QCOMPARE(v.inDate, Dates::toShortDate(QDate(2001, 3, 23)));
        QCOMPARE(v.inValue, QString());
    }

    // A value wider than its column shows whole; the grid widens to it.
    void gridShowsLargeValuesWhole() {
        setUpTrend({{QDate(2001, 3, 16), 123456789012.34}});
        QCOMPARE(RefreshEditor().rows.rows[0][2], QStringLiteral("123,456,789,012.34"));
    }

    void gridStopsAtARecordItCannotShow() {
        setUpTrend(weeklyRecords(4, QDate(2001, 3, 16), {1, 2, 3, 4}));
        trend().TrendRecords.at(3, RecordValue) = Cell(QDate(2001, 1, 1));
        EditorView v;
        QVERIFY(failureOf([&] { RefreshEditor(v); }).raised);
        QCOMPARE(v.rows.rows.size(), std::size_t{2});
        QCOMPARE(v.grid.rows, 28);
        // The entry row is ready all the same.
        QCOMPARE(v.inNew, QStringLiteral("New"));
        QCOMPARE(v.inDate, Dates::toShortDate(QDate(2001, 3, 23)));
    }

    void proposedDate_data() {
        QTest::addColumn<int>("records");
        QTest::addColumn<QDate>("proposed");
        QTest::newRow("no records: today") << 0 << QDate(2001, 3, 20);
        QTest::newRow("a week after record 1") << 3 << QDate(2001, 1, 12);
    }

    void proposedDate() {
        QFETCH(int, records);
        setUpTrend(weeklyRecords(records, QDate(2001, 1, 5), {1}));
        QTEST(ProposeNextDate(), "proposed");
        QTEST(trend().NextDate, "proposed");
    }

    void instructions() {
        const QString help = editorHelpText();
        QVERIFY(help.startsWith(QStringLiteral("  To Create a new file.\n\nAll entries are made")));
        QVERIFY(help.contains(QStringLiteral("Must be in the format 2001-03-20 <Enter> will set "
                                             "focus on Data Value box, type in data.\n\n")));
        QVERIFY(help.contains(QStringLiteral(
            "Latest Annual Earnings.\nClick first box and type latest year date.\n\n")));
        QVERIFY(help.contains(QStringLiteral(
            "click 'Import Prices from a CSV File' on the Quantrel menu: each week becomes a "
            "record.\n\nOpen the Sample.Orv file")));
        QVERIFY(help.endsWith(QStringLiteral("all the features.\n\n            End")));
        QCOMPARE(help.count(QStringLiteral("\n\n")), 16);
    }
};

QTEST_GUILESS_MAIN(TestEditorView)
#include "tst_editorview.moc"
