// The Quantrel module's menu as a user drives it: opened from the main menu, database files
// opened (the sample, hostile files) and saved, price files imported, the question before
// unsaved records are lost, the buttons that need records, the sort, and leaving by the exit
// button and the close box.

#include "core/programstate.h"
#include "shell/mdicontainer.h"
#include "shell/menumain.h"
#include "support/modalresponder.h"
#include "support/trendwindowfixture.h"
#include "trend/trendrecords.h"
#include "trend/trendstate.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QTest>

namespace {

const QString SampleTitle = QStringLiteral("Tarnwick Instruments");
const QString Question3 = QStringLiteral(
    "Sample.orv file in memory will be erased. Do you wish to go back and save it to Disk?.");

const QString ImportedQuestion3 =
    QStringLiteral("daily-newest-first.orv file in memory will be erased. Do you wish to go back "
                   "and save it to Disk?.");

QByteArray manyLines(const QByteArray& header, int lines) {
    QByteArray bytes = header;
    for (int i = 1; i <= lines; ++i) {
        bytes += QByteArray::number(i) + ",#2001-03-16#,5\r\n";
    }
    return bytes;
}

} // namespace

class TestTrendmenu : public QObject, public TrendWindowFixture {
    Q_OBJECT
private slots:
    void init() { start(); }
    void cleanup() { stop(); }

    void openTheSample() {
        QWidget* menu = openModule();
        QCOMPARE(mainWindow()->windowTitle(), QStringLiteral(" Quantrel Menu"));
        QCOMPARE(label("Label2"), QStringLiteral("Orvalen"));
        QVERIFY(!menu->findChild<QLabel*>("InfoLabel")->isVisible());
        QVERIFY(!MenuMain::instance()->isVisible());

        // The file dialog starts in the program's directory, where the sample is installed.
        openFile(sampleCopy());
        QCOMPARE(FileDialogs::lastFilter(), QStringLiteral("Fendrake Database (*.orv)|*.orv"));
        QCOMPARE(FileDialogs::lastDefaultName(), QString());
        QCOMPARE(int(trend().RecordCount), 157);
        QCOMPARE(int(trend().EarningsCount), 5);
        QCOMPARE(trend().DatabaseTitle, SampleTitle);
        QCOMPARE(trend().EarningsFactor, 15.0F);
        QCOMPARE(program().TrendFileName, QStringLiteral("Sample.orv"));
        QCOMPARE(int(trend().TrendModified), 0);

        windows().show(WindowId::Trendmenu);
        QVERIFY(menu->findChild<QLabel*>("InfoLabel")->isVisible());
        QCOMPARE(label("InfoLabel"), QStringLiteral(" File in Memory = ") + SampleTitle + u' ');
    }

    // A file that cannot be read leaves the database in memory whole, whatever it holds.
    void hostileFiles_data() {
        QTest::addColumn<QByteArray>("bytes"); // empty: no file at all
        QByteArray binary;
        for (int i = 0; i < 4096; ++i) {
            binary += char(i % 256);
        }
        QTest::newRow("missing file") << QByteArray();
        QTest::newRow("wrong format") << QByteArray("not a database\r\n");
        QTest::newRow("1001 records") << manyLines("1001,0,\"Big\",10\r\n", 1001);
        QTest::newRow("a count of 30000") << QByteArray("30000,0,\"Big\",10\r\n");
        QTest::newRow("earnings count 6") << manyLines("0,6,\"E\",10\r\n", 6);
        QTest::newRow("truncated") << QByteArray("3,0,\"Short\",10\r\n1,#2001-03-16#,5\r\n");
        QTest::newRow("a date that is none") << QByteArray("1,0,\"D\",10\r\n1,#9999-99-99#,5\r\n");
        QTest::newRow("a value that is none") << QByteArray("1,0,\"V\",10\r\n1,#2001-03-16#,x\r\n");
        QTest::newRow("binary") << binary;
        QTest::newRow("above 1 MiB") << QByteArray(1024 * 1024 + 1, '1');
    }

