// The retirement window as a user drives it: both withdrawal modes, chosen with the mouse, the
// keyboard and the accessibility action, InTerm following the mode, the refusals, the 50-year
// end, the help that follows the mode, the graph of either mode and the printed report.

#include "core/formats.h"
#include "core/programstate.h"
#include "platform/barchart.h"
#include "platform/beep.h"
#include "platform/grid.h"
#include "retirement/retirecalc.h"
#include "retirement/retirementstate.h"
#include "shell/graphsall.h"
#include "shell/mdicontainer.h"
#include "support/besidecaption.h"
#include "support/calculatorfixture.h"
#include "support/capturedprinter.h"
#include "support/modalresponder.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

QString rj(const QString& text, int width) {
    return RightJustify(text, width);
}

} // namespace

class TestRetireCalc : public QObject, public CalculatorFixture {
    Q_OBJECT
    RetireCalc* open() {
        return CalculatorFixture::open<RetireCalc>("Retirement", WindowId::RetireCalc);
    }
    Grid* grid() const { return CalculatorFixture::grid("RGrid"); }
    QStringList row(int r) const { return rowTexts("RGrid", r); }

private slots:
    void init() { start(); }
    void cleanup() { stop(); }

    void opensInPercentageMode() {
        auto* w = open();
        QVERIFY(w->findChild<QRadioButton*>("Option1")->isChecked());
        QCOMPARE(program().CalcMode, storedMode(WithdrawalMode::Percentage));
        QCOMPARE(combo("InInvest")->currentText(), rj("$500,000.00", 13));
        QCOMPARE(combo("InRate")->currentText(), rj("10.00", 14) + "%");
        QCOMPARE(combo("InRateDrawn")->currentText(), rj("8.00", 14) + "%");
        QCOMPARE(combo("InTerm")->currentText(), rj("20", 17));
        QCOMPARE(label("Label4"),
                 QStringLiteral(" Annual Income Withdrawn    as a (%) of Current Value."));
        QCOMPARE(label("Label3"), QStringLiteral(" Time in years"));
        QCOMPARE(label("Label5"), QStringLiteral("Withdrawal choices:"));
        QCOMPARE(combo("InTerm")->itemText(4), QStringLiteral("30"));
        QCOMPARE(grid()->text(0, 3), QStringLiteral("            Current              Value"));
    }

    // 100,000.00 at 20% withdrawing 15% over 25 years, picked from the lists.
    void percentageExample() {
        open();
        type("InInvest", "100000");
        pick("InRate", "20");
        pick("InRateDrawn", "15");
        pick("InTerm", "25");
        leaveTo("RCalc");
        QCOMPARE(combo("InInvest")->currentText(), rj("$100,000.00", 13));
        QCOMPARE(combo("InTerm")->currentText(), rj("25", 17));
        click("RCalc");
        QCOMPARE(row(1), (QStringList{"1", "20,000.00", "15,000.00", "105,000.00"}));
        QCOMPARE(row(2), (QStringList{"2", "21,000.00", "15,750.00", "110,250.00"}));
        QCOMPARE(grid()->text(25, 0), QStringLiteral("25"));
        QCOMPARE(grid()->text(27, 0), QStringLiteral("Total:"));
        QCOMPARE(grid()->rows(), 29);
        // The total withdrawn is the sum of the column as shown.
        Currency sum;
        for (int r = 1; r <= 25; ++r) {
            sum += Currency::fromDouble(readNumber(grid()->text(r, 2).remove(u',')));
        }
        QCOMPARE(grid()->text(27, 2), "$" + formatNumber(sum, u"####,,##0.00"));
        QCOMPARE(grid()->text(27, 2), QStringLiteral("$715,906.18"));
        QCOMPARE(int(program().ResultCount), 25);
        QCOMPARE(program().GraphCaller, GraphCallerCode::RetirementEndOfYear);
    }

    // A list item with a trailing blank stores its number.
    void rateListItemWithABlank() {
        open();
        pick("InRate", "12.5 ");
        leaveTo("RCalc");
        QCOMPARE(combo("InRate")->currentText(), rj("12.50", 14) + "%");
        QCOMPARE(program().EntryValues[2], Currency::fromRaw(125000));
    }

    void fixedAmountChosen_data() {
        QTest::addColumn<ChooseBy>("how");
        QTest::newRow("mouse") << ChooseBy::Mouse;
        QTest::newRow("keyboard") << ChooseBy::Keyboard;
        QTest::newRow("accessibility action") << ChooseBy::Accessibility;
    }

