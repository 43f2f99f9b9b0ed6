#pragma once
// The data of the result graph window. Each calculator that opens the graph window registers,
// under its GraphCaller code, what the window needs of it (calculatordescriptor.h does it once
// for every calculator): the window to go back to, and how its series is made, from what the
// calculation left, when the graph window loads. The shell knows no calculator by its code and
// no table column of a calculator's results.

#include "core/graphseries.h"
#include "core/programstate.h"
#include "shell/windowregistry.h"

#include <QString>
#include <functional>

class BarChart;

struct GraphCallerInfo {
    WindowId window = WindowId::MenuMain; // shown again when the graph window closes
    // The series, made when the graph window loads; raises RunTimeFailure for results it cannot
    // draw.
    std::function<GraphSeries()> series = {};
};

void registerGraphCaller(GraphCallerCode code, GraphCallerInfo info);
// Tests: forgets every registration.
void clearGraphCallers();
// The registration of the current GraphCaller, or nullptr.
const GraphCallerInfo* currentGraphCaller();
// The series of the current GraphCaller; an empty one when none is registered.
GraphSeries currentGraphSeries();

// The series the calculators by year share, titled GraphTitle, of ResultTable rows
// 1..ResultCount (one more for a single point): the year in column 1 under each bar, the value
// in column 5. The end-of-year series first copies each year's final value (column 4) into
// column 5; the start-of-year series gives row i + 1 row i's final value and row 1 the starting
// amount EntryValues(1).
GraphSeries resultsByYear();
GraphSeries endOfYearSeries();
GraphSeries startOfYearSeries();

// A comparison of the ResultCount rows kept in GraphLabels (column 0, the legend) and
// GraphValues (column 5), titled GraphTitle, with `axisTitle` on the vertical axis.
GraphSeries comparisonSeries(const QString& axisTitle);

// Gives `chart` the bars of `series`, in the print style `printStyle` (0 monochrome); the
// caller then sets the chart type and draws.
void giveBars(BarChart& chart, const GraphSeries& series, int printStyle);
