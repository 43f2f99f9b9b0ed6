#pragma once
// The program-wide values of the three retirement calculators (Plan401KCalc, RetireCalc,
// CapitalReqdCalc) and the tables each creates when it loads and releases when it exits.
// Tests start from a fresh struct with resetRetirement().

#include "core/modes.h"

#include <QString>
#include <cstdint>

struct CapitalResult;
struct Plan401KResult;
struct RetirementResult;

struct RetirementState {
    // The number of year rows of the last retirement table, with one leading blank (" 9"); the
    // retirement report reads it in fixed-amount mode.
    QString YearsText;
};

RetirementState& retirement();
void resetRetirement();

// The graph window's caller codes.
inline constexpr GraphCallerCode RetireEndOfYearGraph = GraphCallerCode::RetirementEndOfYear;
inline constexpr GraphCallerCode RetireStartOfYearGraph = GraphCallerCode::RetirementStartOfYear;
inline constexpr GraphCallerCode CapitalGraph = GraphCallerCode::CapitalRequired;
inline constexpr GraphCallerCode Plan401KGraph = GraphCallerCode::Plan401K;

// Plan401KCalc's load: ResultTable (rows 0..101 x columns 0..5), ReportBlocks (0..3) and
// EntryValues (0..8) holding the values at load (10000, 50000, 5, 4, 4, 10, 0, 25);
// HelpShown = EditPending = 0.
void loadPlan401KTables();

// RetireCalc's load: ResultTable (rows 0..362 x columns 0..5), ReportBlocks (0..3) and
// EntryValues (0..5) holding 500000 and 10 in indices 1 and 2; HelpShown = 0. The window then
// chooses the percentage mode, which stores the rest (applyWithdrawalMode).
void loadRetireTables();

// CapitalReqdCalc's load: ResultTable (rows 0..101 x columns 0..5) and EntryValues (0..3);
// HelpShown = 0. The window then chooses option 0, which stores the entries
// (applyCapitalOption).
void loadCapitalTables();

// A withdrawal mode chosen: its starting values in EntryValues (3 and 4, 8 and 20 for the
// percentage, 1000 and 0 for the fixed amount, where the capital 1 becomes 100000 too),
// CalcMode, and EditPending = 0.
void applyWithdrawalMode(WithdrawalMode mode);

// A capital option chosen: 100000 (capital) or 40000 (income), 15 and 25 in EntryValues(1..3),
// and CalcMode.
void applyCapitalOption(CapitalOption option);

// The exit of each of the three windows: the tables are released; CalcMode, ResultCount and
// GraphCaller become 0 and YearsText empty.
void releaseRetirementTables();

// Publishing a calculation: the one step that writes its result into the program-wide tables.

// Writes a result where the graph window (caller 7) and the report read it: ResultTable row 0
// column 4 the starting balance; rows 1..m (salary, year, contribution, growth, value) in
// columns 0..4; the totals row m + 1 (columns 1..4: m, total contributions, total growth,
// final value). The rest of the table is emptied. ResultCount = n; GraphTitle.
void publishPlan401K(const Plan401KResult& result);

// Writes a result where the graph window and the report read it: ResultTable rows 1..c - 1
// (year, growth, withdrawn, value in columns 1..4) and the totals row c (c - 1, total growth,
// total withdrawn, final value); the rest of the table is emptied. ResultCount = c - 1;
// GraphCaller 2 (percentage: end-of-year values) or 3 (fixed amount: start-of-year values)
// with its GraphTitle; YearsText = " " and c - 1.
void publishRetirement(const RetirementResult& result);

// Writes a result where the graph window (caller 5) and the report read it: ResultTable rows
// 1..n (year, saving, shown growth, value in columns 1..4) and the totals row n + 1 (n + 1,
// total saved, total growth, final value); the rest of the table is emptied. ResultCount = n;
// GraphTitle.
void publishCapitalRequired(const CapitalResult& result);
