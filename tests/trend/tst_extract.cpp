// The extraction window as a user drives it: opened from the module menu, the two
// record-number boxes with their checks, records 5 to 5 extracted into a database titled
// "Extracted" and saved as "Extract.orv", the help, and Cancel.

#include "core/programstate.h"
#include "platform/filedialogs.h"
#include "platform/grid.h"
#include "shell/mdicontainer.h"
#include "support/modalresponder.h"
#include "support/trendwindowfixture.h"
#include "trend/trendrecords.h"
#include "trend/trendstate.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

class TestExtract : public QObject, public TrendWindowFixture {
    Q_OBJECT
    void openExtract() {
        openModule();
        openFile(database(QStringLiteral("Numbered.orv"), numberedDatabase(12)));
        click("SelectRec");
        QVERIFY(!shown(WindowId::Trendmenu));
        QVERIFY(shown(WindowId::Extract));
        switchTo(WindowId::Extract);
    }
    void enter() { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); }

private slots:
    void init() { start(); }
    void cleanup() { stop(); }

    void recordsFiveToFive() {
        openExtract();
        QCOMPARE(mainWindow()->windowTitle(), QStringLiteral(" Extract"));
        QCOMPARE(line("LowRecNo")->text(), QStringLiteral("   1"));
        QCOMPARE(line("HighRecNo")->text(), QStringLiteral("  12"));
        QTest::mouseClick(line("LowRecNo"), Qt::LeftButton);
        QCOMPARE(line("LowRecNo")->text(), QString());
        QTest::keyClicks(line("LowRecNo"), QStringLiteral("5"));
        enter();
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(line("HighRecNo")));
        QCOMPARE(line("LowRecNo")->text(), QStringLiteral("   5"));
        QTest::keyClicks(line("HighRecNo"), QStringLiteral("5"));
        enter();
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(button("ExtractOk")));
        enter();

        QCOMPARE(windows().loaded(WindowId::Extract), nullptr);
        QVERIFY(shown(WindowId::Dbase));
        switchTo(WindowId::Dbase);
        QCOMPARE(line("DBName")->text(), QStringLiteral("Extracted"));
        QCOMPARE(grid("Grid8")->text(1, 0), QStringLiteral("     1"));
        QCOMPARE(grid("Grid8")->text(1, 2).trimmed(), QStringLiteral("5.00"));
        QCOMPARE(grid("Grid8")->text(2, 0), QString());

        // Saved, the extract is offered as Extract.orv.
        click("Exitbut");
        switchTo(WindowId::Trendmenu);
        FileDialogs::setNextAnswer(dir().filePath(QStringLiteral("Extract.orv")));
        click("Saveafile");
        QCOMPARE(FileDialogs::lastDefaultName(), QStringLiteral("Extract.orv"));
        QCOMPARE(dir().read(QStringLiteral("Extract.orv")),
                 QByteArray("1,0,\"Extracted\",10\r\n1,#2001-02-16#,5\r\n"));
    }

    void numberChecks() {
        openExtract();
        type("LowRecNo", QStringLiteral("0"));
        QCOMPARE(messageShownBy([&] { leaveTo("HighRecNo"); }),
                 QStringLiteral("Must be between  1 and 12"));
        QCOMPARE(line("LowRecNo")->text(), QStringLiteral("   1"));

        type("LowRecNo", QStringLiteral("7"));
        type("HighRecNo", QStringLiteral("20"));
        QCOMPARE(messageShownBy([&] { leaveTo("ExtractOk"); }),
                 QStringLiteral("Must be between 7 and 12"));
        QCOMPARE(line("HighRecNo")->text(), QStringLiteral("  12"));

        // 0 means the record count, without a message.
        type("HighRecNo", QStringLiteral("0"));
        QCOMPARE(messageShownBy([&] { leaveTo("ExtractOk"); }), QString());
        QCOMPARE(line("HighRecNo")->text(), QStringLiteral("  12"));

        type("HighRecNo", QStringLiteral("3"));
        QCOMPARE(messageShownBy([&] { click("ExtractOk"); }),
                 QStringLiteral("Low number is greater than High."));
        QVERIFY(shown(WindowId::Extract));
        QCOMPARE(int(trend().RecordCount), 12);
        QCOMPARE(trend().DatabaseTitle, QStringLiteral("Numbered"));
    }

    void cancelAndHelp() {
        openExtract();
        click("HelpBut1");
        auto* help = window()->findChild<QPlainTextEdit*>("HelpBoxE");
        QVERIFY(help->isVisible());
        QVERIFY(help->toPlainText().startsWith(QStringLiteral("To view a group of records")));
        QCOMPARE(button("HelpBut1")->text(), QStringLiteral("Close &Help"));
        click("HelpBut1");
        QVERIFY(!help->isVisible());
        QCOMPARE(button("HelpBut1")->text(), QStringLiteral("Quick &Help"));

        type("LowRecNo", QStringLiteral("3"));
        click("ExitExtract");
        QVERIFY(shown(WindowId::Dbase));
        QCOMPARE(int(trend().RecordCount), 12);
        QCOMPARE(trend().DatabaseTitle, QStringLiteral("Numbered"));
        QCOMPARE(program().TrendFileName, QStringLiteral("Numbered.orv"));
    }
};

QTEST_MAIN(TestExtract)
#include "tst_extract.moc"
