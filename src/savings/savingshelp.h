#pragma once
// The quick-help texts of the savings calculator and the compound growth finder, shown in
// place of the grid. Amounts in the explanations carry the currency symbol of the settings.

#include "core/modes.h"

#include <QString>

// The savings help of planning or comparison mode; lines end with "\n". The table of worked
// examples comes first, its lines 63 characters long; every other line holds at most 78
// characters (the explanations are broken at blanks), so the help box shows the table as a
// table and the explanations whole.
QString savingsHelpText(SavingsMode calcMode, const QString& currencySymbol);

// The compound growth finder's help; lines end with "\n".
QString compoundHelpText(const QString& currencySymbol);
