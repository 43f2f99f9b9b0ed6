#pragma once
// What Plan401KCalc shows: its caption, the eight entry fields, the grid's set-up and the
// texts of the grid rows after a calculation. The window writes these texts; it does no
// arithmetic of its own.

#include "core/entrytext.h"
#include "core/gridsetup.h"
#include "retirement/plan401k.h"

#include <QString>
#include <QStringList>
#include <vector>

// The main window's caption while the calculator is open.
QString plan401kWindowCaption();

// InCurrBal, InCurrSal (money, width 13), InCntrbRate, InCompRate, InAnnSalRaise, InRetnRate,
// InInflRate (percent) and InNumYears (years, width 15, limit 50), in the order of focus, each
// with its EntryValues index and Enter target. On this window the Delete key empties the
// field first.
std::vector<EntryFieldDef> plan401kFields();
// The captions of the fields' labels, in the same order.
QStringList plan401kFieldLabels();

// 5 columns and 25 rows, heading row 520 twips; the headings of the five columns.
GridSetup plan401kGridSetup();

// Grid rows from row 1: the starting balance alone in column 4 when it is above 1; one row per
// year (year number, salary, contribution, growth, value); an empty row; the totals row
// ("Total:", then the symbol and the total contributions, growth and final value in columns
// 2 to 4, a zero shown as 0.00).
GridBlock plan401kGridBlock(const Plan401KResult& result, const QString& currencySymbol);
