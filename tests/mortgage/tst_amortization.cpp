#include "core/formats.h"
#include "core/programstate.h"
#include "core/runtimefailure.h"
#include "mortgage/amortization.h"
#include "mortgage/mortgagestate.h"
#include "support/mortgagefixtures.h"

#include <QTest>
#include <cmath>

namespace {

const QString Monthly = QStringLiteral("      Monthly");
const QString Semiannual = QStringLiteral("   Semiannual");

MortgageInputs defaults(const QString& freq = Monthly, const QString& comp = Monthly) {
    return defaultMortgage(ScheduleRows::EveryPayment, freq, comp);
}

double cell(int row, int col) {
    return program().ResultTable.at(row, col).toDouble();
}

QString money(double value) {
    return formatNumber(value, u"###,,###.00");
}

} // namespace

class TestAmortization : public QObject {
    Q_OBJECT

private slots:
    void init() { startMortgageTables(); }

    void documentedFigures_data();
    void documentedFigures();
    void independentPayments_data();
    void independentPayments();
    void prePaymentInYearTwo();
    void skippedPrePaymentIsNotApplied();
    void scheduleInvariants_data();
    void scheduleInvariants();
    void biweeklyConventionsDiffer();
    void annualRows_data();
    void annualRows();
    void annualRowsWithDates();
    void monthEndDates();
    void semimonthlyDates();
    void weeklyDatesAndPeriods();
    void daysInYearRows_data();
    void daysInYearRows();
    void failures_data();
    void failures();
    void termLimit_data();
    void termLimit();
    void failureKeepsWhatWasWritten();
    void onePaymentLoan();
    void loanEndsAtZero_data();
    void loanEndsAtZero();
    void balanceLeftAfterTheLastPayment();
    void windowLifecycle();
};

void TestAmortization::documentedFigures_data() {
    QTest::addColumn<QString>("freq");
    QTest::addColumn<QString>("comp");
    QTest::addColumn<QString>("payment");
    QTest::addColumn<int>("payments");
    QTest::addColumn<QString>("years");
    QTest::addColumn<QString>("totalPaid");
    QTest::addColumn<QString>("savings");

    QTest::newRow("defaults monthly") << Monthly << Monthly << "917.53" << 300 << "25.00"
                                      << "275,258.20"
                                      << ".00";
    QTest::newRow("semiannual compounding") << Monthly << Semiannual << "902.91" << 300 << "25.00"
                                            << "270,873.89"
                                            << ".00";
    QTest::newRow("biweekly accelerated")
        << " Biweekly(Acc)" << Monthly << "458.76" << 482 << "18.54"
        << "220,861.40"
        << "54,396.79";
    QTest::newRow("two weeks") << "      2 Weeks" << Monthly << "423.47" << 638 << "24.54"
                               << QString() << "5,333.49";
}

void TestAmortization::documentedFigures() {
    QFETCH(QString, freq);
    QFETCH(QString, comp);
    QFETCH(QString, payment);
    QFETCH(int, payments);
    QFETCH(QString, years);
    QFETCH(QString, totalPaid);
    QFETCH(QString, savings);

    const MortgageResult r = calculatedMortgage(defaults(freq, comp));
    QCOMPARE(r.stage, MortgageResult::Complete);
    QCOMPARE(money(r.payment), payment);
    QCOMPARE(r.payments, payments);
    QCOMPARE(r.last, payments);
    QCOMPARE(formatNumber(static_cast<double>(r.YearsToFinalPayment), u"###.00"), years);
    QCOMPARE(formatNumber(static_cast<double>(mortgage().YearsToFinalPayment), u"###.00"), years);
    if (!totalPaid.isEmpty()) {
        QCOMPARE(money(r.TP), totalPaid);
    }
    QCOMPARE(money(r.S), savings);
    QCOMPARE(r.balance, 0.0);
    QCOMPARE(cell(payments, 4), 0.0);
    QCOMPARE(r.ResultCount, static_cast<std::int16_t>(payments + 1));
    QCOMPARE(mortgage().PaymentsPerYear, r.frequency.F);
}

void TestAmortization::independentPayments_data() {
    QTest::addColumn<int>("principal");
    QTest::addColumn<double>("rate");
    QTest::addColumn<int>("term");
    QTest::addColumn<QString>("payment");
    QTest::newRow("85000 at 11% over 25 years") << 85000 << 11.0 << 25 << "818.15";
    QTest::newRow("130000 at 12% over 30 years") << 130000 << 12.0 << 30 << "1,308.30";
}

