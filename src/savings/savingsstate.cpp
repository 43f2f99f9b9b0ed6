#include "savings/savingsstate.h"

#include "core/programstate.h"
#include "savings/compoundgrowth.h"
#include "savings/savingsfields.h"
#include "savings/savingsplan.h"

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

void publishSavings(const SavingsResult& res) {
    ProgramState& p = program();
    SavingsState& s = savings();
    Table& rt = p.ResultTable;
    // Rows of an earlier, longer calculation would otherwise stay behind this one's totals.
    rt.clear();
    const int K = res.totalsRow();
    for (int k = 1; k < K; ++k) {
        const SavingsPeriod& period = res.periods[static_cast<std::size_t>(k - 1)];
        rt.at(k, 1) = Cell(static_cast<double>(k));
        rt.at(k, 2) = Cell(period.invested);
        rt.at(k, 3) = Cell(period.interest);
        rt.at(k, 4) = Cell(period.value);
    }
    rt.at(K, 1) = Cell(static_cast<double>(K - 1));
    rt.at(K, 2) = Cell(res.totalInvested);
    rt.at(K, 3) = Cell(res.finalValue - res.totalInvested.toDouble());
    rt.at(K, 4) = Cell(res.finalValue);
    s.Periods = static_cast<std::int16_t>(res.N);

    if (res.inputs.CalcMode != SavingsMode::Comparisons) {
        // The last period of each year gives that year's point of the graph.
        int j = 0;
        for (int i = res.m; i <= res.N; i += res.m) {
            ++j;
            rt.at(j, 1) = Cell(static_cast<double>(j));
            rt.at(j, 5) = Cell(res.periods[static_cast<std::size_t>(i - 1)].value);
        }
        p.ResultCount = res.years;
        p.GraphTitle = QStringLiteral("Investment value at end of each Year");
        return;
    }

    const int i = res.comparison();
    p.GraphValues.at(i, 5) = res.graphValue;
    p.GraphLabels.at(i, 0) = QStringLiteral("Row %1").arg(i);
    p.ReportBlocks[i <= 15 ? 1 : 2] += comparisonReportLine(res);
    s.ComparisonCount = static_cast<std::int16_t>(i);
    p.ResultCount = s.ComparisonCount;
    p.GraphTitle = QStringLiteral("Savings Comparisons");
}

void publishCompound(const CompoundResult& res) {
    ProgramState& p = program();
    const int i = res.investment;
    p.GraphValues.at(i, 5) = res.graphValue;
    p.GraphLabels.at(i, 0) = res.name;
    p.ReportBlocks[i <= 12 ? 1 : 2] += res.reportLines;
    savings().InvestmentCount = res.row;
    p.ResultCount = res.investment;
    p.GraphTitle = compoundGraphTitle();
}

void savingsReportPrinted() {
    if (savingsMode() == SavingsMode::Comparisons) {
        program().ReportBlocks = BoundedArray<QString>(4);
    }
}
