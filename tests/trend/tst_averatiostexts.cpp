// The averages and ratios window's own texts and the checks of its buttons.

#include "support/trendfixtures.h"
#include "trend/averatiostexts.h"
#include "trend/trendstate.h"

#include <QTest>

class TestAveratiosTexts : public QObject {
    Q_OBJECT

private slots:
    void init() { setUpTrend({}); }

    void fixedCaptions() {
        QStringList captions;
        for (const LabelText& t : averatiosCaptions()) {
            captions << t.control + u'=' + t.text;
        }
        QCOMPARE(captions,
                 (QStringList{"Label1= Averages", "Label9= Market Direction", "Label30=Ratios  ",
                              "Label21= Price/Earnings Ratio", "Label18= High Value from all Data",
                              "Label3= Low Value from all Data",
                              "Label26= Difference        =", "Label40= Last Data Value",
                              "Label48= Difference between:", "Label36= High and Last Data Value",
                              "Label45= Low and Last Data Value", "Label42= Annual Earnings"}));
        QCOMPARE(averatiosWindowCaption(), QStringLiteral("  Averages and Ratios"));
    }

    // The toggle changes the words only: no figure is written.
    void toggleWritesCaptionsOnly_data() {
        QTest::addColumn<bool>("checked");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("toggle");
        QTest::addColumn<QString>("count");
        QTest::newRow("checked: data values") << true << 1 << "Change to Weeks"
                                              << "3 Values (All)";
        QTest::newRow("unchecked: weeks") << false << 0 << "Change to Data Values"
                                          << "3 Weeks (All)";
    }

    void toggleWritesCaptionsOnly() {
        QFETCH(bool, checked);
        setUpTrend(weeklyRecords(3, QDate(2001, 3, 16), {1, 2, 3}));
        const AveratiosUpdate u = weekPointsClicked(checked);
        QTEST(int(trend().PeriodMode), "mode");
        QTEST(u.text(QStringLiteral("WeekPoints")), "toggle");
        QTEST(u.text(QStringLiteral("Label52")), "count");
        for (const QString& figure : AverageLabels) {
            QVERIFY(u.text(figure).isNull());
        }
        QVERIFY(u.text(QStringLiteral("Label16")).isNull());
    }

    void buttonsNeedRecords() {
        QCOMPARE(int(showGraphFromRatios()), 28);
        QCOMPARE(int(trend().GraphOrigin), 0);
        QCOMPARE(int(ratiosPrintRefusal()), 8);

        setUpTrend(weeklyRecords(1, QDate(2001, 3, 16), {1}));
        QCOMPARE(int(showGraphFromRatios()), 0);
        QCOMPARE(int(trend().GraphOrigin), 1);
        QCOMPARE(int(ratiosPrintRefusal()), 0);
    }

    void printHighlightsTheResults() {
        const QStringList fields = printHighlightedFields();
        QCOMPARE(fields.size(), 22);
        QVERIFY(fields.contains(QStringLiteral("Label17")));
        QVERIFY(fields.contains(QStringLiteral("Label43")));
        // The target is not highlighted; the captions are not results.
        QVERIFY(!fields.contains(QStringLiteral("Label50")));
        QVERIFY(!fields.contains(QStringLiteral("Label49")));
    }
};

QTEST_GUILESS_MAIN(TestAveratiosTexts)
#include "tst_averatiostexts.moc"
