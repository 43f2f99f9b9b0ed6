#include "core/records.h"

#include "core/formats.h"
#include "core/runtimefailure.h"

#include <array>
#include <cmath>
#include <limits>
#include <string>

namespace {

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t';
}

QStringView trimmedBlanks(QStringView text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin])) {
        ++begin;
    }
    while (end > begin && isBlank(text[end - 1])) {
        --end;
    }
    return text.sliced(begin, end - begin);
}

std::vector<RecordField> splitFields(QStringView line, int maxFields) {
    std::vector<RecordField> fields;
    if (trimmedBlanks(line).isEmpty()) {
        return fields;
    }
    qsizetype pos = 0;
    const qsizetype n = line.size();
    for (;;) {
        while (pos < n && isBlank(line[pos])) {
            ++pos;
        }
        RecordField field;
        if (pos < n && line[pos] == u'"') {
            field.quoted = true;
            const qsizetype close = line.indexOf(u'"', pos + 1);
            if (close < 0) {
                field.text = line.sliced(pos + 1).toString();
                field.complete = false;
                pos = n;
            } else {
                field.text = line.sliced(pos + 1, close - pos - 1).toString();
                pos = close + 1;
                while (pos < n && isBlank(line[pos])) {
                    ++pos;
                }
                if (pos < n && line[pos] != u',') {
                    field.complete = false;
                    const qsizetype comma = line.indexOf(u',', pos);
                    pos = comma < 0 ? n : comma;
                }
            }
        } else {
            const qsizetype comma = line.indexOf(u',', pos);
            const qsizetype end = comma < 0 ? n : comma;
            field.text = trimmedBlanks(line.sliced(pos, end - pos)).toString();
            pos = end;
        }
        fields.push_back(std::move(field));
        if (static_cast<int>(fields.size()) >= maxFields) {
            return fields;
        }
        if (pos < n && line[pos] == u',') {
            ++pos;
            continue;
        }
        return fields;
    }
}

// The parts of a plain number: [sign] digits [. digits] [e|E [sign] digits], at least one digit
// before the exponent, nothing else.
struct NumberText {
    bool negative = false;
    QStringView whole;
    QStringView decimals;
    bool hasExponent = false;
};

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

std::optional<NumberText> splitNumber(QStringView text) {
    NumberText parts;
    qsizetype i = 0;
    const qsizetype n = text.size();
    if (i < n && (text[i] == u'-' || text[i] == u'+')) {
        parts.negative = text[i] == u'-';
        ++i;
    }
    const qsizetype wholeBegin = i;
    while (i < n && isDigit(text[i])) {
        ++i;
    }
    parts.whole = text.sliced(wholeBegin, i - wholeBegin);
    if (i < n && text[i] == u'.') {
        const qsizetype decimalsBegin = ++i;
        while (i < n && isDigit(text[i])) {
            ++i;
        }
        parts.decimals = text.sliced(decimalsBegin, i - decimalsBegin);
    }
    if (parts.whole.isEmpty() && parts.decimals.isEmpty()) {
        return std::nullopt;
    }
    if (i < n && (text[i] == u'e' || text[i] == u'E')) {
        parts.hasExponent = true;
        ++i;
        if (i < n && (text[i] == u'-' || text[i] == u'+')) {
            ++i;
        }
        const qsizetype exponentBegin = i;
        while (i < n && isDigit(text[i])) {
            ++i;
        }
        if (i == exponentBegin) {
            return std::nullopt;
        }
    }
    if (i != n) {
        return std::nullopt;
    }
    return parts;
}

[[noreturn]] void fail(const char* what, int index) {
    throw RunTimeFailure(std::string(what) + " in field " + std::to_string(index + 1));
}

} // namespace

// ---- Record

const RecordField& Record::field(int index) const {
    if (index < 0 || index >= size()) {
        fail("missing field", index);
    }
    return m_fields[static_cast<std::size_t>(index)];
}

