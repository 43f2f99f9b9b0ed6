// The three reports printed to the text printer, line by line, page breaks included.

#include "core/formats.h"
#include "core/programstate.h"
#include "core/reportpage.h"
#include "platform/textprinter.h"
#include "savings/compoundgrowth.h"
#include "savings/savingsplan.h"
#include "savings/savingsreport.h"
#include "savings/savingsstate.h"
#include "support/savingsfixtures.h"

#include <QTest>

namespace {

// A line of texts placed at character columns, as the printer's tab places them.
QString at(std::initializer_list<std::pair<int, QString>> items) {
    QString line;
    for (const auto& [column, text] : items) {
        line = line.leftJustified(column - 1, u' ') + text;
    }
    return line;
}

// The report as the print button makes it, with the header "Home".
template <class Data, class Print> std::vector<QStringList> printed(const Data& data, Print print) {
    TextPrinter printer;
    SetReportFont(printer);
    printer.tab(2);
    printer.printLine(QStringLiteral("Home"));
    print(printer, data);
    return printer.pages();
}

std::vector<QStringList> printedSavings(const QString& frequency) {
    return printed(SavingsReportData::fromState(frequency), printSavingsReport);
}

void calculateSavings(const QString& frequency, int years) {
    program().EntryValues[7] = Currency::fromWhole(years);
    publishSavings(calculateSavings(SavingsInputs::fromState(frequency)));
}

bool isPeriodLine(const QString& line) {
    return line.size() >= 73 && line[3].isDigit();
}

int periodLinesOn(const QStringList& page) {
    return static_cast<int>(std::count_if(page.begin(), page.end(), isPeriodLine));
}

const QString Rule72(72, u'_');
const QString Rule77(77, u'_');

} // namespace

class TestSavingsReport : public QObject {
    Q_OBJECT

private slots:
    void init() {
        startSavingsPlanning();
        program().PrinterFontChoice = 0;
    }

    void planningAtLoad();
    void planningPages_data();
    void planningPages();
    void comparisonPages_data();
    void comparisonPages();
    void comparisonBlocksEmptiedAfterPrinting();
    void compoundGrowthReprints();
    void compoundInvestmentsStayWhole();
};

void TestSavingsReport::planningAtLoad() {
    calculateSavings(QStringLiteral("Annually"), 25);
    const std::vector<QStringList> pages = printedSavings(QStringLiteral("Annually"));
    QCOMPARE(pages.size(), std::size_t(1));
    const QStringList& page = pages.front();
    const QStringList start = {
        "",
        " Home",
        "",
        "",
        QString(24, u' ') + "Investment Growth Calculation",
        "",
        "",
        at({{2, "Amount of Lump Sum Invested at Start"}, {52, "          $.00"}}),
        "",
        at({{2, "Annual Amount Invested each contribution"}, {52, "     $1,200.00"}}),
        "",
        at({{2, "Frequency of each contribution"}, {52, "      Annually"}}),
        "",
        at({{2, "Annual Interest/Growth Rate(%)"}, {52, "         20.00%"}}),
        "",
        at({{2, "Increase the annual Investment Rate by"}, {52, "           .00%"}}),
        "",
        at({{2, "Adjust Current Value for Annual Inflation Rate(%)"}, {52, "           .00%"}}),
        "",
        at({{2, "Time in Years"}, {52, "            25"}}),
        "",
        "",
        "  Annually          Investment      Interest/Growth         Current Value",
        " " + Rule72,
        "",
        at({{2, "  1"}, {17, "      1,200.00"}, {39, "       240.00"}, {61, "     1,440.00"}}),
        at({{2, "  2"}, {17, "      1,200.00"}, {39, "       528.00"}, {61, "     3,168.00"}}),
    };
    QCOMPARE(page.mid(0, start.size()), start);
    QCOMPARE(periodLinesOn(page), 25);
    QCOMPARE(page.mid(page.size() - 3), QStringList({" " + Rule72, "",
                                                     at({{2, "Total:"},
                                                         {17, "    $30,000.00"},
                                                         {39, "  $649,652.79"},
                                                         {61, "  $679,652.79"}})}));
}