    // However the option is chosen, the fields take the fixed amount's values, and back.
    void fixedAmountChosen() {
        QFETCH(ChooseBy, how);
        open();
        type("InInvest", "700000");
        leaveTo("RCalc");
        click("RCalc");
        choose("Option2", how);
        QCOMPARE(program().CalcMode, storedMode(WithdrawalMode::FixedAmount));
        QCOMPARE(grid()->text(1, 0), QString());
        QCOMPARE(int(program().ResultCount), 0);
        QCOMPARE(combo("InInvest")->currentText(), rj("$100,000.00", 13));
        QCOMPARE(combo("InRateDrawn")->currentText(), rj("$1,000.00", 13));
        QCOMPARE(combo("InTerm")->currentText(), rj(".00%", 17));
        QCOMPARE(label("Label4"), QStringLiteral(" Monthly Amount of Cash        Withdrawn."));
        QCOMPARE(label("Label3"), QStringLiteral(" Increase Annual Amount       Withdrawn by %."));
        QCOMPARE(combo("InTerm")->itemText(1), QStringLiteral("2.5"));
        QCOMPARE(program().EntryValues[1], Currency::fromWhole(100000));

        choose("Option1", how);
        QCOMPARE(program().CalcMode, storedMode(WithdrawalMode::Percentage));
        // The capital keeps the fixed amount's value; the other two start again.
        QCOMPARE(combo("InInvest")->currentText(), rj("$100,000.00", 13));
        QCOMPARE(combo("InRateDrawn")->currentText(), rj("8.00", 14) + "%");
        QCOMPARE(combo("InTerm")->currentText(), rj("20", 17));
    }

    // InTerm takes its key filter, display and limit from the mode.
    void termFollowsTheMode_data() {
        QTest::addColumn<bool>("fixed");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("shown");
        QTest::newRow("years: the point is refused") << false << "2.5" << QString() << rj("25", 17);
        QTest::newRow("years: 60 capped at 50") << false << "60"
                                                << "Wrong entry, 50 Years limit." << rj("50", 17);
        QTest::newRow("raise: decimals taken")
            << true << "2.5" << QString() << rj("2.50", 15) + "%";
        QTest::newRow("raise: no limit") << true << "60" << QString() << rj("60.00", 15) + "%";
    }

    void termFollowsTheMode() {
        QFETCH(bool, fixed);
        QFETCH(QString, keys);
        open();
        if (fixed) {
            click("Option2");
        }
        type("InTerm", keys);
        QTEST(messageShownBy([this] { leaveTo("RCalc"); }), "message");
        QTEST(combo("InTerm")->currentText(), "shown");
    }

    // 100,000.00 at 0%, 1,000.00 a month: eight full years, then the 4,000.00 left.
    void fixedAmountUntilTheCapitalIsGone() {
        open();
        click("Option2");
        type("InRate", "0");
        leaveTo("RCalc");
        click("RCalc");
        QCOMPARE(row(1), (QStringList{"1", ".00", "12,000.00", "88,000.00"}));
        QCOMPARE(row(8), (QStringList{"8", ".00", "12,000.00", "4,000.00"}));
        QCOMPARE(row(9), (QStringList{"9", ".00", "4,000.00", ".00"}));
        QCOMPARE(row(11), (QStringList{"Total:", "$0.00", "$100,000.00", "$0.00"}));
        QCOMPARE(int(program().ResultCount), 9);
        QCOMPARE(retirement().YearsText, QStringLiteral(" 9"));
        QCOMPARE(program().GraphCaller, GraphCallerCode::RetirementStartOfYear);
    }

    // Growth above the withdrawals runs exactly 50 years.
    void fiftyYearEnd() {
        open();
        click("Option2");
        pick("InRate", "20");
        leaveTo("RCalc");
        click("RCalc");
        QCOMPARE(grid()->rows(), 54);
        QCOMPARE(grid()->text(50, 0), QStringLiteral("50"));
        QCOMPARE(grid()->text(51, 0), QString());
        QCOMPARE(grid()->text(52, 0), QStringLiteral("Total:"));
        QCOMPARE(int(program().ResultCount), 50);
    }