QString Record::text(int index) const {
    const RecordField& f = field(index);
    if (!f.complete) {
        fail("damaged text", index);
    }
    return f.text;
}

double Record::number(int index) const {
    const RecordField& f = field(index);
    if (f.quoted || !f.complete) {
        fail("text where a number belongs", index);
    }
    if (f.text.isEmpty()) {
        return 0.0;
    }
    const std::optional<NumberText> parts = splitNumber(f.text);
    if (!parts) {
        fail("unreadable number", index);
    }
    // The text is a complete plain number now, which reading a text as a number takes whole: a
    // value too small for a double reads 0, one too large is infinite and refused.
    const double value = readNumber(f.text);
    if (!std::isfinite(value)) {
        fail("number out of range", index);
    }
    return value;
}

Currency Record::currency(int index) const {
    const RecordField& f = field(index);
    if (f.quoted || !f.complete) {
        fail("text where an amount belongs", index);
    }
    if (f.text.isEmpty()) {
        return {};
    }
    const std::optional<NumberText> parts = splitNumber(f.text);
    if (!parts) {
        fail("unreadable amount", index);
    }
    if (parts->hasExponent) {
        return Currency::fromDouble(number(index));
    }
    // Exactly from the decimal digits, so that every amount the program writes reads back as
    // itself; digits beyond the fourth decimal round half to even.
    std::uint64_t magnitude = 0;
    bool overflow = false;
    auto push = [&](int digit) {
        overflow = overflow || __builtin_mul_overflow(magnitude, std::uint64_t{10}, &magnitude) ||
                   __builtin_add_overflow(magnitude, static_cast<std::uint64_t>(digit), &magnitude);
    };
    for (const QChar c : parts->whole) {
        push(c.unicode() - u'0');
    }
    for (qsizetype i = 0; i < 4; ++i) {
        push(i < parts->decimals.size() ? parts->decimals[i].unicode() - u'0' : 0);
    }
    if (parts->decimals.size() > 4) {
        const int next = parts->decimals[4].unicode() - u'0';
        bool beyondHalf = false;
        for (qsizetype i = 5; i < parts->decimals.size(); ++i) {
            beyondHalf = beyondHalf || parts->decimals[i] != u'0';
        }
        if (next > 5 || (next == 5 && (beyondHalf || magnitude % 2 == 1))) {
            overflow = overflow || __builtin_add_overflow(magnitude, std::uint64_t{1}, &magnitude);
        }
    }
    constexpr auto Largest = static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max());
    if (overflow || magnitude > Largest + (parts->negative ? 1 : 0)) {
        fail("amount out of range", index);
    }
    if (parts->negative) {
        return Currency::fromRaw(static_cast<std::int64_t>(std::uint64_t{0} - magnitude));
    }
    return Currency::fromRaw(static_cast<std::int64_t>(magnitude));
}

std::int16_t Record::int16(int index) const {
    return checked::toInt16(number(index));
}

float Record::single(int index) const {
    return checked::toSingle(number(index));
}

QDate Record::date(int index) const {
    const RecordField& f = field(index);
    const QString& t = f.text;
    // #yyyy-mm-dd#
    const bool shaped = !f.quoted && f.complete && t.size() == 12 && t[0] == u'#' && t[5] == u'-' &&
                        t[8] == u'-' && t[11] == u'#';
    auto digits = [&](int from, int count) {
        int value = 0;
        for (int i = from; i < from + count; ++i) {
            if (!isDigit(t[i])) {
                return -1;
            }
            value = value * 10 + (t[i].unicode() - u'0');
        }
        return value;
    };
    if (!shaped) {
        fail("not a date literal", index);
    }
    const int year = digits(1, 4);
    const int month = digits(6, 2);
    const int day = digits(9, 2);
    const QDate date(year, month, day);
    if (year < 1 || month < 0 || day < 0 || !date.isValid()) {
        fail("not a date literal", index);
    }
    return date;
}

