#pragma once
// Reading the fields of the trend records and keeping them in order: the date of a record
// (held as a date or as the text typed in the short-date form), its data value, the value rule
// of the entry row, and the sort that puts the newest record first.

#include "core/messages.h"
#include "core/table.h"

#include <QDate>
#include <QString>
#include <cstdint>
#include <optional>

// Whether the program accepts `date` for a record: a real date after the deletion date with a
// four-digit year, so that it can be written to a file and sorts before a deleted record.
bool acceptableRecordDate(const QDate& date);

// The date of a record's date field: a date as it stands, a text read in the short-date form.
// Nothing for an empty field or a text that is not a date.
std::optional<QDate> readRecordDate(const Cell& field);
// The same; raises RunTimeFailure where readRecordDate() gives nothing.
QDate recordDate(const Cell& field);

// The data value of a record's value field; nothing when it is not a finite number (a date in
// the field, an overflow).
std::optional<double> readRecordValue(const Cell& field);
// The same; raises RunTimeFailure where readRecordValue() gives nothing.
double recordValue(const Cell& field);

// The date of a record as the windows and the report show it: in short-date form, or the
// field's own text when it holds no date.
QString shownRecordDate(const Cell& field);

// The text of a field for messages: numbers as plain decimal text, dates in short-date form.
QString fieldText(const Cell& field);
// The value of a record as the value box shows it for editing: a number whole, as
// plainNumber() writes it (1500000000000000, 0.000012); anything else as fieldText().
QString editedValueText(const Cell& field);

// The value typed into the entry row: the text read as a number, with at most two decimals,
// further decimals cut off, not rounded ("12.349" gives 12.34). An empty text gives 0.
double truncatedValue(const QString& text);

// Field 0 of rows 1..RecordCount becomes the row's number.
void renumberTrendRecords();

// Sorts rows 1..RecordCount newest first; records of the same date keep their order. Then
// renumbers, and drops the last record when it carries the deletion date. A record moved or
// dropped sets TrendModified. Raises
// RunTimeFailure with CannotSort ("Cannot sort file."), changing nothing, when a date cannot be
// read.
void SortTrendRecords();

// "Sort &Database" on the module menu: NoTrendData without records (nothing is sorted), else
// None after SortTrendRecords().
Message sortDatabase();
