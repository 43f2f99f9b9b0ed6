// The module's database over its life: the menu's load, the question before unsaved records
// are dropped, leaving the module, and the menu's InfoLabel.

#include "core/programstate.h"
#include "support/trendfixtures.h"
#include "trend/trendstate.h"

#include <QTest>

class TestTrendState : public QObject {
    Q_OBJECT

private slots:
    void init() { setUpTrend({}); }

    void menuLoad() {
        resetTrend();
        trend().RecordCount = 0;
        trend().EarningsFactor = 3.0F;
        trend().DatabaseTitle = QStringLiteral("Old");
        trend().TrendModified = 1;
        loadTrendMenu();
        const TrendState& t = trend();
        QCOMPARE(t.TrendRecords.rows(), MenuRecordCapacity + 1);
        QCOMPARE(t.TrendRecords.columns(), 3);
        QCOMPARE(t.EarningsTable.rows(), 6);
        QCOMPARE(t.EarningsTable.columns(), 2);
        QCOMPARE(program().ReportBlocks.size(), 4);
        QCOMPARE(t.EarningsFactor, 10.0F);
        QCOMPARE(t.DatabaseTitle, QString());
        QCOMPARE(int(t.TrendModified), 0);
    }

    void questionBeforeUnsavedRecords_data() {
        QTest::addColumn<int>("records");
        QTest::addColumn<int>("modified");
        QTest::addColumn<bool>("ask");
        QTest::newRow("added and not saved") << 3 << 1 << true;
        QTest::newRow("saved") << 3 << 0 << false;
        QTest::newRow("added, then all deleted") << 0 << 1 << false;
    }

    void questionBeforeUnsavedRecords() {
        QFETCH(int, records);
        QFETCH(int, modified);
        setUpTrend(weeklyRecords(records, QDate(2001, 3, 16), {1}));
        trend().TrendModified = static_cast<std::int16_t>(modified);
        QTEST(unsavedRecords(), "ask");
    }

    void leaving() {
        setUpTrend(weeklyRecords(3, QDate(2001, 3, 16), {1}), {{2000, 1}});
        trend().PeriodMode = 1;
        setCalcMode(ScheduleRows::EveryPayment);
        program().TrendFileName = QStringLiteral("Fund.orv");
        leaveTrendModule();
        const TrendState& t = trend();
        QCOMPARE(int(t.RecordCount), 0);
        QCOMPARE(int(t.EarningsCount), 0);
        QCOMPARE(int(t.PeriodMode), 0);
        QCOMPARE(program().CalcMode, std::int16_t(0));
        QCOMPARE(t.DatabaseTitle, QString());
        QCOMPARE(program().TrendFileName, QString());
        QCOMPARE(t.TrendRecords.rows(), 0);
        QCOMPARE(program().ReportBlocks.size(), 0);
    }

    void reportBlocksStartEmpty() {
        program().ReportBlocks[1] = QStringLiteral("old");
        resetTrendReportBlocks();
        QCOMPARE(program().ReportBlocks.size(), 4);
        QCOMPARE(program().ReportBlocks[1], QString());
    }

    void infoLabel() {
        QCOMPARE(infoLabelText(QStringLiteral("Growth Fund")),
                 QStringLiteral(" File in Memory = Growth Fund "));
        QVERIFY(infoLabelVisible(QStringLiteral("Growth Fund")));
        QVERIFY(!infoLabelVisible(QString()));
    }

    void menuButtonsNeedRecords() {
        QCOMPARE(int(recordsNeededMessage()), 28);
        setUpTrend(weeklyRecords(1, QDate(2001, 3, 16), {1}));
        QCOMPARE(int(recordsNeededMessage()), 0);
    }
};

QTEST_GUILESS_MAIN(TestTrendState)
#include "tst_trendstate.moc"
