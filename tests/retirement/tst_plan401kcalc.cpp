// The 401(k) window as a user drives it: opened from the menu, typed into key by key,
// calculated, refused, graphed, printed and closed.

#include "core/formats.h"
#include "core/programstate.h"
#include "platform/barchart.h"
#include "platform/grid.h"
#include "retirement/plan401kcalc.h"
#include "shell/graphsall.h"
#include "shell/mdicontainer.h"
#include "shell/menumain.h"
#include "support/besidecaption.h"
#include "support/calculatorfixture.h"
#include "support/capturedprinter.h"
#include "support/modalresponder.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace {

QString rj(const QString& text, int width) {
    return RightJustify(text, width);
}

// The rows of a printed page that show a year: the year right-aligned in columns 2 to 4 and
// an amount after it.
int yearRowsOn(const QStringList& page) {
    int rows = 0;
    for (const QString& l : page) {
        rows += l.size() > 20 && l.left(4).trimmed().toInt() > 0 && l.mid(4, 6).trimmed().isEmpty()
                    ? 1
                    : 0;
    }
    return rows;
}

} // namespace

class TestPlan401KCalc : public QObject, public CalculatorFixture {
    Q_OBJECT
    Plan401KCalc* open() {
        return CalculatorFixture::open<Plan401KCalc>("Plan401", WindowId::Plan401KCalc);
    }
    Grid* grid() const { return CalculatorFixture::grid("KGrid"); }
    QStringList row(int r) const { return rowTexts("KGrid", r); }

private slots:
    void init() { start(); }
    void cleanup() { stop(); }

    // The window's defaults, calculated as they stand.
    void defaultsFromTheMenu() {
        open();
        QCOMPARE(line("InCurrBal")->text(), rj("$10,000.00", 13));
        QCOMPARE(line("InCurrSal")->text(), rj("$50,000.00", 13));
        QCOMPARE(line("InCntrbRate")->text(), rj("5.00", 14) + "%");
        QCOMPARE(line("InInflRate")->text(), rj(".00", 14) + "%");
        QCOMPARE(line("InNumYears")->text(), rj("25", 15));
        QCOMPARE(label("Label8"), QStringLiteral("No. of years to retirement."));
        Grid* g = grid();
        QCOMPARE(g->text(0, 2), QStringLiteral(" Combined Contributions"));
        QCOMPARE(g->rows(), 25);

        click("KCalc");
        QCOMPARE(g->rows(), 30);
        // The starting balance stands alone above year 1.
        QCOMPARE(row(1), (QStringList{"", "", "", "", "10,000.00"}));
        QCOMPARE(row(2), (QStringList{"1", "50,000.00", "4,500.00", "1,450.00", "15,950.00"}));
        QCOMPARE(row(3), (QStringList{"2", "52,000.00", "4,680.00", "2,063.00", "22,693.00"}));
        QCOMPARE(g->text(26, 0), QStringLiteral("25"));
        QCOMPARE(row(27), QStringList(5, QString()));
        QCOMPARE(g->text(28, 0), QStringLiteral("Total:"));
        QVERIFY(g->text(28, 4).startsWith(u'$'));
        QCOMPARE(int(program().ResultCount), 25);
    }

