#pragma once
// The data of the result graph window, taken from what the calling calculator left in the
// program-wide tables. Each calculator that opens the graph window registers, under its
// GraphCaller code, what the window needs of it: the window to go back to, how the data are
// prepared when the graph window loads, and whether its chart is a comparison chart. The shell
// knows no calculator by its code.
//
// Yearly charts read ResultTable (column 1 labels, column 5 values), or GraphValues (the same
// columns) for a caller that says so; comparison charts read GraphValues column 5 and
// GraphLabels column 0. Every reader raises RunTimeFailure for a table too small for the point
// asked; cells never filled read as zero values and empty labels.

#include "core/programstate.h"
#include "shell/windowregistry.h"

#include <QString>
#include <functional>

struct GraphCallerInfo {
    WindowId window = WindowId::MenuMain; // shown again when the graph window closes
    // Prepares the tables when the graph window loads and returns the number of points to
    // draw; none: the tables are drawn as they are, ResultCount points.
    std::function<int()> prepare = {};
    // Whether the chart is a comparison chart (one named bar per compared row); none: yearly.
    std::function<bool()> comparison = {};
    // The yearly chart reads GraphValues instead of ResultTable.
    bool readsGraphValues = false;
};

void registerGraphCaller(GraphCallerCode code, GraphCallerInfo info);
// Tests: forgets every registration.
void clearGraphCallers();
// The registration of the current GraphCaller, or nullptr.
const GraphCallerInfo* currentGraphCaller();

// The two preparations the yearly charts of results by year share: the values at the end of
// each year (column 4 of ResultTable rows 1..ResultCount copied into column 5), and the values
// at the start of each year (row i + 1 gets row i's, row 1 the starting amount EntryValues(1)).
// Both return ResultCount.
int prepareEndOfYearValues();
int prepareStartOfYearValues();

// True when the current caller's chart is a comparison chart.
bool isComparisonGraph();

// The preparation of the window's load: the caller's own, else none. Returns the number of
// points the tables hold.
int prepareGraphData();

// The number of points drawn for `count` points of data: a single point is drawn as two.
int drawnPointCount(int count);

// Yearly charts: the label and value of point `point` (from 1).
QString yearlyLabel(int point);
double yearlyValue(int point);

// Comparison charts: the legend text and value of point `point`, and the title of the
// vertical axis: "Value " and the currency symbol for savings comparisons, otherwise "Gain %"
// (growth rates in percent).
QString comparisonLegend(int point);
double comparisonValue(int point);
QString comparisonAxisTitle();