void TestAmortization::independentPayments() {
    QFETCH(int, principal);
    QFETCH(double, rate);
    QFETCH(int, term);
    QFETCH(QString, payment);
    MortgageInputs in = defaults(Monthly, Semiannual);
    in.Principal = Currency::fromWhole(principal);
    in.Rate = Currency::fromDouble(rate);
    in.Term = Currency::fromWhole(term);
    QCOMPARE(money(calculatedMortgage(in).payment), payment);
}

void TestAmortization::prePaymentInYearTwo() {
    MortgageInputs in = defaults();
    in.PrePayments.at(2, 1) = Currency::fromWhole(2);
    in.PrePayments.at(2, 2) = Currency::fromWhole(5000);
    in.PrePayCount = 1;
    const MortgageResult r = calculatedMortgage(in);
    QCOMPARE(r.payments, 251);
    QCOMPARE(formatNumber(static_cast<double>(r.YearsToFinalPayment), u"###.00"),
             QStringLiteral("20.92"));
    QCOMPARE(money(r.S), QStringLiteral("40,194.25"));
    QCOMPARE(r.applied.size(), std::size_t(1));
    QCOMPARE(r.applied.front().year, 2);
    QCOMPARE(r.applied.front().payment, 13);
    // Payment 13 carries the additional amount in its principal part.
    QVERIFY(cell(13, 3) > 5000.0);
    QVERIFY(cell(12, 3) < 200.0);
}

void TestAmortization::skippedPrePaymentIsNotApplied() {
    // 99000 in year 2 is more than the balance minus one principal part: skipped.
    MortgageInputs in = defaults();
    in.PrePayments.at(2, 2) = Currency::fromWhole(99500);
    in.PrePayCount = 1;
    const MortgageResult r = calculatedMortgage(in);
    QCOMPARE(r.payments, 300);
    QVERIFY(r.applied.empty());

    // Year 3 applies although year 2 was skipped.
    in.PrePayments.at(3, 2) = Currency::fromWhole(1000);
    const MortgageResult r2 = calculatedMortgage(in);
    QCOMPARE(r2.applied.size(), std::size_t(1));
    QCOMPARE(r2.applied.front().year, 3);
    QCOMPARE(r2.applied.front().payment, 25);
}

void TestAmortization::scheduleInvariants_data() {
    QTest::addColumn<QString>("freq");
    QTest::addColumn<QString>("comp");
    for (const QString& f : paymentFrequencyTexts()) {
        for (const QString& c : compoundingTexts()) {
            QTest::newRow(qPrintable(f.trimmed() + u'/' + c.trimmed())) << f << c;
        }
    }
}

void TestAmortization::scheduleInvariants() {
    QFETCH(QString, freq);
    QFETCH(QString, comp);
    const MortgageResult r = calculatedMortgage(defaults(freq, comp));
    QVERIFY(r.payments > 0);
    QVERIFY(r.payments < r.N || r.frequency.group == PaymentGroup::Monthly);
    double sumI = 0.0;
    double sumQ = 0.0;
    double balance = 100000.0;
    for (int k = 1; k <= r.payments; ++k) {
        const double I = cell(k, 2);
        const double Q = cell(k, 3);
        sumI += I;
        sumQ += Q;
        QCOMPARE(cell(k, 1), static_cast<double>(k));
        QVERIFY2(std::fabs(cell(k, 5) - sumI) < 1e-6, qPrintable(QString::number(k)));
        QVERIFY2(std::fabs(cell(k, 6) - sumQ) < 1e-6, qPrintable(QString::number(k)));
        QVERIFY2(std::fabs(balance - Q - cell(k, 4)) < 1e-6, qPrintable(QString::number(k)));
        balance = cell(k, 4);
        if (k < r.payments) {
            // A regular row pays the payment; the year-start rows are rounded to currency.
            QVERIFY2(std::fabs(I + Q - r.payment) < 0.0001, qPrintable(QString::number(k)));
            QVERIFY(balance > 0.0);
        }
    }
    QCOMPARE(cell(r.payments, 4), 0.0);
    QVERIFY(std::fabs(cell(r.payments, 6) - 100000.0) < 1e-6);
    QVERIFY(program().ResultTable.at(r.payments + 1, 2).isEmpty());
    // Year numbers in column 0 show the payment's year.
    QCOMPARE(formatNumber(cell(1, 0), u"###"), QStringLiteral("1"));
    QCOMPARE(formatNumber(cell(r.frequency.F + 1, 0), u"###"), QStringLiteral("2"));
    QCOMPARE(formatNumber(cell(r.frequency.F, 0), u"###"), QStringLiteral("1"));
}

