#pragma once
// The program-wide values of the three retirement calculators (Plan401KCalc, RetireCalc,
// CapitalReqdCalc) and the tables each creates when it loads and releases when it exits.
// Tests start from a fresh struct with resetRetirement().

#include "core/modes.h"

#include <QString>
#include <cstdint>

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
// chooses the percentage mode, which stores the rest (SetWithdrawalMode).
void loadRetireTables();

// CapitalReqdCalc's load: ResultTable (rows 0..101 x columns 0..5) and EntryValues (0..3);
// HelpShown = 0. The window then chooses option 0, which stores the entries (CRChoseCalc).
void loadCapitalTables();

// The exit of each of the three windows: the tables are released; CalcMode, ResultCount and
// GraphCaller become 0 and YearsText empty.
void releaseRetirementTables();
