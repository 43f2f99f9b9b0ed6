// The compound growth finder as a user drives it: opened from the menu, investments typed key
// by key with their names, calculated one after another, refused where they cannot be,
// graphed, printed (and printed again), with the quick help and the exit back to the menu.

#include "core/formats.h"
#include "core/programstate.h"
#include "platform/barchart.h"
#include "platform/grid.h"
#include "savings/findcompoundcalc.h"
#include "savings/savingsstate.h"
#include "shell/graphsall.h"
#include "shell/mdicontainer.h"
#include "shell/menumain.h"
#include "support/calculatorfixture.h"
#include "support/capturedprinter.h"
#include "support/modalresponder.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace {
const QString Rule = QStringLiteral(" ") + QString(78, u'_') + u' ';
}

class TestFindCompoundCalc : public QObject, public CalculatorFixture {
    Q_OBJECT
    FindCompoundCalc* open() {
        return CalculatorFixture::open<FindCompoundCalc>("CompCompare", WindowId::FindCompoundCalc);
    }
    Grid* grid() const { return CalculatorFixture::grid("FGrid"); }

private slots:
    void init() { start(); }
    void cleanup() { stop(); }

    // The texts at load show "$" whatever the currency symbol; the results use the symbol.
    void defaultsFromTheMenu() {
        program().CurrencySymbol = QStringLiteral("DM");
        open();
        QCOMPARE(line("InCost")->text(), QStringLiteral("      $10,000.00"));
        QCOMPARE(line("InValNow")->text(), QStringLiteral("      $20,000.00"));
        QCOMPARE(line("InTerm")->text(), QStringLiteral("               5"));
        QCOMPARE(line("NamInv")->text(), QStringLiteral("XYZ mutual fund."));
        QCOMPARE(grid()->rows(), 24);
        QCOMPARE(grid()->text(0, 4), QStringLiteral("Annual Compound"));

        click("FCalc");
        const QStringList row = {"XYZ mutual fund.", "5",       "DM10,000.00",
                                 "DM20,000.00",      "14.870%", "100.00%"};
        for (int col = 0; col < 6; ++col) {
            QCOMPARE(grid()->text(1, col), row.value(col));
        }
        QCOMPARE(program().GraphValues.at(1, 5), Currency::fromDouble(14.8698));
        QCOMPARE(int(program().ResultCount), 1);
    }

    void investments_data() {
        QTest::addColumn<QString>("cost");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("term");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("rate");
        QTest::addColumn<QString>("gain");
        QTest::newRow("house") << "25000"
                               << "200000"
                               << "20"
                               << "House"
                               << "10.957%"
                               << "700.00%";
        QTest::newRow("stripped bond") << "500"
                                       << "1000"
                                       << "6"
                                       << "Bond"
                                       << "12.246%"
                                       << "100.00%";
        QTest::newRow("earnings per share") << "2.38"
                                            << "5.14"
                                            << "5"
                                            << "EPS"
                                            << "16.648%"
                                            << "115.97%";
        QTest::newRow("half lost in a year") << "10000"
                                             << "5000"
                                             << "1"
                                             << "Loss"
                                             << "-50.000%"
                                             << "-50.00%";
    }

