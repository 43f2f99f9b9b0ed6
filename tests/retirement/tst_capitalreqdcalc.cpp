// The capital-required window as a user drives it: both options, chosen with the mouse, the
// keyboard and the accessibility action, the saving year by year, the refusals, the help that
// follows the option, the graph and the printed report.

#include "core/formats.h"
#include "core/programstate.h"
#include "platform/barchart.h"
#include "platform/grid.h"
#include "retirement/capitalreqdcalc.h"
#include "shell/graphsall.h"
#include "shell/mdicontainer.h"
#include "support/besidecaption.h"
#include "support/calculatorfixture.h"
#include "support/capturedprinter.h"
#include "support/modalresponder.h"

#include <QComboBox>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

QString rj(const QString& text, int width) {
    return RightJustify(text, width);
}

} // namespace

class TestCapitalReqdCalc : public QObject, public CalculatorFixture {
    Q_OBJECT
    CapitalReqdCalc* open() {
        return CalculatorFixture::open<CapitalReqdCalc>("CapReq", WindowId::CapitalReqdCalc);
    }
    Grid* grid() const { return CalculatorFixture::grid("CGrid"); }
    QStringList row(int r) const { return rowTexts("CGrid", r); }

private slots:
    void init() { start(); }
    void cleanup() { stop(); }

    void opensWithTheCapitalOption() {
        auto* w = open();
        QCOMPARE(w->findChild<QGroupBox*>("Frame1")->title(), QStringLiteral("Select Option"));
        QVERIFY(w->findChild<QRadioButton*>("CRCapitalChoices0")->isChecked());
        QCOMPARE(program().CalcMode, storedMode(CapitalOption::Capital));
        QCOMPARE(label("Label5"), QStringLiteral(" Amount of capital required at     retirement"));
        QCOMPARE(combo("InLumpInv")->currentText(), rj("$100,000.00", 13));
        QCOMPARE(combo("InLumpInv")->itemText(5), QStringLiteral("600000"));
        QCOMPARE(combo("InRate")->currentText(), rj("15.00", 14) + "%");
        QCOMPARE(combo("InTerm")->currentText(), rj("25", 17));
        QCOMPARE(grid()->text(0, 2), QStringLiteral("Interest/Growth Compounded"));
    }

    // 100,000.00 at 20% over 25 years.
    void capitalExample() {
        open();
        pick("InRate", "20");
        leaveTo("CCalc");
        click("CCalc");
        QCOMPARE(row(1), (QStringList{"1", "176.56", "35.31", "211.87"}));
        QCOMPARE(row(2), (QStringList{"2", "176.56", "77.69", "466.12"}));
        QCOMPARE(grid()->text(25, 3), QStringLiteral("100,000.00"));
        QCOMPARE(row(26), QStringList(4, QString()));
        QCOMPARE(grid()->text(27, 0), QStringLiteral("Total:"));
        QCOMPARE(grid()->text(27, 3), QStringLiteral("$100,000.00"));
        QCOMPARE(int(program().ResultCount), 25);
    }

    void incomeOption_data() {
        QTest::addColumn<ChooseBy>("how");
        QTest::newRow("mouse") << ChooseBy::Mouse;
        QTest::newRow("keyboard") << ChooseBy::Keyboard;
        QTest::newRow("accessibility action") << ChooseBy::Accessibility;
    }

    // An income of 40,000.00 at 20% needs a capital of 200,000.00: twice the saving.
    void incomeOption() {
        QFETCH(ChooseBy, how);
        open();
        click("CCalc");
        choose("CRCapitalChoices1", how);
        QCOMPARE(program().CalcMode, storedMode(CapitalOption::Income));
        QCOMPARE(grid()->text(1, 0), QString());
        QCOMPARE(int(program().ResultCount), 0);
        QCOMPARE(label("Label5"), QStringLiteral(" Annual income required at         retirement"));
        QCOMPARE(combo("InLumpInv")->currentText(), rj("$40,000.00", 13));
        QCOMPARE(combo("InLumpInv")->itemText(0), QStringLiteral("25000"));
        QCOMPARE(combo("InRate")->currentText(), rj("15.00", 14) + "%");
        pick("InRate", "20");
        leaveTo("CCalc");
        click("CCalc");
        QCOMPARE(row(1), (QStringList{"1", "353.12", "70.62", "423.75"}));
        QCOMPARE(grid()->text(25, 3), QStringLiteral("200,000.00"));

        choose("CRCapitalChoices0", how);
        QCOMPARE(program().CalcMode, storedMode(CapitalOption::Capital));
        QCOMPARE(combo("InLumpInv")->currentText(), rj("$100,000.00", 13));
        // The option puts the rate back to 15.
        QCOMPARE(combo("InRate")->currentText(), rj("15.00", 14) + "%");
    }