    void hostileFiles() {
        QFETCH(QByteArray, bytes);
        openModule();
        openFile(sampleCopy());
        trend().TrendModified = 1;
        const QString path = bytes.isEmpty() ? dir().filePath(QStringLiteral("None.orv"))
                                             : database(QStringLiteral("Bad.orv"), bytes);
        respondClick(QStringLiteral("AllNo"));
        FileDialogs::setNextAnswer(path);
        QCOMPARE(
            messageShownBy([&] { click("LoadaFile"); }),
            QStringLiteral("File not found or wrong format. Check Filename and/or Directory."));
        QCOMPARE(int(trend().RecordCount), 157);
        QCOMPARE(trend().DatabaseTitle, SampleTitle);
        QCOMPARE(program().TrendFileName, QStringLiteral("Sample.orv"));
        QCOMPARE(int(trend().TrendModified), 1);
        QCOMPARE(recordValue(trend().TrendRecords.at(1, RecordValue)), 19.69);
    }

    // Added records are not dropped without question 3; Yes goes back without opening.
    void openingAsksBeforeUnsavedRecords() {
        openModule();
        openFile(sampleCopy());
        trend().TrendModified = 1;
        FileDialogs::setNextAnswer(database(QStringLiteral("Other.orv"), "0,0,\"Other\",10\r\n"));
        respondClick(QStringLiteral("AllYes"));
        click("LoadaFile");
        QCOMPARE(shownDialogs().back().labels.value(0), Question3);
        QCOMPARE(FileDialogs::pendingAnswers(), 1);
        QCOMPARE(trend().DatabaseTitle, SampleTitle);
        QVERIFY(shown(WindowId::Trendmenu));

        // No: the other file is opened; a header-only file is an empty database with its title.
        respondClick(QStringLiteral("AllNo"));
        click("LoadaFile");
        switchTo(WindowId::Trendmenu);
        QCOMPARE(int(trend().RecordCount), 0);
        QCOMPARE(trend().DatabaseTitle, QStringLiteral("Other"));
        QCOMPARE(program().TrendFileName, QStringLiteral("Other.orv"));
    }

    void cancelledOpenChangesNothing() {
        openModule();
        openFile(sampleCopy());
        openFile(QString());
        QCOMPARE(int(trend().RecordCount), 157);
        QCOMPARE(program().FileDialogMode, std::int16_t{0});
        QCOMPARE(program().ChosenPath, QString());
    }

    void saveUnderAnotherName() {
        openModule();
        const QString sample = sampleCopy();
        openFile(sample);
        trend().TrendModified = 1;
        const QString copy = dir().filePath(QStringLiteral("Copy.orv"));
        FileDialogs::setNextAnswer(copy);
        click("Saveafile");
        QCOMPARE(FileDialogs::lastDefaultName(), QStringLiteral("Sample.orv"));
        QCOMPARE(dir().read(QStringLiteral("Copy.orv")), dir().read(QStringLiteral("Sample.orv")));
        QCOMPARE(program().TrendFileName, QStringLiteral("Copy.orv"));
        QCOMPARE(int(trend().TrendModified), 0);
        QVERIFY(shown(WindowId::Trendmenu));
    }

    void saveRefusals() {
        openModule();
        QCOMPARE(messageShownBy([&] { click("Saveafile"); }), QStringLiteral("No Records."));
        QCOMPARE(FileDialogs::pendingAnswers(), 0);
        QVERIFY(!QFile::exists(dir().filePath(QStringLiteral("Extract.orv"))));

        // A file that cannot be written: the records stay unsaved under their old name.
        openFile(sampleCopy());
        trend().TrendModified = 1;
        FileDialogs::setNextAnswer(dir().filePath(QStringLiteral("no/such/folder/A.orv")));
        QCOMPARE(messageShownBy([&] { click("Saveafile"); }),
                 QStringLiteral(" Bad Filename. Must be in the form MYFILE.ORV"));
        QCOMPARE(int(trend().TrendModified), 1);
        QCOMPARE(program().TrendFileName, QStringLiteral("Sample.orv"));
        QVERIFY(shown(WindowId::Trendmenu));
    }

    void buttonsThatNeedRecords_data() {
        QTest::addColumn<QString>("button");
        QTest::newRow("graph") << "ShowTGraph";
        QTest::newRow("sort") << "SortDBase";
        QTest::newRow("extract") << "SelectRec";
    }

