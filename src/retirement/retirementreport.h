#pragma once
// The printed reports of the three retirement windows: the title, the entries, the year table
// as last calculated with its headings repeated on every page, and the totals, in the common
// report frame. Each function prints everything after the header line; the printer is open
// with the report font set and the header printed.

#include "core/currency.h"
#include "core/printerdevice.h"
#include "core/table.h"
#include "retirement/retirementplan.h"

#include <QString>
#include <array>
#include <cstdint>

// The titles of the three reports; the printout is named after them.
QString plan401kReportTitle();
QString retirementReportTitle();
// "Amount of Annual Income Required" for option 1 (CalcMode 2), else "Amount of Annual
// Investment Required".
QString capitalReportTitle(CapitalOption calcMode);

struct Plan401KReportData {
    std::array<Currency, 9> Entries; // EntryValues(1..8); index 0 unused
    QString CurrencySymbol;
    // The year table; null means program().ResultTable.
    const Table* Results = nullptr;

    static Plan401KReportData fromState();
};

// Rows 1..years entry; before them the starting balance (ResultTable row 0, column 4) when it
// is above 1; the first page counts 26 lines before its first row, later pages 6.
void printPlan401KReport(PrinterDevice& printer, const Plan401KReportData& data);

struct RetirementReportData {
    WithdrawalMode mode = WithdrawalMode::Percentage;
    std::array<Currency, 5> Entries; // EntryValues(1..4); index 0 unused
    QString YearsText;               // the year rows of a fixed-amount table
    QString CurrencySymbol;
    const Table* Results = nullptr;

    static RetirementReportData fromState(); // CalcMode, EntryValues, YearsText, symbol
};

// Rows 1..the years entry (percentage mode) or the number in YearsText (fixed amount); the
// first page counts 18 lines before its first row in percentage mode and 16 in fixed-amount
// mode, later pages 6.
void printRetirementReport(PrinterDevice& printer, const RetirementReportData& data);

struct CapitalReportData {
    CapitalOption CalcMode = CapitalOption::Capital; // option 1: the income
    std::array<Currency, 4> Entries;                 // EntryValues(1..3); index 0 unused
    QString CurrencySymbol;
    const Table* Results = nullptr;

    static CapitalReportData fromState();
};

// Rows 1..the years entry; the first page counts 16 lines before its first row, later pages 6.
void printCapitalReport(PrinterDevice& printer, const CapitalReportData& data);