    // Each investment typed key by key, Enter from field to field and from the name to
    // "&Calculate", which Enter then presses.
    void investments() {
        QFETCH(QString, cost);
        QFETCH(QString, value);
        QFETCH(QString, term);
        QFETCH(QString, name);
        open();
        const auto enter = [] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); };
        type("InCost", cost);
        enter();
        QTest::keyClicks(QApplication::focusWidget(), value);
        enter();
        QTest::keyClicks(QApplication::focusWidget(), term);
        enter();
        QCOMPARE(QApplication::focusWidget(), line("NamInv"));
        QTest::keyClicks(line("NamInv"), name);
        enter();
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(button("FCalc")));
        QCOMPARE(grid()->text(1, 0), QString());
        QTest::keyClick(button("FCalc"), Qt::Key_Return);
        QCOMPARE(grid()->text(1, 0), name);
        QCOMPARE(grid()->text(1, 1), term);
        QTEST(grid()->text(1, 4), "rate");
        QTEST(grid()->text(1, 5), "gain");
    }

    // Typing the next investment keeps the rows, the count and the graph; the name is not
    // emptied by its first key once the text is no longer selected.
    void editingKeepsTheRows() {
        open();
        click("FCalc");
        type("InValNow", "30000");
        leaveTo("FCalc");
        QCOMPARE(line("InValNow")->text(), RightJustify("$30,000.00", 16));
        QCOMPARE(grid()->text(1, 0), QStringLiteral("XYZ mutual fund."));
        QCOMPARE(int(program().ResultCount), 1);
        QLineEdit* name = line("NamInv");
        name->setFocus(Qt::MouseFocusReason);
        name->end(false);
        QTest::keyClicks(name, " B");
        QCOMPARE(name->text(), QStringLiteral("XYZ mutual fund. B"));
        click("FCalc");
        QCOMPARE(grid()->text(2, 0), QStringLiteral("XYZ mutual fund. B"));
        QCOMPARE(grid()->text(2, 4), QStringLiteral("24.573%"));
        QCOMPARE(int(program().ResultCount), 2);
    }

    void refusals_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("message");
        QTest::newRow("zero cost") << "InCost"
                                   << "0"
                                   << "Wrong or missing entry, try again.";
        QTest::newRow("empty value") << "InValNow"
                                     << ""
                                     << "Wrong or missing entry, try again.";
        QTest::newRow("zero term") << "InTerm"
                                   << "0"
                                   << "Wrong or missing entry, try again.";
    }

    // A refused calculation adds nothing; the investment before it stays.
    void refusals() {
        QFETCH(QString, field);
        QFETCH(QString, keys);
        open();
        click("FCalc");
        type(qPrintable(field), keys);
        QTest::keyClick(line(qPrintable(field)), Qt::Key_Delete);
        leaveTo("FCalc");
        QTEST(messageShownBy([this] { click("FCalc"); }), "message");
        QCOMPARE(int(program().ResultCount), 1);
        QCOMPARE(grid()->text(2, 0), QString());
    }

    void termAboveTheLimit() {
        open();
        type("InTerm", "60");
        QCOMPARE(messageShownBy([this] { leaveTo("FCalc"); }),
                 QStringLiteral("Wrong entry, 50 Years limit."));
        QCOMPARE(line("InTerm")->text(), RightJustify("50", 19));
        click("FCalc");
        QCOMPARE(grid()->text(1, 1), QStringLiteral("50"));
    }

    // 22 investments, a refused 23rd; the graph of their rates with their names; the report
    // with the 13th and on on a second page, printed twice alike.
    void twentyTwoInvestments() {
        open();
        for (int i = 1; i <= 22; ++i) {
            type("NamInv", QStringLiteral("Fund %1").arg(i));
            click("FCalc");
        }
        QCOMPARE(grid()->text(22, 0), QStringLiteral("Fund 22"));
        QCOMPARE(messageShownBy([this] { click("FCalc"); }),
                 QStringLiteral("Limit is 22 entries."));
        QCOMPARE(int(program().ResultCount), 22);
        QCOMPARE(grid()->text(23, 0), QString());

        click("FGraphs");
        QCOMPARE(int(program().GraphCaller), 6);
        auto* graph = qobject_cast<GraphsAll*>(windows().loaded(WindowId::GraphsAll));
        QVERIFY(graph != nullptr);
        auto* chart = graph->findChild<BarChart*>();
        QCOMPARE(int(graph->chartKind()), int(GraphsAll::Compare2DKind));
        QCOMPARE(chart->graphTitle(), QStringLiteral("Annual compound growth comparisons"));
        QCOMPARE(chart->leftTitle(), QStringLiteral("Gain %"));
        QCOMPARE(chart->legendText(13), QStringLiteral("Fund 13"));
        QCOMPARE(chart->value(22), 14.8698);
        QTest::mouseClick(graph->findChild<QPushButton*>("ExitBut"), Qt::LeftButton);
        QVERIFY(!window()->isHidden());

        std::vector<QStringList> printed[2];
        for (auto& pages : printed) {
            CapturedPrinter captured;
            respondType(QStringLiteral("InFName"), QStringLiteral("Funds"),
                        QStringLiteral("Acept"));
            click("FPrinter");
            QCOMPARE(captured.documentNames(), QStringList{"Annual Compounding Comparisons"});
            pages = captured.pages();
        }
        QCOMPARE(printed[1], printed[0]);
        const std::vector<QStringList>& pages = printed[0];
        QCOMPARE(pages.size(), std::size_t(2));
        QCOMPARE(pages[0].count(Rule), qsizetype(12));
        QVERIFY(pages[0].contains(QStringLiteral(" Fund 12")));
        QCOMPARE(pages[1].count(Rule), qsizetype(10));
        QVERIFY(pages[1].contains(QStringLiteral(" Fund 13")));
        QVERIFY(pages[1].contains(
            QStringLiteral("    5") + QString(6, u' ') + RightJustify("$10,000.00", 14) +
            QString(5, u' ') + RightJustify("$20,000.00", 14) + QString(7, u' ') +
            RightJustify("14.8698%", 12) + QString(4, u' ') + RightJustify("100.0000%", 12)));
    }

    // An investment without a name: an empty name cell and legend, and its report lines
    // start with the term.
    void withoutAName() {
        open();
        line("NamInv")->setFocus();
        QTest::keyClick(line("NamInv"), Qt::Key_Backspace);
        QCOMPARE(line("NamInv")->text(), QString());
        click("FCalc");
        QCOMPARE(grid()->text(1, 0), QString());
        QCOMPARE(grid()->text(1, 4), QStringLiteral("14.870%"));
        QCOMPARE(program().GraphLabels.at(1, 0), QString());
        CapturedPrinter captured;
        respondType(QStringLiteral("InFName"), QString(), QStringLiteral("Acept"));
        click("FPrinter");
        const QStringList lines = captured.lines();
        const qsizetype rule = lines.indexOf(Rule);
        QVERIFY(rule > 1);
        QVERIFY(lines[rule - 1].startsWith(QStringLiteral("    5      ")));
        QCOMPARE(lines[rule - 2], QString());
        QCOMPARE(lines[rule - 3], QStringLiteral(" ") + QString(78, u'_'));
    }

    // Closing the help keeps the rows and the count, so the graph and the report stay
    // available.
    void quickHelpKeepsTheRows() {
        FindCompoundCalc* w = open();
        click("FCalc");
        click("FHelp");
        auto* help = w->findChild<QPlainTextEdit*>("FTextBox");
        QVERIFY(help->toPlainText().contains(QStringLiteral("bought for $500.00.")));
        click("FHelp");
        QCOMPARE(grid()->text(1, 4), QStringLiteral("14.870%"));
        QCOMPARE(int(program().ResultCount), 1);
        click("FGraphs");
        QVERIFY(windows().loaded(WindowId::GraphsAll) != nullptr);
    }

    // Opened again after the exit, the window counts its investments from the first.
    void exitForgetsTheInvestments() {
        open();
        click("FCalc");
        click("FExit");
        QCOMPARE(int(savings().InvestmentCount), 0);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        open();
        click("FCalc");
        QCOMPARE(int(program().ResultCount), 1);
    }
};

QTEST_MAIN(TestFindCompoundCalc)
#include "tst_findcompoundcalc.moc"
