// The database editor as a user drives it: a month of weekly data keyed with Enter twice per
// record, the title, factor and earnings boxes, a record corrected, inserted by date and
// deleted through the record-number dialog, the sort, "&Delete All", "&Ratios", and the
// database printed to the text printer.

#include "core/dates.h"
#include "core/formats.h"
#include "core/programstate.h"
#include "platform/beep.h"
#include "platform/grid.h"
#include "shell/mdicontainer.h"
#include "support/arrivingtext.h"
#include "support/capturedprinter.h"
#include "support/modalresponder.h"
#include "support/trendwindowfixture.h"
#include "trend/trendrecords.h"
#include "trend/trendstate.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTest>

namespace {

QString row(int number, const QString& date, const QString& value) {
    return RightJustify(QString::number(number), 6) + u'|' + date + u'|' + RightJustify(value, 13);
}

// Text printed from the given character columns (counted from 1).
QString atColumns(const std::vector<std::pair<int, QString>>& pieces) {
    QString line;
    for (const auto& [column, text] : pieces) {
        line = line.leftJustified(column - 1, u' ') + text;
    }
    return line;
}

// A click on an option's button, at its left where its circle is.
void chooseOption(QDialog& dialog, const char* name) {
    auto* option = dialog.findChild<QRadioButton*>(name);
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
}

} // namespace

class TestDbase : public QObject, public TrendWindowFixture {
    Q_OBJECT
    void openEditor() {
        openModule();
        click("OpenDbase");
        switchTo(WindowId::Dbase);
    }
    // Five weekly records valued 1 (newest, 30 March 2001) to 5, titled "Month".
    void monthOfRecords() {
        openModule();
        openFile(database(QStringLiteral("Month.orv"), "5,0,\"Month\",10\r\n"
                                                       "1,#2001-03-30#,1\r\n"
                                                       "2,#2001-03-23#,2\r\n"
                                                       "3,#2001-03-16#,3\r\n"
                                                       "4,#2001-03-09#,4\r\n"
                                                       "5,#2001-03-02#,5\r\n"));
        click("OpenDbase");
        switchTo(WindowId::Dbase);
    }
    void enter() { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); }
    QString gridRow(int r) const {
        const Grid* g = grid("Grid8");
        return g->text(r, 0) + u'|' + g->text(r, 1) + u'|' + g->text(r, 2);
    }
    void clickGridRow(int r) const {
        QTableView* view = grid("Grid8")->view();
        const QRect cell = view->visualRect(view->model()->index(r - 1, 0));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cell.center());
    }

    int m_beeps = 0;

