#pragma once
// The database report: the title, then one line per record (number, date, value) with the
// annual earnings beside the first five records, in the common report frame. Continuation
// pages carry the record columns' heading only.

#include "core/messages.h"
#include "core/printerdevice.h"

#include <QString>
#include <array>
#include <cstdint>
#include <utility>
#include <vector>

struct TrendReportRow {
    int number = 0;
    QString date; // short-date form
    double value = 0.0;
};

struct TrendReportData {
    QString title;
    std::vector<TrendReportRow> records;
    // Earnings rows 1..5 as they stand: (year, earnings per share).
    std::array<std::pair<double, double>, 5> earnings{};

    // The database in memory. Raises RunTimeFailure when a value is not a number.
    static TrendReportData fromState();
};

// "To &Printer" in the editor: NoDataToPrint when there are no records (nothing is printed),
// else None.
Message trendReportRefusal();

// Prints everything after the header line: `printer` is open with the font set and the header
// printed. Counts 8 lines before the first record on every page and breaks the page when the
// count reaches LinesPerPage.
void printTrendReport(PrinterDevice& printer, const TrendReportData& data);
