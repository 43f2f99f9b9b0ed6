#pragma once
// The reports of the savings calculator (planning and comparisons) and of the compound growth
// finder, printed in the common report frame. Each print function prints everything after the
// header line, up to and including the end of the document.

#include "core/printerdevice.h"
#include "core/table.h"
#include "savings/savingsplan.h"

#include <QString>
#include <cstdint>

// The titles the reports print, which also name their documents: "Investment Growth
// Calculation" (planning), "Investment Growth Comparisons", "Annual Compounding Comparisons".
QString savingsReportTitle(SavingsMode calcMode);
QString compoundReportTitle();

struct SavingsReportData {
    SavingsInputs inputs;     // the entries, InMonthsYrs's text and CalcMode
    std::int16_t Periods = 0; // N of the last calculation
    QString Block1;           // ReportBlocks(1): comparisons 1..15
    QString Block2;           // ReportBlocks(2): comparisons 16..22
    QString CurrencySymbol;
    // The periods and totals; null means program().ResultTable.
    const Table* Rows = nullptr;

    // Everything program-wide; the window adds only InMonthsYrs's text.
    static SavingsReportData fromState(const QString& frequencyText);
};

// Planning mode: the inputs, one line per period with page breaks (the counter starts at 24 and
// a new page restarts it at 6 after three empty lines and the column heading), and the totals.
// Comparison mode: the headings, ReportBlocks(1) and, on a second page, ReportBlocks(2); then
// ReportBlocks is made anew, empty, so that the next report holds only later comparisons.
void printSavingsReport(PrinterDevice& printer, const SavingsReportData& data);

struct CompoundReportData {
    QString Block1; // ReportBlocks(1): investments 1..12
    QString Block2; // ReportBlocks(2): investments 13..22
    static CompoundReportData fromState();
};

// The headings, ReportBlocks(1) and, on a second page, ReportBlocks(2). The blocks stay: the
// report can be printed again.
void printCompoundReport(PrinterDevice& printer, const CompoundReportData& data);
