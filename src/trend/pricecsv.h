#pragma once
// Price histories as brokers and price sites export them, read from a CSV file line by line:
// a row of headings, then one row per trading day (or week, or month) with a date and prices.
//
// Fields are separated by commas, or by semicolons (then a decimal comma is read too), and may
// stand in double quotes; lines end with CR LF, LF or CR; a UTF-8 byte-order mark is passed
// over. The dates are the column headed "Date", else the first column; the prices the column
// headed "Close", else "Adj Close", "Price", "Last" or "Value", else the last column of numbers.
// Dates are read as yyyy-mm-dd, d.m.yyyy, and m/d/yyyy or d/m/yyyy: slashes are taken as month
// first unless a first number above 12 shows that the file puts the day first.
//
// Only the bytes of the date and price fields are read, never decoded, so a file in any
// encoding that keeps ASCII as it is reads the same.

#include "core/messages.h"

#include <QByteArrayView>
#include <QDate>
#include <QIODevice>
#include <vector>

// The largest file taken for a price history: twenty years of daily prices are about 2 MiB.
inline constexpr qint64 MaxPriceFileSize = qint64{16} * 1024 * 1024;

// A row of the file that gave a date and a price above 0; `line` counts from 1, the headings'
// line and blank lines included.
struct PriceRow {
    QDate date;
    double price = 0.0;
    int line = 0;
};

// Why a row that is not blank was left out.
enum class SkipReason { NoDate, NoPrice, PriceNotAbove0 };

struct SkippedLine {
    int line = 0;
    SkipReason reason = SkipReason::NoDate;
};

struct PriceRows {
    // In the order of the file.
    std::vector<PriceRow> rows;
    int skippedCount = 0;
    // The first few skipped rows by line (at most MaxNamedSkips), for the summary to name.
    std::vector<SkippedLine> firstSkipped;
};

inline constexpr int MaxNamedSkips = 5;

// Reads a price file from `device`. Raises RunTimeFailure naming the message that says why a
// file is refused: NotTextFile (a byte no text holds), NoDateColumn (no column headed "Date"
// and no dates in the first column), NoPriceColumn, PriceFileTooLarge (more than `maxBytes`),
// NoPricesFound (an empty file); and without a message when the device fails.
PriceRows readPriceRows(QIODevice& device, qint64 maxBytes = MaxPriceFileSize);

// The price a field stands for: digits with an optional sign, a leading "$", and one decimal
// separator; a point, or with `decimalComma` a comma when the field has one (points are then
// thousands separators). Commas before a decimal point are thousands separators. Nothing for
// anything else ("null", "-", "1.2.3", "12 EUR").
std::optional<double> readPrice(QByteArrayView field, bool decimalComma);
