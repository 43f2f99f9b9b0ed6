#include "retirement/retirementstate.h"

#include "core/programstate.h"

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
