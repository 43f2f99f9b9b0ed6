#pragma once
// Trend database files (".orv"): a header line (record count, earnings count, title, earnings
// factor), the earnings lines (year, earnings per share; latest year first) and the record
// lines (record number, date literal, data value; newest first).
//
// Reading checks the whole file into a TrendFileData before anything is applied, so a file
// that cannot be read leaves the database in memory as it was.

#include "core/messages.h"

#include <QByteArray>
#include <QDate>
#include <QIODevice>
#include <QString>
#include <cstdint>
#include <utility>
#include <vector>

struct TrendFileRecord {
    QDate date;
    double value = 0.0;
};

struct TrendFileData {
    QString title;
    float factor = 10.0F;
    // Rows 1.. of EarningsTable: (year, earnings per share); at most five.
    std::vector<std::pair<double, double>> earnings;
    // Rows 1.. of TrendRecords, newest first; at most MaxRecords.
    std::vector<TrendFileRecord> records;
};

// The database in memory: every record's date read from its field (a typed text in the
// short-date form). Raises RunTimeFailure when a date cannot be read or is not one the program
// accepts, or a value is not a number.
TrendFileData trendFileDataFromState();

// Writes the file's lines. Raises RunTimeFailure for more than MaxRecords records or five
// earnings rows; returns false when the device fails or a value has no written form.
bool writeTrendFile(QIODevice& device, const TrendFileData& data);
// Replaces the file at `path` atomically: on any failure an old file stays whole.
bool saveTrendFile(const QString& path, const TrendFileData& data);

// Reads and checks a whole file. Raises RunTimeFailure for: no header, a header that is not
// two counts, a quoted title and a number; a record count outside 0..1000 or an earnings count
// outside 0..5; fewer lines than the counts say; a line with missing or extra fields; a field
// that cannot be read as its type (numbers with or without a leading zero, dates only as date
// literals of dates the program accepts). Lines after the counted ones are ignored.
TrendFileData readTrendFile(const QByteArray& bytes);
// The same for a file; a missing file, one that cannot be read or one above 1 MiB is a failure.
TrendFileData loadTrendFile(const QString& path);

// Makes a file that was read the database in memory: TrendRecords re-created with rows
// 0..1000, EarningsTable, the counts, title and factor; program().TrendFileName becomes the
// short name of `path`.
void applyTrendFileData(const TrendFileData& data, const QString& path);

// "&Open a File from Disk" after the file dialog: reads `path` and makes it the database in
// memory, which is then the file's (TrendModified 0). Raises RunTimeFailure when the file
// cannot be read; the database in memory is then unchanged.
void openTrendDatabase(const QString& path);

// "&Save a File to Disk": 15 when there are no records (the dialog is not shown, so callers ask
// this first through saveRefusal()); else writes `path` and returns 0, with TrendFileName the
// short name of `path` and TrendModified 0. Raises RunTimeFailure when the file cannot be
// written (a date that cannot be stored, a failing disk): an old file stays whole, and
// TrendModified and TrendFileName keep their values.
Message saveRefusal();
Message saveTrendDatabase(const QString& path);
