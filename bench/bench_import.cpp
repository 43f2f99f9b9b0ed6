// Importing a price history: a 10 MiB CSV file of daily prices (about 140,000 rows, as a
// price site exports them: Date, Open, High, Low, Close, Adj Close, Volume) read line by line,
// made into weeks and put in memory as the newest 1,000 weeks. Timed (median of repeated
// imports) with the peak memory it adds.
// Aim: under 300 ms and under 20 MiB of extra memory.

#include "benchmemory.h"
#include "benchtiming.h"
#include "core/programstate.h"
#include "trend/priceimport.h"
#include "trend/trendstate.h"

#include <QDate>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

namespace {

// Daily rows on weekdays, oldest first, with prices of six decimals as price sites write them,
// until the file holds `bytes` bytes; returns the rows.
int writeDailyPrices(const QString& path, qint64 bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return 0;
    }
    file.write("Date,Open,High,Low,Close,Adj Close,Volume\n");
    QDate date(1620, 1, 5);
    int rows = 0;
    while (file.size() < bytes) {
        if (date.dayOfWeek() <= 5) {
            const double close = 20.0 + (rows * 37 % 3000) / 100.0;
            file.write(QStringLiteral("%1,%2,%3,%4,%5,%6,%7\n")
                           .arg(date.toString(Qt::ISODate))
                           .arg(close - 0.1, 0, 'f', 6)
                           .arg(close + 0.25, 0, 'f', 6)
                           .arg(close - 0.3, 0, 'f', 6)
                           .arg(close, 0, 'f', 6)
                           .arg(close * 0.98, 0, 'f', 6)
                           .arg(1000000 + rows * 137)
                           .toLatin1());
            ++rows;
        }
        date = date.addDays(1);
    }
    return rows;
}

} // namespace

int main() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("prices.csv"));
    const int rows = writeDailyPrices(path, qint64{10} << 20);
    resetProgram();
    resetTrend();
    loadTrendMenu();

    QString summary;
    const long extra = extraPeakKiB([&] { summary = importPriceFile(path); });
    const Timing t = timeEach(10, 1, [&] { importPriceFile(path); });
    std::printf("10 MiB of daily prices: %d rows\n", rows);
    printRowHeading();
    printRow("import 10 MiB of daily prices", t, "< 300 ms", 300.0,
             QStringLiteral("%1 records").arg(trend().RecordCount));
    std::printf("  extra peak memory: %ld KiB (goal < 20480 KiB: %s)\n", extra,
                extra < 20480 ? "met" : "NOT met");
    std::printf("  %s\n", qPrintable(summary));
    return 0;
}