    void wrongEntries_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("keys");
        QTest::newRow("rate of 0") << "InRate"
                                   << "0";
        QTest::newRow("term of 0") << "InTerm"
                                   << "0";
    }

    void wrongEntries() {
        QFETCH(QString, field);
        QFETCH(QString, keys);
        open();
        type(qPrintable(field), keys);
        leaveTo("CCalc");
        QCOMPARE(messageShownBy([this] { click("CCalc"); }),
                 QStringLiteral("Wrong or missing entry, try again."));
        QCOMPARE(int(program().ResultCount), 0);
        QCOMPARE(messageShownBy([this] { click("CGraphs"); }),
                 QStringLiteral("No data to graph. Calculate."));
    }

    void terms_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("totalsRow");
        QTest::newRow("30 years") << "30" << QString() << 34 << 32;
        QTest::newRow("21 years keep 25 rows") << "21" << QString() << 25 << 23;
        QTest::newRow("70 capped at 50") << "70"
                                         << "Wrong entry, 50 Years limit." << 54 << 52;
    }

    void terms() {
        QFETCH(QString, keys);
        QFETCH(int, totalsRow);
        open();
        type("InTerm", keys);
        QTEST(messageShownBy([this] { leaveTo("CCalc"); }), "message");
        click("CCalc");
        QTEST(grid()->rows(), "rows");
        QCOMPARE(grid()->text(totalsRow, 0), QStringLiteral("Total:"));
        QCOMPARE(grid()->text(totalsRow, 3), QStringLiteral("$100,000.00"));
    }

    // Changing the option while the help is open shows the new option's help.
    void helpFollowsTheOption() {
        auto* w = open();
        click("CHelp");
        auto* help = w->findChild<QPlainTextEdit*>("CTextBox");
        QVERIFY(help->isVisible());
        QVERIFY(
            help->toPlainText().startsWith(QStringLiteral("Amount of Capital Required Option")));
        QVERIFY(help->toPlainText().contains(QStringLiteral("build your capital to")));
        QVERIFY(help->toPlainText().contains(QStringLiteral("$100,000.00.")));
        QVERIFY(besideCaption(help->toPlainText(), "At the end of how many years.", "25"));
        QVERIFY(besideCaption(help->toPlainText(), "Annual interest/growth rate (%).", "20%"));
        click("CRCapitalChoices1");
        QVERIFY(help->isVisible());
        QVERIFY(help->toPlainText().startsWith(QStringLiteral("Annual Income Required Option")));
        QVERIFY(!button("CPrinter")->isEnabled());
        click("CHelp");
        QVERIFY(grid()->isVisible());
        QVERIFY(button("CPrinter")->isEnabled());
    }

    void graphAndBack() {
        auto* w = open();
        click("CCalc");
        click("CGraphs");
        QCOMPARE(program().GraphCaller, GraphCallerCode::CapitalRequired);
        QVERIFY(w->isHidden());
        auto* graph = qobject_cast<GraphsAll*>(windows().loaded(WindowId::GraphsAll));
        QVERIFY(graph != nullptr);
        auto* chart = graph->findChild<BarChart*>();
        QCOMPARE(chart->values().size(), std::size_t(25));
        QCOMPARE(formatNumber(chart->values().back(), u"###.00"), QStringLiteral("100000.00"));
        QCOMPARE(chart->labels().front(), QStringLiteral("1"));
        QCOMPARE(chart->graphTitle(), QStringLiteral("Investment value at end of each Year"));
        QTest::mouseClick(graph->findChild<QPushButton*>("ExitBut"), Qt::LeftButton);
        QVERIFY(!w->isHidden());
        QCOMPARE(int(program().ResultCount), 25);
    }

    void printedReportOfEachOption_data() {
        QTest::addColumn<int>("option");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("amountLine");
        QTest::newRow("capital") << 0 << "Amount of Annual Investment Required"
                                 << " Amount of Capital required on Retirement." +
                                        QString(9, u' ') + rj("$100,000.00", 14);
        QTest::newRow("income") << 1 << "Amount of Annual Income Required"
                                << " Amount of Income required on Retirement." + QString(10, u' ') +
                                       rj("$40,000.00", 14);
    }

    // Thirty years: 38 rows fit the first page of 53 lines, the rest go on the second.
    void printedReportOfEachOption() {
        QFETCH(int, option);
        QFETCH(QString, title);
        open();
        if (option == 1) {
            click("CRCapitalChoices1");
        }
        pick("InTerm", "30");
        leaveTo("CCalc");
        click("CCalc");
        CapturedPrinter captured;
        respondType(QStringLiteral("InFName"), QStringLiteral("Goal"), QStringLiteral("Acept"));
        click("CPrinter");
        QCOMPARE(captured.documentNames(), QStringList{title});
        QCOMPARE(captured.pages().size(), std::size_t(1));
        const QStringList lines = captured.lines();
        QCOMPARE(lines.value(1), QStringLiteral(" Goal"));
        QCOMPARE(lines.value(3), QString(21, u' ') + title);
        QTEST(lines.value(6), "amountLine");
        QCOMPARE(lines.value(10), QStringLiteral(" At the end of how many Years.") +
                                      QString(21, u' ') + rj("30", 14));
        QCOMPARE(lines.value(13),
                 QStringLiteral(" Year        Annual Investment      Interest/Growth         "
                                "Current Value"));
        QVERIFY(lines.value(16).startsWith(QStringLiteral("   1")));
        QVERIFY(lines.value(45).startsWith(QStringLiteral("  30")));
        QVERIFY(lines.value(48).startsWith(QStringLiteral(" Total:")));
    }
};

QTEST_MAIN(TestCapitalReqdCalc)
#include "tst_capitalreqdcalc.moc"