    // With 2.5% a year each year withdraws 2.5% more, and the column adds up to its total.
    void yearlyRaise() {
        open();
        click("Option2");
        pick("InTerm", "2.5");
        leaveTo("RCalc");
        click("RCalc");
        const int years = program().ResultCount;
        QVERIFY(years > 3);
        QCOMPARE(grid()->text(1, 2), QStringLiteral("12,000.00"));
        QCOMPARE(grid()->text(2, 2), QStringLiteral("12,300.00"));
        QCOMPARE(grid()->text(3, 2), QStringLiteral("12,607.50"));
        QCOMPARE(grid()->text(4, 2), QStringLiteral("12,922.69"));
        Currency sum;
        for (int r = 1; r <= years; ++r) {
            sum += Currency::fromDouble(readNumber(grid()->text(r, 2).remove(u',')));
        }
        QCOMPARE(grid()->text(years + 2, 2), "$" + formatNumber(sum, u"####,,##0.00"));
    }

    void cannotComplete_data() {
        QTest::addColumn<bool>("fixed");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("keys");
        QTest::newRow("percentage above 100") << false << "InRateDrawn"
                                              << "150";
        QTest::newRow("twelve months above the capital") << true << "InRateDrawn"
                                                         << "9000";
    }

    void cannotComplete() {
        QFETCH(bool, fixed);
        QFETCH(QString, field);
        QFETCH(QString, keys);
        open();
        if (fixed) {
            click("Option2");
        }
        type(qPrintable(field), keys);
        leaveTo("RCalc");
        QCOMPARE(messageShownBy([this] { click("RCalc"); }),
                 QStringLiteral("Unknown error. Cannot complete."));
        QCOMPARE(grid()->text(1, 0), QString());
        QCOMPARE(grid()->text(3, 0), QString());
        QCOMPARE(int(program().ResultCount), 0);
    }

    // 100% withdraws the whole capital in the first year; its growth is what is left.
    void wholeCapitalWithdrawn() {
        open();
        type("InRateDrawn", "100");
        leaveTo("RCalc");
        click("RCalc");
        QCOMPARE(grid()->text(1, 2), QStringLiteral("500,000.00"));
        QCOMPARE(grid()->text(1, 3), QStringLiteral("50,000.00"));
        QCOMPARE(grid()->text(2, 2), QStringLiteral("50,000.00"));
        QCOMPARE(int(program().ResultCount), 20);
    }

    // No years: only the totals row, and nothing to graph or print.
    void zeroYears() {
        open();
        type("InTerm", "0");
        leaveTo("RCalc");
        click("RCalc");
        QCOMPARE(grid()->text(1, 0), QString());
        QCOMPARE(grid()->text(2, 0), QStringLiteral("Total:"));
        QCOMPARE(messageShownBy([this] { click("RGraphs"); }),
                 QStringLiteral("No data to graph. Calculate."));
        QCOMPARE(messageShownBy([this] { click("RPrinter"); }),
                 QStringLiteral("No data to print. Calculate."));
    }

    // Changing the mode while the help is open shows the new mode's help.
    void helpFollowsTheMode() {
        auto* w = open();
        click("RHelp");
        auto* help = w->findChild<QPlainTextEdit*>("RTextBox");
        QVERIFY(help->toPlainText().startsWith(QStringLiteral(" Using Percentage Option.")));
        // Each example figure stands level with the caption of its field.
        QVERIFY(
            besideCaption(help->toPlainText(), "Current value of your investment", "100,000.00"));
        QVERIFY(besideCaption(help->toPlainText(), "Annual interest/growth rate (%).", "20%"));
        QVERIFY(besideCaption(help->toPlainText(), "Time in years", "25"));
        choose("Option2", ChooseBy::Keyboard);
        QVERIFY(help->isVisible());
        QVERIFY(help->toPlainText().startsWith(QStringLiteral(" Using Fixed Amount Option.")));
        QVERIFY(besideCaption(help->toPlainText(), "Annual interest/growth rate (%).", "10%"));
        QCOMPARE(button("RHelp")->text(), QStringLiteral("Close &Help"));
        QVERIFY(!button("RGraphs")->isEnabled());
        click("Option1");
        QVERIFY(help->toPlainText().startsWith(QStringLiteral(" Using Percentage Option.")));
        click("RHelp");
        QVERIFY(grid()->isVisible());
        QVERIFY(button("RGraphs")->isEnabled());
    }

