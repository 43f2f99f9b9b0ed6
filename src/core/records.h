#pragma once
// The line-oriented comma-separated records of the program's files: texts in double quotes,
// plain numbers with a point (with or without a leading zero), date literals #yyyy-mm-dd#,
// each record ended by CR LF. One reader and one writer serve every file type.

#include "core/currency.h"
#include "core/datafiles.h"

#include <QByteArray>
#include <QDate>
#include <QIODevice>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

// One field as read: its text without the quotes and whether it was quoted. A field is not
// complete when its closing quote is missing or other characters follow it before the next
// comma (a truncated or damaged line); every typed reader refuses such a field.
struct RecordField {
    QString text;
    bool quoted = false;
    bool complete = true;
};

// One line of fields. The typed readers raise RunTimeFailure for a missing field or one that
// cannot be read as the type asked for (a quoted text read as a number, a number out of the
// type's range, a malformed date literal).
class Record {
public:
    Record() = default;
    explicit Record(std::vector<RecordField> fields) : m_fields(std::move(fields)) {}

    int size() const { return static_cast<int>(m_fields.size()); }
    const RecordField& field(int index) const;

    QString text(int index) const;
    double number(int index) const; // an empty unquoted field reads 0
    Currency currency(int index) const;
    std::int16_t int16(int index) const;
    float single(int index) const;
    QDate date(int index) const;

private:
    std::vector<RecordField> m_fields;
};

// Reads a file's contents record by record: each next() decodes one line and splits at most
// `maxFields` fields of it (further fields are ignored), so a hostile line costs nothing beyond
// its own bytes. Bytes that are not valid UTF-8 are read as Windows-1252 (the whole file one
// way or the other). Lines end with CR LF, LF or CR; empty lines are records with no fields.
class RecordReader {
public:
    explicit RecordReader(const QByteArray& bytes);

    bool atEnd() const { return m_next >= m_bytes.size(); }
    // The next record; raises RunTimeFailure past the end.
    Record next(int maxFields = 64);

private:
    QByteArray m_bytes;
    bool m_utf8 = true;
    qsizetype m_next = 0;
};

// Writes fields of one record at a time; endRecord() writes CR LF. Texts are written in double
// quotes so that they always read back: a double quote inside them is left out and a line
// break becomes a blank (the program refuses the quote key wherever a text reaches a file, so
// this only keeps a stray one from breaking the record). Numbers are
// written plain with a point and a leading zero, never with an exponent, in the shortest form
// that reads back as the same value: an amount with its four decimals trimmed (100000, 10.125,
// 0.0833), a double or a single as plainNumber() writes it (0.30000000000000004, 12345678,
// 100000000000000000000). Dates are written as #yyyy-mm-dd#. A value that has no such form (a
// non-finite number, an invalid date) is not written and makes ok() false, so that a save refuses
// to replace the old file.
class RecordWriter {
public:
    explicit RecordWriter(QIODevice& device) : m_device(device) {}

    RecordWriter& text(const QString& value);
    RecordWriter& number(double value);
    RecordWriter& single(float value);
    RecordWriter& currency(Currency value);
    RecordWriter& integer(std::int64_t value);
    RecordWriter& date(const QDate& value);
    void endRecord();

    // False once any write to the device has failed or a value could not be written.
    bool ok() const { return m_ok; }

private:
    void field(const QByteArray& bytes);

    QIODevice& m_device;
    bool m_first = true;
    bool m_ok = true;
};