    void buttonsThatNeedRecords() {
        QFETCH(QString, button);
        openModule();
        QVERIFY(messageShownBy([&] {
                    click(qPrintable(button));
                }).startsWith(QStringLiteral("No data. Either start a new database")));
        QVERIFY(shown(WindowId::Trendmenu));
    }

    void sortPutsTheNewestFirst() {
        openModule();
        openFile(database(QStringLiteral("Mixed.orv"), "3,0,\"Mixed\",10\r\n"
                                                       "1,#2001-03-02#,1\r\n"
                                                       "2,#2001-03-16#,2\r\n"
                                                       "3,#2001-03-09#,3\r\n"));
        click("SortDBase");
        QCOMPARE(recordValue(trend().TrendRecords.at(1, RecordValue)), 2.0);
        QCOMPARE(recordValue(trend().TrendRecords.at(2, RecordValue)), 3.0);
        QCOMPARE(recordValue(trend().TrendRecords.at(3, RecordValue)), 1.0);

        trend().TrendRecords.at(2, RecordDate) = Cell(QStringLiteral("not a date"));
        QCOMPARE(messageShownBy([&] { click("SortDBase"); }), QStringLiteral("Cannot sort file."));
        QCOMPARE(recordValue(trend().TrendRecords.at(1, RecordValue)), 2.0);
    }

    void leaveWithoutUnsavedRecords() {
        openModule();
        openFile(sampleCopy());
        click("ExitMenu");
        QCOMPARE(shownDialogs().size(), std::size_t{0});
        QVERIFY(MenuMain::instance()->isVisible());
        QCOMPARE(mainWindow()->windowTitle(), QStringLiteral("  Orvalen Menu"));
        QCOMPARE(windows().loaded(WindowId::Trendmenu), nullptr);
        QCOMPARE(int(trend().RecordCount), 0);
        QCOMPARE(trend().DatabaseTitle, QString());
        QCOMPARE(program().TrendFileName, QString());

        // Back in: an empty database.
        openModule();
        QVERIFY(!window()->findChild<QLabel*>("InfoLabel")->isVisible());
    }

    // The line naming the database keeps its place: a long title ends in an ellipsis, the
    // start of the line stays readable and the tooltip holds it whole.
    void longTitleEndsInAnEllipsis() {
        QWidget* menu = openModule();
        const QByteArray title = QByteArray("Long ") + QByteArray(95, 'W');
        openFile(database(QStringLiteral("Long.orv"), numberedDatabase(3, title)));
        windows().show(WindowId::Trendmenu);
        const auto* info = menu->findChild<QLabel*>("InfoLabel");
        QVERIFY(info->isVisible());
        QVERIFY(info->text().startsWith(QStringLiteral(" File in Memory = Long ")));
        QVERIFY(info->text().endsWith(QChar(0x2026)));
        QVERIFY(info->fontMetrics().horizontalAdvance(info->text()) <=
                info->contentsRect().width());
        QCOMPARE(info->toolTip(),
                 QStringLiteral(" File in Memory = ") + QLatin1String(title) + u' ');
    }

    void leaveWithUnsavedRecords() {
        openModule();
        openFile(sampleCopy());
        trend().TrendModified = 1;
        respondClick(QStringLiteral("AllYes"));
        click("ExitMenu");
        QCOMPARE(shownDialogs().back().labels.value(0), Question3);
        QVERIFY(shown(WindowId::Trendmenu));
        QCOMPARE(int(trend().RecordCount), 157);

        respondClick(QStringLiteral("AllNo"));
        click("ExitMenu");
        QVERIFY(MenuMain::instance()->isVisible());
        QCOMPARE(int(trend().RecordCount), 0);
    }

    // The import's button sits below the documented ones, with a letter of its own.
    void importButton() {
        QWidget* menu = openModule();
        const QPushButton* import = button("ImportPrices");
        QCOMPARE(import->text(), QStringLiteral("&Import Prices from a CSV File"));
        QSet<QChar> letters;
        const QList<QPushButton*> buttons = menu->findChildren<QPushButton*>();
        for (const QPushButton* b : buttons) {
            const qsizetype amp = b->text().indexOf(u'&');
            QVERIFY(amp >= 0);
            letters.insert(b->text().at(amp + 1).toLower());
            if (b != import) {
                QVERIFY(b->geometry().bottom() < import->geometry().top());
            }
        }
        QCOMPARE(letters.size(), buttons.size());
    }

