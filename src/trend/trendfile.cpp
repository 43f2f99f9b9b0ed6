#include "trend/trendfile.h"

#include "core/programstate.h"
#include "core/records.h"
#include "core/runtimefailure.h"
#include "trend/trendrecords.h"
#include "trend/trendstate.h"

#include <QFileInfo>

namespace {

// The next line, which must hold exactly `fields` fields.
Record nextLine(RecordReader& reader, int fields, const char* what) {
    if (reader.atEnd()) {
        throw RunTimeFailure(std::string("missing ") + what);
    }
    Record line = reader.next(fields + 1);
    if (line.size() != fields) {
        throw RunTimeFailure(std::string("wrong number of fields in ") + what);
    }
    return line;
}

void checkCount(int count, int most, const char* what) {
    if (count < 0 || count > most) {
        throw RunTimeFailure(std::string(what) + " out of range");
    }
}

} // namespace

TrendFileData trendFileDataFromState() {
    const TrendState& t = trend();
    checkCount(t.RecordCount, MaxRecords, "record count");
    checkCount(t.EarningsCount, MaxEarningsRows, "earnings count");
    TrendFileData d;
    d.title = t.DatabaseTitle;
    d.factor = t.EarningsFactor;
    for (int i = 1; i <= t.EarningsCount; ++i) {
        d.earnings.emplace_back(t.EarningsTable.at(i, EarningsYear),
                                t.EarningsTable.at(i, EarningsPerShare));
    }
    d.records.reserve(static_cast<std::size_t>(t.RecordCount));
    for (int r = 1; r <= t.RecordCount; ++r) {
        const QDate date = recordDate(t.TrendRecords.at(r, RecordDate));
        if (!acceptableRecordDate(date)) {
            throw RunTimeFailure("record date cannot be stored");
        }
        d.records.push_back({date, recordValue(t.TrendRecords.at(r, RecordValue))});
    }
    return d;
}

bool writeTrendFile(QIODevice& device, const TrendFileData& data) {
    checkCount(static_cast<int>(data.records.size()), MaxRecords, "record count");
    checkCount(static_cast<int>(data.earnings.size()), MaxEarningsRows, "earnings count");
    RecordWriter w(device);
    w.integer(static_cast<std::int64_t>(data.records.size()))
        .integer(static_cast<std::int64_t>(data.earnings.size()))
        .text(data.title)
        .single(data.factor)
        .endRecord();
    for (const auto& [year, earnings] : data.earnings) {
        w.number(year).number(earnings).endRecord();
    }
    std::int64_t number = 0;
    for (const TrendFileRecord& r : data.records) {
        if (!acceptableRecordDate(r.date)) {
            return false;
        }
        w.integer(++number).date(r.date).number(r.value).endRecord();
    }
    return w.ok();
}

bool saveTrendFile(const QString& path, const TrendFileData& data) {
    return saveFileAtomically(path,
                              [&data](QIODevice& device) { return writeTrendFile(device, data); });
}

TrendFileData readTrendFile(const QByteArray& bytes) {
    RecordReader reader(bytes);
    const Record header = nextLine(reader, 4, "header");
    const int recordCount = header.int16(0);
    const int earningsCount = header.int16(1);
    checkCount(recordCount, MaxRecords, "record count");
    checkCount(earningsCount, MaxEarningsRows, "earnings count");
    TrendFileData d;
    d.title = header.text(2);
    d.factor = header.single(3);
    for (int i = 0; i < earningsCount; ++i) {
        const Record line = nextLine(reader, 2, "earnings line");
        d.earnings.emplace_back(line.number(0), line.number(1));
    }
    d.records.reserve(static_cast<std::size_t>(recordCount));
    for (int i = 0; i < recordCount; ++i) {
        const Record line = nextLine(reader, 3, "record line");
        // The record number is the line's position: the number in the file is only checked.
        line.number(0);
        const QDate date = line.date(1);
        if (!acceptableRecordDate(date)) {
            throw RunTimeFailure("record date out of range");
        }
        d.records.push_back({date, line.number(2)});
    }
    return d;
}

TrendFileData loadTrendFile(const QString& path) {
    const std::optional<QByteArray> bytes = readFileBytes(path);
    if (!bytes) {
        throw RunTimeFailure("trend file cannot be read");
    }
    return readTrendFile(*bytes);
}

void applyTrendFileData(const TrendFileData& data, const QString& path) {
    TrendState& t = trend();
    t.TrendRecords = Table(FileRecordCapacity + 1, 3);
    t.EarningsTable = BoundedTable<double>(MaxEarningsRows + 1, 2);
    int row = 0;
    for (const TrendFileRecord& r : data.records) {
        ++row;
        t.TrendRecords.at(row, RecordNumber) = Cell(static_cast<double>(row));
        t.TrendRecords.at(row, RecordDate) = Cell(r.date);
        t.TrendRecords.at(row, RecordValue) = Cell(r.value);
    }
    int e = 0;
    for (const auto& [year, earnings] : data.earnings) {
        ++e;
        t.EarningsTable.at(e, EarningsYear) = year;
        t.EarningsTable.at(e, EarningsPerShare) = earnings;
    }
    t.RecordCount = static_cast<std::int16_t>(row);
    t.EarningsCount = static_cast<std::int16_t>(e);
    t.DatabaseTitle = data.title;
    t.EarningsFactor = data.factor;
    program().TrendFileName = QFileInfo(path).fileName();
}

void openTrendDatabase(const QString& path) {
    // The whole file is read and checked before the database in memory changes.
    const TrendFileData data = loadTrendFile(path);
    applyTrendFileData(data, path);
    trend().TrendModified = 0;
}

Message saveRefusal() {
    return trend().RecordCount == 0 ? Message::NoRecords : Message::None;
}

Message saveTrendDatabase(const QString& path) {
    if (const Message refusal = saveRefusal(); refusal != Message::None) {
        return refusal;
    }
    if (!saveTrendFile(path, trendFileDataFromState())) {
        throw RunTimeFailure("trend file cannot be written");
    }
    program().TrendFileName = QFileInfo(path).fileName();
    trend().TrendModified = 0;
    return Message::None;
}
