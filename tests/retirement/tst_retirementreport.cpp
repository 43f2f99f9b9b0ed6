// The three retirement reports as printed, line by line, page breaks included.

#include "core/programstate.h"
#include "core/reportpage.h"
#include "platform/textprinter.h"
#include "retirement/capitalrequired.h"
#include "retirement/plan401k.h"
#include "retirement/retirementplan.h"
#include "retirement/retirementreport.h"
#include "retirement/retirementstate.h"

#include <QTest>
#include <functional>

namespace {

Currency whole(std::int64_t value) {
    return Currency::fromWhole(value);
}

// A printed line: each text starts at its column (counted from 1).
QString line(std::initializer_list<std::pair<int, QString>> items) {
    QString text;
    for (const auto& [column, item] : items) {
        text = text.leftJustified(column - 1, u' ') + item;
    }
    return text;
}

QString right(const QString& text, int width) {
    return text.rightJustified(width, u' ');
}

const QString Footer1 = line({{40, "Page 1"}});

// The pages as the print button makes them, with the header "Home".
std::vector<QStringList> printed(const std::function<void(PrinterDevice&)>& report) {
    TextPrinter printer;
    SetReportFont(printer);
    printer.tab(2);
    printer.printLine(QStringLiteral("Home"));
    report(printer);
    return printer.pages();
}

// Year rows carry the year right-aligned in columns 2 to 4 and nothing else there.
int yearRowsOn(const QStringList& page) {
    int rows = 0;
    for (const QString& l : page) {
        rows += l.size() > 10 && l.left(4).trimmed().toInt() > 0 && l.mid(4, 6).trimmed().isEmpty()
                    ? 1
                    : 0;
    }
    return rows;
}

// The heading block that starts every page after the first.
void checkNextPageStart(const QStringList& page, const QString& heading, const QString& underline) {
    QCOMPARE(page.mid(0, 4), QStringList(4, QString()));
    QCOMPARE(page[4], u' ' + heading);
    QCOMPARE(page[5], u' ' + underline);
    QCOMPARE(page[6], QString());
}

const QString Heading401K =
    QStringLiteral(" Year   Annual Salary   Contributions   Interest/Growth    Current Value");
const QString Underline401K = u' ' + QString(71, u'_');
const QString RetireHeading =
    QStringLiteral("Year         Interest/Growth          Annual Income        Current Value");
const QString CapitalHeading =
    QStringLiteral("Year        Annual Investment      Interest/Growth         Current Value");
const QString Underline72 = QString(72, u'_');

} // namespace

class TestRetirementReport : public QObject {
    Q_OBJECT

private slots:
    void init() {
        resetProgram();
        resetRetirement();
        program().PrinterFontChoice = 0;
    }

    void plan401kFirstPage();
    void plan401kPages_data();
    void plan401kPages();
    void plan401kTotalsAndInflation();
    void retirementPercentage();
    void retirementFixedAmount();
    void retirementPages_data();
    void retirementPages();
    void capitalOptions_data();
    void capitalOptions();
};

void TestRetirementReport::plan401kFirstPage() {
    loadPlan401KTables();
    publishPlan401K(calculatePlan401K(Plan401KInputs::fromState()));
    const std::vector<QStringList> pages =
        printed([](PrinterDevice& p) { printPlan401KReport(p, Plan401KReportData::fromState()); });
    QCOMPARE(pages.size(), std::size_t(1));
    const QStringList expected{
        "",
        " Home",
        "",
        line({{25, "Investment Growth - 401K Plan"}}),
        "",
        "",
        line({{2, "Current balance in your 401K account"}, {52, "    $10,000.00"}}),
        "",
        line({{2, "Your current annual salary"}, {52, "    $50,000.00"}}),
        "",
        line({{2, "Your annual 401K rate of contribution"}, {53, right("5.00%", 14)}}),
        "",
        line({{2, "The company contribution rate"}, {53, right("4.00%", 14)}}),
        "",
        line({{2, "Estimated rate of annual salary raises"}, {53, right("4.00%", 14)}}),
        "",
        line({{2, "Annual rate of return on your 401K"}, {53, right("10.00%", 14)}}),
        "",
        line({{2, "Estimated rate of annual inflation"}, {53, right(".00%", 14)}}),
        "",
        line({{2, "The number of years to retirement"}, {52, right("25", 14)}}),
        "",
        "",
        u' ' + Heading401K,
        u' ' + Underline401K,
        "",
        line({{61, "    10,000.00"}}),
        line({{2, "  1"},
              {11, "   50,000.00"},
              {24, "      4,500.00"},
              {44, "     1,450.00"},
              {61, "    15,950.00"}}),
        line({{2, "  2"},
              {11, "   52,000.00"},
              {24, "      4,680.00"},
              {44, "     2,063.00"},
              {61, "    22,693.00"}}),
    };
    QCOMPARE(pages[0].mid(0, expected.size()), expected);
    QCOMPARE(yearRowsOn(pages[0]), 25);
    QVERIFY(!pages[0].join(u'\n').contains(u"Page"));
}

