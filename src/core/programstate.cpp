#include "core/programstate.h"

namespace {
ProgramState& instance() {
    static ProgramState state;
    return state;
}
} // namespace

ProgramState& program() {
    return instance();
}

void resetProgram() {
    instance() = ProgramState();
}

void releaseCalculatorTables() {
    ProgramState& p = program();
    p.EntryValues = BoundedArray<Currency>();
    p.ResultTable = Table();
    p.GraphValues = CurrencyTable();
    p.GraphLabels = BoundedTable<QString>();
    p.ReportBlocks = BoundedArray<QString>();
    p.CalcMode = 0;
    p.EditPending = 0;
    p.ResultCount = 0;
    p.GraphCaller = GraphCallerCode::None;
}