    void typedEntries_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("gridRow");
        QTest::addColumn<QStringList>("year1");
        QTest::newRow("inflation 3%")
            << "InInflRate"
            << "3" << rj("3.00", 14) + "%" << 2
            << QStringList{"1", "50,000.00", "4,500.00", "1,450.00", "15,471.50"};
        // A balance of 1.00 or less shows no balance row: year 1 is on grid row 1.
        QTest::newRow("balance of 1.00")
            << "InCurrBal"
            << "1" << rj("$1.00", 13) << 1
            << QStringList{"1", "50,000.00", "4,500.00", "450.10", "4,951.10"};
        QTest::newRow("balance of 1.01")
            << "InCurrBal"
            << "1.01" << rj("$1.01", 13) << 2
            << QStringList{"1", "50,000.00", "4,500.00", "450.10", "4,951.11"};
        QTest::newRow("no company contribution")
            << "InCompRate"
            << "0" << rj(".00", 14) + "%" << 2
            << QStringList{"1", "50,000.00", "2,500.00", "1,250.00", "13,750.00"};
    }

    // Each entry typed key by key, stored when the field is left, and calculated.
    void typedEntries() {
        QFETCH(QString, field);
        QFETCH(QString, keys);
        QFETCH(int, gridRow);
        open();
        click("KCalc");
        type(qPrintable(field), keys);
        // The first key cleared the results.
        QCOMPARE(grid()->text(2, 0), QString());
        QCOMPARE(int(program().ResultCount), 0);
        leaveTo("KCalc");
        QTEST(line(qPrintable(field))->text(), "shown");
        click("KCalc");
        QTEST(row(gridRow), "year1");
    }

    // The Delete key empties the field first and clears the results; the field left empty
    // stores 0.
    void deleteEmptiesTheField() {
        open();
        click("KCalc");
        QLineEdit* salary = line("InCurrSal");
        salary->setFocus();
        salary->setCursorPosition(3);
        QTest::keyClick(salary, Qt::Key_Delete);
        QCOMPARE(salary->text(), QString());
        QCOMPARE(grid()->text(2, 0), QString());
        QCOMPARE(int(program().ResultCount), 0);
        leaveTo("KCalc");
        QCOMPARE(salary->text(), rj("$.00", 13));
        QCOMPARE(program().EntryValues[2], Currency());
        click("KCalc");
        // No salary: no contributions.
        QCOMPARE(row(2), (QStringList{"1", ".00", ".00", "1,000.00", "11,000.00"}));
    }

    // Enter walks the eight fields to "&Calculate" without calculating.
    void enterThroughTheFields() {
        open();
        line("InCurrBal")->setFocus();
        const char* order[] = {"InCurrSal",  "InCntrbRate", "InCompRate", "InAnnSalRaise",
                               "InRetnRate", "InInflRate",  "InNumYears", "KCalc"};
        for (const char* next : order) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QCOMPARE(QApplication::focusWidget()->objectName(), QString::fromLatin1(next));
        }
        QCOMPARE(grid()->text(1, 4), QString());
    }

    void yearsLimit_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("lastYear");
        QTest::newRow("50 years") << "50" << QString() << 55 << "50";
        QTest::newRow("60 capped at 50") << "60"
                                         << "Wrong entry, 50 Years limit." << 55 << "50";
        QTest::newRow("20 years keep 25 rows") << "20" << QString() << 25 << "20";
    }

    void yearsLimit() {
        QFETCH(QString, keys);
        QFETCH(int, rows);
        open();
        type("InNumYears", keys);
        QTEST(messageShownBy([this] { leaveTo("KCalc"); }), "message");
        click("KCalc");
        QCOMPARE(grid()->rows(), rows);
        const int years = program().ResultCount;
        QTEST(grid()->text(years + 1, 0), "lastYear");
        QCOMPARE(grid()->text(years + 3, 0), QStringLiteral("Total:"));
    }

    // No years: year 1 is still shown with its totals, but nothing is graphed or printed.
    void zeroYearsRefusesGraphAndPrint() {
        open();
        type("InNumYears", "0");
        leaveTo("KCalc");
        click("KCalc");
        QCOMPARE(row(2), (QStringList{"1", "50,000.00", "4,500.00", "1,450.00", "15,950.00"}));
        QCOMPARE(grid()->text(4, 0), QStringLiteral("Total:"));
        QCOMPARE(grid()->text(4, 4), QStringLiteral("$15,950.00"));
        QCOMPARE(int(program().ResultCount), 0);
        QCOMPARE(messageShownBy([this] { click("KGraphs"); }),
                 QStringLiteral("No data to graph. Calculate."));
        CapturedPrinter captured;
        QCOMPARE(messageShownBy([this] { click("KPrinter"); }),
                 QStringLiteral("No data to print. Calculate."));
        QCOMPARE(captured.opened(), 0);
    }

    // An entry too large to calculate with.
    void overflowIsAWrongEntry() {
        open();
        type("InCurrSal", "900000000000000");
        leaveTo("InRetnRate");
        type("InRetnRate", "900");
        leaveTo("KCalc");
        QCOMPARE(messageShownBy([this] { click("KCalc"); }),
                 QStringLiteral("Wrong or missing entry, try again."));
        QCOMPARE(int(program().ResultCount), 0);
    }

    // The graph shows the value at the end of each year and returns to this window.
    void graphAndBack() {
        auto* w = open();
        click("KCalc");
        click("KGraphs");
        QCOMPARE(program().GraphCaller, GraphCallerCode::Plan401K);
        QVERIFY(w->isHidden());
        auto* graph = qobject_cast<GraphsAll*>(windows().loaded(WindowId::GraphsAll));
        QVERIFY(graph != nullptr);
        auto* chart = graph->findChild<BarChart*>();
        QCOMPARE(chart->values().size(), std::size_t(25));
        QCOMPARE(chart->values().front(), 15950.0);
        QCOMPARE(chart->values()[1], 22693.0);
        QCOMPARE(chart->labels().front(), QStringLiteral("1"));
        QCOMPARE(chart->labels().back(), QStringLiteral("25"));
        QCOMPARE(chart->graphTitle(), QStringLiteral("Investment value at end of each Year"));
        QTest::mouseClick(graph->findChild<QPushButton*>("ExitBut"), Qt::LeftButton);
        QVERIFY(!w->isHidden());
        QCOMPARE(int(program().ResultCount), 25);
        QCOMPARE(grid()->text(2, 4), QStringLiteral("15,950.00"));
    }

    // Fifty years without a starting balance: 27 year rows on the first page, the headings
    // again on the second with the other 23, the totals after them.
    void printedPages() {
        open();
        type("InCurrBal", "0");
        leaveTo("InNumYears");
        type("InNumYears", "50");
        leaveTo("KCalc");
        click("KCalc");
        CapturedPrinter captured;
        respondType(QStringLiteral("InFName"), QStringLiteral("My plan"), QStringLiteral("Acept"));
        click("KPrinter");
        QCOMPARE(captured.documentNames(), QStringList{"Investment Growth - 401K Plan"});
        QCOMPARE(captured.pages().size(), std::size_t(2));
        const QStringList first = captured.pages()[0];
        const QStringList second = captured.pages()[1];
        QCOMPARE(first.value(1), QStringLiteral(" My plan"));
        QCOMPARE(first.value(3), QString(24, u' ') + "Investment Growth - 401K Plan");
        QCOMPARE(first.value(6), QStringLiteral(" Current balance in your 401K account") +
                                     QString(14, u' ') + rj("$.00", 14));
        QCOMPARE(first.value(25), QString());
        QVERIFY(first.value(26).startsWith(QStringLiteral("   1")));
        QCOMPARE(yearRowsOn(first), 27);
        QCOMPARE(first.back(), QString(39, u' ') + "Page 1");
        QCOMPARE(yearRowsOn(second), 23);
        QCOMPARE(second.value(4), QStringLiteral("  Year   Annual Salary   Contributions   "
                                                 "Interest/Growth    Current Value"));
        QVERIFY(second.value(7).startsWith(QStringLiteral("  28")));
        QVERIFY(second.back().startsWith(QStringLiteral(" Total:")));
        QVERIFY(!second.back().contains(QStringLiteral("Page")));
    }

    // The help's texts, what to type level with the caption of its field.
    void quickHelp() {
        auto* w = open();
        click("KHelp");
        auto* help = w->findChild<QPlainTextEdit*>("KTextBox");
        const QStringList lines = help->toPlainText().split(u'\n');
        QCOMPARE(lines.front(), QStringLiteral(" For results click Calculate. Click any yellow box "
                                               "and type in your figures."));
        QVERIFY(besideCaption(help->toPlainText(), "Your current annual salary.",
                              "Type in your current annual salary."));
        QVERIFY(besideCaption(help->toPlainText(), "No. of years to retirement.",
                              "Type in the estimated number of years"));
        QVERIFY(
            besideCaption(help->toPlainText(), "Estimated rate(%) of annual", "Leave at 0 unless"));
        QCOMPARE(lines.back(), QString(50, u' ') + "End");
    }
};

QTEST_MAIN(TestPlan401KCalc)
#include "tst_plan401kcalc.moc"
