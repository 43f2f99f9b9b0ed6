// Choosing a record to correct, insert or delete.

#include "core/dates.h"
#include "support/trendfixtures.h"
#include "trend/recordchoice.h"
#include "trend/trendstate.h"

#include <QTest>

class TestRecordChoice : public QObject {
    Q_OBJECT

private slots:
    void init() { setUpTrend(weeklyRecords(5, QDate(2001, 3, 16), {10, 20, 30, 40, 50})); }

    void noRecordsToCorrect() {
        QCOMPARE(int(correctRecordClicked()), 0);
        setUpTrend({});
        QCOMPARE(int(correctRecordClicked()), 18);
    }

    void prompts_data() {
        QTest::addColumn<int>("option");
        QTest::addColumn<int>("clicked");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("prompt");
        QTest::addColumn<QString>("value");
        QTest::newRow("correct the clicked record")
            << 0 << 4 << 1 << " Type in the record number       to correct."
            << "4";
        QTest::newRow("correct, nothing clicked")
            << 0 << 0 << 1 << " Type in the record number       to correct."
            << "";
        QTest::newRow("insert") << 1 << 4 << 2 << " Type in 1. Automatic insertion   by date."
                                << "1";
        QTest::newRow("delete the clicked record")
            << 2 << 2 << 3 << " Type in the record number        to delete."
            << "2";
    }

    void prompts() {
        QFETCH(int, option);
        QFETCH(int, clicked);
        trend().ClickedRecord = static_cast<std::int16_t>(clicked);
        const RecNumPrompt p = recNumOptionChosen(option);
        QTEST(int(trend().EditMode), "mode");
        QTEST(p.prompt, "prompt");
        QTEST(p.value, "value");
    }

    void answers_data() {
        QTest::addColumn<int>("option");
        QTest::addColumn<QString>("typed"); // null: "&Cancel"
        QTest::addColumn<int>("selected");
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("message");
        QTest::newRow("correct 2") << 0 << "2" << 2 << 1 << 0;
        QTest::newRow("insert: any number gives 1") << 1 << "4" << 1 << 2 << 0;
        QTest::newRow("0 ends the edit") << 0 << "0" << 0 << 0 << 0;
        QTest::newRow("empty ends the edit") << 2 << "" << 0 << 0 << 0;
        QTest::newRow("cancel") << 0 << QString() << 0 << 0 << 0;
        // Left in its mode, the next "&Add Record" would correct a record that is not there.
        QTest::newRow("above the count: 16 and no edit") << 0 << "6" << 0 << 0 << 16;
        QTest::newRow("beyond 16 bits") << 2 << "9999999" << 0 << 0 << 16;
    }

    void answers() {
        QFETCH(int, option);
        QFETCH(QString, typed);
        trend().ClickedRecord = 3;
        recNumOptionChosen(option);
        if (typed.isNull()) {
            recNumCancelled();
        } else {
            recNumAccepted(typed);
        }
        QCOMPARE(int(trend().ClickedRecord), 0);
        const EditorOutcome o = recordChosen();
        QTEST(int(o.message), "message");
        QTEST(int(trend().SelectedRecord), "selected");
        QTEST(int(trend().EditMode), "mode");
        QCOMPARE(int(trend().RecordCount), 5);
    }

    void gridClicks_data() {
        QTest::addColumn<QString>("cell");
        QTest::addColumn<int>("clicked");
        QTest::newRow("a record row") << "    12" << 12;
        QTest::newRow("an empty row") << "" << 0;
    }

    void gridClicks() {
        QFETCH(QString, cell);
        gridRowClicked(cell);
        QTEST(int(trend().ClickedRecord), "clicked");
    }
};

QTEST_GUILESS_MAIN(TestRecordChoice)
#include "tst_recordchoice.moc"
