#pragma once
// The quick-help texts of the three retirement windows, shown in place of the grid. Lines end
// with "\n"; the lines about each entry field (its example figure, or what to type) are listed
// by field, so the window shows them level with the field's caption.

#include "core/helplayout.h"
#include "retirement/retirementplan.h"

#include <QString>

// Plan401KCalc's text (KTextBox); its last line is 50 blanks and "End".
QString plan401kHelpText();

// RetireCalc's text for the withdrawal mode (RTextBox); its last line is 70 blanks and "End".
QString retireHelpText(WithdrawalMode mode, const QString& currencySymbol);

// CapitalReqdCalc's text for option 0 (capital) or 1 (income) (CTextBox), which its CRRunHelp
// writes.
QString capitalHelpText(int option, const QString& currencySymbol);

// Which lines of each text explain which entry field (by EntryValues index).
std::vector<FieldHelpLines> plan401kHelpFields();
std::vector<FieldHelpLines> retireHelpFields(WithdrawalMode mode);
std::vector<FieldHelpLines> capitalHelpFields();
