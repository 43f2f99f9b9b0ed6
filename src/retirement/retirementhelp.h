#pragma once
// The quick-help texts of the three retirement windows, shown in place of the grid. Lines end
// with "\n"; the example figures stand on the lines level with the entry fields they
// illustrate.

#include "retirement/retirementplan.h"

#include <QString>

// Plan401KCalc's text (KTextBox); its last line is 50 blanks and "End".
QString plan401kHelpText();

// RetireCalc's text for the withdrawal mode (RTextBox); its last line is 70 blanks and "End".
QString retireHelpText(WithdrawalMode mode, const QString& currencySymbol);

// CRRunHelp: CapitalReqdCalc's text for option 0 (capital) or 1 (income) (CTextBox).
QString CRRunHelp(int option, const QString& currencySymbol);