private slots:
    void init() {
        start();
        Dates::setToday(QDate(2001, 3, 2));
        m_beeps = 0;
        platform::setBeepHandler([this] { ++m_beeps; });
    }
    void cleanup() {
        platform::setBeepHandler({});
        Dates::setToday(QDate());
        stop();
    }

    void keyAMonthOfWeeklyData() {
        openEditor();
        QCOMPARE(mainWindow()->windowTitle(), QStringLiteral(" Add and Edit Database"));
        QCOMPARE(label("InNew"), QStringLiteral("New"));
        QCOMPARE(line("InDate")->text(), QStringLiteral("2001-03-02"));
        type("DBName", QStringLiteral("Growth \"Fund\""));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(line("InValue")));
        QCOMPARE(trend().DatabaseTitle, QStringLiteral("Growth Fund"));

        type("InDate", QStringLiteral("2001-02-02"));
        enter();
        for (const char* value : {"25.5", "26", "24.75", "25", "12.349"}) {
            QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(line("InValue")));
            QTest::keyClicks(line("InValue"), QLatin1String(value));
            enter();
            enter();
        }
        // The third decimal was refused with a beep.
        QCOMPARE(m_beeps, 1);
        QCOMPARE(int(trend().RecordCount), 5);
        QCOMPARE(int(trend().TrendModified), 1);
        QCOMPARE(gridRow(1), row(1, "2001-03-02", "12.34"));
        QCOMPARE(gridRow(2), row(2, "2001-02-23", "25.00"));
        QCOMPARE(gridRow(5), row(5, "2001-02-02", "25.50"));
        QCOMPARE(line("InDate")->text(), QStringLiteral("2001-03-09"));
        QCOMPARE(line("InValue")->text(), QString());
        QCOMPARE(grid("Grid8")->rows(), 5 + 24);
    }

    void correctInsertAndDelete() {
        monthOfRecords();
        clickGridRow(3);
        respondWith([](QDialog& d) {
            QCOMPARE(d.windowTitle(), QStringLiteral("Input "));
            QCOMPARE(d.findChild<QLineEdit*>("CurVal")->text(), QStringLiteral("3"));
            QCOMPARE(d.findChild<QLabel*>("Label1")->text(),
                     QStringLiteral(" Type in the record number       to correct."));
            QTest::mouseClick(d.findChild<QPushButton*>("Accept"), Qt::LeftButton);
        });
        click("CorrRecord");
        QCOMPARE(label("InNew"), QStringLiteral("   3"));
        QCOMPARE(line("InDate")->text(), QStringLiteral("2001-03-16"));
        QCOMPARE(line("InValue")->text(), QStringLiteral("3"));
        for (const char* hidden : {"Printit", "ToRatios", "NewFile", "CorrRecord"}) {
            QVERIFY(!button(hidden)->isVisible());
        }
        type("InValue", QStringLiteral("33.33"));
        click("AddRecord");
        QCOMPARE(gridRow(3), row(3, "2001-03-16", "33.33"));
        QCOMPARE(label("InNew"), QStringLiteral("New"));
        QVERIFY(button("CorrRecord")->isVisible());

        // Insert: the record goes to its place by date, after a record of the same date.
        respondWith([](QDialog& d) {
            chooseOption(d, "CorInsDel1");
            QCOMPARE(d.findChild<QLineEdit*>("CurVal")->text(), QStringLiteral("1"));
            QTest::mouseClick(d.findChild<QPushButton*>("Accept"), Qt::LeftButton);
        });
        click("CorrRecord");
        QCOMPARE(label("InNew"), QStringLiteral("Insert"));
        QCOMPARE(line("InDate")->text(), QString());
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(line("InDate")));
        QTest::keyClicks(line("InDate"), QStringLiteral("2001-03-09"));
        enter();
        QTest::keyClicks(line("InValue"), QStringLiteral("7"));
        enter();
        enter();
        QCOMPARE(int(trend().RecordCount), 6);
        QCOMPARE(gridRow(4), row(4, "2001-03-09", "4.00"));
        QCOMPARE(gridRow(5), row(5, "2001-03-09", "7.00"));
        QCOMPARE(gridRow(6), row(6, "2001-03-02", "5.00"));

        // Delete record 2, chosen by its row.
        clickGridRow(2);
        respondWith([](QDialog& d) {
            chooseOption(d, "CorInsDel2");
            QCOMPARE(d.findChild<QLineEdit*>("CurVal")->text(), QStringLiteral("2"));
            QTest::mouseClick(d.findChild<QPushButton*>("Accept"), Qt::LeftButton);
        });
        click("CorrRecord");
        QCOMPARE(int(trend().RecordCount), 5);
        QCOMPARE(gridRow(2), row(2, "2001-03-16", "33.33"));
        QCOMPARE(gridRow(5), row(5, "2001-03-02", "5.00"));
        QCOMPARE(grid("Grid8")->text(6, 0), QString());
    }

    void recordNumberRefusals() {
        monthOfRecords();
        respondClick(QStringLiteral("NoAccept"));
        click("CorrRecord");
        QCOMPARE(label("InNew"), QStringLiteral("New"));
        QCOMPARE(int(trend().EditMode), 0);

        respondType(QStringLiteral("CurVal"), QStringLiteral("9"), QStringLiteral("Accept"));
        QCOMPARE(messageShownBy([&] { click("CorrRecord"); }),
                 QStringLiteral("Record number does not exist."));
        QCOMPARE(int(trend().EditMode), 0);
        QVERIFY(button("CorrRecord")->isVisible());

        // A correction cannot be newer than record 1; the edit ends.
        respondType(QStringLiteral("CurVal"), QStringLiteral("2"), QStringLiteral("Accept"));
        click("CorrRecord");
        type("InDate", QStringLiteral("2001-04-01"));
        QCOMPARE(messageShownBy([&] { click("AddRecord"); }),
                 QStringLiteral("Date cannot be greater than last record: 2001-03-30"));
        QCOMPARE(label("InNew"), QStringLiteral("New"));
        QCOMPARE(gridRow(2), row(2, "2001-03-23", "2.00"));
    }

    void boxesAndTheirKeys() {
        monthOfRecords();
        // The date box takes digits and separators only; a text that is no date goes back.
        type("InDate", QStringLiteral("2001x-13-45"));
        QCOMPARE(line("InDate")->text(), QStringLiteral("2001-13-45"));
        QCOMPARE(m_beeps, 1);
        QCOMPARE(messageShownBy([&] { leaveTo("InValue"); }),
                 QStringLiteral("Wrong date entry. Correct date format is 2001-03-02"));
        QCOMPARE(line("InDate")->text(), QStringLiteral("2001-04-06"));

        QCOMPARE(messageShownBy([&] { click("AddRecord"); }),
                 QStringLiteral("No complete record to add to database."));

        // A pasted double quote never reaches the title.
        putArrivingText(line("DBName"), QStringLiteral("paste"), QStringLiteral("\"A\""));
        QCOMPARE(line("DBName")->text(), QStringLiteral("Month"));

        // The factor takes digits; Backspace empties it.
        type("TEFName", QStringLiteral("1.2"));
        QCOMPARE(line("TEFName")->text(), QStringLiteral("12"));
        QTest::keyClick(line("TEFName"), Qt::Key_Backspace);
        QCOMPARE(line("TEFName")->text(), QString());
        type("TEFName", QStringLiteral("12"));

        // A year no number can hold is refused; the box shows the year kept.
        type("InDatext2", QString(400, u'9'));
        QCOMPARE(messageShownBy([&] { leaveTo("InValue"); }),
                 QStringLiteral("Wrong or missing entry, try again."));
        QCOMPARE(line("InDatext2")->text(), QString());

        // Earnings rows: Enter walks year, earnings, next year; a row with a year alone is
        // dropped when the editor is left.
        type("InDatext0", QStringLiteral("2000"));
        enter();
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("1.5"));
        enter();
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(line("InDatext1")));
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("1999"));
        leaveTo("Exitbut");
        QCOMPARE(line("InEarnTxt0")->text(), QStringLiteral("1.50"));
        click("Exitbut");
        QCOMPARE(int(trend().EarningsCount), 1);
        QCOMPARE(trend().EarningsFactor, 12.0F);
        QCOMPARE(trend().EarningsTable.at(2, EarningsYear), 0.0);
        QVERIFY(shown(WindowId::Trendmenu));
        QCOMPARE(mainWindow()->windowTitle(), QStringLiteral(" Quantrel Menu"));
        QCOMPARE(windows().loaded(WindowId::Dbase), nullptr);
    }

    // A factor typed is kept once its box is left: adding a record, which shows the header
    // again, keeps it, and the ratios use it. One no single can hold is refused.
    void factorKeptOnceLeft() {
        monthOfRecords();
        type("TEFName", QStringLiteral("25"));
        leaveTo("InValue");
        QTest::keyClicks(line("InValue"), QStringLiteral("7"));
        click("AddRecord");
        QCOMPARE(int(trend().RecordCount), 6);
        QCOMPARE(line("TEFName")->text(), QStringLiteral("25"));
        QCOMPARE(trend().EarningsFactor, 25.0F);

        type("TEFName", QString(45, u'9'));
        QCOMPARE(messageShownBy([&] { leaveTo("InValue"); }),
                 QStringLiteral("Wrong or missing entry, try again."));
        QCOMPARE(line("TEFName")->text(), QStringLiteral("25"));
        QCOMPARE(trend().EarningsFactor, 25.0F);
    }

    // Earnings boxes without earnings are empty, as the year boxes are.
    void emptyEarningsBoxes() {
        openEditor();
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(line(qPrintable(QStringLiteral("InEarnTxt%1").arg(i)))->text(), QString());
        }
        click("Exitbut");
        openFile(database(QStringLiteral("Earned.orv"), "1,1,\"Earned\",10\r\n"
                                                        "2000,1.5\r\n"
                                                        "1,#2001-03-30#,1\r\n"));
        click("OpenDbase");
        switchTo(WindowId::Dbase);
        QCOMPARE(line("InEarnTxt0")->text(), QStringLiteral("1.50"));
        QCOMPARE(line("InEarnTxt1")->text(), QString());
        respondClick(QStringLiteral("AllNo"));
        click("NewFile");
        QCOMPARE(line("InDatext0")->text(), QString());
        QCOMPARE(line("InEarnTxt0")->text(), QString());
    }

    // Correcting, inserting and deleting a record are changes not yet saved: leaving the
    // module asks question 3 first, as after adding one.
    void editsAskBeforeLeaving_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("number");
        QTest::newRow("correct") << "CorInsDel0"
                                 << "2";
        QTest::newRow("insert") << "CorInsDel1"
                                << "1";
        QTest::newRow("delete") << "CorInsDel2"
                                << "2";
    }

    void editsAskBeforeLeaving() {
        QFETCH(QString, option);
        QFETCH(QString, number);
        monthOfRecords();
        respondWith([&](QDialog& d) {
            chooseOption(d, qPrintable(option));
            auto* box = d.findChild<QLineEdit*>("CurVal");
            if (box->text().isEmpty()) {
                QTest::keyClicks(box, number);
            }
            QTest::mouseClick(d.findChild<QPushButton*>("Accept"), Qt::LeftButton);
        });
        click("CorrRecord");
        if (label("InNew") != QStringLiteral("New")) {
            type("InDate", QStringLiteral("2001-03-20"));
            type("InValue", QStringLiteral("7"));
            click("AddRecord");
        }
        QCOMPARE(label("InNew"), QStringLiteral("New"));
        click("Exitbut");
        switchTo(WindowId::Trendmenu);
        respondClick(QStringLiteral("AllYes"));
        click("ExitMenu");
        QCOMPARE(shownDialogs().back().labels.value(0),
                 QStringLiteral("Month.orv file in memory will be erased. Do you wish to go back "
                                "and save it to Disk?."));
        QVERIFY(shown(WindowId::Trendmenu));
    }

    // An older date added stays record 1 until the menu's sort moves it.
    void sortAnOlderRecord() {
        monthOfRecords();
        type("InDate", QStringLiteral("2001-03-12"));
        enter();
        QTest::keyClicks(line("InValue"), QStringLiteral("9"));
        enter();
        enter();
        QCOMPARE(gridRow(1), row(1, "2001-03-12", "9.00"));
        click("Exitbut");
        switchTo(WindowId::Trendmenu);
        click("SortDBase");
        click("OpenDbase");
        switchTo(WindowId::Dbase);
        QCOMPARE(gridRow(1), row(1, "2001-03-30", "1.00"));
        QCOMPARE(gridRow(3), row(3, "2001-03-16", "3.00"));
        QCOMPARE(gridRow(4), row(4, "2001-03-12", "9.00"));
    }

    void deleteAll() {
        monthOfRecords();
        respondClick(QStringLiteral("AllYes"));
        click("NewFile");
        QCOMPARE(int(trend().RecordCount), 5);

        respondClick(QStringLiteral("AllNo"));
        click("NewFile");
        QCOMPARE(int(trend().RecordCount), 0);
        QCOMPARE(line("DBName")->text(), QString());
        QCOMPARE(line("InDate")->text(), QStringLiteral("2001-03-02"));
        QCOMPARE(grid("Grid8")->text(1, 0), QString());
        click("Exitbut");
        switchTo(WindowId::Trendmenu);
        QVERIFY(label("InfoLabel").isEmpty() ||
                !window()->findChild<QLabel*>("InfoLabel")->isVisible());
    }

    void ratios() {
        openEditor();
        type("InValue", QStringLiteral("5"));
        click("AddRecord");
        QCOMPARE(messageShownBy([&] { click("ToRatios"); }),
                 QStringLiteral("Minimum of two weeks data required for Ratios."));
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(grid("Grid8")->view()));
        type("InValue", QStringLiteral("6"));
        click("AddRecord");
        click("ToRatios");
        QVERIFY(shown(WindowId::Averatios));
        QCOMPARE(windows().loaded(WindowId::Dbase), nullptr);
        switchTo(WindowId::Averatios);
        QCOMPARE(label("Label11"), QStringLiteral("5.50 "));
        // And back to the editor.
        click("ShowSheet");
        QVERIFY(shown(WindowId::Dbase));
        QVERIFY(!shown(WindowId::Averatios));
    }

    void printTheDatabase() {
        openModule();
        openFile(sampleCopy());
        click("OpenDbase");
        switchTo(WindowId::Dbase);
        CapturedPrinter captured;
        respondType(QStringLiteral("InFName"), QStringLiteral("Weekly"), QStringLiteral("Acept"));
        click("Printit");
        const std::vector<QStringList>& pages = captured.pages();
        // 45 records on each page of 53 lines: 157 records fill four pages.
        QCOMPARE(pages.size(), std::size_t{4});
        const QStringList& first = pages[0];
        QCOMPARE(first.value(1), QStringLiteral(" Weekly"));
        QCOMPARE(first.value(3), atColumns({{30, "Tarnwick Instruments"}}));
        QCOMPARE(first.value(7), QString());
        QCOMPARE(first.value(8), atColumns({{10, "  1"},
                                            {20, "2001-03-16"},
                                            {32, "       19.69"},
                                            {55, "2000"},
                                            {63, "      1.85"}}));
        QCOMPARE(first.value(13),
                 atColumns({{10, "  6"}, {20, "2001-02-09"}, {32, "       18.80"}}));
        QCOMPARE(first.value(52),
                 atColumns({{10, " 45"}, {20, "2000-05-12"}, {32, "       19.49"}}));
        QCOMPARE(first.value(54), atColumns({{40, "Page 1"}}));
        QCOMPARE(pages[1].value(3), atColumns({{35, "Tarnwick Instruments"}}));
        QCOMPARE(pages[1].value(5), atColumns({{10, "Record       Date            Data"}}));
        QVERIFY(pages[1].value(8).startsWith(atColumns({{10, " 46"}})));
        QVERIFY(pages[3].last().startsWith(atColumns({{10, "157"}})));

        // Nothing to print without records.
        respondClick(QStringLiteral("AllNo"));
        click("NewFile");
        QCOMPARE(messageShownBy([&] { click("Printit"); }), QStringLiteral("No data to print."));
        QCOMPARE(captured.opened(), 1);
    }
};

QTEST_MAIN(TestDbase)
#include "tst_dbase.moc"