void TestRetirementReport::plan401kPages_data() {
    QTest::addColumn<int>("fontChoice");
    QTest::addColumn<int>("balance");
    QTest::addColumn<std::vector<int>>("rowsPerPage");
    // 100 rows of a made-up table: a plan never has more than 50 years.
    QTest::newRow("53 lines, no balance line") << 0 << 0 << std::vector<int>{27, 47, 26};
    QTest::newRow("53 lines, balance line") << 0 << 10000 << std::vector<int>{26, 47, 27};
    QTest::newRow("63 lines") << 1 << 0 << std::vector<int>{37, 57, 6};
}

void TestRetirementReport::plan401kPages() {
    QFETCH(int, fontChoice);
    QFETCH(int, balance);
    QFETCH(std::vector<int>, rowsPerPage);
    program().PrinterFontChoice = static_cast<std::int16_t>(fontChoice);
    Table results(102, 6);
    results.at(0, 4) = whole(balance);
    for (int y = 1; y <= 101; ++y) {
        results.at(y, 1) = double(y);
        results.at(y, 4) = 1000.0 * y;
    }
    Plan401KReportData data;
    data.Entries[8] = whole(100);
    data.CurrencySymbol = QStringLiteral("$");
    data.Results = &results;
    const std::vector<QStringList> pages =
        printed([&](PrinterDevice& p) { printPlan401KReport(p, data); });

    QCOMPARE(pages.size(), rowsPerPage.size());
    const int linesPerPage = program().LinesPerPage;
    int rowsBefore = 0;
    for (std::size_t i = 0; i < pages.size(); ++i) {
        QCOMPARE(yearRowsOn(pages[i]), rowsPerPage[i]);
        if (i + 1 < pages.size()) {
            // The counted lines, two empty lines and the footer; after the first page the
            // heading block prints one line more than it counts.
            const int counted = linesPerPage + (i == 0 ? 0 : 1);
            QCOMPARE(pages[i].size(), counted + 3);
            QCOMPARE(pages[i].last(), line({{40, QStringLiteral("Page %1").arg(i + 1)}}));
            QCOMPARE(pages[i][counted], QString());
        }
        if (i > 0) {
            checkNextPageStart(pages[i], Heading401K, Underline401K);
            QCOMPARE(pages[i][7].left(4), QStringLiteral(" %1").arg(rowsBefore + 1, 3));
        }
        rowsBefore += rowsPerPage[i];
    }
    const QStringList& last = pages.back();
    QCOMPARE(last[last.size() - 3], u' ' + Underline401K);
    QCOMPARE(last[last.size() - 2], QString());
    QVERIFY(last.last().startsWith(QStringLiteral(" Total:")));
}

