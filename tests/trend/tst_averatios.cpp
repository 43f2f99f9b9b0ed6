// The averages and ratios window as a user sees it: opened from the module menu on a database
// file, the figures and captions, the period toggle, the printed picture of the window, and
// the way back to the menu.

#include "core/programstate.h"
#include "platform/textprinter.h"
#include "platform/twips.h"
#include "shell/mdicontainer.h"
#include "support/capturedprinter.h"
#include "support/modalresponder.h"
#include "support/trendwindowfixture.h"
#include "trend/trendstate.h"

#include <QCheckBox>
#include <QHash>
#include <QLabel>
#include <QStatusBar>
#include <QTest>

namespace {

// Nine weekly values, the newest 25, with earnings of 1.00 for 2000 and 0.80 for 1999.
const QByteArray EdgeFund = "9,2,\"Edge Fund\",10\r\n"
                            "2000,1\r\n"
                            "1999,.8\r\n"
                            "1,#2001-03-16#,25\r\n"
                            "2,#2001-03-09#,24\r\n"
                            "3,#2001-03-02#,20\r\n"
                            "4,#2001-02-23#,21\r\n"
                            "5,#2001-02-16#,22\r\n"
                            "6,#2001-02-09#,23\r\n"
                            "7,#2001-02-02#,22\r\n"
                            "8,#2001-01-26#,21\r\n"
                            "9,#2001-01-19#,20\r\n";

const QColor Cyan(0, 255, 255);

QString placed(const QRect& r) {
    return QStringLiteral(" at %1,%2 size %3x%4")
        .arg(r.x())
        .arg(r.y())
        .arg(r.width())
        .arg(r.height());
}
const QColor White(255, 255, 255);

} // namespace

class TestAveratios : public QObject, public TrendWindowFixture {
    Q_OBJECT
private slots:
    void init() { start(); }
    void cleanup() { stop(); }

