#include "shell/graphdata.h"

#include <map>

namespace {

std::map<GraphCallerCode, GraphCallerInfo>& callers() {
    static std::map<GraphCallerCode, GraphCallerInfo> registered;
    return registered;
}

bool readsGraphValues() {
    const GraphCallerInfo* caller = currentGraphCaller();
    return caller != nullptr && caller->readsGraphValues;
}

} // namespace

void registerGraphCaller(GraphCallerCode code, GraphCallerInfo info) {
    callers()[code] = std::move(info);
}

void clearGraphCallers() {
    callers().clear();
}

const GraphCallerInfo* currentGraphCaller() {
    const auto found = callers().find(program().GraphCaller);
    return found == callers().end() ? nullptr : &found->second;
}

int prepareEndOfYearValues() {
    ProgramState& p = program();
    for (int i = 1; i <= p.ResultCount; ++i) {
        p.ResultTable.at(i, 5) = p.ResultTable.at(i, 4);
    }
    return p.ResultCount;
}

int prepareStartOfYearValues() {
    ProgramState& p = program();
    for (int i = 1; i <= p.ResultCount; ++i) {
        p.ResultTable.at(i + 1, 5) = p.ResultTable.at(i, 4);
    }
    p.ResultTable.at(1, 5) = Cell(p.EntryValues[1]);
    return p.ResultCount;
}

bool isComparisonGraph() {
    const GraphCallerInfo* caller = currentGraphCaller();
    return caller != nullptr && caller->comparison && caller->comparison();
}

int prepareGraphData() {
    const GraphCallerInfo* caller = currentGraphCaller();
    if (caller != nullptr && caller->prepare) {
        return caller->prepare();
    }
    return program().ResultCount;
}

int drawnPointCount(int count) {
    return count == 1 ? 2 : count;
}

QString yearlyLabel(int point) {
    const ProgramState& p = program();
    return readsGraphValues() ? Cell(p.GraphValues.at(point, 1)).toText()
                              : p.ResultTable.at(point, 1).toText();
}

double yearlyValue(int point) {
    const ProgramState& p = program();
    return readsGraphValues() ? p.GraphValues.at(point, 5).toDouble()
                              : p.ResultTable.at(point, 5).toDouble();
}

QString comparisonLegend(int point) {
    return program().GraphLabels.at(point, 0);
}

double comparisonValue(int point) {
    return program().GraphValues.at(point, 5).toDouble();
}

QString comparisonAxisTitle() {
    const ProgramState& p = program();
    return savingsMode() == SavingsMode::Comparisons ? QStringLiteral("Value ") + p.CurrencySymbol
                                                     : QStringLiteral("Gain %");
}
