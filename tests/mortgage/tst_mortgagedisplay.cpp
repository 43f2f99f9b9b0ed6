#include "core/dates.h"
#include "core/formats.h"
#include "core/programstate.h"
#include "mortgage/amortization.h"
#include "mortgage/mortgagedisplay.h"
#include "mortgage/mortgagestate.h"
#include "support/mortgagefixtures.h"

#include <QTest>

namespace {

const QString Monthly = QStringLiteral("      Monthly");

MortgageInputs defaults(const QString& freq = Monthly) {
    return defaultMortgage(ScheduleRows::EveryPayment, freq);
}

MortgageDisplay display(const MortgageResult& r) {
    return mortgageDisplay(r, program().ResultTable, mortgage().MortPrePayments,
                           QStringLiteral("$"));
}

} // namespace

class TestMortgageDisplay : public QObject {
    Q_OBJECT

private slots:
    void init() { startMortgageTables(); }

    void gridRows_data();
    void gridRows();
    void gridSetup();
    void column0Heading_data();
    void column0Heading();
    void captions_data();
    void captions();
    void captionsOfAFailedStage();
    void everyPaymentRows();
    void annualRows();
    void dateRows();
    void prePayListing();
    void noListingWithoutPlannedPayments();
    void noHeadingWhenNothingWasApplied();
    void largeAmountsShowWhole();
    void applyStoresProgramValues();
    void entryTexts_data();
    void entryTexts();
    void loadTexts();
    void loanMonths_data();
    void loanMonths();
    void captionNumbers_data();
    void captionNumbers();
};

void TestMortgageDisplay::gridRows_data() {
    QTest::addColumn<int>("scheduleRows");
    QTest::addColumn<int>("prePayCount");
    QTest::addColumn<int>("rows");
    QTest::newRow("short schedule keeps 23") << 5 << 0 << 23;
    QTest::newRow("19 rows reach 23") << 19 << 0 << 23;
    QTest::newRow("20 rows") << 20 << 0 << 24;
    QTest::newRow("300 payments") << 300 << 0 << 304;
    QTest::newRow("with two additional payments") << 25 << 2 << 35;
    QTest::newRow("short with payments still 23") << 5 << 3 << 23;
}

void TestMortgageDisplay::gridRows() {
    QFETCH(int, scheduleRows);
    QFETCH(int, prePayCount);
    QFETCH(int, rows);
    QCOMPARE(mortgageGridRows(scheduleRows, prePayCount), rows);
}

void TestMortgageDisplay::gridSetup() {
    const GridSetup m = initMortgageGrid(MortgageModeFlag::Mortgage, 26);
    QCOMPARE(m.headings.size(), 6);
    QCOMPARE(m.headings[0], QStringLiteral("  Payment   No.  Year"));
    QCOMPARE(m.headings[5], QStringLiteral("Cumulative Principal"));
    QCOMPARE(m.widenTwips[2], 650);
    QCOMPARE(m.headingTwips, 500);
    QCOMPARE(m.rows, 26);
    QCOMPARE(initMortgageGrid(MortgageModeFlag::Loan, 26).headings[0],
             QStringLiteral(" Year Number"));
}

void TestMortgageDisplay::column0Heading_data() {
    QTest::addColumn<int>("calcMode");
    QTest::addColumn<int>("dates");
    QTest::addColumn<QString>("heading");
    QTest::newRow("annual") << 1 << 0 << " Payment  Year";
    QTest::newRow("annual with dates") << 1 << 1 << " Payment  Year";
    QTest::newRow("every payment") << 2 << 0 << "  Payment   No.  Year";
    QTest::newRow("every payment with dates") << 2 << 1 << " Payment  Date";
}

void TestMortgageDisplay::column0Heading() {
    QFETCH(int, calcMode);
    QFETCH(int, dates);
    QFETCH(QString, heading);
    QCOMPARE(mortgageColumn0Heading(static_cast<ScheduleRows>(calcMode), dates), heading);
}

