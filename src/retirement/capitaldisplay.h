#pragma once
// What CapitalReqdCalc shows: its caption, the entry fields and lists, the texts each option
// puts in the fields, the grid's set-up and the texts of the grid rows after a calculation.
// The window writes these texts; it does no arithmetic of its own.

#include "core/entrytext.h"
#include "core/gridsetup.h"
#include "core/table.h"
#include "retirement/capitalrequired.h"

#include <QString>
#include <QStringList>
#include <vector>

// The main window's caption while the calculator is open.
QString capitalWindowCaption();

// The captions of the two options: index 0 the capital, index 1 the income.
QStringList capitalOptionCaptions();

// InLumpInv (money, width 13), InRate (percent) and InTerm (years, width 17, limit 50), in
// the order of focus, each with its EntryValues index and Enter target.
std::vector<EntryFieldDef> capitalFields();

// The drop-down lists of InRate and InTerm, filled once when the window loads.
QStringList capitalRateList();
QStringList capitalTermList();

// What the window shows for an option.
struct CapitalOptionTexts {
    QString lumpInvCaption; // Label5
    QString lumpInvText;
    QStringList lumpInvList; // replaces InLumpInv's list
    QString rateText;
    QString termText;
};

// The caption, texts and list to show for `option`, the texts of the entries `entries` holds
// for it (applyCapitalOption stores them).
CapitalOptionTexts capitalOptionTexts(CapitalOption option, const BoundedArray<Currency>& entries,
                                      const QString& currencySymbol);

// 4 columns and 25 rows, heading row 500 twips; the headings of the four columns.
GridSetup capitalGridSetup();

// Grid rows from row 1: one row per year (year number, saving, shown growth, value); an empty
// row; the totals row ("Total:", then the symbol and the total saved, total growth and final
// value, a zero shown as 0.00).
GridBlock capitalGridBlock(const CapitalResult& result, const QString& currencySymbol);
