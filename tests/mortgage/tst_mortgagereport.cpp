#include "core/dates.h"
#include "core/programstate.h"
#include "mortgage/amortization.h"
#include "mortgage/mortgagedisplay.h"
#include "mortgage/mortgagereport.h"
#include "mortgage/mortgagestate.h"
#include "shell/reportframe.h"
#include "support/capturedprinter.h"
#include "support/modalresponder.h"
#include "support/mortgagefixtures.h"

#include <QRegularExpression>
#include <QTest>

namespace {

const QString Monthly = QStringLiteral("      Monthly");
const QString Footer1 = QString(39, u' ') + QStringLiteral("Page 1");

// Calculates as the window does and fills the report's data from the results.
MortgageReportData calculated(std::int16_t calcMode,
                              const std::vector<std::pair<int, int>>& prePays = {},
                              std::int16_t dates = 0) {
    ProgramState& p = program();
    p.CalcMode = static_cast<std::int16_t>(calcMode);
    mortgage().ShowPaymentDates = dates;
    p.PaymentStartDate = Dates::toShortDate(QDate(2024, 1, 31));
    for (const auto& [year, amount] : prePays) {
        mortgage().MortPrePayments.at(year, 2) = Currency::fromWhole(amount);
    }
    mortgage().PrePayCount = static_cast<std::int16_t>(prePays.size());
    const MortgageInputs in = MortgageInputs::fromState(Monthly, Monthly);
    const MortgageResult r = calculatedMortgage(in);
    const MortgageCaptions c = mortgageCaptions(r, p.CurrencySymbol);
    MortgageReportData d = MortgageReportData::fromState(in);
    d.TermText = termText(p.EntryValues[3], p.MortgageMode);
    d.setCaptions(c);
    return d;
}

// The report as the print button makes it, with the header "Home".
std::vector<QStringList> printed(const MortgageReportData& data) {
    TextPrinter printer;
    SetReportFont(printer);
    printer.tab(2);
    printer.printLine(QStringLiteral("Home"));
    printMortgageReport(printer, data);
    return printer.pages();
}

// Schedule rows start with the row's number or date at column 2 and end at column 76.
bool isScheduleRow(const QString& line) {
    return line.size() == 76 && line.back().isDigit() && !line.contains(u'$');
}

int rowsOn(const QStringList& page) {
    int n = 0;
    for (const QString& line : page) {
        n += isScheduleRow(line) ? 1 : 0;
    }
    return n;
}

} // namespace

class TestMortgageReport : public QObject {
    Q_OBJECT

private slots:
    void init() {
        startMortgageTables();
        program().PrinterFontChoice = 0;
    }

    void firstPageBlock();
    void largeMortgagePrintsWhole();
    void everyPaymentPages();
    void annualRowsWithDates();
    void loanTitles();
    void prePayBlock_data();
    void prePayBlock();
    void nothingAfterTotalsWithoutPayments();
    void printButton();
};

void TestMortgageReport::firstPageBlock() {
    const QStringList page = printed(calculated(1)).front();
    const QString separator = u' ' + QString(75, u'_');
    QCOMPARE(page[0], QString());
    QCOMPARE(page[1], QStringLiteral(" Home"));
    QCOMPARE(page[2], QString());
    QCOMPARE(page[3], QString(31, u' ') + QStringLiteral(" Mortgage Table"));
    QCOMPARE(page[4], separator);
    QCOMPARE(page[6],
             QStringLiteral(
                 " Principal      Annual        Amortization   Interest           Frequency"));
    // Principal at column 2, rate at 15, term at 29, the two list texts at 40 and 61.
    const QString& inputs = page[10];
    QCOMPARE(inputs.mid(1, 11), QStringLiteral("$100,000.00"));
    QCOMPARE(inputs.mid(14, 9), QStringLiteral("  10.125%"));
    QCOMPARE(inputs.mid(28, 4), QStringLiteral("  25"));
    QCOMPARE(inputs.mid(39, 16), Monthly.rightJustified(16));
    QCOMPARE(inputs.mid(60), Monthly.rightJustified(16));
    QCOMPARE(page[11], separator);
    QCOMPARE(page[13],
             QStringLiteral(
                 " Days   Interest    No. of     No. years  Principal   Total paid    Total of"));
    const QString& results = page[17];
    QCOMPARE(results.left(18), QStringLiteral(" Normal  0.0084375"));
    QCOMPARE(results.mid(18, 7), QStringLiteral("  12.00"));
    QCOMPARE(results.mid(30, 6), QStringLiteral(" 25.00"));
    QCOMPARE(results.mid(39, 10), QStringLiteral("   $917.53"));
    QCOMPARE(results.mid(52, 12), QStringLiteral(" $275,258.20"));
    QCOMPARE(results.mid(64), QStringLiteral("        $.00"));
    QCOMPARE(page[18], separator);
    QCOMPARE(page[20],
             QStringLiteral(
                 "  Payment    Interest   Principal     Remaining    Cumulative     Cumulative"));
    QCOMPARE(page[21],
             QStringLiteral(
                 "   Year       Payment     Payment       Balance      Interest      Principal"));
    QCOMPARE(page[22], separator);
    QCOMPARE(page[23], QString());
    // The first schedule row is line 25: 24 lines counted before it.
    QVERIFY(isScheduleRow(page[24]));
    QCOMPARE(page[24].left(6), QStringLiteral("     1"));
}

