#include "shell/graphdata.h"

#include "platform/barchart.h"

#include <map>

namespace {

std::map<GraphCallerCode, GraphCallerInfo>& callers() {
    static std::map<GraphCallerCode, GraphCallerInfo> registered;
    return registered;
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

GraphSeries currentGraphSeries() {
    const GraphCallerInfo* caller = currentGraphCaller();
    return caller != nullptr && caller->series ? caller->series() : GraphSeries{};
}

GraphSeries resultsByYear() {
    const ProgramState& p = program();
    GraphSeries series;
    series.title = p.GraphTitle;
    const int n = drawnPointCount(p.ResultCount);
    for (int point = 1; point <= n; ++point) {
        series.labels << p.ResultTable.at(point, 1).toText();
        series.values.push_back(p.ResultTable.at(point, 5).toDouble());
    }
    return series;
}

GraphSeries endOfYearSeries() {
    ProgramState& p = program();
    for (int i = 1; i <= p.ResultCount; ++i) {
        p.ResultTable.at(i, 5) = p.ResultTable.at(i, 4);
    }
    return resultsByYear();
}

GraphSeries startOfYearSeries() {
    ProgramState& p = program();
    for (int i = 1; i <= p.ResultCount; ++i) {
        p.ResultTable.at(i + 1, 5) = p.ResultTable.at(i, 4);
    }
    p.ResultTable.at(1, 5) = Cell(p.EntryValues[1]);
    return resultsByYear();
}

GraphSeries comparisonSeries(const QString& axisTitle) {
    const ProgramState& p = program();
    GraphSeries series;
    series.title = p.GraphTitle;
    series.axisTitle = axisTitle;
    series.comparison = true;
    const int n = drawnPointCount(p.ResultCount);
    for (int point = 1; point <= n; ++point) {
        series.labels << p.GraphLabels.at(point, 0);
        series.values.push_back(p.GraphValues.at(point, 5).toDouble());
    }
    return series;
}

void giveBars(BarChart& chart, const GraphSeries& series, int printStyle) {
    const int n = static_cast<int>(series.values.size());
    chart.setNumSets(1);
    chart.setNumPoints(n);
    chart.setGraphTitle(series.title);
    chart.setLeftTitle(series.axisTitle);
    chart.setLegendStyle(1);
    chart.setPrintStyle(printStyle);
    chart.setThisPoint(1);
    chart.setAutoInc(1);
    for (const QString& label : series.labels) {
        if (series.comparison) {
            chart.setLegendText(label);
        } else {
            chart.setLabel(label);
        }
    }
    chart.setThisPoint(1);
    for (const double value : series.values) {
        chart.setValue(value);
    }
}
