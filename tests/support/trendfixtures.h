#pragma once
// Trend databases for the tests: a fresh module state holding given records and earnings.

#include "core/dates.h"
#include "core/programstate.h"
#include "trend/trendstate.h"

#include <QDate>
#include <QString>
#include <utility>
#include <vector>

struct TrendRecordSpec {
    QDate date;
    double value = 0.0;
};

// A fresh program and module state as the module menu leaves it, holding `records` (newest
// first) with dates stored as dates, and `earnings` rows (year, earnings; latest first).
inline void setUpTrend(const std::vector<TrendRecordSpec>& records,
                       const std::vector<std::pair<double, double>>& earnings = {},
                       const QString& title = QStringLiteral("Growth Fund")) {
    resetProgram();
    resetTrend();
    loadTrendMenu();
    TrendState& t = trend();
    int row = 0;
    for (const TrendRecordSpec& r : records) {
        ++row;
        t.TrendRecords.at(row, RecordNumber) = Cell(static_cast<double>(row));
        t.TrendRecords.at(row, RecordDate) = Cell(r.date);
        t.TrendRecords.at(row, RecordValue) = Cell(r.value);
    }
    t.RecordCount = static_cast<std::int16_t>(row);
    int e = 0;
    for (const auto& [year, value] : earnings) {
        ++e;
        t.EarningsTable.at(e, EarningsYear) = year;
        t.EarningsTable.at(e, EarningsPerShare) = value;
    }
    t.EarningsCount = static_cast<std::int16_t>(e);
    t.DatabaseTitle = title;
}

// `count` weekly records, newest first: the newest dated `newest`, values from `values`
// (repeated when shorter).
inline std::vector<TrendRecordSpec> weeklyRecords(int count, const QDate& newest,
                                                  const std::vector<double>& values) {
    std::vector<TrendRecordSpec> records;
    for (int i = 0; i < count; ++i) {
        records.push_back(
            {newest.addDays(-7LL * i), values[static_cast<std::size_t>(i) % values.size()]});
    }
    return records;
}

// The values of records 1..RecordCount.
inline std::vector<double> trendValues() {
    std::vector<double> values;
    for (int r = 1; r <= trend().RecordCount; ++r) {
        values.push_back(trend().TrendRecords.at(r, RecordValue).toDouble());
    }
    return values;
}

// Where the tests of the database editor start: an empty database, today 20 March 2001. Call
// start() from the test's init() and stop() from its cleanup().
struct TrendEditorFixture {
    static void start() {
        setUpTrend({});
        Dates::setToday(QDate(2001, 3, 20));
    }
    static void stop() { Dates::setToday(QDate()); }
};