void TestAmortization::biweeklyConventionsDiffer() {
    const MortgageResult twoWeeks = calculatedMortgage(defaults("      2 Weeks"));
    const MortgageResult acc = calculateMortgage(defaults(" Biweekly(Acc)"));
    const MortgageResult semi = calculatedMortgage(defaults("  Semimonthly"));
    QCOMPARE(money(semi.payment), QStringLiteral("458.76"));
    QCOMPARE(semi.frequency.F, std::int16_t(24));
    QCOMPARE(semi.frequency.f, 24.0);
    QCOMPARE(acc.frequency.f, 26.07142857);
    QCOMPARE(twoWeeks.frequency.f, 26.07142857);
    QVERIFY(twoWeeks.payment < acc.payment);
    QVERIFY(acc.payments != semi.payments);
    QVERIFY(acc.payments != twoWeeks.payments);
    QVERIFY(semi.ip != acc.ip);
    QCOMPARE(semi.N, 700);
}

void TestAmortization::annualRows_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<double>("termYears");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("payments");
    QTest::newRow("mortgage 25 years") << 1 << 25.0 << 25 << 300;
    QTest::newRow("loan 50 months") << 2 << 4.1667 << 5 << 50;
    QTest::newRow("loan 3 months") << 2 << 0.25 << 1 << 3;
}

void TestAmortization::annualRows() {
    QFETCH(int, mode);
    QFETCH(double, termYears);
    QFETCH(int, rows);
    QFETCH(int, payments);
    MortgageInputs in = defaults();
    in.MortgageMode = static_cast<MortgageModeFlag>(mode);
    in.CalcMode = ScheduleRows::Annual;
    in.Term = Currency::fromDouble(termYears);
    const MortgageResult r = calculatedMortgage(in);
    QCOMPARE(r.payments, payments);
    QCOMPARE(r.last, rows);
    QCOMPARE(r.NY, rows);
    QVERIFY(r.ResultCount >= 1);
    const CurrencyTable& totals = mortgage().MortYearTotals;
    Currency interest;
    for (int a = 1; a <= rows; ++a) {
        QCOMPARE(cell(a, 1), static_cast<double>(a));
        QCOMPARE(totals.at(a, 1), Currency::fromWhole(a));
        interest += totals.at(a, 2);
        QCOMPARE(program().ResultTable.at(a, 2).toCurrency(), totals.at(a, 2));
        QCOMPARE(program().ResultTable.at(a, 5).toCurrency(), totals.at(a, 5));
        // Yearly interest and principal add up to the cumulative columns (to rounding).
        QVERIFY(std::fabs(totals.at(a, 5).toDouble() - interest.toDouble()) < 0.01 * a);
    }
    QCOMPARE(totals.at(rows, 4), Currency());
    QCOMPARE(totals.at(rows, 6), in.Principal);
    QCOMPARE(totals.at(rows + 1, 1), Currency());
    QCOMPARE(r.balance, 0.0);
    if (mode == 1) {
        QCOMPARE(money(r.cumulativeInterest), QStringLiteral("175,258.20"));
        QCOMPARE(r.ResultCount, std::int16_t(25));
    }
}

void TestAmortization::annualRowsWithDates() {
    MortgageInputs in = defaults();
    in.CalcMode = ScheduleRows::Annual;
    in.ShowPaymentDates = 1;
    in.PaymentStartDate = QDate(2024, 1, 31);
    const MortgageResult r = calculatedMortgage(in);
    QCOMPARE(r.last, 25);
    QCOMPARE(program().ResultTable.at(1, 7).toDate(), QDate(2024, 1, 31));
    QCOMPARE(program().ResultTable.at(2, 7).toDate(), QDate(2025, 1, 31));
    QCOMPARE(program().ResultTable.at(25, 7).toDate(), QDate(2048, 1, 31));
    QVERIFY(program().ResultTable.at(26, 7).isEmpty());
}

