#pragma once
// The texts MortgageCalc shows: the grid's set-up, the schedule rows, the totals row, the
// summary captions, the listing of applied additional payments and the entry-field texts.
// The window writes these texts; it does no arithmetic of its own.

#include "core/currency.h"
#include "core/entrytext.h"
#include "core/gridsetup.h"
#include "core/modes.h"
#include "mortgage/amortization.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

// InitMortgageGrid: 6 columns and ScheduleRows rows (26 after load), heading row 500 twips,
// the widths grow by 520, 550, 650, 700, 700, 700 twips over the grid's default, column 0
// centred and the others right-aligned, every heading centred.
GridSetup initMortgageGrid(MortgageModeFlag mortgageMode, int scheduleRows);

// SizeMortgageGrid: ScheduleRows + 4, plus PrePayCount + 4 when PrePayCount is above 0, never
// fewer than 23 (the count includes the heading row).
int mortgageGridRows(int scheduleRows, int prePayCount);

// Column 0 heading after a calculation: " Payment  Year" (annual), "  Payment   No.  Year"
// (every payment), " Payment  Date" (every payment with dates).
QString mortgageColumn0Heading(ScheduleRows calcMode, int showPaymentDates);

// The seven summary captions.
struct MortgageCaptions {
    QString InDays;
    QString PeriodicR;
    QString NumPmtsYear;
    QString EndMortYear;
    QString InMonthPI;
    QString AllPayments;
    QString TotSavd;
};
// The captions the result has reached (empty texts for a later stage).
MortgageCaptions mortgageCaptions(const MortgageResult& result, const QString& currencySymbol);

// Everything the grid shows after a complete calculation.
struct MortgageDisplay {
    int gridRows = 23;
    QString column0Heading;
    // Rows 1..ScheduleRows, six texts each.
    std::vector<QStringList> rows;
    int totalsRow = 0;  // ScheduleRows + 2
    QStringList totals; // six texts: "Total:", "", "", balance, interest, principal
    // With PrePayCount above 0: the headings at row ScheduleRows + 4 and the listed payments
    // from row ScheduleRows + 6 on (six texts each); empty otherwise.
    int prePayHeadingRow = 0;
    QStringList prePayHeading;
    int prePayFirstRow = 0;
    std::vector<QStringList> prePayRows;
    QString prePayReportText; // ReportBlocks(1)
    int listedPrePayCount = 0;
    std::int16_t ScheduleRows = 0;
    std::int16_t ResultCount = 0;
    QString GraphTitle;
};

// The grid texts of a complete result, reading the rows from `schedule` (ResultTable).
// `prePayments` is the MortPrePayments table the calculation used (the listing itself shows
// the payments the result records as applied).
MortgageDisplay mortgageDisplay(const MortgageResult& result, const Table& schedule,
                                const CurrencyTable& prePayments, const QString& currencySymbol);

// Entry-field texts after a value is stored (leaving the field, opening a file):
// principal: the symbol and "####,,###.00" right-aligned in 16;
// rate: "###.000" right-aligned in 14, then "%";
// term: "###" right-aligned in 16, the years (mortgage) or 12 x the years (loan).
QString principalText(Currency principal, const QString& currencySymbol);
// The window's three entry fields: InPrincipal (money, width 16), InRate (percent with three
// decimals) and InTerm (years, limit 40; a loan's months, limit 480), with their Enter targets.
EntryFieldDef principalField();
EntryFieldDef rateField();
EntryFieldDef termField(MortgageModeFlag mortgageMode);
QString rateText(Currency rate);
QString termText(Currency termYears, MortgageModeFlag mortgageMode);

// Everything on the window that depends on MortgageMode: the main window's caption, the labels
// of the three fields, of the total paid and of the time to the final payment, and InTerm's
// list.
struct MortgageModeTexts {
    QString caption;
    QString principalLabel;
    QString rateLabel;
    QString termLabel;
    QString totalPaidLabel;    // Label8
    QString finalPaymentLabel; // Label11
    QStringList termItems;
};
MortgageModeTexts mortgageModeTexts(MortgageModeFlag mortgageMode);
// InRate's list.
QStringList rateItems();

// The texts the three fields show when the window loads.
struct EntryTexts {
    QString principal;
    QString rate;
    QString term;
};
EntryTexts defaultEntryTexts(MortgageModeFlag mortgageMode, const QString& currencySymbol);

// Reads the number in a caption such as "     $917.53" (symbol and separators allowed).
double captionNumber(const QString& caption, const QString& currencySymbol);