    void figuresOfADatabase_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("text");
        const QStringList rows = {"Label2=Edge Fund",
                                  "Label11=24.50 ",
                                  "Label12=22.50 ",
                                  "Label13=22.50 ",
                                  "Label14=22.25 ",
                                  "Label15=.00 ",
                                  "Label35=.00 ",
                                  "Label29=.00 ",
                                  "Label53=22.00 ",
                                  "Label52=9 Weeks (All)",
                                  "Label16=Upswing ",
                                  "Label41=25.00  ",
                                  "Label19=25.00  ",
                                  "Label20=20.00  ",
                                  "Label27=25.00%",
                                  "Label37=.00%",
                                  "Label38=25.00%",
                                  "Label42= Annual Earnings 2000",
                                  "Label43=$1.00  ",
                                  "Label23= Change 1999 - 2000",
                                  "Label24=25.00%",
                                  "Label44=",
                                  "Label22=25.00  ",
                                  "Label17=-60.00%",
                                  "Label49= Could Drop to:",
                                  "Label50=10.00  ",
                                  "Label10= Risk at10 times Earnings",
                                  "Label4= 2 Weeks",
                                  "Label28= 104 Weeks",
                                  "Label9= Market Direction",
                                  "Label26= Difference        =",
                                  "Label30=Ratios  "};
        for (const QString& row : rows) {
            const QString control = row.section(u'=', 0, 0);
            QTest::newRow(qPrintable(control)) << control << row.section(u'=', 1);
        }
    }

    void figuresOfADatabase() {
        QFETCH(QString, control);
        openModule();
        openFile(database(QStringLiteral("Edge.orv"), EdgeFund));
        click("ShowRatios");
        QVERIFY(shown(WindowId::Averatios));
        QVERIFY(!shown(WindowId::Trendmenu));
        switchTo(WindowId::Averatios);
        QCOMPARE(mainWindow()->windowTitle(), QStringLiteral("  Averages and Ratios"));
        QTEST(label(qPrintable(control)), "text");
    }

    void potentialDropIsRed() {
        openModule();
        openFile(database(QStringLiteral("Edge.orv"), EdgeFund));
        click("ShowRatios");
        QWidget* w = switchTo(WindowId::Averatios);
        const QColor red(255, 0, 0);
        QCOMPARE(w->findChild<QLabel*>("Label17")->palette().color(QPalette::WindowText), red);
        QVERIFY(w->findChild<QLabel*>("Label22")->palette().color(QPalette::WindowText) != red);
    }

    // The toggle changes the captions only; the figures stay.
    void weeksOrDataValues() {
        openModule();
        openFile(database(QStringLiteral("Edge.orv"), EdgeFund));
        click("ShowRatios");
        QWidget* w = switchTo(WindowId::Averatios);
        auto* toggle = w->findChild<QCheckBox*>("WeekPoints");
        QCOMPARE(toggle->text(), QStringLiteral("Change to Data Values"));
        click("WeekPoints");
        QCOMPARE(int(trend().PeriodMode), 1);
        QCOMPARE(toggle->text(), QStringLiteral("Change to Weeks"));
        QCOMPARE(label("Label4"), QStringLiteral(" 2 Data values"));
        QCOMPARE(label("Label28"), QStringLiteral(" 104 Data values"));
        QCOMPARE(label("Label52"), QStringLiteral("9 Values (All)"));
        QCOMPARE(label("Label11"), QStringLiteral("24.50 "));

        // Left and opened again: the captions stay in the mode chosen.
        click("ExitBut");
        switchTo(WindowId::Trendmenu);
        click("ShowRatios");
        switchTo(WindowId::Averatios);
        QVERIFY(toggle->isChecked());
        QCOMPARE(label("Label52"), QStringLiteral("9 Values (All)"));
        click("WeekPoints");
        QCOMPARE(int(trend().PeriodMode), 0);
        QCOMPARE(label("Label6"), QStringLiteral(" 6 Weeks"));
    }

    void printTheWindow() {
        openModule();
        openFile(database(QStringLiteral("Edge.orv"), EdgeFund));
        click("ShowRatios");
        QWidget* w = switchTo(WindowId::Averatios);
        const QSize size = w->size();
        CapturedPrinter captured;

        respondClick(QStringLiteral("AllNo"));
        click("Print1");
        QCOMPARE(captured.printer().windowPictures(), 0);

        respondClick(QStringLiteral("AllYes"));
        click("Print1");
        QCOMPARE(shownDialogs().back().labels.value(0), QStringLiteral(" Continue with Printout."));
        QCOMPARE(captured.printer().windowPictures(), 1);
        const QImage picture = captured.printer().lastPicture();
        QCOMPARE(picture.size() / picture.devicePixelRatio(), twipsSize(9530, 5600));
        // A white window with the figures on cyan; the target keeps its white.
        QCOMPARE(picture.pixelColor(2, 2), White);
        const auto inside = [&](const char* name) {
            const QRect r = w->findChild<QLabel*>(name)->geometry();
            return picture.pixelColor(int((r.left() + 4) * picture.devicePixelRatio()),
                                      int((r.top() + 4) * picture.devicePixelRatio()));
        };
        QCOMPARE(inside("Label11"), Cyan);
        QCOMPARE(inside("Label17"), Cyan);
        QCOMPARE(inside("Label50"), White);

        // Back to its size and colours.
        QCOMPARE(w->size(), size);
        QCOMPARE(w->findChild<QLabel*>("Label11")->palette().color(QPalette::Window), White);
        QVERIFY(w->palette().color(QPalette::Window) != White ||
                QPalette().color(QPalette::Button) == White);

        // A picture that does not reach the printer: no message, the status bar says so, and
        // the window is back as it was.
        captured.printer().failDocuments(true);
        respondClick(QStringLiteral("AllYes"));
        click("Print1");
        QCOMPARE(captured.printer().windowPictures(), 2);
        QCOMPARE(mainWindow()->statusBar()->currentMessage(),
                 QStringLiteral("Averages was not printed."));
        QCOMPARE(w->size(), size);
        QCOMPARE(w->findChild<QLabel*>("Label11")->palette().color(QPalette::Window), White);
    }

    void emptyDatabase() {
        openModule();
        click("ShowRatios");
        switchTo(WindowId::Averatios);
        QCOMPARE(label("Label11").trimmed(), QString());
        QCOMPARE(label("Label52"), QStringLiteral("0 Weeks (All)"));
        QCOMPARE(messageShownBy([&] { click("Print1"); }), QStringLiteral("No data to print."));
        QVERIFY(messageShownBy([&] {
                    click("Graphshow");
                }).startsWith(QStringLiteral("No data. Either start a new database")));
        QVERIFY(shown(WindowId::Averatios));
    }

    // A database too small for figures, opened after one that had them, shows its own title
    // over blank figures: nothing of the database shown before stays.
    void figuresOfTheDatabaseShown_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("count");
        QTest::newRow("header only") << QByteArray("0,0,\"EmptyDB\",12\r\n") << "0 Weeks (All)";
        QTest::newRow("one record")
            << QByteArray("1,0,\"EmptyDB\",12\r\n1,#2001-03-16#,5\r\n") << "1 Weeks (All)";
    }

    void figuresOfTheDatabaseShown() {
        QFETCH(QByteArray, bytes);
        openModule();
        openFile(sampleCopy());
        click("ShowRatios");
        switchTo(WindowId::Averatios);
        QCOMPARE(label("Label16"), QStringLiteral("Upswing "));
        click("ExitBut");
        openFile(database(QStringLiteral("Small.orv"), bytes));
        click("ShowRatios");
        switchTo(WindowId::Averatios);
        QCOMPARE(label("Label2"), QStringLiteral("EmptyDB"));
        QTEST(label("Label52"), "count");
        for (const char* figure :
             {"Label11", "Label14", "Label53", "Label16", "Label41", "Label19", "Label20",
              "Label27", "Label37", "Label38", "Label22", "Label17", "Label50", "Label24",
              "Label33", "Label49", "Label10", "Label23"}) {
            const QString name = QLatin1String(figure) + u'=';
            QCOMPARE(name + label(figure).trimmed(), name);
        }
        QCOMPARE(label("Label42"), QStringLiteral(" Annual Earnings "));
        QCOMPARE(label("Label43"), QStringLiteral("$  "));
    }

    // The window keeps one layout whatever the database: every field and caption stays where
    // the sample puts it, shows its text whole on one line inside the window, and a long title
    // ends in an ellipsis.
    void oneLayoutForEveryDatabase_data() {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray longTitle = QByteArray(100, 'W');
        QTest::newRow("three records: Need 8 Points") << numberedDatabase(3);
        QTest::newRow("a long title") << numberedDatabase(60, longTitle);
        QTest::newRow("a thousand values") << numberedDatabase(1000);
    }

    void oneLayoutForEveryDatabase() {
        QFETCH(QByteArray, bytes);
        openModule();
        openFile(sampleCopy());
        click("ShowRatios");
        QWidget* w = switchTo(WindowId::Averatios);
        const QList<QLabel*> labels = w->findChildren<QLabel*>();
        QHash<QString, QRect> sample;
        for (const QLabel* l : labels) {
            sample.insert(l->objectName(), l->geometry());
        }
        click("WeekPoints");
        click("ExitBut");
        openFile(database(QStringLiteral("Other.orv"), bytes));
        click("ShowRatios");
        switchTo(WindowId::Averatios);
        for (const QLabel* l : labels) {
            const QString name = l->objectName();
            QCOMPARE(name + placed(l->geometry()), name + placed(sample.value(name)));
            QVERIFY2(l->geometry().right() < w->width(), qPrintable(name));
            QVERIFY2(!l->wordWrap(), qPrintable(name));
            QVERIFY2(l->fontMetrics().horizontalAdvance(l->text()) <= l->contentsRect().width(),
                     qPrintable(name + u' ' + l->text()));
        }
        const QLabel* title = w->findChild<QLabel*>("Label2");
        QCOMPARE(title->toolTip(), trend().DatabaseTitle);
        QCOMPARE(title->text() == trend().DatabaseTitle,
                 title->fontMetrics().horizontalAdvance(trend().DatabaseTitle) <=
                     title->contentsRect().width());
    }

    // Leaving and coming back computes again from the data in memory.
    void exitAndRecompute() {
        openModule();
        openFile(database(QStringLiteral("Edge.orv"), EdgeFund));
        click("ShowRatios");
        switchTo(WindowId::Averatios);
        click("ExitBut");
        QVERIFY(shown(WindowId::Trendmenu));
        QVERIFY(!shown(WindowId::Averatios));
        QVERIFY(windows().loaded(WindowId::Averatios) != nullptr);
        QCOMPARE(mainWindow()->windowTitle(), QStringLiteral("  Quantrel Menu"));
        switchTo(WindowId::Trendmenu);
        QCOMPARE(label("InfoLabel"), QStringLiteral(" File in Memory = Edge Fund "));

        openFile(database(QStringLiteral("Two.orv"), "2,0,\"Two\",10\r\n"
                                                     "1,#2001-03-16#,3\r\n"
                                                     "2,#2001-03-09#,5\r\n"));
        switchTo(WindowId::Trendmenu);
        click("ShowRatios");
        switchTo(WindowId::Averatios);
        QCOMPARE(label("Label2"), QStringLiteral("Two"));
        QCOMPARE(label("Label11"), QStringLiteral("4.00 "));
        QCOMPARE(label("Label16"), QStringLiteral("Need 8 Points "));
        QCOMPARE(label("Label42"), QStringLiteral(" Annual Earnings "));
        QCOMPARE(label("Label49"), QString());
    }
};

QTEST_MAIN(TestAveratios)
#include "tst_averatios.moc"
