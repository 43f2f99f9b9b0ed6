#pragma once
// The mortgage report: the inputs, the summary figures, the schedule as last calculated (every
// payment or one row per year, numbers or dates), the totals and the applied additional
// payments, printed in the common report frame.

#include "core/currency.h"
#include "core/modes.h"
#include "core/printerdevice.h"
#include "core/table.h"
#include "mortgage/amortization.h"
#include "mortgage/mortgagedisplay.h"

#include <QString>
#include <cstdint>

// Everything the report reads, filled by MortgageCalc from its controls and the state.
struct MortgageReportData {
    MortgageModeFlag MortgageMode = MortgageModeFlag::Mortgage;
    ScheduleRows CalcMode = ScheduleRows::Annual;
    std::int16_t ShowPaymentDates = 0;
    Currency Principal;
    Currency Rate;
    QString TermText;      // InTerm's text
    QString ComperiodText; // Comperiod's text
    QString FreqPmtText;   // FreqPmt's text
    // The result labels' captions.
    QString InDays;
    QString PeriodicR;
    QString NumPmtsYear;
    QString EndMortYear;
    QString InMonthPI;
    QString AllPayments;
    QString TotSavd;
    std::int16_t ResultCount = 0;
    float YearsToFinalPayment = 0.0F;
    std::int16_t ListedPrePayCount = 0;
    QString PrePayText; // ReportBlocks(1): lines ended by "\n"
    QString CurrencySymbol;
    // The schedule; null means program().ResultTable.
    const Table* Schedule = nullptr;

    // The inputs (modes, principal, rate, list texts) from `inputs`, the rest of what was
    // calculated (ResultCount, YearsToFinalPayment, ListedPrePayCount, ReportBlocks(1)) and
    // CurrencySymbol from the program-wide state; the window adds InTerm's text and the
    // captions.
    static MortgageReportData fromState(const MortgageInputs& inputs);

    // Takes the seven summary captions as the window shows them.
    void setCaptions(const MortgageCaptions& captions);
};

// Title of the report: " Mortgage Table" or " Personal Loan Table".
QString mortgageReportTitle(MortgageModeFlag mortgageMode);

// Prints everything after the header line (the report's steps from the empty line after the
// header to EndReport). `printer` is already open with the font set and the header printed.
void printMortgageReport(PrinterDevice& printer, const MortgageReportData& data);