void TestRetirementReport::plan401kTotalsAndInflation() {
    loadPlan401KTables();
    ProgramState& p = program();
    p.EntryValues[1] = whole(1);
    p.EntryValues[7] = whole(3);
    p.EntryValues[8] = whole(2);
    p.CurrencySymbol = QStringLiteral("EUR");
    const Plan401KResult r = calculatePlan401K(Plan401KInputs::fromState());
    publishPlan401K(r);
    const QStringList page = printed([](PrinterDevice& d) {
                                 printPlan401KReport(d, Plan401KReportData::fromState());
                             }).front();
    QCOMPARE(page[18], line({{2, "Estimated rate of annual inflation"}, {53, right("3.00%", 14)}}));
    QCOMPARE(page[6],
             line({{2, "Current balance in your 401K account"}, {52, right("EUR1.00", 14)}}));
    // No balance line at 1.00: year 1 follows the underline and the empty line.
    QCOMPARE(page[26].left(4), QStringLiteral("   1"));
    QCOMPARE(page.size(), 26 + 2 + 3);
    QCOMPARE(page[28], u' ' + Underline401K);
    QCOMPARE(page[30], line({{2, "Total:"},
                             {24, right("EUR9,181.00", 14)},
                             {44, right("EUR936.90", 13)},
                             {61, right("EUR10,117.90", 13)}}));
}

void TestRetirementReport::retirementPercentage() {
    loadRetireTables();
    ProgramState& p = program();
    p.EntryValues[1] = whole(100000);
    p.EntryValues[2] = Currency::fromRaw(125000);
    p.EntryValues[3] = whole(15);
    p.EntryValues[4] = whole(2);
    publishRetirement(calculateRetirement(RetirementInputs::fromState()));
    const QStringList page = printed([](PrinterDevice& d) {
                                 printRetirementReport(d, RetirementReportData::fromState());
                             }).front();
    const QStringList expected{
        "",
        " Home",
        "",
        line({{27, "Retirement Income Calculation"}}),
        "",
        "",
        line({{2, "Current Value of your Investments on Retirement"}, {51, "   $100,000.00"}}),
        "",
        line({{2, "Annual Interest/Growth Rate (%)"}, {52, right("12.50%", 14)}}),
        "",
        line({{2, "Annual Income Withdrawn as a (%) of Current Value"}, {52, right("15.00%", 14)}}),
        "",
        line({{2, "Time in Years"}, {51, right("2", 14)}}),
        "",
        "",
        u' ' + RetireHeading,
        u' ' + Underline72,
        "",
        line({{2, "  1"}, {17, "    12,500.00"}, {39, "     15,000.00"}, {61, "    97,500.00"}}),
        line({{2, "  2"}, {17, "    12,187.50"}, {39, "     14,625.00"}, {61, "    95,062.50"}}),
        u' ' + Underline72,
        "",
        line({{2, "Total:"}, {17, "   $24,687.50"}, {39, "    $29,625.00"}, {61, "   $95,062.50"}}),
    };
    QCOMPARE(page, expected);
}

void TestRetirementReport::retirementFixedAmount() {
    loadRetireTables();
    ProgramState& p = program();
    setCalcMode(WithdrawalMode::FixedAmount);
    p.EntryValues[1] = whole(100000);
    p.EntryValues[2] = Currency();
    p.EntryValues[3] = whole(1000);
    p.EntryValues[4] = Currency::fromRaw(25000);
    publishRetirement(calculateRetirement(RetirementInputs::fromState()));
    const QStringList page = printed([](PrinterDevice& d) {
                                 printRetirementReport(d, RetirementReportData::fromState());
                             }).front();
    QCOMPARE(
        page.mid(6, 7),
        (QStringList{
            line({{2, "Current Value of your Investments on Retirement"}, {51, "   $100,000.00"}}),
            "",
            line({{2, "Annual Interest/Growth Rate (%)"}, {52, right(".00%", 14)}}),
            "",
            line({{2, "Monthly Amount of Cash Withdrawn"}, {51, "     $1,000.00"}}),
            "",
            line({{2, "Increase Annual Amount Withdrawn by %"}, {51, right("2.50%", 15)}}),
        }));
    // The rows end with the year YearsText names: the year the capital runs out.
    const int years = retirement().YearsText.trimmed().toInt();
    QCOMPARE(yearRowsOn(page), years);
    QCOMPARE(page[18 + years - 1].left(4), QStringLiteral(" %1").arg(years, 3));
    QCOMPARE(page[18 + years], u' ' + Underline72);
    QVERIFY(page.last().startsWith(QStringLiteral(" Total:")));
    QCOMPARE(page.last().mid(38, 14), QStringLiteral("   $100,000.00"));
}

