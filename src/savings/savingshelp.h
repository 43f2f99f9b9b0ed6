#pragma once
// The quick-help texts of the savings calculator and the compound growth finder, shown in
// place of the grid. Amounts in the explanations carry the currency symbol of the settings.

#include <QString>

// The savings help of planning mode (CalcMode 1) or comparison mode (2); lines end with "\n".
// The table of worked examples comes first, its lines 115 characters long; every other line
// holds at most 78 characters (the explanations are broken at blanks), so a box that does not
// wrap shows the table as a table and the explanations whole.
QString savingsHelpText(int calcMode, const QString& currencySymbol);

// The compound growth finder's help; lines end with "\n".
QString compoundHelpText(const QString& currencySymbol);