void TestSavingsReport::planningPages_data() {
    QTest::addColumn<int>("fontChoice");
    QTest::addColumn<QString>("frequency");
    QTest::addColumn<int>("years");
    QTest::addColumn<QList<int>>("periodsPerPage");
    // The counter starts at 24; every later page counts from 6.
    QTest::newRow("monthly 40 years, 53 lines")
        << 0 << "Monthly" << 40 << QList<int>{29, 47, 47, 47, 47, 47, 47, 47, 47, 47, 28};
    QTest::newRow("monthly 40 years, 63 lines")
        << 1 << "Monthly" << 40 << QList<int>{39, 57, 57, 57, 57, 57, 57, 57, 42};
    // A break after the last period still starts a page: the totals stand on it.
    QTest::newRow("quarterly 19 years fills the second page exactly")
        << 0 << "Quarterly" << 19 << QList<int>{29, 47, 0};
}

void TestSavingsReport::planningPages() {
    QFETCH(int, fontChoice);
    QFETCH(QString, frequency);
    QFETCH(int, years);
    QFETCH(QList<int>, periodsPerPage);
    program().PrinterFontChoice = static_cast<std::int16_t>(fontChoice);
    calculateSavings(frequency, years);
    const std::vector<QStringList> pages = printedSavings(frequency);
    QList<int> counted;
    for (const QStringList& page : pages) {
        counted << periodLinesOn(page);
    }
    QCOMPARE(counted, periodsPerPage);
    const QString heading =
        RightJustify(frequency, 9) +
        QStringLiteral("          Investment      Interest/Growth         Current Value");
    for (std::size_t i = 0; i < pages.size(); ++i) {
        const QStringList& page = pages[i];
        if (i > 0) {
            QCOMPARE(page.mid(0, 7),
                     QStringList({"", "", "", "", " " + heading, " " + Rule72, ""}));
        }
        const bool last = i + 1 == pages.size();
        if (!last) {
            QCOMPARE(
                page.mid(page.size() - 3),
                QStringList({"", "", QString(39, u' ') + QStringLiteral("Page %1").arg(i + 1)}));
        }
    }
    QVERIFY(pages.back().back().startsWith(QStringLiteral(" Total:")));
}

void TestSavingsReport::comparisonPages_data() {
    QTest::addColumn<int>("comparisons");
    QTest::addColumn<int>("pages");
    QTest::newRow("15 comparisons on one page") << 15 << 1;
    QTest::newRow("the 16th on a second page") << 16 << 2;
    QTest::newRow("22 comparisons") << 22 << 2;
}

void TestSavingsReport::comparisonPages() {
    QFETCH(int, comparisons);
    ProgramState& p = program();
    setCalcMode(SavingsMode::Comparisons);
    for (int i = 1; i <= comparisons; ++i) {
        p.EntryValues[1] = Currency::fromWhole(std::int64_t{1000} * i);
        calculateSavings(QStringLiteral("Annually"), 25);
    }
    const QStringList block1 = p.ReportBlocks[1].split(QStringLiteral("\r\n"));
    const QStringList block2 = p.ReportBlocks[2].split(QStringLiteral("\r\n"));
    const std::vector<QStringList> pages = printedSavings(QStringLiteral("Annually"));
    QTEST(int(pages.size()), "pages");
    const QStringList start = {
        "",
        " Home",
        "",
        "",
        QString(29, u' ') + "Investment Growth Comparisons",
        "",
        "",
        " Year Lump Sum   Annual     Interest Salary   Inflation   Total       Current",
        " End  Investment Investment /Growth  Increase Rate(%)     Invested    Value",
        " " + Rule77,
        "",
    };
    // Each comparison is its figures, a rule and an empty line.
    QCOMPARE(pages[0], start + block1.mid(0, block1.size() - 1));
    QCOMPARE(pages[0][11].left(15), QStringLiteral(" 25    1,000.00"));
    if (pages.size() > 1) {
        QCOMPARE(pages[1],
                 QStringList({"", "", "", " " + Rule77, ""}) + block2.mid(0, block2.size() - 1));
        QCOMPARE(pages[1][5].left(15), QStringLiteral(" 25   16,000.00"));
        QCOMPARE(pages[1].size(), 5 + 3 * (comparisons - 15));
    }
}

