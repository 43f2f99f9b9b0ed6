#pragma once
// The program-wide mode flags, with the values they have always held (files store them as
// these numbers).

#include <cstdint>

// MortgageMode: the tables the mortgage calculator loads with, set by the main menu and by
// opening a mortgage or loan file.
enum class MortgageModeFlag : std::int16_t { Unset = 0, Mortgage = 1, Loan = 2 };

// CalcMode: one stored number that the open calculator reads in its own terms, each with the
// values it has always held (mortgage files store the schedule's); every calculator's exit sets
// it back to 0. A calculator reads any number that is not its second choice as its first.
enum class SavingsMode : std::int16_t { Planning = 1, Comparisons = 2 }; // set by the main menu
enum class ScheduleRows : std::int16_t { Annual = 1, EveryPayment = 2 }; // mortgage calculator
enum class WithdrawalMode : std::int16_t { Percentage = 0, FixedAmount = 2 }; // retirement
enum class CapitalOption : std::int16_t { Capital = 0, Income = 2 };          // capital required

// The stored number of a mode, and a mode read from a stored number.
template <class Mode> constexpr std::int16_t storedMode(Mode mode) {
    return static_cast<std::int16_t>(mode);
}
template <class Mode> constexpr Mode readMode(std::int16_t stored, Mode first, Mode second) {
    return stored == storedMode(second) ? second : first;
}

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