void TestMortgageReport::everyPaymentPages() {
    const std::vector<QStringList> pages = printed(calculated(2));
    QCOMPARE(pages.size(), std::size_t(7));
    QCOMPARE(rowsOn(pages[0]), 29);
    for (std::size_t i = 1; i < 6; ++i) {
        QCOMPARE(rowsOn(pages[i]), 46);
    }
    QCOMPARE(rowsOn(pages[6]), 300 - 29 - 5 * 46);

    const QStringList& first = pages[0];
    QCOMPARE(first.size(), 56);
    QCOMPARE(first[53], QString());
    QCOMPARE(first[54], QString());
    QCOMPARE(first[55], Footer1);
    QCOMPARE(pages[1].last(), QString(39, u' ') + QStringLiteral("Page 2"));
    for (const QString& line : pages[6]) {
        QVERIFY(!line.contains(u"Page"));
    }

    // The row of payment 1 in its columns.
    const QString& row1 = first[24];
    QCOMPARE(row1.mid(1, 7), QStringLiteral("   1  1"));
    QCOMPARE(row1.mid(12, 9), QStringLiteral("   843.75"));
    QCOMPARE(row1.mid(24, 9), QStringLiteral("    73.78"));
    QCOMPARE(row1.mid(35, 12), QStringLiteral("   99,926.22"));
    QCOMPARE(row1.mid(49, 12), QStringLiteral("      843.75"));
    QCOMPARE(row1.mid(64, 12), QStringLiteral("       73.78"));
    QCOMPARE(first[52].mid(1, 7), QStringLiteral("  29  3"));

    // A new page repeats the schedule headings.
    const QStringList& second = pages[1];
    QCOMPARE(second[0], QString());
    QCOMPARE(second[1], QString());
    QCOMPARE(second[3],
             QStringLiteral(
                 " No. Year     Payment     Payment       Balance      Interest      Principal"));
    QCOMPARE(second[4], u' ' + QString(75, u'_'));
    QCOMPARE(second[5], QString());
    QCOMPARE(second[6].mid(1, 7), QStringLiteral("  30  3"));

    const QStringList& last = pages[6];
    const QString& total = last.last();
    QCOMPARE(total.left(7), QStringLiteral(" Total:"));
    QCOMPARE(total.mid(35, 12), QStringLiteral("        $.00"));
    QCOMPARE(total.mid(49, 12), QStringLiteral(" $175,258.20"));
    QCOMPARE(total.mid(64), QStringLiteral(" $100,000.00"));
}

void TestMortgageReport::annualRowsWithDates() {
    const std::vector<QStringList> pages = printed(calculated(1, {}, 1));
    QCOMPARE(pages.size(), std::size_t(1));
    const QStringList& page = pages[0];
    QCOMPARE(rowsOn(page), 25);
    QCOMPARE(page[21],
             QStringLiteral(
                 "   Year       Payment     Payment       Balance      Interest      Principal"));
    QCOMPARE(page[24].mid(1, Dates::toShortDate(QDate(2024, 1, 31)).size()),
             Dates::toShortDate(QDate(2024, 1, 31)));
    QCOMPARE(page[48].mid(1, Dates::toShortDate(QDate(2048, 1, 31)).size()),
             Dates::toShortDate(QDate(2048, 1, 31)));
}

void TestMortgageReport::loanTitles() {
    program().MortgageMode = MortgageModeFlag::Loan;
    loadMortgageTables();
    const QStringList page = printed(calculated(1)).front();
    QCOMPARE(page[3].trimmed(), QStringLiteral("Personal Loan Table"));
    QCOMPARE(page[8],
             QStringLiteral(
                 " the loan.      rate(%).      in months.     periods in year.   each payment"));
    QCOMPARE(page[10].mid(28, 4), QStringLiteral("  48"));
    QCOMPARE(page[15],
             QStringLiteral(
                 " year   factor      each year  payment    payment     of the loan   savings"));
    QCOMPARE(page[17].mid(30, 6), QStringLiteral(" 48.00"));
}

