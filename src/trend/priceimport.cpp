#include "trend/priceimport.h"

#include "core/datafiles.h"
#include "core/dates.h"
#include "core/formats.h"
#include "core/runtimefailure.h"
#include "trend/trendfile.h"
#include "trend/trendstate.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>
#include <algorithm>

namespace {

// A count as the summary writes it: 786, 1,000.
QString count(int n) {
    return n == 0 ? QStringLiteral("0") : formatNumber(static_cast<double>(n), u"#,,###");
}

// "1 week", "157 weeks".
QString counted(int n, const char* one, const char* many) {
    return count(n) + u' ' + QString::fromLatin1(n == 1 ? one : many);
}

QString reasonText(SkipReason reason) {
    switch (reason) {
    case SkipReason::NoDate:
        return QStringLiteral("has no date");
    case SkipReason::NoPrice:
        return QStringLiteral("has no price");
    case SkipReason::PriceNotAbove0:
        return QStringLiteral("has a price of 0 or below");
    }
    return {};
}

} // namespace

std::vector<PriceWeek> weeklyPrices(std::vector<PriceRow> rows) {
    // Oldest first; rows of the same date keep the order of the file, so the later one is last.
    std::stable_sort(rows.begin(), rows.end(),
                     [](const PriceRow& a, const PriceRow& b) { return a.date < b.date; });
    std::vector<PriceWeek> weeks;
    QDate weekStart;
    for (const PriceRow& r : rows) {
        const QDate monday = r.date.addDays(1 - r.date.dayOfWeek());
        if (weeks.empty() || monday != weekStart) {
            weeks.push_back({r.date, r.price});
            weekStart = monday;
        } else {
            weeks.back() = {r.date, r.price};
        }
    }
    std::reverse(weeks.begin(), weeks.end());
    return weeks;
}

PriceImport readPriceImport(QIODevice& device, qint64 maxBytes) {
    PriceRows rows = readPriceRows(device, maxBytes);
    PriceImport import;
    import.priceRows = static_cast<int>(rows.rows.size());
    import.skippedCount = rows.skippedCount;
    import.firstSkipped = std::move(rows.firstSkipped);
    import.weeks = weeklyPrices(std::move(rows.rows));
    if (import.weeks.empty()) {
        throw RunTimeFailure(Message::NoPricesFound);
    }
    import.weeksFound = static_cast<int>(import.weeks.size());
    if (import.weeks.size() > static_cast<std::size_t>(MaxRecords)) {
        import.weeks.resize(static_cast<std::size_t>(MaxRecords));
    }
    return import;
}

QString importSummary(const PriceImport& import) {
    const int kept = static_cast<int>(import.weeks.size());
    QString text = QStringLiteral("Imported %1 from %2")
                       .arg(counted(kept, "week", "weeks"),
                            counted(import.priceRows, "price row", "price rows"));
    if (kept > 0) {
        text += QStringLiteral(" (%1 to %2)")
                    .arg(Dates::toShortDate(import.weeks.back().date),
                         Dates::toShortDate(import.weeks.front().date));
    }
    text += u'.';
    if (import.weeksFound > kept) {
        text += QStringLiteral(" The file holds %1: the newest %2 were kept.")
                    .arg(counted(import.weeksFound, "week", "weeks"), count(kept));
    }
    if (import.skippedCount > 0) {
        QStringList named;
        for (const SkippedLine& s : import.firstSkipped) {
            named << QStringLiteral("line %1 %2").arg(s.line).arg(reasonText(s.reason));
        }
        const int more = import.skippedCount - static_cast<int>(import.firstSkipped.size());
        if (more > 0) {
            named << QStringLiteral("and %1 more").arg(count(more));
        }
        text +=
            QStringLiteral(" Skipped %1: %2.")
                .arg(counted(import.skippedCount, "row", "rows"), named.join(QStringLiteral("; ")));
    }
    return text;
}

QString importedTitle(const QString& path) {
    QString title = QFileInfo(path).completeBaseName();
    title.remove(u'"');
    return title.trimmed();
}

QString importedFileName(const QString& path) {
    return fileNameOf(QFileInfo(path).completeBaseName(), QStringLiteral("Prices")) +
           QStringLiteral(".orv");
}

QString importPriceFile(const QString& path) {
    QFile file;
    switch (openDataFile(file, path, MaxPriceFileSize)) {
    case DataFileOpen::Opened:
        break;
    case DataFileOpen::TooLarge:
        throw RunTimeFailure(Message::PriceFileTooLarge);
    case DataFileOpen::Unreadable:
        throw RunTimeFailure(Message::FileNotFound);
    }
    // The whole file is read and its weeks made before the database in memory changes.
    const PriceImport import = readPriceImport(file);
    TrendFileData data;
    data.title = importedTitle(path);
    data.records.reserve(import.weeks.size());
    for (const PriceWeek& w : import.weeks) {
        data.records.push_back({w.date, w.price});
    }
    applyTrendFileData(data, importedFileName(path));
    trend().TrendModified = 1;
    return importSummary(import);
}

QString priceFileFilter() {
    return QStringLiteral("CSV Files (*.csv)|*.csv|All Files (*)|*");
}

QString priceFileStartFolder() {
    const QString downloads = QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
    return !downloads.isEmpty() && QDir(downloads).exists() ? downloads : QString();
}
