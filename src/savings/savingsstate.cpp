#include "savings/savingsstate.h"

#include "core/programstate.h"
#include "savings/savingsfields.h"

namespace {
SavingsState& instance() {
    static SavingsState state;
    return state;
}
} // namespace

SavingsState& savings() {
    return instance();
}

void resetSavings() {
    instance() = SavingsState();
}

void loadSavingsTables() {
    ProgramState& p = program();
    p.ResultTable = Table(SavingsResultRows, 6);
    p.GraphLabels = BoundedTable<QString>(SavingsGraphLabelRows, 2);
    p.GraphValues = CurrencyTable(SavingsGraphValueRows, 6);
    p.EntryValues = BoundedArray<Currency>(9);
    p.ReportBlocks = BoundedArray<QString>(4);
    for (const FieldEntry& entry : savingsFields()) {
        p.EntryValues[entry.field.index] = entry.atLoad;
    }
    SavingsState& s = savings();
    s.ComparisonCount = 0;
    s.Periods = 0;
    p.HelpShown = 0;
    p.EditPending = 0;
}

void releaseSavingsTables() {
    ProgramState& p = program();
    p.ReportBlocks = BoundedArray<QString>();
    p.EntryValues = BoundedArray<Currency>();
    p.GraphValues = CurrencyTable();
    p.GraphLabels = BoundedTable<QString>();
    p.ResultTable = Table();
    p.CalcMode = 0;
    p.ResultCount = 0;
    p.GraphCaller = GraphCallerCode::None;
    savings().ComparisonCount = 0;
    savings().Periods = 0;
}

void loadCompoundTables() {
    ProgramState& p = program();
    p.GraphValues = CurrencyTable(CompoundTableRows, 7);
    p.GraphLabels = BoundedTable<QString>(CompoundTableRows, 2);
    p.EntryValues = BoundedArray<Currency>(4);
    p.ReportBlocks = BoundedArray<QString>(4);
    for (const FieldEntry& entry : compoundFields()) {
        p.EntryValues[entry.field.index] = entry.atLoad;
    }
    // ResultCount counts this window's investments from the first one.
    p.ResultCount = 0;
    p.HelpShown = 0;
    p.EditPending = 0;
    savings().InvestmentCount = 0;
}

void releaseCompoundTables() {
    ProgramState& p = program();
    p.EntryValues = BoundedArray<Currency>();
    p.ReportBlocks = BoundedArray<QString>();
    p.GraphValues = CurrencyTable();
    p.GraphLabels = BoundedTable<QString>();
    p.CalcMode = 0;
    p.ResultCount = 0;
    p.GraphCaller = GraphCallerCode::None;
    savings().InvestmentCount = 0;
}

ResultsReset savingsResultsReset() {
    return {savings().ComparisonCount == 0, true};
}

ResultsReset compoundResultsReset() {
    return {savings().InvestmentCount == 0, false};
}
