#include "retirement/retirementstate.h"

#include "core/programstate.h"
#include "core/runtimefailure.h"
#include "retirement/capitalrequired.h"
#include "retirement/plan401k.h"
#include "retirement/retirementplan.h"
#include "retirement/yeartable.h"

namespace {

RetirementState& instance() {
    static RetirementState state;
    return state;
}

void storeWhole(std::initializer_list<std::pair<int, std::int64_t>> values) {
    ProgramState& p = program();
    for (const auto& [index, value] : values) {
        p.EntryValues[index] = Currency::fromWhole(value);
    }
}

// Writes the year rows into ResultTable (emptied first): row `year` holds the year number in
// column 1 and the three amounts in columns 2 to 4; row `totalsRow` holds `totalsLabel` and the
// three totals.
void publishYearTable(const std::vector<YearAmounts>& years, int totalsRow, double totalsLabel,
                      const std::array<double, 3>& totals) {
    Table& rt = program().ResultTable;
    rt.clear();
    for (const YearAmounts& y : years) {
        rt.at(y.year, 1) = static_cast<double>(y.year);
        for (int c = 0; c < 3; ++c) {
            rt.at(y.year, 2 + c) = y.amounts[static_cast<std::size_t>(c)];
        }
    }
    rt.at(totalsRow, 1) = totalsLabel;
    for (int c = 0; c < 3; ++c) {
        rt.at(totalsRow, 2 + c) = totals[static_cast<std::size_t>(c)];
    }
}

} // namespace

RetirementState& retirement() {
    return instance();
}

void resetRetirement() {
    instance() = RetirementState();
}

void loadPlan401KTables() {
    ProgramState& p = program();
    p.ResultTable = Table(102, 6);
    p.EntryValues = BoundedArray<Currency>(9);
    p.ReportBlocks = BoundedArray<QString>(4);
    p.HelpShown = 0;
    p.EditPending = 0;
    storeWhole({{1, 10000}, {2, 50000}, {3, 5}, {4, 4}, {5, 4}, {6, 10}, {7, 0}, {8, 25}});
}

void loadRetireTables() {
    ProgramState& p = program();
    p.ResultTable = Table(363, 6);
    p.EntryValues = BoundedArray<Currency>(6);
    p.ReportBlocks = BoundedArray<QString>(4);
    p.HelpShown = 0;
    storeWhole({{1, 500000}, {2, 10}});
}

void loadCapitalTables() {
    ProgramState& p = program();
    p.ResultTable = Table(102, 6);
    p.EntryValues = BoundedArray<Currency>(4);
    p.HelpShown = 0;
}

void applyWithdrawalMode(WithdrawalMode mode) {
    if (mode == WithdrawalMode::FixedAmount) {
        storeWhole({{1, 100000}, {3, 1000}, {4, 0}});
    } else {
        storeWhole({{3, 8}, {4, 20}});
    }
    setCalcMode(mode);
    program().EditPending = 0;
}

void applyCapitalOption(CapitalOption option) {
    storeWhole({{1, option == CapitalOption::Income ? 40000 : 100000}, {2, 15}, {3, 25}});
    setCalcMode(option);
}

void releaseRetirementTables() {
    ProgramState& p = program();
    p.ResultTable = Table();
    p.EntryValues = BoundedArray<Currency>();
    p.ReportBlocks = BoundedArray<QString>();
    p.CalcMode = 0;
    p.ResultCount = 0;
    p.GraphCaller = GraphCallerCode::None;
    retirement().YearsText.clear();
}

void publishPlan401K(const Plan401KResult& result) {
    ProgramState& p = program();
    Table& rt = p.ResultTable;
    rt.clear();
    rt.at(0, 4) = result.startBalance;
    for (const Plan401KYear& row : result.years) {
        const int y = row.year;
        rt.at(y, 0) = row.salary;
        rt.at(y, 1) = static_cast<double>(y);
        rt.at(y, 2) = row.contribution;
        rt.at(y, 3) = row.growth;
        rt.at(y, 4) = row.value;
    }
    const int totals = result.m() + 1;
    rt.at(totals, 1) = static_cast<double>(result.m());
    rt.at(totals, 2) = result.totalContributions;
    rt.at(totals, 4) = result.finalValue;
    rt.at(totals, 3) = result.totalGrowth();
    p.ResultCount = result.n;
    p.GraphTitle = QStringLiteral("Investment value at end of each Year");
}

void publishRetirement(const RetirementResult& result) {
    ProgramState& p = program();
    const int c = result.c();
    publishYearTable(retirementYears(result), c, c - 1,
                     {result.totalGrowth, result.totalWithdrawn, result.finalValue});
    p.ResultCount = checked::toInt16(c - 1);
    if (result.mode == WithdrawalMode::FixedAmount) {
        p.GraphCaller = RetireStartOfYearGraph;
        p.GraphTitle = QStringLiteral("Retirement value at start of each Year");
    } else {
        p.GraphCaller = RetireEndOfYearGraph;
        p.GraphTitle = QStringLiteral("Retirement value at end of each Year");
    }
    retirement().YearsText = u' ' + QString::number(c - 1);
}

void publishCapitalRequired(const CapitalResult& result) {
    ProgramState& p = program();
    const int totals = result.n + 1;
    publishYearTable(capitalYears(result), totals, totals,
                     {result.totalSaved, result.totalGrowth, result.finalValue});
    p.ResultCount = result.n;
    p.GraphTitle = QStringLiteral("Investment value at end of each Year");
}
