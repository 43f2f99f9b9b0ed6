#pragma once
// The own values of the savings calculator (SavingsCalc) and the compound growth finder
// (FindCompoundCalc), reached through savings(); tests start from a fresh struct with
// resetSavings(). Each window creates its program-wide tables when it loads and discards them
// when its exit button closes it.

#include <cstdint>

struct CompoundResult;
struct SavingsResult;

struct SavingsState {
    // Comparison rows made since SavingsCalc loaded, 0 to 22; stays 0 in planning mode.
    std::int16_t ComparisonCount = 0;
    // Periods N of the last savings calculation (the planning report prints rows 1..N).
    std::int16_t Periods = 0;
    // Investment rows in FindCompoundCalc's grid, 0 to 22.
    std::int16_t InvestmentCount = 0;
};

SavingsState& savings();
void resetSavings();

// The program-wide tables' sizes, rows and columns counted from 0.
inline constexpr int SavingsResultRows = 511;    // ResultTable rows 0..510, columns 0..5
inline constexpr int SavingsGraphValueRows = 42; // GraphValues rows 0..41, columns 0..5
inline constexpr int SavingsGraphLabelRows = 25; // GraphLabels rows 0..24, columns 0..1
inline constexpr int CompoundTableRows = 29;     // GraphValues 0..28 x 0..6, GraphLabels x 0..1
inline constexpr int MaxComparisons = 22;

// SavingsCalc's load: ResultTable, GraphLabels, GraphValues, EntryValues (0..8) and
// ReportBlocks (0..3) created afresh; EntryValues holds the values at load (lump sum 0, 1,200.00
// a period, 20% growth, no increase, no inflation, 25 years); ComparisonCount, Periods,
// HelpShown and EditPending 0. CalcMode stays as the main menu set it.
void loadSavingsTables();

// SavingsCalc's exit: the tables are discarded; CalcMode, ResultCount, GraphCaller,
// ComparisonCount and Periods become 0.
void releaseSavingsTables();

// FindCompoundCalc's load: GraphValues, GraphLabels, EntryValues (0..3: 10,000.00, 20,000.00
// and 5 years) and ReportBlocks (0..3) created afresh; InvestmentCount, ResultCount, HelpShown
// and EditPending 0.
void loadCompoundTables();

// FindCompoundCalc's exit: the tables are discarded; CalcMode, ResultCount, GraphCaller and
// InvestmentCount become 0.
void releaseCompoundTables();

// What a window's ResetResults clears besides the shared steps (EditPending, the help text):
// the grid's data cells, and ResultCount.
struct ResultsReset {
    bool emptyGrid = true;
    bool clearResultCount = true;
};

// SavingsCalc: comparison rows stay in the grid once there is one; ResultCount is cleared.
ResultsReset savingsResultsReset();
// FindCompoundCalc: investment rows stay once there is one; ResultCount is kept, so the graph
// and the report stay available while the next investment is typed.
ResultsReset compoundResultsReset();

// Publishing a calculation: the one step that writes its result into the program-wide tables.

// Writes `result` into the program-wide tables (as savingsplan.h describes) and sets Periods,
// and in comparison mode ComparisonCount. The tables are those loadSavingsTables() made.
void publishSavings(const SavingsResult& result);

// Stores investment i as compoundgrowth.h describes.
void publishCompound(const CompoundResult& result);

// After a report reached the printer: a comparison report's lines are printed, so ReportBlocks
// is made anew, empty, and the comparisons calculated from now on are the next report's; the
// grid and ComparisonCount keep their rows. A planning report changes nothing.
void savingsReportPrinted();