void TestMortgageDisplay::captions_data() {
    QTest::addColumn<QString>("freq");
    QTest::addColumn<int>("days");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QStringList>("captions");
    QTest::newRow("defaults") << Monthly << 1 << 1
                              << QStringList{"Normal",       "0.0084375",    "          12",
                                             "     $917.53", "       25.00", " $275,258.20",
                                             "        $.00"};
    QTest::newRow("biweekly accelerated")
        << " Biweekly(Acc)" << 1 << 1
        << QStringList{"365",          QString(),      "          26", "     $458.76",
                       "       18.54", " $220,861.40", "  $54,396.79"};
    QTest::newRow("weekly with 365.25 days")
        << "      1 Week" << 0 << 1 << QStringList{"365.25", QString(), "          52"};
    QTest::newRow("semimonthly is normal")
        << "  Semimonthly" << 0 << 1 << QStringList{"Normal", QString(), "          24"};
    QTest::newRow("loan months") << Monthly << 1 << 2
                                 << QStringList{"Normal", QString(), QString(), QString(),
                                                "      300.00"};
}

void TestMortgageDisplay::captions() {
    QFETCH(QString, freq);
    QFETCH(int, days);
    QFETCH(int, mode);
    QFETCH(QStringList, captions);
    MortgageInputs in = defaults(freq);
    in.Days = daysInYearRow(days);
    in.MortgageMode = static_cast<MortgageModeFlag>(mode);
    const MortgageCaptions c = mortgageCaptions(calculatedMortgage(in), QStringLiteral("$"));
    const QStringList got{c.InDays,      c.PeriodicR,   c.NumPmtsYear, c.InMonthPI,
                          c.EndMortYear, c.AllPayments, c.TotSavd};
    for (int i = 0; i < captions.size(); ++i) {
        if (!captions[i].isNull()) {
            QCOMPARE(got[i], captions[i]);
        }
    }
}

void TestMortgageDisplay::captionsOfAFailedStage() {
    MortgageResult r;
    r.stage = MortgageResult::Rates;
    r.payment = 917.53;
    const MortgageCaptions c = mortgageCaptions(r, QStringLiteral("$"));
    QCOMPARE(c.InMonthPI, QStringLiteral("     $917.53"));
    QCOMPARE(c.EndMortYear, QString());
    QCOMPARE(c.AllPayments, QString());
    QCOMPARE(mortgageCaptions(MortgageResult(), QStringLiteral("$")).InDays, QString());
}

void TestMortgageDisplay::everyPaymentRows() {
    const MortgageDisplay d = display(calculatedMortgage(defaults()));
    QCOMPARE(d.rows.size(), std::size_t(300));
    QCOMPARE(d.gridRows, 304);
    QCOMPARE(d.ResultCount, std::int16_t(301));
    QCOMPARE(d.ScheduleRows, std::int16_t(300));
    QCOMPARE(d.rows[0],
             (QStringList{"   1       1", "843.75", "73.78", "99,926.22", "843.75", "73.78"}));
    QCOMPARE(d.rows[12][0], QStringLiteral("  13       2"));
    QCOMPARE(d.rows[299][0], QStringLiteral(" 300      25"));
    QCOMPARE(d.rows[299][3], QStringLiteral(".00"));
    QCOMPARE(d.totalsRow, 302);
    QCOMPARE(d.totals, (QStringList{"Total:", "", "", "$.00", "$175,258.20", "$100,000.00"}));
    QCOMPARE(d.GraphTitle, QStringLiteral("Mortgage balance at start of each Year"));
    QVERIFY(d.prePayRows.empty());
}

void TestMortgageDisplay::annualRows() {
    MortgageInputs in = defaults();
    in.CalcMode = ScheduleRows::Annual;
    in.MortgageMode = MortgageModeFlag::Loan;
    in.Term =
        commitEntry(termField(MortgageModeFlag::Loan), QStringLiteral("50"), QStringLiteral("$"))
            .value;
    const MortgageDisplay d = display(calculatedMortgage(in));
    QCOMPARE(d.rows.size(), std::size_t(5));
    QCOMPARE(d.rows[0][0], QStringLiteral("   1"));
    QCOMPARE(d.rows[4][0], QStringLiteral("   5"));
    QCOMPARE(d.rows[4][3], QStringLiteral(".00"));
    QCOMPARE(d.rows[4][5], QStringLiteral("100,000.00"));
    QCOMPARE(d.gridRows, 23);
    QCOMPARE(d.ResultCount, std::int16_t(4));
    QCOMPARE(d.GraphTitle, QStringLiteral("Personal Loan balance at start of each Year"));
}

