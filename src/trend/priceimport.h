#pragma once
// "&Import Prices from a CSV File": a price history downloaded from a broker or a price site
// becomes a new trend database in memory, one record a week.
//
// Daily rows become weekly records: for each calendar week (Monday to Sunday) the price of the
// last trading day of that week, dated on that day. Weekly and monthly rows are one to a week
// already and stay as they are. Of two rows with the same date the later one in the file
// counts. At most the newest MaxRecords weeks are kept.

#include "trend/pricecsv.h"

#include <QIODevice>
#include <QString>
#include <vector>

struct PriceWeek {
    QDate date;
    double price = 0.0;
};

// The weeks of `rows` (in any order), newest first.
std::vector<PriceWeek> weeklyPrices(std::vector<PriceRow> rows);

// What an import read and kept.
struct PriceImport {
    // Newest first, at most MaxRecords.
    std::vector<PriceWeek> weeks;
    // All the weeks the file holds, kept or not.
    int weeksFound = 0;
    int priceRows = 0;
    int skippedCount = 0;
    std::vector<SkippedLine> firstSkipped;
};

// Reads a price file and makes its weeks. Raises RunTimeFailure as readPriceRows() does, and
// with NoPricesFound when the file holds no row with a date and a price.
PriceImport readPriceImport(QIODevice& device, qint64 maxBytes = MaxPriceFileSize);

// What the import made, for the message window: "Imported 157 weeks from 786 price rows
// (2023-03-17 to 2026-03-13).", how many weeks were left out beyond MaxRecords, and the
// skipped rows with the first few named ("Skipped 2 rows: line 45 has no price; line 311 has no
// date."). Dates in the short-date form.
QString importSummary(const PriceImport& import);

// The database an import of the file at `path` makes: its title the file's name without its
// extension (double quotes left out), its file name that name with ".orv".
QString importedTitle(const QString& path);
QString importedFileName(const QString& path);

// Imports the file at `path` as the database in memory, in place of the one there: the weeks
// as records, the title and file name above, the earnings factor and the earnings as a new
// database has them, and not saved (TrendModified 1). Returns the summary. Raises
// RunTimeFailure when the file cannot be read (FileNotFound), is larger than MaxPriceFileSize
// (PriceFileTooLarge), or is refused by readPriceImport(); the database in memory is then
// unchanged.
QString importPriceFile(const QString& path);

// The file dialog's filter, and where it starts: the user's download folder when there is
// one, where price histories arrive.
QString priceFileFilter();
QString priceFileStartFolder();
