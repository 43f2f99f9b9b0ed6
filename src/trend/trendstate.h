#pragma once
// The Quantrel module's database in memory, reached through trend(). It lives from the loading
// of the module menu until the user leaves the module, and every window of the module works on
// it directly. Tests start from a fresh struct with resetTrend().
//
// The short name of the file last opened or saved has one owner, program().TrendFileName: the
// shell's EraseFileInMemory and the trend file dialog read it there.

#include "core/messages.h"
#include "core/table.h"

#include <QDate>
#include <QString>
#include <cstdint>

// Row counts of TrendRecords (rows 0..capacity): after the module menu loads and after an
// extraction, and after a file was opened or "&Delete All".
inline constexpr int MenuRecordCapacity = 1002;
inline constexpr int FileRecordCapacity = 1000;
// The most records a database holds: a file holds at most this many, so a database that grew
// larger could be saved but never opened again.
inline constexpr int MaxRecords = 1000;
inline constexpr int MaxEarningsRows = 5;

// Marks a deleted record until the sort that follows drops it. Earlier than any date the
// program accepts; never written to a file.
inline const QDate DeletionDate{1500, 2, 19};

// Fields of a TrendRecords row.
enum TrendField { RecordNumber = 0, RecordDate = 1, RecordValue = 2 };
// Fields of an EarningsTable row.
enum EarningsField { EarningsYear = 0, EarningsPerShare = 1 };

struct TrendState {
    // Row 1 is the newest record, row RecordCount the oldest; row 0 is scratch space while a
    // record is added. Field 1 holds a date, or the date text as typed (short-date form).
    Table TrendRecords;
    std::int16_t RecordCount = 0;
    // Rows 0..5; rows 1..EarningsCount filled, row 1 the latest year; row 0 unused.
    BoundedTable<double> EarningsTable;
    std::int16_t EarningsCount = 0;
    QString DatabaseTitle;
    float EarningsFactor = 10.0F;
    // 1 when the database was changed since it was opened or saved: records added,
    // corrected, inserted, deleted, sorted or extracted, or the title, factor or earnings
    // changed.
    std::int16_t TrendModified = 0;
    // Captions of the averages window: 0 weeks, 1 data values.
    std::int16_t PeriodMode = 0;
    // Where the trend graph was opened from: 1 the averages window, 2 the module menu.
    std::int16_t GraphOrigin = 0;

    // The editor: 0 adding, 1 correcting, 2 inserting, 3 deleting; the record chosen for it;
    // the record of the grid row last clicked; the date proposed for the next record.
    std::int16_t EditMode = 0;
    std::int16_t SelectedRecord = 0;
    std::int16_t ClickedRecord = 0;
    QDate NextDate;

    // The extraction dialog's range of record numbers.
    std::int16_t LowRecord = 0;
    std::int16_t HighRecord = 0;
};

TrendState& trend();
void resetTrend();

// The module menu's load: TrendRecords with rows 0..1002, an empty EarningsTable, ReportBlocks
// (0..3, empty), EarningsFactor 10, no title, TrendModified 0. RecordCount and EarningsCount
// keep their values.
void loadTrendMenu();

// ReportBlocks (0..3) re-created empty: before the editor is shown from the menu, after a file
// was opened, and from the averages window.
void resetTrendReportBlocks();

// Leaving the module: the tables and ReportBlocks are discarded; RecordCount, EarningsCount,
// CalcMode and PeriodMode become 0, the title and TrendFileName empty.
void leaveTrendModule();

// Stores `value` in `field` of the database; a value other than the one there is a change not
// yet saved (TrendModified 1).
template <class T> void storeChange(T& field, const T& value) {
    if (!(field == value)) {
        trend().TrendModified = 1;
    }
    field = value;
}

// The name the database leaves under (the CSV file the editor's grid offers): the file's name
// without its extension, or "Database" before it has one.
QString trendExportName();

// Whether leaving (or opening another file) asks EraseFileInMemory first: a database of records was
// changed since it was opened or saved.
bool unsavedRecords();

// The menu's InfoLabel: " File in Memory = " + title + " ", shown only while the title is not
// empty.
QString infoLabelText(const QString& title);
bool infoLabelVisible(const QString& title);

// The menu's buttons that need records ("Show Trend &Graph", "Sort &Database", "&Extract between
// two Dates"): NoTrendData when there are none, else None.
Message recordsNeededMessage();
