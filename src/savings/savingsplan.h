#pragma once
// Savings planning and comparisons. A lump sum invested at the start and a contribution made at
// the start of every period grow at a growth rate compounded each period. The contribution can
// rise by a yearly increase and the value can be deflated by a yearly inflation rate. Each
// annual percentage X becomes the periodic rate (1 + X/100)^(1/m) - 1, so that the m periods of
// a year make exactly X percent.
//
// calculateSavings() is arithmetic only and raises RunTimeFailure on any failure (overflow, a
// percentage below -100 spread over quarters or months, more periods than ResultTable holds).
// publishSavings() (savingsstate.h) then writes the result where the graph window and the report
// read it:
//   ResultTable rows 1..K-1: column 1 the period number, 2 the amount invested in the period,
//     3 the interest/growth, 4 the value at its end; row K the totals (periods, total invested,
//     total interest/growth, final value);
//   planning mode: column 5 of row j holds the value at the end of year j, column 1
//     the year j; ResultCount = the years; GraphTitle "Investment value at end of each Year";
//   comparison mode: comparison i gets GraphValues(i, 5) = the final value,
//     GraphLabels(i, 0) = "Row i" and its report line in ReportBlocks(1) (i <= 15) or (2);
//     ResultCount = ComparisonCount = i; GraphTitle "Savings Comparisons".

#include "core/currency.h"
#include "core/modes.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

// The texts of InMonthsYrs's list, in list order: "Annually", "Quarterly", "Monthly".
QStringList savingsFrequencyTexts();
// Periods per year of a frequency text: 1, 4 or 12. Raises RunTimeFailure for any other text.
int savingsPeriodsPerYear(const QString& frequency);

// The term in whole years (halves to even). Raises RunTimeFailure for a negative term.
std::int16_t savingsWholeYears(Currency T);

struct SavingsInputs {
    Currency L;        // EntryValues(1): lump sum invested at the start
    Currency P;        // EntryValues(2): contribution per period
    Currency R;        // EntryValues(4): annual growth, percent
    Currency G;        // EntryValues(5): annual increase of the contribution, percent
    Currency F;        // EntryValues(6): annual inflation, percent
    Currency T;        // EntryValues(7): years
    QString frequency; // InMonthsYrs's text
    SavingsMode CalcMode = SavingsMode::Planning;
    std::int16_t ComparisonCount = 0; // comparison rows made before this calculation

    // EntryValues, CalcMode and ComparisonCount from the program-wide values.
    static SavingsInputs fromState(const QString& frequency);
};

// The 23rd comparison is refused: true when ComparisonCount has reached 22 (comparison mode).
bool comparisonLimitReached(const SavingsInputs& inputs);

struct SavingsPeriod {
    Currency invested; // the first period's includes the lump sum
    Currency interest;
    double value = 0.0; // after the period's growth and deflation
};

struct SavingsResult {
    SavingsInputs inputs;
    int m = 1;      // periods per year
    int N = 0;      // periods of the term; one period is computed even for a term of 0
    float r = 0.0F; // periodic growth rate, single precision
    double g = 0.0; // periodic increase of the contribution
    double f = 0.0; // periodic inflation
    std::vector<SavingsPeriod> periods; // periods 1..K-1
    Currency totalInvested;             // S
    double finalValue = 0.0;            // V
    std::int16_t years = 0;             // N / m: the points of the planning graph
    Currency graphValue; // comparison mode: V rounded to currency, the comparison's bar

    // K: the row of the totals in ResultTable.
    int totalsRow() const { return static_cast<int>(periods.size()) + 1; }
    // The comparison row this result makes in comparison mode.
    int comparison() const { return inputs.ComparisonCount + 1; }
};

SavingsResult calculateSavings(const SavingsInputs& inputs);

// The report line of a comparison: periods, lump sum, contribution, the three rates, total
// invested and final value, a line end, a rule of 77 "_" after one blank, and two line ends
// (line ends are CR LF).
QString comparisonReportLine(const SavingsResult& result);

// At the limit of 22 comparisons: ResultCount = ComparisonCount, so the comparisons made can
// still be graphed and printed. The window then shows "Limit is 22 entries.".
void refuseComparison();
