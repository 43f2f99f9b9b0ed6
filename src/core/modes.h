#pragma once
// The program-wide mode flags, with the values they have always held (files store them as
// these numbers).

#include <cstdint>

// MortgageMode: the tables the mortgage calculator loads with, set by the main menu and by
// opening a mortgage or loan file.
enum class MortgageModeFlag : std::int16_t { Unset = 0, Mortgage = 1, Loan = 2 };

// CalcMode: the open calculator's display choice. The one flag holds each calculator's own
// values; every calculator's exit sets it back to None.
enum class CalcModeFlag : std::int16_t {
    None = 0,
    SavingsPlanning = 1, // savings calculator, chosen by the main menu
    SavingsComparisons = 2,
    AnnualRows = 1, // mortgage calculator, chosen by its option buttons
    EveryPayment = 2,
    PercentageWithdrawal = 0, // retirement calculator
    FixedWithdrawal = 2,
    CapitalForInvestment = 0, // capital-required calculator, option 0
    CapitalForIncome = 2,     // option 1
};

// GraphCaller: the calculator that opened the graph window (and that it returns to).
enum class GraphCallerCode : std::int16_t {
    None = 0,
    Savings = 1,
    RetirementEndOfYear = 2,
    RetirementStartOfYear = 3,
    Mortgage = 4,
    CapitalRequired = 5,
    CompoundGrowth = 6,
    Plan401K = 7,
};
