#include "trend/recordextract.h"

#include "core/formats.h"
#include "core/programstate.h"
#include "core/runtimefailure.h"
#include "trend/trendstate.h"

#include <QStringList>

namespace {

QString boxText(int number) {
    return RightJustify(formatNumber(static_cast<double>(number), u"####"), 4);
}

// The number in a box; an empty box reads as nothing.
std::optional<double> typedNumber(const QString& text) {
    if (text.trimmed().isEmpty()) {
        return std::nullopt;
    }
    return readNumber(text);
}

} // namespace

ExtractOpening openExtract() {
    TrendState& t = trend();
    t.LowRecord = 1;
    t.HighRecord = t.RecordCount;
    return {boxText(1), boxText(t.RecordCount), QStringLiteral(" Extract")};
}

RecordNumberEntry lowRecordEntered(const QString& text) {
    TrendState& t = trend();
    RecordNumberEntry e;
    double value = typedNumber(text).value_or(1.0);
    if (value < 1.0 || value > t.RecordCount) {
        e.message = Message::MustBeBetween;
        e.detail2 = QStringLiteral(" 1");
        e.detail = QString::number(t.RecordCount);
        value = 1.0;
    }
    t.LowRecord = static_cast<std::int16_t>(value);
    e.text = boxText(t.LowRecord);
    return e;
}

RecordNumberEntry highRecordEntered(const QString& text, const QString& lowText) {
    TrendState& t = trend();
    RecordNumberEntry e;
    double value = typedNumber(text).value_or(0.0);
    if (value == 0.0) {
        value = t.RecordCount;
        if (typedNumber(lowText).value_or(0.0) == 0.0) {
            t.LowRecord = 1;
            e.lowText = boxText(1);
        }
    }
    if (value < 1.0 || value > t.RecordCount) {
        e.message = Message::MustBeBetween;
        e.detail2 = QString::number(t.LowRecord);
        e.detail = QString::number(t.RecordCount);
        value = t.RecordCount;
    }
    t.HighRecord = static_cast<std::int16_t>(value);
    e.text = boxText(t.HighRecord);
    return e;
}

Message extractRecords() {
    TrendState& t = trend();
    if (t.HighRecord < t.LowRecord) {
        return Message::LowAboveHigh;
    }
    // The new name comes first: it is the extract's even when the extraction fails.
    t.DatabaseTitle = QStringLiteral("Extracted");
    program().TrendFileName = QStringLiteral("Extract.orv");
    Table scratch(MenuRecordCapacity + 1, 3);
    int g = 0;
    for (int i = 1; i <= t.RecordCount; ++i) {
        if (i >= t.LowRecord && i <= t.HighRecord) {
            ++g;
            scratch.at(g, RecordNumber) = Cell(static_cast<double>(g));
            scratch.at(g, RecordDate) = t.TrendRecords.at(i, RecordDate);
            scratch.at(g, RecordValue) = t.TrendRecords.at(i, RecordValue);
        }
    }
    t.TrendRecords = std::move(scratch);
    t.RecordCount = static_cast<std::int16_t>(g);
    // The extract is a database of its own, on no disk yet.
    t.TrendModified = 1;
    return Message::None;
}

QString extractHelpText() {
    return QStringList{
        QStringLiteral("To view a group of records between any two dates, a new database is "
                       "created with records from the existing database."),
        QStringLiteral("Using the record numbers from beside the dates you want to include. Type "
                       "these record numbers in the yellow input boxes."),
        QStringLiteral("Click 'Extract Records' and the new file will be created and shown."),
        QStringLiteral("This is to prevent you overwriting the original database file on disk if "
                       "the same name was retained for the new database."),
        QStringLiteral("The original database in memory is deleted.")}
        .join(QStringLiteral("\n\n"));
}

ExtractCaptions extractCaptions() {
    return {QStringLiteral("Extract records from between two dates."),
            QStringLiteral(" Starting record number (Low)"),
            QStringLiteral(" Ending record number (High)"),
            QStringLiteral("&Extract Records"),
            QStringLiteral("&Cancel"),
            QStringLiteral("Quick &Help"),
            QStringLiteral("Close &Help")};
}