void TestSavingsReport::comparisonBlocksEmptiedAfterPrinting() {
    ProgramState& p = program();
    setCalcMode(SavingsMode::Comparisons);
    calculateSavings(QStringLiteral("Annually"), 25);
    // As the print button does: the report, then the step after it reached the printer.
    const auto printed = [] {
        std::vector<QStringList> pages = printedSavings(QStringLiteral("Annually"));
        savingsReportPrinted();
        return pages;
    };
    const std::vector<QStringList> first = printed();
    QCOMPARE(first.front().size(), 14);
    QCOMPARE(p.ReportBlocks.size(), 4);
    QCOMPARE(p.ReportBlocks[1], QString());
    // The grid's comparisons stay; a second report straight away has the headings only, and a
    // later comparison is the only one in the next report.
    QCOMPARE(savings().ComparisonCount, std::int16_t(1));
    QCOMPARE(printed().front().size(), 11);
    calculateSavings(QStringLiteral("Annually"), 10);
    const QStringList third = printed().front();
    QCOMPARE(third.size(), 14);
    QVERIFY(third[11].startsWith(QStringLiteral(" 10")));
}

void TestSavingsReport::compoundGrowthReprints() {
    resetProgram();
    loadCompoundTables();
    ProgramState& p = program();
    for (int i = 1; i <= 13; ++i) {
        p.EntryValues[2] = Currency::fromWhole(10000 + 1000 * i);
        const CompoundResult r =
            calculateCompound(CompoundInputs::fromState(QStringLiteral("Fund %1").arg(i)));
        publishCompound(r);
    }
    const QString rule = QStringLiteral(" ") + QString(78, u'_') + u' ';
    const std::vector<QStringList> pages =
        printed(CompoundReportData::fromState(), printCompoundReport);
    QCOMPARE(pages.size(), std::size_t(2));
    const QStringList start = {
        "",
        " Home",
        "",
        QString(26, u' ') + "Annual Compounding Comparisons",
        "",
        "",
        " Term in          Cost of         Current or      Compounded at   Total Rate(%)",
        "  Years        Investment       Future Value     Annual Rate(%)     over Period",
        " " + QString(78, u'_'),
        "",
        " Fund 1",
        "    5          $10,000.00         $11,000.00            1.9245%        10.0000%",
        rule,
        "",
        " Fund 2",
    };
    QCOMPARE(pages[0].mid(0, start.size()), start);
    QCOMPARE(pages[0].size(), 10 + 12 * 4 - 1);
    QCOMPARE(pages[1].mid(0, 6), QStringList({"", "", "", "", "", " Fund 13"}));
    QCOMPARE(pages[1].back(), rule);
    // The lines stay: printing again gives the same report.
    QCOMPARE(printed(CompoundReportData::fromState(), printCompoundReport), pages);
}

// At Courier New 12 points twelve named investments pass the paper's end: the last one starts
// the next page whole, under the footer of the first and the headings.
void TestSavingsReport::compoundInvestmentsStayWhole() {
    resetProgram();
    loadCompoundTables();
    ProgramState& p = program();
    p.PrinterFontChoice = 3;
    for (int i = 1; i <= 12; ++i) {
        publishCompound(
            calculateCompound(CompoundInputs::fromState(QStringLiteral("Fund %1").arg(i))));
    }
    TextPrinter paper;
    QVERIFY(paper.setFont(QStringLiteral("Courier New"), 12, false));
    const int physical = paper.linesPerPhysicalPage();
    const std::vector<QStringList> pages =
        printed(CompoundReportData::fromState(), printCompoundReport);
    QCOMPARE(pages.size(), std::size_t(2));
    for (const QStringList& page : pages) {
        QVERIFY(page.size() <= physical);
        // Every name stands on the page of its figures.
        for (qsizetype i = 0; i < page.size(); ++i) {
            if (page[i].startsWith(QStringLiteral(" Fund "))) {
                QVERIFY(i + 1 < page.size());
                QVERIFY(page[i + 1].endsWith(u'%'));
            }
        }
    }
    QCOMPARE(pages[0].back(), QString(39, u' ') + "Page 1");
    QVERIFY(pages[1].contains(
        " Term in          Cost of         Current or      Compounded at   Total Rate(%)"));
    QVERIFY(pages[1].contains(QStringLiteral(" Fund 12")));
}

QTEST_GUILESS_MAIN(TestSavingsReport)
#include "tst_savingsreport.moc"