void TestAmortization::monthEndDates() {
    MortgageInputs in = defaults();
    in.ShowPaymentDates = 1;
    in.PaymentStartDate = QDate(2024, 1, 31);
    calculatedMortgage(in);
    const Table& t = program().ResultTable;
    QCOMPARE(t.at(1, 7).toDate(), QDate(2024, 1, 31));
    QCOMPARE(t.at(2, 7).toDate(), QDate(2024, 2, 29));
    QCOMPARE(t.at(3, 7).toDate(), QDate(2024, 3, 31));
    QCOMPARE(t.at(4, 7).toDate(), QDate(2024, 4, 30));
    QCOMPARE(t.at(14, 7).toDate(), QDate(2025, 2, 28));
    // Dates replace the year numbers.
    QVERIFY(t.at(1, 0).isEmpty());
}

void TestAmortization::semimonthlyDates() {
    MortgageInputs in = defaults("  Semimonthly");
    in.ShowPaymentDates = 1;
    in.PaymentStartDate = QDate(2024, 3, 1);
    calculatedMortgage(in);
    const Table& t = program().ResultTable;
    const QDate expected[] = {QDate(2024, 3, 1), QDate(2024, 3, 15), QDate(2024, 4, 1),
                              QDate(2024, 4, 15), QDate(2024, 5, 1)};
    for (int k = 1; k <= 5; ++k) {
        QCOMPARE(t.at(k, 7).toDate(), expected[k - 1]);
    }
    QCOMPARE(t.at(24, 7).toDate(), QDate(2025, 2, 15));
}

void TestAmortization::weeklyDatesAndPeriods() {
    MortgageInputs in = defaults("      1 Week");
    in.ShowPaymentDates = 1;
    in.PaymentStartDate = QDate(2024, 1, 1);
    in.Days = daysInYearRow(0);
    const MortgageResult r = calculatedMortgage(in);
    QCOMPARE(r.frequency.f, 52.17857143);
    QCOMPARE(r.ip, std::pow(1.0 + 0.10125 / 12.0, 12.0 / 52.17857143) - 1.0);
    QCOMPARE(program().ResultTable.at(2, 7).toDate(), QDate(2024, 1, 8));

    MortgageInputs two = defaults("      2 Weeks");
    two.ShowPaymentDates = 1;
    two.PaymentStartDate = QDate(2024, 1, 1);
    calculatedMortgage(two);
    QCOMPARE(program().ResultTable.at(2, 7).toDate(), QDate(2024, 1, 15));
}

void TestAmortization::daysInYearRows_data() {
    QTest::addColumn<int>("choice");
    QTest::addColumn<float>("days");
    QTest::addColumn<double>("weekly");
    QTest::newRow("365.25") << 0 << 365.25F << 52.17857143;
    QTest::newRow("365") << 1 << 365.0F << 52.14285714;
    QTest::newRow("364") << 2 << 364.0F << 52.0;
    QTest::newRow("363") << 3 << 363.0F << 51.85714286;
    QTest::newRow("4 counts as 0") << 4 << 365.25F << 52.17857143;
}

void TestAmortization::daysInYearRows() {
    QFETCH(int, choice);
    QFETCH(float, days);
    QFETCH(double, weekly);
    setDaysInYearChoice(choice);
    QCOMPARE(mortgage().DaysInYear, days);
    QCOMPARE(mortgage().WeeklyPeriods, weekly);
    QCOMPARE(mortgage().DaysInYearChoice, std::int16_t(choice == 4 ? 0 : choice));
    QCOMPARE(paymentFrequency("   Weekly(Acc)", currentDaysInYear()).f, weekly);
}

