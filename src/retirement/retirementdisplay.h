#pragma once
// What RetireCalc shows: its caption, the entry fields and lists of each withdrawal mode, the
// fields' texts when a mode is chosen, the grid's set-up and the texts of the grid rows after
// a calculation. The window writes these texts; it does no arithmetic of its own.

#include "core/entrytext.h"
#include "core/gridsetup.h"
#include "core/table.h"
#include "retirement/retirementplan.h"

#include <QString>
#include <QStringList>

// The main window's caption while the calculator is open.
QString retireWindowCaption();

// The four entry fields. InInvest and InRate are the same in both modes; InRateDrawn is a
// percent field (percentage mode) or a money field (fixed amount); InTerm is a years field
// with the 50-year limit (percentage mode) or a percent field 15 wide without a limit (fixed
// amount). The field's kind decides its key filter.
EntryFieldDef retireInvestField();
EntryFieldDef retireRateField();
EntryFieldDef retireRateDrawnField(WithdrawalMode mode);
EntryFieldDef retireTermField(WithdrawalMode mode);

// The drop-down lists of InInvest and InRate, filled once when the window loads.
QStringList retireInvestList();
QStringList retireRateList();

// What the window shows for a withdrawal mode.
struct WithdrawalModeTexts {
    QString rateDrawnCaption; // Label4
    QString termCaption;      // Label3
    // InInvest's new text; empty when the field keeps its text (percentage mode).
    QString investText;
    QString rateDrawnText;
    QString termText;
    QStringList rateDrawnList; // replaces InRateDrawn's list
    QStringList termList;      // replaces InTerm's list
};

// The captions, texts and lists to show for `mode`, the texts of the entries `entries` holds
// for it (applyWithdrawalMode stores them).
WithdrawalModeTexts withdrawalModeTexts(WithdrawalMode mode, const BoundedArray<Currency>& entries,
                                        const QString& currencySymbol);

// 4 columns and 25 rows, heading row 500 twips; the headings of the four columns.
GridSetup retireGridSetup();

// Grid rows from row 1: one row per year (year number, growth, withdrawn, value); an empty
// row; the totals row ("Total:", then the symbol and the total growth, total withdrawn and
// final value, a zero shown as 0.00).
GridBlock retireGridBlock(const RetirementResult& result, const QString& currencySymbol);
