// The savings calculator as a user drives it: opened from the menu in planning or comparison
// mode, typed into key by key (a minus included), the frequency picked from its list,
// calculated, graphed, printed, with the quick help opened and closed and the exit back to the
// menu.

#include "core/formats.h"
#include "core/programstate.h"
#include "platform/barchart.h"
#include "platform/beep.h"
#include "platform/grid.h"
#include "savings/savingscalc.h"
#include "savings/savingsstate.h"
#include "shell/graphsall.h"
#include "shell/mdicontainer.h"
#include "shell/menumain.h"
#include "support/calculatorfixture.h"
#include "support/capturedprinter.h"
#include "support/modalresponder.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStatusBar>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>

namespace {
QString rj(const QString& text, int width) {
    return RightJustify(text, width);
}

// The period lines of a printed planning page: the period number, then three amounts.
QStringList periodLines(const QStringList& page) {
    static const QRegularExpression period(QStringLiteral("^ +\\d+ +[\\d,]*\\.\\d\\d +"));
    QStringList found;
    for (const QString& line : page) {
        if (period.match(line).hasMatch()) {
            found << line;
        }
    }
    return found;
}
} // namespace

class TestSavingsCalc : public QObject, public CalculatorFixture {
    Q_OBJECT
    SavingsCalc* open(const char* menuButton) {
        return CalculatorFixture::open<SavingsCalc>(menuButton, WindowId::SavingsCalc);
    }
    Grid* grid() const { return CalculatorFixture::grid("SGrid"); }

private slots:
    void init() { start(); }
    void cleanup() { stop(); }

    void planningDefaultsFromTheMenu() {
        open("Savings");
        QCOMPARE(combo("InLumpInv")->currentText(), rj("$.00", 15));
        QCOMPARE(combo("InInvest")->currentText(), rj("$1,200.00", 13));
        QCOMPARE(combo("InMonthsYrs")->currentText(), QStringLiteral("Annually"));
        QCOMPARE(combo("InMonthsYrs")->count(), 3);
        QCOMPARE(combo("InRate")->currentText(), rj("20.00", 14) + "%");
        QCOMPARE(combo("inInflatRate")->currentText(), rj(".00", 14) + "%");
        QCOMPARE(combo("InTerm")->currentText(), rj("25", 17));
        QCOMPARE(combo("InLumpInv")->itemText(5), QStringLiteral("35000"));
        Grid* g = grid();
        QCOMPARE(g->rows(), 25);
        QCOMPARE(g->cols(), 4);

        click("SCalc");
        QCOMPARE(g->rows(), 29);
        QCOMPARE(g->text(0, 1), QStringLiteral("          Invested         Annually"));
        const QStringList first[] = {{"1", "1,200.00", "240.00", "1,440.00"},
                                     {"2", "1,200.00", "528.00", "3,168.00"},
                                     {"3", "1,200.00", "873.60", "5,241.60"}};
        for (int row = 1; row <= 3; ++row) {
            for (int col = 0; col < 4; ++col) {
                QCOMPARE(g->text(row, col), first[row - 1].value(col));
            }
        }
        QCOMPARE(g->text(25, 0), QStringLiteral("25"));
        QCOMPARE(g->text(26, 0), QString());
        QCOMPARE(g->text(27, 0), QStringLiteral("Total:"));
        QCOMPARE(g->text(27, 1), QStringLiteral("$30,000.00"));
        QCOMPARE(g->currentRow(), 1);
        QCOMPARE(int(program().ResultCount), 25);
    }

    // Typed key by key: the first key empties the field and the results, the lump sum shows in
    // 13 characters once edited, and a minus starts a negative increase wherever it is typed.
    void typedEntriesAndAMinus() {
        open("Savings");
        click("SCalc");
        type("InLumpInv", "10000");
        QCOMPARE(grid()->text(1, 1), QString());
        QCOMPARE(int(program().ResultCount), 0);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(combo("InLumpInv")->currentText(), rj("$10,000.00", 13));
        QCOMPARE(QApplication::focusWidget(), combo("InInvest"));

        type("InIncrRate", "5-3");
        QCOMPARE(combo("InIncrRate")->currentText(), QStringLiteral("-3"));
        type("inInflatRate", "-");
        QCOMPARE(combo("InIncrRate")->currentText(), rj("-3.00", 14) + "%");
        QCOMPARE(program().EntryValues[5], Currency::fromWhole(-3));
        QTest::keyClicks(combo("inInflatRate")->lineEdit(), "2.5");
        leaveTo("SCalc");
        QCOMPARE(program().EntryValues[6], Currency::fromDouble(-2.5));
        // The other fields refuse the minus.
        type("InRate", "-7");
        leaveTo("SCalc");
        QCOMPARE(combo("InRate")->currentText(), rj("7.00", 14) + "%");

        click("SCalc");
        QCOMPARE(grid()->text(1, 1), QStringLiteral("11,200.00"));
        QCOMPARE(grid()->text(2, 1), QStringLiteral("1,164.00"));
    }