void TestAmortization::failures_data() {
    QTest::addColumn<MortgageInputs>("inputs");
    MortgageInputs zeroRate = defaults();
    zeroRate.Rate = Currency();
    QTest::newRow("zero rate") << zeroRate;
    MortgageInputs zeroTerm = defaults();
    zeroTerm.Term = Currency();
    QTest::newRow("zero term") << zeroTerm;
    MortgageInputs unknownFreq = defaults("Monthly");
    QTest::newRow("frequency text without its blanks") << unknownFreq;
    MortgageInputs unknownComp = defaults(Monthly, "Daily");
    QTest::newRow("unknown compounding text") << unknownComp;
    MortgageInputs tooManyRows = defaults("      1 Week");
    tooManyRows.MortgageMode = MortgageModeFlag::Loan;
    tooManyRows.Rate = Currency::fromWhole(2);
    tooManyRows.Term = Currency::fromWhole(44);
    QTest::newRow("more than 2100 rows") << tooManyRows;
    MortgageInputs beyondTable = defaults();
    beyondTable.MortgageMode = MortgageModeFlag::Loan;
    beyondTable.Term = Currency::fromWhole(176);
    QTest::newRow("payment year 46 every payment") << beyondTable;
    MortgageInputs tooManyYears = defaults();
    tooManyYears.MortgageMode = MortgageModeFlag::Loan;
    tooManyYears.CalcMode = ScheduleRows::Annual;
    tooManyYears.Term = Currency::fromWhole(46);
    QTest::newRow("more than 45 years of totals") << tooManyYears;
    MortgageInputs overflow = defaults();
    overflow.Principal = Currency::fromWhole(900000000000000);
    overflow.Rate = Currency::fromWhole(900000000000);
    QTest::newRow("overflow") << overflow;
    MortgageInputs negative = defaults();
    negative.Principal = Currency::fromWhole(-1000);
    QTest::newRow("negative principal") << negative;
    MortgageInputs noDate = defaults();
    noDate.ShowPaymentDates = 1;
    QTest::newRow("dates on without a date") << noDate;
    MortgageInputs hostilePrePay = defaults();
    hostilePrePay.CalcMode = ScheduleRows::Annual;
    hostilePrePay.PrePayments.at(1, 2) = Currency::fromWhole(-900000000000000);
    QTest::newRow("year totals beyond the currency range") << hostilePrePay;
}

void TestAmortization::failures() {
    QFETCH(MortgageInputs, inputs);
    MortgageResult r;
    QVERIFY_THROWS_EXCEPTION(RunTimeFailure, calculateMortgage(inputs, r));
    QVERIFY(r.stage != MortgageResult::Complete);
}

void TestAmortization::termLimit_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<double>("term");
    QTest::addColumn<bool>("above");
    QTest::newRow("mortgage 40") << 1 << 40.0 << false;
    QTest::newRow("mortgage 40.9999") << 1 << 40.9999 << false;
    QTest::newRow("mortgage 41") << 1 << 41.0 << true;
    QTest::newRow("loan 41 years") << 2 << 41.0 << false;
}

void TestAmortization::termLimit() {
    QFETCH(int, mode);
    QFETCH(double, term);
    QFETCH(bool, above);
    MortgageInputs in = defaults();
    in.MortgageMode = static_cast<MortgageModeFlag>(mode);
    in.Term = Currency::fromDouble(term);
    QCOMPARE(termAboveLimit(in), above);
    if (above) {
        QVERIFY_THROWS_EXCEPTION(RunTimeFailure, calculatedMortgage(in));
    }
    MortgageInputs badText = in;
    badText.FreqPmt = "Weekly";
    QVERIFY_THROWS_EXCEPTION(RunTimeFailure, termAboveLimit(badText));
}

void TestAmortization::failureKeepsWhatWasWritten() {
    MortgageInputs in = defaults("      1 Week");
    in.MortgageMode = MortgageModeFlag::Loan;
    in.Rate = Currency::fromWhole(2);
    in.Term = Currency::fromWhole(44);
    MortgageResult r;
    QVERIFY_THROWS_EXCEPTION(RunTimeFailure, calculateMortgage(in, r));
    QCOMPARE(r.stage, MortgageResult::Rates);
    // The window publishes what was reached, as it shows the figures reached.
    publishMortgage(std::move(r), nullptr);
    QCOMPARE(cell(2100, 1), 2100.0);
    QVERIFY(cell(2100, 4) > 0.0);
}

void TestAmortization::onePaymentLoan() {
    MortgageInputs in = defaults();
    in.MortgageMode = MortgageModeFlag::Loan;
    in.Term = Currency::fromDouble(0.0833);
    const MortgageResult r = calculatedMortgage(in);
    QCOMPARE(r.payments, 1);
    QCOMPARE(cell(1, 3), 100000.0);
    QCOMPARE(cell(1, 4), 0.0);
    QCOMPARE(cell(1, 6), 100000.0);
}