// ---- RecordReader

RecordReader::RecordReader(const QByteArray& bytes)
    : m_bytes(bytes), m_utf8(isValidUtf8(QByteArrayView(bytes))) {}

Record RecordReader::next(int maxFields) {
    if (atEnd()) {
        throw RunTimeFailure("no more records");
    }
    const qsizetype n = m_bytes.size();
    const char* data = m_bytes.constData();
    qsizetype end = m_next;
    while (end < n && data[end] != '\r' && data[end] != '\n') {
        ++end;
    }
    const QByteArrayView lineBytes(data + m_next, end - m_next);
    m_next = end;
    if (m_next < n) {
        m_next += (data[m_next] == '\r' && m_next + 1 < n && data[m_next + 1] == '\n') ? 2 : 1;
    }
    const QString line = decodeLine(lineBytes, m_utf8);
    return Record(splitFields(line, maxFields));
}

// ---- RecordWriter

RecordWriter& RecordWriter::text(const QString& value) {
    QByteArray bytes;
    bytes.reserve(value.size() + 2);
    bytes.append('"');
    QString inner = value;
    inner.remove(u'"');
    // A line break inside a text would end the record: it is written as a blank.
    inner.replace(u'\r', u' ').replace(u'\n', u' ');
    bytes.append(inner.toUtf8());
    bytes.append('"');
    field(bytes);
    return *this;
}

RecordWriter& RecordWriter::number(double value) {
    if (!std::isfinite(value)) {
        m_ok = false;
        return *this;
    }
    field(plainNumber(value).toLatin1());
    return *this;
}

RecordWriter& RecordWriter::single(float value) {
    if (!std::isfinite(value)) {
        m_ok = false;
        return *this;
    }
    field(plainNumber(value).toLatin1());
    return *this;
}

RecordWriter& RecordWriter::currency(Currency value) {
    const std::int64_t raw = value.raw();
    const std::uint64_t magnitude = raw < 0 ? std::uint64_t{0} - static_cast<std::uint64_t>(raw)
                                            : static_cast<std::uint64_t>(raw);
    QByteArray bytes;
    if (raw < 0) {
        bytes.append('-');
    }
    bytes.append(QByteArray::number(magnitude / Currency::Scale));
    std::uint64_t fraction = magnitude % Currency::Scale;
    if (fraction != 0) {
        std::array<char, 5> decimals = {'.', '0', '0', '0', '0'};
        for (int i = 4; i >= 1; --i) {
            decimals[static_cast<std::size_t>(i)] = static_cast<char>('0' + fraction % 10);
            fraction /= 10;
        }
        int length = 5;
        while (decimals[static_cast<std::size_t>(length - 1)] == '0') {
            --length;
        }
        bytes.append(decimals.data(), length);
    }
    field(bytes);
    return *this;
}

RecordWriter& RecordWriter::integer(std::int64_t value) {
    field(QByteArray::number(static_cast<qlonglong>(value)));
    return *this;
}

RecordWriter& RecordWriter::date(const QDate& value) {
    if (!value.isValid() || value.year() < 1 || value.year() > 9999) {
        m_ok = false;
        return *this;
    }
    field(QStringLiteral("#%1-%2-%3#")
              .arg(value.year(), 4, 10, QLatin1Char('0'))
              .arg(value.month(), 2, 10, QLatin1Char('0'))
              .arg(value.day(), 2, 10, QLatin1Char('0'))
              .toLatin1());
    return *this;
}

void RecordWriter::endRecord() {
    if (m_device.write("\r\n", 2) != 2) {
        m_ok = false;
    }
    m_first = true;
}

void RecordWriter::field(const QByteArray& bytes) {
    if (!m_first && m_device.write(",", 1) != 1) {
        m_ok = false;
    }
    m_first = false;
    if (m_device.write(bytes) != bytes.size()) {
        m_ok = false;
    }
}