void TestMortgageDisplay::dateRows() {
    MortgageInputs in = defaults();
    in.ShowPaymentDates = 1;
    in.PaymentStartDate = QDate(2024, 1, 31);
    const MortgageDisplay d = display(calculatedMortgage(in));
    QCOMPARE(d.column0Heading, QStringLiteral(" Payment  Date"));
    QCOMPARE(d.rows[1][0], Dates::toShortDate(QDate(2024, 2, 29)));
}

void TestMortgageDisplay::prePayListing() {
    MortgageInputs in = defaults();
    in.CalcMode = ScheduleRows::Annual;
    in.PrePayments.at(2, 2) = Currency::fromWhole(5000);
    in.PrePayments.at(5, 2) = Currency::fromDouble(1500.25);
    in.PrePayments.at(30, 2) = Currency::fromWhole(700); // after the payoff
    in.PrePayCount = 3;
    const MortgageDisplay d = display(calculatedMortgage(in));
    QCOMPARE(d.gridRows, d.ScheduleRows + 4 + 3 + 4);
    QCOMPARE(d.prePayHeadingRow, d.ScheduleRows + 4);
    QCOMPARE(d.prePayHeading[0], QStringLiteral("Additional "));
    QCOMPARE(d.prePayHeading[1], QStringLiteral("Payments  "));
    QCOMPARE(d.prePayHeading[2], QStringLiteral("Applied  "));
    QCOMPARE(d.prePayFirstRow, d.ScheduleRows + 6);
    QCOMPARE(d.prePayRows.size(), std::size_t(2));
    QCOMPARE(d.prePayRows[0][0], QStringLiteral("Year    2"));
    QCOMPARE(d.prePayRows[0][2], QStringLiteral("5,000.00"));
    QCOMPARE(d.prePayRows[1][2], QStringLiteral("1,500.25"));
    QCOMPARE(d.listedPrePayCount, 2);
    // " Year   ", the year in 3, ten blanks, the amount right-aligned in 12.
    QCOMPARE(d.prePayReportText, QStringLiteral("Additional  Payments     Applied\n\n") +
                                     " Year     2" + QString(14, u' ') + "5,000.00\n" +
                                     " Year     5" + QString(14, u' ') + "1,500.25\n");
}

void TestMortgageDisplay::noListingWithoutPlannedPayments() {
    // Amounts left in the table after "&Erase all" recount (PrePayCount 0) are not listed.
    MortgageInputs in = defaults();
    const MortgageDisplay d = display(calculatedMortgage(in));
    QCOMPARE(d.prePayHeadingRow, 0);
    QCOMPARE(d.prePayReportText, QString());
}

// A planned payment the schedule skipped (it would pay more than the balance) lists nothing:
// no heading stands over an empty listing.
void TestMortgageDisplay::noHeadingWhenNothingWasApplied() {
    MortgageInputs in = defaults();
    in.PrePayments.at(2, 2) = Currency::fromWhole(1000000);
    in.PrePayCount = 1;
    const MortgageDisplay d = display(calculatedMortgage(in));
    QCOMPARE(d.prePayHeadingRow, 0);
    QCOMPARE(d.prePayRows.size(), std::size_t(0));
    QCOMPARE(d.prePayReportText, QString());
}

// Captions of a large mortgage show every digit, however narrow their documented width.
void TestMortgageDisplay::largeAmountsShowWhole() {
    MortgageInputs in = defaults();
    in.Principal = Currency::fromWhole(1000000);
    const MortgageResult r = calculatedMortgage(in);
    const MortgageCaptions c = mortgageCaptions(r, QStringLiteral("$"));
    QCOMPARE(c.AllPayments, QStringLiteral("$") + formatNumber(r.TP, u"###,,###.00"));
    QVERIFY(c.AllPayments.startsWith(QStringLiteral("$2,752,581.")));
    QCOMPARE(c.AllPayments.size(), 13);
    QCOMPARE(c.InMonthPI, QStringLiteral("   $9,175.27"));
    const MortgageDisplay d = display(r);
    QVERIFY(d.totals[4].startsWith(QStringLiteral("$1,752,581.")));
}