// A loan's term is typed in whole months and kept as years to four decimals (2 months are
// 0.1667 years, 12 x 0.1667 = 2.0004 months): the schedule is worked out for the whole months,
// so the last payment leaves nothing and nothing counts as saved.
void TestAmortization::loanEndsAtZero_data() {
    QTest::addColumn<double>("principal");
    QTest::addColumn<double>("rate");
    QTest::addColumn<int>("months");
    QTest::newRow("2 months at 30%") << 104644.41 << 30.0 << 2;
    QTest::newRow("5 months at 30%") << 104644.41 << 30.0 << 5;
    QTest::newRow("7 months at 24%") << 900000.0 << 24.0 << 7;
    QTest::newRow("11 months at 30%") << 5000000.0 << 30.0 << 11;
    QTest::newRow("479 months at 10.125%") << 20000.0 << 10.125 << 479;
}

void TestAmortization::loanEndsAtZero() {
    QFETCH(double, principal);
    QFETCH(double, rate);
    QFETCH(int, months);
    MortgageInputs in = defaults();
    in.MortgageMode = MortgageModeFlag::Loan;
    in.Principal = Currency::fromDouble(principal);
    in.Rate = Currency::fromDouble(rate);
    in.Term = Currency::fromDouble(months / 12.0);
    const MortgageResult r = calculatedMortgage(in);
    QCOMPARE(r.payments, months);
    QCOMPARE(r.balance, 0.0);
    QVERIFY2(std::fabs(r.finalBalance) < 0.01, qPrintable(QString::number(r.finalBalance)));
    QCOMPARE(money(r.cumulativePrincipal), money(principal));
    QCOMPARE(r.S, 0.0);
    QCOMPARE(money(r.yearsOrMonths), money(months));
}

void TestAmortization::balanceLeftAfterTheLastPayment() {
    // A term of 25.7 years (from a file: a mortgage's term is typed in whole years) gives 308
    // monthly periods, short of the 308.4 the payment is made for: a balance of 6 or more stays
    // in the last row.
    MortgageInputs in = defaults();
    in.Term = Currency::fromDouble(25.7);
    const MortgageResult every = calculatedMortgage(in);
    QCOMPARE(every.payments, 308);
    QVERIFY(!every.adjusted);
    const double left = cell(308, 4);
    QVERIFY(left >= 6.0);
    QCOMPARE(every.balance, left);

    in.CalcMode = ScheduleRows::Annual;
    const MortgageResult annual = calculatedMortgage(in);
    QCOMPARE(annual.last, 26);
    // The last year ends at the last payment, not at the empty rows after it.
    QCOMPARE(mortgage().MortYearTotals.at(26, 4), Currency::fromDouble(left));
    QCOMPARE(annual.balance, Currency::fromDouble(left).toDouble());
}

void TestAmortization::windowLifecycle() {
    MortgageState& m = mortgage();
    m.MortgageFileName = QStringLiteral("Home.umd");
    program().MortgageMode = MortgageModeFlag::Loan;
    setDaysInYearChoice(3);
    loadMortgageTables();
    QCOMPARE(program().EntryValues.size(), 6);
    QCOMPARE(program().EntryValues[1], Currency::fromWhole(20000));
    QCOMPARE(program().EntryValues[3], Currency::fromWhole(4));
    QCOMPARE(program().ResultTable.rows(), 2101);
    QCOMPARE(program().ResultTable.columns(), 8);
    QCOMPARE(m.MortPrePayments.rows(), 46);
    QCOMPARE(m.DaysInYearChoice, std::int16_t(1));
    QCOMPARE(m.ScheduleRows, std::int16_t(26));
    QVERIFY_THROWS_EXCEPTION(RunTimeFailure, setDaysInYearChoice(5));
    QCOMPARE(m.DaysInYearChoice, std::int16_t(1));

    setCalcMode(ScheduleRows::EveryPayment);
    program().ResultCount = 10;
    program().GraphCaller = GraphCallerCode::Mortgage;
    m.PrePayCount = 2;
    releaseMortgageTables();
    QCOMPARE(program().CalcMode, std::int16_t(0));
    QCOMPARE(program().ResultCount, std::int16_t(0));
    QCOMPARE(program().GraphCaller, GraphCallerCode::None);
    QCOMPARE(m.PrePayCount, std::int16_t(0));
    QCOMPARE(m.ScheduleRows, std::int16_t(0));
    QCOMPARE(program().ResultTable.rows(), 0);
    QCOMPARE(m.MortgageFileName, QStringLiteral("Home.umd"));
}

QTEST_GUILESS_MAIN(TestAmortization)
#include "tst_amortization.moc"
