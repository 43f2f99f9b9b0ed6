#pragma once
// The mortgage's graph data: the balance at the start of each year.

#include "core/graphseries.h"

// Fills program().GraphValues (created afresh, 47 x 6) from ResultTable, YearsToFinalPayment,
// PaymentsPerYear, CalcMode and EntryValues(1): point k (row k, column 5) is the balance at the
// start of year k, the principal at point 1; column 1 holds the labels k. Returns the number
// of points Y (YearsToFinalPayment + 0.49 rounded, halves to even).
int PrepareMortgageGraph();

// The graph of the balance at the start of each year, titled GraphTitle: PrepareMortgageGraph(),
// then points 1..Y (one more for a single year) of GraphValues, the labels from column 1.
GraphSeries mortgageGraphSeries();
