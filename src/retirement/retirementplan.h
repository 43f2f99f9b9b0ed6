#pragma once
// The retirement table: a capital sum at retirement that the retired person lives on, year by
// year, in one of two withdrawal modes.
//   - Percentage: every year a percentage of the current value is withdrawn, for a number of
//     years. Withdrawal and value are cut (not rounded) to cents.
//   - Fixed amount: a cash amount is withdrawn every month and raised each year by a
//     percentage, until the capital is gone or 50 years have passed; the growth is worked out
//     month by month at the monthly rate equivalent to the annual rate. A year runs in full
//     while the value at its start is above twelve of its monthly amounts; the last year
//     withdraws the whole months the value still covers plus their growth, and ends at zero.
//
// Number types: the value carried from year to year and the percentage withdrawal are
// currency; the annual rate and the monthly rate are 32-bit floats; growth figures and
// intermediate values are doubles.

#include "core/currency.h"
#include "core/messages.h"
#include "core/modes.h"
#include "retirement/yeartable.h"

#include <cstdint>
#include <vector>

// (Int(100 x) + 0.05) / 100: x cut down to whole cents, plus 0.0005 so that two decimals show
// the cut value.
double CutToCents(double x);

struct RetirementInputs {
    WithdrawalMode mode = WithdrawalMode::Percentage;
    Currency Invest;    // EntryValues(1)
    Currency Rate;      // EntryValues(2), percent
    Currency RateDrawn; // EntryValues(3): percent (percentage mode) or monthly amount
    Currency Term;      // EntryValues(4): years (percentage mode) or yearly raise in percent

    static RetirementInputs fromState(); // CalcMode and EntryValues(1..4)
};

struct RetirementYear {
    int year = 0;
    double growth = 0.0;
    double withdrawn = 0.0;
    double value = 0.0;
};

struct RetirementResult {
    // Message::FiftyYearsLimit for a term above 50 years; Message::UnknownError when a withdrawal
    // is larger than the capital (percentage mode: a percentage above 100, or a capital of nothing;
    // fixed amount: the first year's twelve payments). Nothing was computed then.
    Message message = Message::None;
    WithdrawalMode mode = WithdrawalMode::Percentage;
    std::vector<RetirementYear> years; // rows 1..c - 1
    double totalGrowth = 0.0;
    // The sum of the withdrawals as the column shows them, in whole cents.
    double totalWithdrawn = 0.0;
    double finalValue = 0.0;

    // The totals row: one more than the year rows.
    int c() const { return static_cast<int>(years.size()) + 1; }
};

// Raises RunTimeFailure on overflow of the currency type or of a conversion.
RetirementResult calculateRetirement(const RetirementInputs& inputs);

// The grid's row count (the heading row included): 25 while the totals fit, else c + 3.
int retirementGridRows(const RetirementResult& result);

// The year rows of a result: the growth, the amount withdrawn and the value of each year.
std::vector<YearAmounts> retirementYears(const RetirementResult& result);
