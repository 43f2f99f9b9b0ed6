#include "trend/trendeditor.h"

#include "core/dates.h"
#include "core/formats.h"
#include "core/programstate.h"
#include "core/runtimefailure.h"
#include "trend/editorview.h"
#include "trend/trendrecords.h"
#include "trend/trendstate.h"

#include <algorithm>
#include <cmath>

namespace {

// "Wrong Value entry: " and the value.

// Ends a correction or insertion: adding mode, the hidden buttons shown again, the records
// sorted and the editor refreshed. A sort that fails raises RunTimeFailure (CannotSort) after
// the edit has ended.
EditorOutcome endEdit(EditorOutcome outcome) {
    editAbandoned();
    outcome.buttonsVisible = true;
    outcome.refresh = true;
    SortTrendRecords();
    return outcome;
}

EditorOutcome message(Message shown, const QString& detail = {}) {
    EditorOutcome o;
    o.message = shown;
    o.detail = detail;
    return o;
}

void putRecord(int row, const QDate& date, double value) {
    Table& records = trend().TrendRecords;
    records.at(row, RecordDate) = Cell(Dates::toShortDate(date));
    records.at(row, RecordValue) = Cell(value);
    trend().TrendModified = 1;
}

// The value of the entry row: the value typed, or, while a correction's value box still shows
// the record's own value, that value whole (one read from a file may have more decimals than
// can be typed, or more digits than the box shows of a typed one).
double enteredValue(const QString& valueText) {
    const TrendState& t = trend();
    const int s = t.SelectedRecord;
    if (t.EditMode == 1 && s >= 1 && s <= t.RecordCount) {
        const Cell& own = t.TrendRecords.at(s, RecordValue);
        const std::optional<double> value = readRecordValue(own);
        if (value && valueText == editedValueText(own)) {
            return *value;
        }
    }
    return truncatedValue(valueText);
}

// DateAfterLastRecord when `date` is later than record 1's date.
EditorOutcome laterThanNewest(const QDate& date) {
    if (trend().RecordCount < 1) {
        return {};
    }
    const QDate newest = recordDate(trend().TrendRecords.at(1, RecordDate));
    if (date > newest) {
        return message(Message::DateAfterLastRecord, Dates::toShortDate(newest));
    }
    return {};
}

EditorOutcome addRecord(const QDate& date, double value) {
    TrendState& t = trend();
    if (t.RecordCount >= recordCapacity()) {
        return message(Message::RecordLimit);
    }
    if (t.RecordCount >= 1) {
        const Cell& newest = t.TrendRecords.at(1, RecordValue);
        if (!readRecordValue(newest)) {
            throw RunTimeFailure(Message::WrongValueEntry, fieldText(newest));
        }
    }
    putRecord(0, date, value);
    ++t.RecordCount;
    for (int k = t.RecordCount; k >= 1; --k) {
        t.TrendRecords.at(k, RecordDate) = t.TrendRecords.at(k - 1, RecordDate);
        t.TrendRecords.at(k, RecordValue) = t.TrendRecords.at(k - 1, RecordValue);
    }
    renumberTrendRecords();
    EditorOutcome o;
    o.refresh = true;
    o.focus = EditorFocus::InValue;
    return o;
}

EditorOutcome correctRecord(const QDate& date, double value) {
    TrendState& t = trend();
    const int s = t.SelectedRecord;
    if (s < 1 || s > t.RecordCount) {
        return endEdit(message(Message::NoSuchRecordNumber));
    }
    EditorOutcome o = laterThanNewest(date);
    if (o.message == Message::None) {
        putRecord(s, date, value);
    }
    return endEdit(o);
}

EditorOutcome insertRecord(const QDate& date, double value) {
    TrendState& t = trend();
    EditorOutcome o = laterThanNewest(date);
    if (o.message == Message::None && t.RecordCount >= recordCapacity()) {
        o.message = Message::RecordLimit;
    }
    if (o.message == Message::None) {
        ++t.RecordCount;
        putRecord(t.RecordCount, date, value);
    }
    return endEdit(o);
}

} // namespace