    // A price file becomes the database in memory, shown in the editor with what was made;
    // saving offers the file's name as a database, and leaving asks before it is lost.
    void importPrices() {
        openModule();
        QVERIFY(dir().copyIn(QStringLiteral(ORVALEN_TEST_DATA "/prices/daily-newest-first.csv")));
        FileDialogs::setNextAnswer(dir().filePath(QStringLiteral("daily-newest-first.csv")));
        QCOMPARE(
            messageShownBy([&] { click("ImportPrices"); }),
            QStringLiteral("Imported 14 weeks from 66 price rows (2024-01-05 to 2024-04-05)."));
        QCOMPARE(FileDialogs::lastFilter(),
                 QStringLiteral("CSV Files (*.csv)|*.csv|All Files (*)|*"));
        QVERIFY(shown(WindowId::Dbase));
        QVERIFY(!shown(WindowId::Trendmenu));
        switchTo(WindowId::Dbase);
        QCOMPARE(line("DBName")->text(), QStringLiteral("daily-newest-first"));
        QCOMPARE(rowTexts("Grid8", 1).value(1), QStringLiteral("2024-04-05"));
        QCOMPARE(rowTexts("Grid8", 2).value(1), QStringLiteral("2024-03-28"));
        click("Exitbut");

        switchTo(WindowId::Trendmenu);
        QCOMPARE(label("InfoLabel"), QStringLiteral(" File in Memory = daily-newest-first "));
        respondClick(QStringLiteral("AllYes"));
        click("ExitMenu");
        QCOMPARE(shownDialogs().back().labels.value(0), ImportedQuestion3);
        QVERIFY(shown(WindowId::Trendmenu));

        FileDialogs::setNextAnswer(std::nullopt);
        click("Saveafile");
        QCOMPARE(FileDialogs::lastDefaultName(), QStringLiteral("daily-newest-first.orv"));
        QCOMPARE(int(trend().TrendModified), 1);
    }

    // Unsaved records are not dropped without question 3; a cancelled dialog or a refused file
    // leaves the database in memory as it was, and the menu comes back.
    void importRefusals() {
        openModule();
        openFile(sampleCopy());
        trend().TrendModified = 1;
        respondClick(QStringLiteral("AllYes"));
        click("ImportPrices");
        QCOMPARE(shownDialogs().back().labels.value(0), Question3);
        QCOMPARE(FileDialogs::pendingAnswers(), 0);

        respondClick(QStringLiteral("AllNo"));
        FileDialogs::setNextAnswer(std::nullopt);
        click("ImportPrices");
        QVERIFY(shown(WindowId::Trendmenu));

        respondClick(QStringLiteral("AllNo"));
        FileDialogs::setNextAnswer(
            database(QStringLiteral("zero.csv"), "Date,Close\n2024-03-15,0\n"));
        QCOMPARE(messageShownBy([&] { click("ImportPrices"); }),
                 QStringLiteral("No dates and prices found in this file."));
        QVERIFY(shown(WindowId::Trendmenu));
        QCOMPARE(int(trend().RecordCount), 157);
        QCOMPARE(trend().DatabaseTitle, SampleTitle);
        QCOMPARE(program().TrendFileName, QStringLiteral("Sample.orv"));
        QCOMPARE(int(trend().TrendModified), 1);
    }

    // The main window's close box asks the module first.
    void closeBox() {
        // The main window closes in this test: the test program goes on.
        QGuiApplication::setQuitOnLastWindowClosed(false);
        openModule();
        openFile(sampleCopy());
        trend().TrendModified = 1;
        respondClick(QStringLiteral("AllYes"));
        QVERIFY(!mainWindow()->close());
        QVERIFY(mainWindow()->isVisible());
        QCOMPARE(shownDialogs().back().labels.value(0), Question3);
        QCOMPARE(int(trend().TrendModified), 1);

        respondClick(QStringLiteral("AllNo"));
        QVERIFY(mainWindow()->close());
        QCOMPARE(int(trend().TrendModified), 0);
        QCOMPARE(shownDialogs().size(), std::size_t{2});
    }
};

QTEST_MAIN(TestTrendmenu)
#include "tst_trendmenu.moc"
