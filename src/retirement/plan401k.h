#pragma once
// The 401(k) projection: the account year by year up to retirement. Every year's base is the
// previous end value (the starting balance in year 1) plus that year's contribution; the
// growth is the base times the rate of return, and inflation, when given, takes its share of
// the new value to show today's purchasing power.
//
// Number types: the rates are double fractions except the rate of return, a 32-bit float;
// the first year's contribution stays unrounded, every later contribution and every growth is
// rounded to currency; salary and value are doubles.

#include "core/currency.h"
#include "core/messages.h"

#include <cstdint>
#include <vector>

struct Plan401KInputs {
    Currency CurrBal;     // EntryValues(1)
    Currency CurrSal;     // EntryValues(2)
    Currency CntrbRate;   // EntryValues(3), percent
    Currency CompRate;    // EntryValues(4), percent
    Currency AnnSalRaise; // EntryValues(5), percent
    Currency RetnRate;    // EntryValues(6), percent
    Currency InflRate;    // EntryValues(7), percent
    Currency NumYears;    // EntryValues(8)

    static Plan401KInputs fromState();
};

struct Plan401KYear {
    double salary = 0.0;
    int year = 0;
    double contribution = 0.0;
    Currency growth;
    double value = 0.0;
};

struct Plan401KResult {
    // Message::FiftyYearsLimit above 50 years: nothing was computed.
    Message message = Message::None;
    std::int16_t n = 0; // the years entry
    Currency startBalance;
    // Years 1..m: m = n, but year 1 is computed even when n is 0.
    std::vector<Plan401KYear> years;
    double totalContributions = 0.0; // starting balance plus every contribution
    double finalValue = 0.0;

    int m() const { return static_cast<int>(years.size()); }
    double totalGrowth() const { return finalValue - totalContributions; }
};

// The grid's row count (the heading row included) for the years entry: n + 5, never below 25.
// The window sets it before calculating. Raises RunTimeFailure for an entry beyond 16 bits.
int plan401kGridRows(const Plan401KInputs& inputs);

// Raises RunTimeFailure on overflow of the currency type or of the 16-bit year count.
Plan401KResult calculatePlan401K(const Plan401KInputs& inputs);
