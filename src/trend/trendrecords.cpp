#include "trend/trendrecords.h"

#include "core/dates.h"
#include "core/formats.h"
#include "core/runtimefailure.h"
#include "trend/trendstate.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <vector>

namespace {
// "Cannot sort file."
} // namespace

bool acceptableRecordDate(const QDate& date) {
    return date.isValid() && date > DeletionDate && date.year() <= 9999;
}

std::optional<QDate> readRecordDate(const Cell& field) {
    if (field.isDate()) {
        const QDate date = field.toDate();
        return date.isValid() ? std::optional<QDate>(date) : std::nullopt;
    }
    if (field.isText()) {
        return Dates::parse(field.toText());
    }
    return std::nullopt;
}

QDate recordDate(const Cell& field) {
    if (const std::optional<QDate> date = readRecordDate(field)) {
        return *date;
    }
    throw RunTimeFailure("record date is not a date");
}

std::optional<double> readRecordValue(const Cell& field) {
    if (field.isDate()) {
        return std::nullopt;
    }
    const double value = field.toDouble();
    return std::isfinite(value) ? std::optional<double>(value) : std::nullopt;
}

double recordValue(const Cell& field) {
    if (const std::optional<double> value = readRecordValue(field)) {
        return *value;
    }
    throw RunTimeFailure("record value is not a number");
}

QString shownRecordDate(const Cell& field) {
    const std::optional<QDate> date = readRecordDate(field);
    return date ? Dates::toShortDate(*date) : fieldText(field);
}

QString fieldText(const Cell& field) {
    if (field.isDate()) {
        return Dates::toShortDate(field.toDate());
    }
    return field.toText();
}

QString editedValueText(const Cell& field) {
    if (field.isEmpty() || field.isText()) {
        return fieldText(field);
    }
    const std::optional<double> value = readRecordValue(field);
    return value ? plainNumber(*value) : fieldText(field);
}

double truncatedValue(const QString& text) {
    const qsizetype point = text.indexOf(u'.');
    if (point < 0) {
        return readNumber(text);
    }
    return readNumber(QStringView(text).left(point + 3));
}

void renumberTrendRecords() {
    TrendState& t = trend();
    for (int b = 1; b <= t.RecordCount; ++b) {
        t.TrendRecords.at(b, RecordNumber) = Cell(static_cast<double>(b));
    }
}

void SortTrendRecords() {
    TrendState& t = trend();
    const int n = t.RecordCount;
    // Every date is read before a row moves, so a date that cannot be read changes nothing.
    std::vector<QDate> dates(static_cast<std::size_t>(n));
    for (int r = 1; r <= n; ++r) {
        const std::optional<QDate> date = readRecordDate(t.TrendRecords.at(r, RecordDate));
        if (!date) {
            throw RunTimeFailure(Message::CannotSort);
        }
        dates[static_cast<std::size_t>(r - 1)] = *date;
    }
    // A stable sort, so that records of the same date keep their order: an inserted record goes
    // after the records already there of its date.
    std::vector<int> order(static_cast<std::size_t>(n));
    std::iota(order.begin(), order.end(), 1);
    std::stable_sort(order.begin(), order.end(), [&dates](int a, int b) {
        return dates[static_cast<std::size_t>(a - 1)] > dates[static_cast<std::size_t>(b - 1)];
    });
    if (!std::is_sorted(order.begin(), order.end())) {
        t.TrendModified = 1;
    }
    std::vector<Cell> dateCells;
    std::vector<Cell> valueCells;
    dateCells.reserve(order.size());
    valueCells.reserve(order.size());
    for (const int r : order) {
        dateCells.push_back(t.TrendRecords.at(r, RecordDate));
        valueCells.push_back(t.TrendRecords.at(r, RecordValue));
    }
    for (int r = 1; r <= n; ++r) {
        t.TrendRecords.at(r, RecordDate) = dateCells[static_cast<std::size_t>(r - 1)];
        t.TrendRecords.at(r, RecordValue) = valueCells[static_cast<std::size_t>(r - 1)];
    }
    renumberTrendRecords();
    if (n > 0 && dates[static_cast<std::size_t>(order.back() - 1)] == DeletionDate) {
        // The dropped row is emptied, so that nothing reads the deleted record later.
        for (int f = RecordNumber; f <= RecordValue; ++f) {
            t.TrendRecords.at(n, f) = Cell();
        }
        --t.RecordCount;
        t.TrendModified = 1;
    }
}

Message sortDatabase() {
    if (trend().RecordCount == 0) {
        return Message::NoTrendData;
    }
    SortTrendRecords();
    return Message::None;
}