void TestRetirementReport::retirementPages_data() {
    QTest::addColumn<RetirementInputs>("inputs");
    QTest::addColumn<std::vector<int>>("rowsPerPage");
    // The first page counts 18 lines before its rows in percentage mode, 16 in fixed-amount.
    QTest::newRow("percentage, 50 years")
        << RetirementInputs{WithdrawalMode::Percentage, whole(100000), whole(10), whole(8),
                            whole(50)}
        << std::vector<int>{35, 15};
    QTest::newRow("fixed amount, 50 years")
        << RetirementInputs{WithdrawalMode::FixedAmount, whole(1000000), whole(10), whole(1000),
                            Currency()}
        << std::vector<int>{37, 13};
}

void TestRetirementReport::retirementPages() {
    QFETCH(RetirementInputs, inputs);
    QFETCH(std::vector<int>, rowsPerPage);
    loadRetireTables();
    ProgramState& p = program();
    setCalcMode(inputs.mode);
    p.EntryValues[1] = inputs.Invest;
    p.EntryValues[2] = inputs.Rate;
    p.EntryValues[3] = inputs.RateDrawn;
    p.EntryValues[4] = inputs.Term;
    publishRetirement(calculateRetirement(inputs));
    const std::vector<QStringList> pages = printed(
        [](PrinterDevice& d) { printRetirementReport(d, RetirementReportData::fromState()); });
    QCOMPARE(pages.size(), rowsPerPage.size());
    QCOMPARE(yearRowsOn(pages[0]), rowsPerPage[0]);
    QCOMPARE(yearRowsOn(pages[1]), rowsPerPage[1]);
    QCOMPARE(pages[0].last(), Footer1);
    checkNextPageStart(pages[1], RetireHeading, Underline72);
    QCOMPARE(pages[1][7].left(4), QStringLiteral(" %1").arg(rowsPerPage[0] + 1, 3));
}

void TestRetirementReport::capitalOptions_data() {
    QTest::addColumn<std::int16_t>("calcMode");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("amountLine");
    QTest::addColumn<QString>("firstRow");
    QTest::newRow("capital")
        << std::int16_t(0) << line({{22, "Amount of Annual Investment Required"}})
        << line({{2, "Amount of Capital required on Retirement."}, {52, "   $100,000.00"}})
        << line({{2, "  1"}, {17, "        176.56"}, {39, "        35.31"}, {61, "       211.87"}});
    QTest::newRow("income")
        << std::int16_t(2) << line({{22, "Amount of Annual Income Required"}})
        << line({{2, "Amount of Income required on Retirement."}, {52, "    $40,000.00"}})
        << line({{2, "  1"}, {17, "        353.12"}, {39, "        70.62"}, {61, "       423.75"}});
}

void TestRetirementReport::capitalOptions() {
    QFETCH(std::int16_t, calcMode);
    loadCapitalTables();
    ProgramState& p = program();
    p.CalcMode = static_cast<std::int16_t>(calcMode);
    p.EntryValues[1] = whole(calcMode == 2 ? 40000 : 100000);
    p.EntryValues[2] = whole(20);
    p.EntryValues[3] = whole(25);
    publishCapitalRequired(calculateCapitalRequired(CapitalInputs::fromState()));
    const std::vector<QStringList> pages =
        printed([](PrinterDevice& d) { printCapitalReport(d, CapitalReportData::fromState()); });
    const QStringList& page = pages[0];
    QTEST(page[3], "title");
    QTEST(page[6], "amountLine");
    QCOMPARE(page[8], line({{2, "Annual Interest/Growth Rate(%)."}, {53, right("20.00%", 14)}}));
    QCOMPARE(page[10], line({{2, "At the end of how many Years."}, {52, right("25", 14)}}));
    QCOMPARE(page[13], u' ' + CapitalHeading);
    QCOMPARE(page[14], u' ' + Underline72);
    QTEST(page[16], "firstRow");
    QCOMPARE(pages.size(), std::size_t(1));
    QCOMPARE(yearRowsOn(page), 25);
    QCOMPARE(page.last().left(7), QStringLiteral(" Total:"));
    QCOMPARE(page.last().mid(60),
             calcMode == 2 ? QStringLiteral("  $200,000.00") : QStringLiteral("  $100,000.00"));
}

QTEST_GUILESS_MAIN(TestRetirementReport)
#include "tst_retirementreport.moc"