int recordCapacity() {
    return std::clamp(trend().TrendRecords.rows() - 1, 0, MaxRecords);
}

EditorOutcome addRecordClicked(const QString& dateText, const QString& valueText) {
    TrendState& t = trend();
    const double value = enteredValue(valueText);
    if (value == 0.0) {
        return message(Message::NoCompleteRecord);
    }
    if (!std::isfinite(value)) {
        return message(Message::WrongValueEntry, valueText);
    }
    const std::optional<QDate> date = enteredDate(dateText);
    if (!date) {
        EditorOutcome o = message(Message::WrongDateEntry);
        o.inDate = Dates::toShortDate(t.NextDate);
        return t.EditMode == 1 || t.EditMode == 2 ? endEdit(o) : o;
    }
    switch (t.EditMode) {
    case 1:
        return correctRecord(*date, value);
    case 2:
        return insertRecord(*date, value);
    default:
        return addRecord(*date, value);
    }
}

EditorOutcome editAbandoned() {
    TrendState& t = trend();
    t.EditMode = 0;
    t.SelectedRecord = 0;
    EditorOutcome o;
    o.buttonsVisible = true;
    o.refresh = true;
    return o;
}

EditorOutcome DeleteRec() {
    TrendState& t = trend();
    const int s = t.SelectedRecord;
    t.EditMode = 0;
    t.SelectedRecord = 0;
    // Every date is read before the record is marked: a database that cannot be sorted keeps
    // all its records.
    for (int r = 1; r <= t.RecordCount; ++r) {
        recordDate(t.TrendRecords.at(r, RecordDate));
    }
    if (s >= 1 && s <= t.RecordCount) {
        t.TrendRecords.at(s, RecordDate) = Cell(DeletionDate);
        t.TrendModified = 1;
    }
    SortTrendRecords();
    EditorOutcome o;
    o.refresh = true;
    return o;
}

void CompactEarnings(const QString& factorText) {
    TrendState& t = trend();
    if (const std::optional<float> factor = factorOf(factorText)) {
        storeChange(t.EarningsFactor, *factor);
    }
    BoundedTable<double>& e = t.EarningsTable;
    int kept = 0;
    for (int i = 1; i <= MaxEarningsRows; ++i) {
        const double year = e.at(i, EarningsYear);
        const double earnings = e.at(i, EarningsPerShare);
        if (year != 0.0 && earnings != 0.0) {
            ++kept;
            storeChange(e.at(kept, EarningsYear), year);
            storeChange(e.at(kept, EarningsPerShare), earnings);
        }
    }
    for (int i = kept + 1; i <= MaxEarningsRows; ++i) {
        storeChange(e.at(i, EarningsYear), 0.0);
        storeChange(e.at(i, EarningsPerShare), 0.0);
    }
    storeChange(t.EarningsCount, static_cast<std::int16_t>(kept));
}

void deleteAllRecords() {
    TrendState& t = trend();
    t.TrendRecords = Table(FileRecordCapacity + 1, 3);
    t.EarningsTable = BoundedTable<double>(MaxEarningsRows + 1, 2);
    t.RecordCount = 0;
    t.EarningsCount = 0;
    t.DatabaseTitle.clear();
    program().TrendFileName.clear();
    program().CalcMode = 0;
}

Message ratiosClicked(const QString& factorText) {
    if (trend().RecordCount < 2) {
        return Message::TwoWeeksRequired;
    }
    CompactEarnings(factorText);
    return Message::None;
}

void exitEditor(const QString& factorText) {
    trend().EditMode = 0;
    CompactEarnings(factorText);
}

void loadEditor() {
    trend().ClickedRecord = 0;
    trend().EditMode = 0;
    trend().SelectedRecord = 0;
}