void TestMortgageDisplay::applyStoresProgramValues() {
    MortgageInputs in = defaults();
    in.PrePayments.at(2, 2) = Currency::fromWhole(5000);
    in.PrePayCount = 1;
    calculatedMortgage(in);
    QCOMPARE(mortgage().ScheduleRows, std::int16_t(251));
    QCOMPARE(mortgage().ListedPrePayCount, std::int16_t(1));
    QCOMPARE(program().ResultCount, std::int16_t(252));
    QVERIFY(program().ReportBlocks[1].startsWith(QStringLiteral("Additional  Payments")));
    // A calculation that failed publishes no results.
    publishMortgage(MortgageResult(), nullptr);
    QCOMPARE(program().ResultCount, std::int16_t(0));
    QCOMPARE(mortgage().ListedPrePayCount, std::int16_t(0));
    QCOMPARE(program().ReportBlocks[1], QString());
}

void TestMortgageDisplay::entryTexts_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("text");
    QTest::newRow("principal") << 100000.0 << 0 << 1 << "     $100,000.00";
    QTest::newRow("principal zero") << 0.0 << 0 << 1 << "            $.00";
    QTest::newRow("principal too wide is shown whole")
        << 123456789012.0 << 0 << 1 << "$123,456,789,012.00";
    QTest::newRow("rate") << 10.125 << 1 << 1 << "        10.125%";
    QTest::newRow("rate half") << 6.0 << 1 << 1 << "         6.000%";
    QTest::newRow("mortgage term") << 25.0 << 2 << 1 << "              25";
    QTest::newRow("loan term in months") << 4.1667 << 2 << 2 << "              50";
    QTest::newRow("zero term is blank") << 0.0 << 2 << 1 << "                ";
}

void TestMortgageDisplay::entryTexts() {
    QFETCH(double, value);
    QFETCH(int, kind);
    QFETCH(int, mode);
    QFETCH(QString, text);
    const Currency c = Currency::fromDouble(value);
    const QString got = kind == 0   ? principalText(c, QStringLiteral("$"))
                        : kind == 1 ? rateText(c)
                                    : termText(c, static_cast<MortgageModeFlag>(mode));
    QCOMPARE(got, text);
}

void TestMortgageDisplay::loadTexts() {
    const EntryTexts m = defaultEntryTexts(MortgageModeFlag::Mortgage, QStringLiteral("$"));
    QCOMPARE(m.principal, QStringLiteral("   $100,000.00"));
    QCOMPARE(m.rate, QStringLiteral("        10.125%"));
    QCOMPARE(m.term, QStringLiteral("            25"));
    const EntryTexts l = defaultEntryTexts(MortgageModeFlag::Loan, QStringLiteral("$"));
    QCOMPARE(l.principal, QStringLiteral("   $20,000.00"));
    QCOMPARE(l.term, QStringLiteral("            48"));
}

void TestMortgageDisplay::loanMonths_data() {
    QTest::addColumn<double>("months");
    QTest::addColumn<qint64>("raw");
    QTest::newRow("48") << 48.0 << qint64(40000);
    QTest::newRow("50") << 50.0 << qint64(41667);
    QTest::newRow("1") << 1.0 << qint64(833);
    QTest::newRow("480") << 480.0 << qint64(400000);
}

void TestMortgageDisplay::loanMonths() {
    QFETCH(double, months);
    QFETCH(qint64, raw);
    // The term field of a loan stores the typed months as years to four decimals.
    QCOMPARE(
        commitEntry(termField(MortgageModeFlag::Loan), QString::number(months), QStringLiteral("$"))
            .value.raw(),
        raw);
}

void TestMortgageDisplay::captionNumbers_data() {
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("symbol");
    QTest::addColumn<double>("value");
    QTest::newRow("payment") << "     $917.53"
                             << "$" << 917.53;
    QTest::newRow("grouped") << " $275,258.20"
                             << "$" << 275258.20;
    QTest::newRow("symbol with a point") << "  SFr.1,250.50"
                                         << "SFr." << 1250.50;
    QTest::newRow("plain") << "          12"
                           << "$" << 12.0;
    QTest::newRow("empty") << ""
                           << "$" << 0.0;
}

void TestMortgageDisplay::captionNumbers() {
    QFETCH(QString, caption);
    QFETCH(QString, symbol);
    QFETCH(double, value);
    QCOMPARE(captionNumber(caption, symbol), value);
}

QTEST_GUILESS_MAIN(TestMortgageDisplay)
#include "tst_mortgagedisplay.moc"