    // The frequency list takes no typing: a key beeps and clears nothing; a pick clears the
    // results, and the grid follows the frequency at the next calculation.
    void frequencyIsPickedNotTyped() {
        int beeps = 0;
        platform::setBeepHandler([&beeps] { ++beeps; });
        open("Savings");
        click("SCalc");
        QComboBox* frequency = combo("InMonthsYrs");
        frequency->setFocus();
        QTest::keyClicks(frequency, "m");
        platform::setBeepHandler({});
        QCOMPARE(beeps, 1);
        QCOMPARE(frequency->currentText(), QStringLiteral("Annually"));
        QCOMPARE(int(program().EditPending), 0);
        QCOMPARE(int(program().ResultCount), 25);
        QTest::keyClick(frequency, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), combo("InRate"));

        frequency->setFocus(Qt::MouseFocusReason);
        pick("InMonthsYrs", "Quarterly");
        QCOMPARE(int(program().ResultCount), 0);
        QCOMPARE(grid()->text(1, 1), QString());
        QCOMPARE(int(program().EditPending), 1);
        leaveTo("SCalc");
        QCOMPARE(int(program().EditPending), 0);
        click("SCalc");
        QCOMPARE(grid()->rows(), 104);
        QCOMPARE(grid()->text(0, 0), QStringLiteral("Quarter Number"));
        QCOMPARE(grid()->text(102, 0), QStringLiteral("Total:"));
    }

    // Monthly over 40 years: 480 periods, 484 rows; with an increase of 5% a year, month 13
    // pays the first contribution times 1.05, within the rounding of each month's step.
    void monthlyOverFortyYears() {
        open("Savings");
        pick("InMonthsYrs", "Monthly");
        type("InInvest", "100");
        type("InIncrRate", "5");
        type("InTerm", "40");
        leaveTo("SCalc");
        click("SCalc");
        Grid* g = grid();
        QCOMPARE(g->rows(), 484);
        QCOMPARE(g->text(0, 0), QStringLiteral(" Month Number"));
        QCOMPARE(g->text(0, 1), QStringLiteral("          Invested         Monthly"));
        QCOMPARE(g->text(480, 0), QStringLiteral("480"));
        QCOMPARE(g->text(481, 0), QString());
        QCOMPARE(g->text(482, 0), QStringLiteral("Total:"));
        const double month13 = readNumber(g->text(13, 1));
        QVERIFY2(std::abs(month13 - 105.0) <= 0.06, qPrintable(g->text(13, 1)));
        QCOMPARE(int(program().ResultCount), 40);
    }

    // A term of 0 computes one period, but there is no year to graph or print.
    void zeroTermHasNothingToGraphOrPrint() {
        open("Savings");
        type("InTerm", "0");
        leaveTo("SCalc");
        QCOMPARE(combo("InTerm")->currentText(), QString(17, u' '));
        click("SCalc");
        QCOMPARE(grid()->text(1, 3), QStringLiteral("1,440.00"));
        QCOMPARE(grid()->text(3, 0), QStringLiteral("Total:"));
        QCOMPARE(messageShownBy([this] { click("SGraphs"); }),
                 QStringLiteral("No data to graph. Calculate."));
        QCOMPARE(messageShownBy([this] { click("SPrinter"); }),
                 QStringLiteral("No data to print. Calculate."));
    }

    void refusedEntries_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("frequency");
        QTest::addColumn<QString>("message");
        QTest::newRow("increase below -100, monthly") << "InIncrRate"
                                                      << "-150"
                                                      << "Monthly"
                                                      << "Wrong or missing entry, try again.";
        QTest::newRow("inflation below -100, quarterly") << "inInflatRate"
                                                         << "-101"
                                                         << "Quarterly"
                                                         << "Wrong or missing entry, try again.";
    }

    // A calculation that fails leaves the graph and the printer refusing.
    void refusedEntries() {
        QFETCH(QString, field);
        QFETCH(QString, keys);
        QFETCH(QString, frequency);
        open("Savings");
        type(qPrintable(field), keys);
        leaveTo("SCalc");
        pick("InMonthsYrs", frequency);
        QTEST(messageShownBy([this] { click("SCalc"); }), "message");
        QCOMPARE(int(program().ResultCount), 0);
        QCOMPARE(messageShownBy([this] { click("SGraphs"); }),
                 QStringLiteral("No data to graph. Calculate."));
        QCOMPARE(messageShownBy([this] { click("SPrinter"); }),
                 QStringLiteral("No data to print. Calculate."));
    }

    void termAboveTheLimit() {
        open("Savings");
        type("InTerm", "45");
        QCOMPARE(messageShownBy([this] { leaveTo("SCalc"); }),
                 QStringLiteral("Wrong entry, 40 Years limit."));
        QCOMPARE(combo("InTerm")->currentText(), rj("40", 17));
        QCOMPARE(program().EntryValues[7], Currency::fromWhole(40));
    }

    // The yearly chart of the year-end values, and back to the calculator with its results.
    void planningGraphAndBack() {
        SavingsCalc* w = open("Savings");
        click("SCalc");
        click("SGraphs");
        QVERIFY(w->isHidden());
        QCOMPARE(int(program().GraphCaller), 1);
        auto* graph = qobject_cast<GraphsAll*>(windows().loaded(WindowId::GraphsAll));
        QVERIFY(graph != nullptr);
        QCOMPARE(int(graph->chartKind()), int(GraphsAll::Yearly2D));
        auto* chart = graph->findChild<BarChart*>();
        QCOMPARE(chart->graphTitle(), QStringLiteral("Investment value at end of each Year"));
        QCOMPARE(chart->values().size(), std::size_t(25));
        QCOMPARE(chart->label(25), QStringLiteral("25"));
        QCOMPARE(formatNumber(chart->value(3), u"####,,###.00"), QStringLiteral("5,241.60"));
        QTest::mouseClick(graph->findChild<QPushButton*>("ExitBut"), Qt::LeftButton);
        QVERIFY(!w->isHidden());
        QCOMPARE(grid()->text(27, 1), QStringLiteral("$30,000.00"));
        QCOMPARE(int(program().ResultCount), 25);
    }

    // The report of a monthly plan over 40 years: the inputs, 480 period lines broken into
    // pages with the heading repeated, and the totals.
    void planningReport() {
        open("Savings");
        pick("InMonthsYrs", "Monthly");
        type("InTerm", "40");
        leaveTo("SCalc");
        click("SCalc");
        CapturedPrinter captured;
        respondType(QStringLiteral("InFName"), QStringLiteral("My plan"), QStringLiteral("Acept"));
        click("SPrinter");
        QCOMPARE(captured.documentNames(), QStringList{"Investment Growth Calculation"});
        const std::vector<QStringList>& pages = captured.pages();
        QCOMPARE(pages.size(), std::size_t(11));
        QCOMPARE(pages.front().value(1), QStringLiteral(" My plan"));
        QVERIFY(pages.front().contains(QStringLiteral(" Frequency of each contribution") +
                                       QString(20, u' ') + rj("Monthly", 14)));
        const QString heading = QStringLiteral(
            "   Monthly          Investment      Interest/Growth         Current Value");
        // 53 lines a page: 29 periods on the first (the counter starts at 24), 47 on the
        // next ones (it restarts at 6), 28 on the last, which has no page footer.
        for (std::size_t i = 0; i < pages.size(); ++i) {
            const bool last = i + 1 == pages.size();
            QVERIFY(pages[i].contains(heading));
            QCOMPARE(periodLines(pages[i]).size(), qsizetype(i == 0 ? 29 : last ? 28 : 47));
            if (!last) {
                QCOMPARE(pages[i].back(), QString(39, u' ') + QStringLiteral("Page %1").arg(i + 1));
            }
        }
        QCOMPARE(periodLines(pages[1]).front().left(5), QStringLiteral("  30 "));
        QVERIFY(pages.back().back().startsWith(QStringLiteral(" Total:") + QString(9, u' ') +
                                               rj("$576,000.00", 14)));
    }

    // Comparisons: each calculation adds a row; editing keeps the rows; the 23rd is refused
    // and the 22 can still be graphed and printed, the 16th and on on a second page.
    void twentyTwoComparisons() {
        open("SavComp");
        QCOMPARE(mainWindow()->windowTitle(), QStringLiteral(" Investment Growth Comparisons"));
        Grid* g = grid();
        QCOMPARE(g->cols(), 8);
        QCOMPARE(g->rows(), 23);
        click("SCalc");
        const QStringList row1 = {"25",   ".00",  "1,200.00",  "20.00%",
                                  ".00%", ".00%", "30,000.00", "679,652.79"};
        for (int col = 0; col < 8; ++col) {
            QCOMPARE(g->text(1, col), row1.value(col));
        }
        type("InTerm", "10");
        QCOMPARE(g->text(1, 0), QStringLiteral("25"));
        QCOMPARE(int(program().ResultCount), 0);
        leaveTo("SCalc");
        for (int i = 2; i <= 22; ++i) {
            click("SCalc");
        }
        QCOMPARE(g->text(2, 0), QStringLiteral("10"));
        QCOMPARE(g->text(22, 0), QStringLiteral("10"));
        QCOMPARE(int(savings().ComparisonCount), 22);

        QCOMPARE(messageShownBy([this] { click("SCalc"); }),
                 QStringLiteral("Limit is 22 entries."));
        QCOMPARE(int(program().ResultCount), 22);
        QCOMPARE(g->text(1, 0), QStringLiteral("25"));

        click("SGraphs");
        auto* graph = qobject_cast<GraphsAll*>(windows().loaded(WindowId::GraphsAll));
        auto* chart = graph->findChild<BarChart*>();
        QCOMPARE(int(graph->chartKind()), int(GraphsAll::Compare2DKind));
        QCOMPARE(chart->graphTitle(), QStringLiteral("Savings Comparisons"));
        QCOMPARE(chart->leftTitle(), QStringLiteral("Value $"));
        QCOMPARE(chart->legendText(22), QStringLiteral("Row 22"));
        QCOMPARE(formatNumber(chart->value(1), u"####,,##0.00"), QStringLiteral("679,652.79"));
        QTest::mouseClick(graph->findChild<QPushButton*>("ExitBut"), Qt::LeftButton);

        const auto comparisons = [](const QStringList& page) {
            return page.filter(QRegularExpression(QStringLiteral("^ *\\d+ +[\\d,]*\\.\\d\\d ")))
                .size();
        };
        // A report that did not reach the printer keeps the comparisons for the next one.
        {
            CapturedPrinter failing;
            failing.printer().failDocuments(true);
            respondType(QStringLiteral("InFName"), QString(), QStringLiteral("Acept"));
            click("SPrinter");
            QCOMPARE(mainWindow()->statusBar()->currentMessage(),
                     QStringLiteral("Investment Growth Comparisons was not printed."));
        }
        CapturedPrinter captured;
        respondType(QStringLiteral("InFName"), QString(), QStringLiteral("Acept"));
        click("SPrinter");
        QCOMPARE(captured.pages().size(), std::size_t(2));
        QCOMPARE(comparisons(captured.pages()[0]), qsizetype(15));
        QCOMPARE(comparisons(captured.pages()[1]), qsizetype(7));

        // Printed once, the comparisons are gone from the next report; the grid keeps them.
        CapturedPrinter again;
        respondType(QStringLiteral("InFName"), QString(), QStringLiteral("Acept"));
        click("SPrinter");
        QCOMPARE(again.pages().size(), std::size_t(1));
        QCOMPARE(comparisons(again.pages()[0]), qsizetype(0));
        QVERIFY(again.lines().contains(
            QStringLiteral(" Year Lump Sum   Annual     Interest Salary   Inflation   Total       "
                           "Current")));
        QCOMPARE(g->text(22, 0), QStringLiteral("10"));
    }

    void quickHelp_data() {
        QTest::addColumn<QString>("menuButton");
        QTest::addColumn<bool>("planningParagraphs");
        QTest::addColumn<QString>("row1AfterClosing");
        QTest::newRow("planning: closing discards the plan") << "Savings" << true << "";
        QTest::newRow("comparisons: the rows stay") << "SavComp" << false << "25";
    }

    void quickHelp() {
        QFETCH(QString, menuButton);
        QFETCH(bool, planningParagraphs);
        SavingsCalc* w = open(qPrintable(menuButton));
        click("SCalc");
        click("SHelp");
        auto* help = w->findChild<QPlainTextEdit*>("STextBox");
        QVERIFY(help->toPlainText().contains(QStringLiteral("$1,000.00 invested each year")));
        QCOMPARE(help->toPlainText().contains(QStringLiteral("As the program is very flexible")),
                 planningParagraphs);
        // The table of examples stands whole, all five examples in sight: each line of the help
        // is one line on the screen, and nothing is out of sight to the side.
        QVERIFY(help->document()->firstBlock().text().startsWith(
            QStringLiteral("  Example 1    Example 2")));
        for (QTextBlock block = help->document()->firstBlock(); block.isValid();
             block = block.next()) {
            help->document()->documentLayout()->blockBoundingRect(block); // lays the block out
            QVERIFY2(block.layout()->lineCount() == 1, qPrintable(block.text()));
        }
        QCOMPARE(help->horizontalScrollBar()->maximum(), 0);

        click("SHelp");
        QTEST(grid()->text(1, 0), "row1AfterClosing");
        QCOMPARE(int(program().ResultCount), 0);
    }

    void exitForgetsTheComparisons() {
        open("SavComp");
        click("SCalc");
        click("SExit");
        QCOMPARE(int(savings().ComparisonCount), 0);
    }
};

QTEST_MAIN(TestSavingsCalc)
#include "tst_savingscalc.moc"