    void graphOfEachMode_data() {
        QTest::addColumn<bool>("fixed");
        QTest::addColumn<GraphCallerCode>("caller");
        QTest::addColumn<QString>("title");
        QTest::addColumn<double>("first");
        QTest::addColumn<double>("second");
        // The values at the end of each year.
        QTest::newRow("percentage")
            << false << GraphCallerCode::RetirementEndOfYear
            << "Retirement value at end of each Year" << 510000.0 << 520200.0;
        // The capital entered, then the value at the end of year 1.
        QTest::newRow("fixed amount")
            << true << GraphCallerCode::RetirementStartOfYear
            << "Retirement value at start of each Year" << 100000.0 << 97459.47;
    }

    void graphOfEachMode() {
        QFETCH(bool, fixed);
        QFETCH(double, first);
        QFETCH(double, second);
        auto* w = open();
        if (fixed) {
            click("Option2");
        }
        click("RCalc");
        const int years = program().ResultCount;
        click("RGraphs");
        QTEST(program().GraphCaller, "caller");
        QVERIFY(w->isHidden());
        auto* graph = qobject_cast<GraphsAll*>(windows().loaded(WindowId::GraphsAll));
        QVERIFY(graph != nullptr);
        auto* chart = graph->findChild<BarChart*>();
        QCOMPARE(int(chart->values().size()), years);
        QCOMPARE(formatNumber(chart->values()[0], u"###.00"), formatNumber(first, u"###.00"));
        QCOMPARE(formatNumber(chart->values()[1], u"###.00"), formatNumber(second, u"###.00"));
        QTEST(chart->graphTitle(), "title");
        QTest::mouseClick(graph->findChild<QPushButton*>("ExitBut"), Qt::LeftButton);
        QVERIFY(!w->isHidden());
        QCOMPARE(int(program().ResultCount), years);
    }

    void printedReportOfEachMode_data() {
        QTest::addColumn<bool>("fixed");
        QTest::addColumn<QStringList>("parameters");
        QTest::addColumn<int>("rows");
        QTest::newRow("percentage")
            << false
            << QStringList{" Annual Income Withdrawn as a (%) of Current Value " + rj("8.00%", 14),
                           " Time in Years" + QString(36, u' ') + rj("20", 14)}
            << 20;
        QTest::newRow("fixed amount") << true
                                      << QStringList{" Monthly Amount of Cash Withdrawn" +
                                                         QString(17, u' ') + rj("$1,000.00", 14),
                                                     " Increase Annual Amount Withdrawn by %" +
                                                         QString(12, u' ') + rj(".00%", 15)}
                                      << 0;
    }

    void printedReportOfEachMode() {
        QFETCH(bool, fixed);
        QFETCH(QStringList, parameters);
        QFETCH(int, rows);
        open();
        if (fixed) {
            click("Option2");
        }
        click("RCalc");
        const int years = rows > 0 ? rows : int(program().ResultCount);
        CapturedPrinter captured;
        respondType(QStringLiteral("InFName"), QStringLiteral("Later"), QStringLiteral("Acept"));
        click("RPrinter");
        QCOMPARE(captured.documentNames(), QStringList{"Retirement Income Calculation"});
        const QStringList lines = captured.lines();
        QCOMPARE(lines.value(1), QStringLiteral(" Later"));
        QCOMPARE(lines.value(3), QString(26, u' ') + "Retirement Income Calculation");
        QCOMPARE(lines.value(10), parameters[0]);
        QCOMPARE(lines.value(12), parameters[1]);
        QCOMPARE(lines.value(15),
                 QStringLiteral(" Year         Interest/Growth          Annual Income        "
                                "Current Value"));
        // The year rows follow the underline and an empty line, the totals close the report.
        QVERIFY(lines.value(18).startsWith(QStringLiteral("   1")));
        QVERIFY(lines.value(18 + years - 1).startsWith(rj(QString::number(years), 4)));
        QCOMPARE(lines.value(18 + years), u' ' + QString(72, u'_'));
        QVERIFY(lines.value(20 + years).startsWith(QStringLiteral(" Total:")));
        QCOMPARE(lines.size(), 21 + years);
    }

    // A cancelled header prints nothing.
    void cancelledHeaderPrintsNothing() {
        open();
        click("RCalc");
        CapturedPrinter captured;
        respondClick(QStringLiteral("NAcept"));
        click("RPrinter");
        QCOMPARE(captured.opened(), 0);
    }
};

QTEST_MAIN(TestRetireCalc)
#include "tst_retirecalc.moc"
