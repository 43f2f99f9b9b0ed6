#pragma once
// The texts SavingsCalc shows: the main window's caption, the grid's set-up at load and before
// a calculation, and the grid rows of a result. The window writes these; it does no arithmetic.

#include "core/gridsetup.h"
#include "savings/savingsplan.h"

#include <QString>

// " Investment Growth Comparisons" (CalcMode 2) or " Investment Growth Calculations".
QString savingsWindowCaption(SavingsMode calcMode);

// The vertical axis of the comparison graph: "Value " and the currency symbol.
QString savingsAxisTitle(const QString& currencySymbol);

// The grid at load: planning mode 4 columns and 25 rows, comparison mode 8 columns and 23 rows
// (the heading and 22 comparisons); column 0 centred, the others right-aligned.
GridSetup savingsGridSetup(SavingsMode calcMode);

// What the grid does before a calculation's rows are written. Only while there is no comparison
// row: the data cells are emptied and the selection goes to row 1, column 0; in planning mode
// the grid also takes the row count of the term and frequency and its first two headings.
struct SavingsGridStart {
    bool emptyData = false;
    int rows = 0;           // 0: unchanged
    QString column0Heading; // " Year  Number", " Month Number" or "Quarter Number"
    QString column1Heading; // "          Invested         " and the frequency
};
// Raises RunTimeFailure for an unknown frequency text in planning mode.
SavingsGridStart savingsGridStart(const SavingsInputs& inputs);

// The grid texts of a result. Planning mode: rows 1..K-1 the periods, row K empty, row K + 1
// the totals (with the currency symbol); comparison mode: comparison row i alone.
GridBlock savingsGridRows(const SavingsResult& result, const QString& currencySymbol);
