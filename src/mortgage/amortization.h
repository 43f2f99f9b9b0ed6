#pragma once
// The mortgage and loan calculation: the payment for a compounding and a payment frequency,
// the amortisation schedule payment by payment with the yearly additional payments, payment
// dates, the final payment adjustment, and the year totals with the annual rows.
//
// calculateMortgage() writes the schedule into the result's own table (rows 1..last, columns:
// 0 year number (every payment, dates off), 1 payment number / year number, 2 interest,
// 3 principal, 4 balance, 5 cumulative interest, 6 cumulative principal, 7 date (dates on))
// and the year totals into the result's year totals. It raises RunTimeFailure on any failure;
// what it wrote before the failure stays in the result. publishMortgage() (mortgagestate.h) then
// makes them the program-wide ResultTable and MortYearTotals.

#include "core/currency.h"
#include "core/modes.h"
#include "core/table.h"
#include "mortgage/mortgagestate.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

// The texts of the Comperiod and FreqPmt lists, in list order.
QStringList compoundingTexts();
QStringList paymentFrequencyTexts();

// Compounding periods per year m of a Comperiod text (compared exactly, blanks included).
// Raises RunTimeFailure for any other text.
int compoundingPeriods(const QString& text);

enum class PaymentKind { Monthly, Semimonthly, TwoWeeks, OneWeek, BiweeklyAcc, WeeklyAcc };
enum class PaymentGroup { Monthly, Half, Quarter };

struct PaymentFrequency {
    PaymentKind kind = PaymentKind::Monthly;
    std::int16_t F = 12; // whole payments per year
    double f = 12.0;     // real payments per year (the days-in-year periods for week types)
    PaymentGroup group = PaymentGroup::Monthly;
};

// The settings of a FreqPmt text (compared exactly). Raises RunTimeFailure for any other text.
PaymentFrequency paymentFrequency(const QString& text, const DaysInYearRow& days);

struct MortgageInputs {
    Currency Principal; // EntryValues(1)
    Currency Rate;      // EntryValues(2), percent
    Currency Term;      // EntryValues(3), years (a loan's months / 12)
    QString Comperiod;  // the list text, e.g. "      Monthly"
    QString FreqPmt;    // the list text, e.g. " Biweekly(Acc)"
    MortgageModeFlag MortgageMode = MortgageModeFlag::Mortgage;
    ScheduleRows CalcMode = ScheduleRows::Annual;
    std::int16_t ShowPaymentDates = 0;
    QDate PaymentStartDate; // needed only with dates on; an invalid date then fails
    DaysInYearRow Days;
    CurrencyTable PrePayments = CurrencyTable(46, 3); // MortPrePayments
    std::int16_t PrePayCount = 0;
    // What the files keep besides: the first-payment date as the text it was typed as, the
    // row of the days-in-year table and the years of planned additional payments.
    QString PaymentStartText;
    std::int16_t DaysInYearChoice = 1;
    std::int16_t PrePayYears = 0;

    // The one reader of the calculator's state: everything from program(), mortgage() and the
    // two list texts. PaymentStartDate is parsed from program().PaymentStartDate (left invalid
    // when it is not a date). The file and the report take what they need from it.
    static MortgageInputs fromState(const QString& comperiod, const QString& freqPmt);
};

// The term the payments are worked out for, in years. A loan's term is typed in whole months
// and kept as years to four decimals (2 months are 0.1667 years); its payments are worked out
// for the whole months, so that the last one pays the loan off.
double scheduleYears(const MortgageInputs& inputs);

// Mortgage mode with a term of 41 years or more: the window shows "Wrong entry, 40 Years
// limit." instead of calculating. Checks the two list texts first (RunTimeFailure for an
// unknown text), as the calculation does.
bool termAboveLimit(const MortgageInputs& inputs);

// One additional payment that the schedule applied.
struct AppliedPrePayment {
    int year = 0;
    Currency amount;
    int payment = 0; // the payment it was added to
};

// The schedule table: rows 0..2100 (row k = payment k, or year k with annual rows), columns
// 0..7; the year totals: rows 0..45, columns 0..6.
inline constexpr int ScheduleTableRows = 2101;
inline constexpr int ScheduleTableColumns = 8;
inline constexpr int YearTotalRows = 46;
inline constexpr int YearTotalColumns = 7;

struct MortgageResult {
    // How far the calculation got: the summary captions of a stage can be shown even when a
    // later stage failed.
    enum Stage { Nothing = 0, Rates = 1, Schedule = 2, Complete = 3 };
    Stage stage = Nothing;

    MortgageModeFlag MortgageMode = MortgageModeFlag::Mortgage;
    ScheduleRows CalcMode = ScheduleRows::Annual;
    std::int16_t ShowPaymentDates = 0;
    std::int16_t PrePayCount = 0;
    float DaysInYear = 365.0F;

    // Rates (stage Rates)
    PaymentFrequency frequency;
    int m = 12;
    double im = 0.0;      // monthly rate
    double ip = 0.0;      // period rate (the interest rate factor)
    double i = 0.0;       // schedule rate
    double v = 0.0;       // discount factor
    double RT = 0.0;      // twelve monthly payments a year over the term
    double payment = 0.0; // the regular payment
    int N = 0;            // period count

    // Schedule (stage Schedule)
    int payments = 0;        // rows of the payment schedule (before annual rows)
    double finalBalance = 0; // balance left by the loop, before the adjustment
    bool adjusted = false;   // the final payment adjustment was made
    float YearsToFinalPayment = 0.0F;
    double yearsOrMonths = 0.0; // payments / F, or x 12 for a loan (the EndMortYear figure)
    std::vector<AppliedPrePayment> applied;

    // Complete
    int NY = 0;                       // years: payments / F + 0.49 rounded
    int last = 0;                     // rows shown: payments, or NY with annual rows
    double balance = 0.0;             // last row's balance
    double cumulativeInterest = 0.0;  // last row's cumulative interest
    double cumulativePrincipal = 0.0; // last row's cumulative principal
    double TP = 0.0;                  // total paid
    double S = 0.0;                   // savings (0 below 10)
    std::int16_t ResultCount = 0;

    // The schedule (what ResultTable holds after publishMortgage) and the year totals
    // (MortYearTotals).
    Table schedule = Table(ScheduleTableRows, ScheduleTableColumns);
    CurrencyTable yearTotals = CurrencyTable(YearTotalRows, YearTotalColumns);
};

// Runs the whole calculation (the steps after reading the inputs), filling `result` as it goes
// so that a caller can show what was reached before a RunTimeFailure. Nothing program-wide is
// touched: publishMortgage() does that.
void calculateMortgage(const MortgageInputs& inputs, MortgageResult& result);
MortgageResult calculateMortgage(const MortgageInputs& inputs);

// The date of payment k (1-based) from the first-payment date `start`.
QDate paymentDate(const QDate& start, PaymentKind kind, int k);
