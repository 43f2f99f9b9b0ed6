#include "shell/graphdata.h"

#include "core/programstate.h"

#include <map>

namespace {

std::map<std::int16_t, std::function<int()>>& preparers() {
    static std::map<std::int16_t, std::function<int()>> registered;
    return registered;
}

// The mortgage keeps its chart's labels and values in GraphValues.
bool readsGraphValues() {
    return program().GraphCaller == 4;
}

} // namespace

void setGraphPreparer(std::int16_t caller, std::function<int()> prepare) {
    if (prepare) {
        preparers()[caller] = std::move(prepare);
    } else {
        preparers().erase(caller);
    }
}

bool isComparisonGraph() {
    const ProgramState& p = program();
    return p.GraphCaller == 6 || (p.GraphCaller == 1 && p.CalcMode == 2);
}

int prepareGraphData() {
    ProgramState& p = program();
    Table& rt = p.ResultTable;
    switch (p.GraphCaller) {
    case 2:
    case 5:
    case 7:
        for (int i = 1; i <= p.ResultCount; ++i) {
            rt.at(i, 5) = rt.at(i, 4);
        }
        break;
    case 3:
        for (int i = 1; i <= p.ResultCount; ++i) {
            rt.at(i + 1, 5) = rt.at(i, 4);
        }
        rt.at(1, 5) = Cell(p.EntryValues[1]);
        break;
    default:
        break;
    }
    const auto preparer = preparers().find(p.GraphCaller);
    if (preparer != preparers().end()) {
        return preparer->second();
    }
    return p.ResultCount;
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
    return p.CalcMode == 2 ? QStringLiteral("Value ") + p.CurrencySymbol : QStringLiteral("Gain %");
}
