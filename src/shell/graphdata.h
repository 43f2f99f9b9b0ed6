#pragma once
// The data of the result graph window, taken from what the calling calculator left in the
// program-wide tables. GraphCaller names the caller:
//   1 savings (CalcMode 1 planning: yearly chart; CalcMode 2 comparisons: comparison chart)
//   2 retirement, values at the end of each year     3 retirement, at the start of each year
//   4 mortgage (data made by a registered preparer)  5 capital required
//   6 compound growth (comparison chart)             7 401(k)
// Yearly charts read ResultTable (column 1 labels, column 5 values), the mortgage GraphValues
// (the same columns); comparison charts GraphValues column 5 and GraphLabels column 0. Every
// reader raises RunTimeFailure for a table too small for the point asked; cells never filled
// read as zero values and empty labels.

#include <QString>
#include <cstdint>
#include <functional>

// Registers how the graph window prepares the data of `caller` when it loads; `prepare`
// returns the number of points to draw, used in place of ResultCount. The mortgage registers
// its year-start balances here (the shell does not depend on the calculators). An empty
// function removes the preparer.
void setGraphPreparer(std::int16_t caller, std::function<int()> prepare);

// True for the comparison charts: caller 6, or caller 1 in comparison mode (CalcMode 2).
bool isComparisonGraph();

// The preparation of the window's load: callers 2, 5 and 7 copy the values of column 4 of
// ResultTable rows 1..ResultCount into column 5; caller 3 moves them one row down (row i + 1
// gets row i's) and puts EntryValues(1) in row 1; a caller with a registered preparer runs
// it. Returns the number of points the tables hold: the preparer's answer, else ResultCount.
int prepareGraphData();

// The number of points drawn for `count` points of data: a single point is drawn as two.
int drawnPointCount(int count);

// Yearly charts: the label and value of point `point` (from 1).
QString yearlyLabel(int point);
double yearlyValue(int point);

// Comparison charts: the legend text and value of point `point`, and the title of the
// vertical axis: "Value " and the currency symbol for savings comparisons (CalcMode 2),
// otherwise "Gain %" (growth rates in percent).
QString comparisonLegend(int point);
double comparisonValue(int point);
QString comparisonAxisTitle();