// A figure wider than its column is printed whole: the line grows instead of losing digits.
void TestMortgageReport::largeMortgagePrintsWhole() {
    program().EntryValues[1] = Currency::fromWhole(1000000);
    const QStringList page = printed(calculated(1)).back();
    const QStringList first = printed(calculated(1)).front();
    QVERIFY(first.value(10).startsWith(QStringLiteral(" $1,000,000.00  10.125%")));
    QVERIFY(first.value(17).contains(QStringLiteral("$9,175.27   $2,752,581.96")));
    const QString totals = page.filter(QStringLiteral("Total:")).value(0);
    QVERIFY2(totals.contains(QRegularExpression(QStringLiteral("\\$1,752,581\\.\\d\\d "))),
             qPrintable(totals));
    QVERIFY(totals.contains(QRegularExpression(QStringLiteral("\\$2,752,581\\.\\d\\d$"))) ||
            totals.contains(QRegularExpression(QStringLiteral("\\$1,000,000\\.00$"))));
    const QString year1 = first.filter(QRegularExpression(QStringLiteral("^ +1  "))).value(0);
    QVERIFY2(year1.contains(QRegularExpression(QStringLiteral("100,8\\d\\d\\.\\d\\d"))),
             qPrintable(year1));
}

void TestMortgageReport::prePayBlock_data() {
    QTest::addColumn<int>("fontChoice");
    QTest::addColumn<int>("payments");
    QTest::addColumn<int>("pages");
    // 25 annual rows leave the counter at 49: 49 + listed + 4 against the page's own length,
    // so that the listing never runs past the page's footer.
    QTest::newRow("53 lines a page: one listed breaks the page") << 0 << 1 << 2;
    QTest::newRow("63 lines a page: ten listed fit") << 1 << 10 << 1;
    QTest::newRow("63 lines a page: eleven listed break the page") << 1 << 11 << 2;
}

void TestMortgageReport::prePayBlock() {
    QFETCH(int, fontChoice);
    QFETCH(int, payments);
    QFETCH(int, pages);
    program().PrinterFontChoice = static_cast<std::int16_t>(fontChoice);
    std::vector<std::pair<int, int>> prePays;
    for (int y = 2; y < 2 + payments; ++y) {
        prePays.emplace_back(y, 10);
    }
    const std::vector<QStringList> out = printed(calculated(1, prePays));
    QCOMPARE(out.size(), std::size_t(pages));
    QCOMPARE(mortgage().ListedPrePayCount, std::int16_t(payments));
    const QStringList& page = out.back();
    const qsizetype heading = page.indexOf(QStringLiteral(" Additional  Payments     Applied"));
    QVERIFY(heading > 0);
    QCOMPARE(page[heading - 1], QString());
    QCOMPARE(page[heading + 1], QString());
    QCOMPARE(page[heading + 2],
             QStringLiteral(" Year     2") + QString(17, u' ') + QStringLiteral("10.00"));
    QCOMPARE(page.size(), heading + 2 + payments);
    if (pages == 2) {
        QCOMPARE(out[0].last(), Footer1);
        QVERIFY(out[0].last(4).first().contains(u"Total:"));
        QCOMPARE(heading, 7);
    }
}

void TestMortgageReport::nothingAfterTotalsWithoutPayments() {
    const QStringList page = printed(calculated(1)).back();
    QVERIFY(page.last().startsWith(QStringLiteral(" Total:")));
}

void TestMortgageReport::printButton() {
    ModalGuard guard;
    CapturedPrinter captured;
    const MortgageReportData data = calculated(1);
    const auto print = [&data](PrinterDevice& printer) { printMortgageReport(printer, data); };
    respondType(QStringLiteral("InFName"), QStringLiteral("Smith house"), QStringLiteral("Acept"));
    printReport(mortgageReportTitle(MortgageModeFlag::Mortgage), print);
    QCOMPARE(captured.opened(), 1);
    QCOMPARE(captured.lines()[1], QStringLiteral(" Smith house"));

    respondClick(QStringLiteral("NAcept"));
    printReport(mortgageReportTitle(MortgageModeFlag::Mortgage), print);
    QCOMPARE(captured.opened(), 1);
}

QTEST_MAIN(TestMortgageReport)
#include "tst_mortgagereport.moc"
