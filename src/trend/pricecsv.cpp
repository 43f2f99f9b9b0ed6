#include "trend/pricecsv.h"

#include "core/runtimefailure.h"
#include "trend/trendrecords.h"

#include <QByteArray>
#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <optional>

namespace {

constexpr qint64 ChunkSize = qint64{64} * 1024;
// A row of prices is a few dozen bytes; what a longer line holds beyond this is not read.
constexpr qsizetype MaxLineLength = qsizetype{64} * 1024;
constexpr std::size_t MaxFields = 256;
// The rows whose fields show which column holds the prices when no heading names it.
constexpr std::size_t SampleRows = 50;

// Bytes no text file holds: the control characters but tab, form feed and the end-of-file
// mark old programs leave, and DEL.
bool isControl(char c) {
    const auto b = static_cast<unsigned char>(c);
    return (b < 0x20 && c != '\t' && c != '\f' && b != 0x1A) || b == 0x7F;
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

QByteArrayView trimmed(QByteArrayView text) {
    while (!text.isEmpty() && isBlank(text.front())) {
        text = text.sliced(1);
    }
    while (!text.isEmpty() && isBlank(text.back())) {
        text.chop(1);
    }
    return text;
}

// The lines of a device, whatever their line ends, read a chunk at a time.
class PriceLines {
public:
    PriceLines(QIODevice& device, qint64 maxBytes) : m_device(device), m_maxBytes(maxBytes) {}

    // The next line without its line end, in `line`; false at the end of the file.
    bool next(QByteArray& line) {
        line.clear();
        bool started = false;
        for (;;) {
            if (m_pos >= m_chunk.size() && !fill()) {
                if (started) {
                    ++m_line;
                }
                return started;
            }
            if (m_afterCr) {
                m_afterCr = false;
                if (m_chunk[m_pos] == '\n') {
                    ++m_pos;
                    continue;
                }
            }
            started = true;
            const char* data = m_chunk.constData();
            const qsizetype n = m_chunk.size();
            qsizetype end = m_pos;
            while (end < n && data[end] != '\n' && data[end] != '\r') {
                if (isControl(data[end])) {
                    throw RunTimeFailure(Message::NotTextFile);
                }
                ++end;
            }
            const qsizetype room = MaxLineLength - line.size();
            line.append(data + m_pos, std::min(end - m_pos, std::max<qsizetype>(room, 0)));
            if (end < n) {
                m_afterCr = data[end] == '\r';
                m_pos = end + 1;
                ++m_line;
                return true;
            }
            m_pos = end;
        }
    }

    int lineNumber() const { return m_line; }

private:
    bool fill() {
        m_chunk.resize(ChunkSize);
        const qint64 got = m_device.read(m_chunk.data(), ChunkSize);
        if (got < 0) {
            throw RunTimeFailure("price file cannot be read");
        }
        m_chunk.resize(static_cast<qsizetype>(got));
        m_pos = 0;
        m_read += got;
        // A file can grow while it is read, or be one of the kernel's that says it is empty.
        if (m_read > m_maxBytes) {
            throw RunTimeFailure(Message::PriceFileTooLarge);
        }
        return got > 0;
    }

    QIODevice& m_device;
    qint64 m_maxBytes;
    qint64 m_read = 0;
    QByteArray m_chunk;
    qsizetype m_pos = 0;
    bool m_afterCr = false;
    int m_line = 0;
};

// The fields of a line, as views into it: blanks around a field are dropped, and a field in
// double quotes is what stands between them (a doubled quote inside stays doubled, which no
// date or price holds). At most MaxFields fields are taken.
void splitFields(QByteArrayView line, char separator, std::vector<QByteArrayView>& fields) {
    fields.clear();
    qsizetype pos = 0;
    const qsizetype n = line.size();
    while (fields.size() < MaxFields) {
        while (pos < n && isBlank(line[pos])) {
            ++pos;
        }
        qsizetype end = pos;
        if (pos < n && line[pos] == '"') {
            qsizetype close = pos + 1;
            while (close < n &&
                   !(line[close] == '"' && (close + 1 >= n || line[close + 1] != '"'))) {
                close += line[close] == '"' ? 2 : 1;
            }
            fields.push_back(line.sliced(pos + 1, std::min(close, n) - pos - 1));
            end = std::min(close + 1, n);
            while (end < n && line[end] != separator) {
                ++end;
            }
        } else {
            while (end < n && line[end] != separator) {
                ++end;
            }
            fields.push_back(trimmed(line.sliced(pos, end - pos)));
        }
        if (end >= n) {
            return;
        }
        pos = end + 1;
    }
}

// Semicolons when the line has at least as many of them as commas, outside double quotes.
char separatorOf(QByteArrayView line) {
    int commas = 0;
    int semicolons = 0;
    bool quoted = false;
    for (const char c : line) {
        if (c == '"') {
            quoted = !quoted;
        } else if (!quoted && c == ',') {
            ++commas;
        } else if (!quoted && c == ';') {
            ++semicolons;
        }
    }
    return semicolons > 0 && semicolons >= commas ? ';' : ',';
}

bool isBlankRow(const std::vector<QByteArrayView>& fields) {
    return std::all_of(fields.begin(), fields.end(), [](QByteArrayView f) { return f.isEmpty(); });
}

// A heading's letters and digits in lower case: "Adj. Close" is "adjclose", "Close*" "close".
QByteArray headingKey(QByteArrayView heading) {
    QByteArray key;
    for (const char c : heading) {
        if (c >= 'A' && c <= 'Z') {
            key.append(static_cast<char>(c - 'A' + 'a'));
        } else if ((c >= 'a' && c <= 'z') || isDigit(c)) {
            key.append(c);
        }
    }
    return key;
}

// A date as the file writes it: its form, and its numbers in the order they stand. Slash
// dates wait for the order of day and month the whole file shows.
enum class DateForm : std::uint8_t { YearFirst, DayFirst, Slashes };

struct DateParts {
    std::int16_t first = 0;
    std::int16_t second = 0;
    std::int16_t year = 0;
    DateForm form = DateForm::YearFirst;
};

// A run of 1..`most` digits from `pos`; -1 when there is none or it is longer.
int digitsAt(QByteArrayView text, qsizetype& pos, int most) {
    int value = 0;
    int count = 0;
    while (pos < text.size() && isDigit(text[pos])) {
        if (++count > most) {
            return -1;
        }
        value = value * 10 + (text[pos] - '0');
        ++pos;
    }
    return count == 0 ? -1 : value;
}

std::optional<DateParts> readDateParts(QByteArrayView field) {
    QByteArrayView text = trimmed(field);
    // A time after the date ("2024-03-15 16:00:00", "2024-03-15T00:00:00Z") is passed over.
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == ' ' || text[i] == 'T') {
            text = text.first(i);
            break;
        }
    }
    qsizetype pos = 0;
    const int a = digitsAt(text, pos, 4);
    if (a < 0 || pos >= text.size()) {
        return std::nullopt;
    }
    const char separator = text[pos];
    if (separator != '-' && separator != '/' && separator != '.') {
        return std::nullopt;
    }
    const bool yearFirst = pos == 4;
    ++pos;
    const int b = digitsAt(text, pos, 2);
    if (b < 0 || pos >= text.size() || text[pos] != separator) {
        return std::nullopt;
    }
    ++pos;
    const qsizetype lastBegin = pos;
    const int c = digitsAt(text, pos, 4);
    if (c < 0 || pos != text.size()) {
        return std::nullopt;
    }
    const bool yearLast = pos - lastBegin == 4;
    DateParts parts;
    if (yearFirst && pos - lastBegin <= 2) {
        parts = {static_cast<std::int16_t>(b), static_cast<std::int16_t>(c),
                 static_cast<std::int16_t>(a), DateForm::YearFirst};
    } else if (!yearFirst && a <= 99 && yearLast) {
        parts = {static_cast<std::int16_t>(a), static_cast<std::int16_t>(b),
                 static_cast<std::int16_t>(c),
                 separator == '/' ? DateForm::Slashes : DateForm::DayFirst};
    } else {
        return std::nullopt;
    }
    return parts;
}

// The date of `parts`; an invalid date when the numbers make none or one the program does not
// keep.
QDate dateOf(const DateParts& parts, bool slashesDayFirst) {
    QDate date;
    switch (parts.form) {
    case DateForm::YearFirst:
        date = QDate(parts.year, parts.first, parts.second);
        break;
    case DateForm::DayFirst:
        date = QDate(parts.year, parts.second, parts.first);
        break;
    case DateForm::Slashes:
        date = slashesDayFirst ? QDate(parts.year, parts.second, parts.first)
                               : QDate(parts.year, parts.first, parts.second);
        break;
    }
    return acceptableRecordDate(date) ? date : QDate();
}

bool isDateField(QByteArrayView field) {
    const std::optional<DateParts> parts = readDateParts(field);
    // A slash date is a date in one order or the other.
    return parts && (dateOf(*parts, false).isValid() || dateOf(*parts, true).isValid());
}

// The columns of the file and how its fields are read.
struct Columns {
    char separator = ',';
    int date = 0;
    bool dateHeaded = false;
    int price = -1;
};

// The column the headings name for the prices, by the order of preference; -1 for none.
int headedPriceColumn(const std::vector<QByteArrayView>& headings) {
    static const std::array<const char*, 6> Preferred = {"close", "closelast", "adjclose",
                                                         "price", "last",      "value"};
    for (const char* name : Preferred) {
        for (std::size_t i = 0; i < headings.size(); ++i) {
            if (headingKey(headings[i]) == name) {
                return static_cast<int>(i);
            }
        }
    }
    return -1;
}

// The last column, other than the dates and a volume ("Volume", "Vol.", "Volumen"), whose fields in
// `sample` are mostly numbers; -1 for none.
int numberColumn(const std::vector<std::vector<QByteArrayView>>& sample,
                 const std::vector<QByteArrayView>& headings, const Columns& columns) {
    std::size_t width = 0;
    for (const auto& fields : sample) {
        width = std::max(width, fields.size());
    }
    for (int c = static_cast<int>(width) - 1; c >= 0; --c) {
        const auto column = static_cast<std::size_t>(c);
        const QByteArray key =
            column < headings.size() ? headingKey(headings[column]) : QByteArray();
        if (c == columns.date || key.startsWith("vol")) {
            continue;
        }
        int numbers = 0;
        int others = 0;
        for (const auto& fields : sample) {
            if (column >= fields.size() || fields[column].isEmpty()) {
                continue;
            }
            if (readPrice(fields[column], columns.separator == ';')) {
                ++numbers;
            } else {
                ++others;
            }
        }
        if (numbers > 0 && numbers > others) {
            return c;
        }
    }
    return -1;
}

// Collects the rows of the file; the dates wait for the order of day and month.
class RowCollector {
public:
    explicit RowCollector(const Columns& columns) : m_columns(columns) {}

    void add(const std::vector<QByteArrayView>& fields, int line) {
        if (isBlankRow(fields)) {
            return;
        }
        const auto field = [&fields](int c) {
            const auto i = static_cast<std::size_t>(c);
            return i < fields.size() ? fields[i] : QByteArrayView();
        };
        const std::optional<DateParts> parts = readDateParts(field(m_columns.date));
        if (!parts) {
            skip(m_skips, line, SkipReason::NoDate);
            return;
        }
        const std::optional<double> price =
            readPrice(field(m_columns.price), m_columns.separator == ';');
        if (!price) {
            skip(m_skips, line, SkipReason::NoPrice);
            return;
        }
        if (!(*price > 0.0)) {
            skip(m_skips, line, SkipReason::PriceNotAbove0);
            return;
        }
        if (parts->form == DateForm::Slashes && parts->first > 12) {
            m_slashesDayFirst = true;
        }
        m_rows.push_back({*parts, *price, line});
    }

    PriceRows finish() {
        PriceRows result;
        Skips late;
        result.rows.reserve(m_rows.size());
        for (const Row& r : m_rows) {
            const QDate date = dateOf(r.parts, m_slashesDayFirst);
            if (date.isValid()) {
                result.rows.push_back({date, r.price, r.line});
            } else {
                skip(late, r.line, SkipReason::NoDate);
            }
        }
        m_rows = {};
        // The rows skipped while reading and those whose date made none come in line order
        // each; the first of both are the first of all.
        result.skippedCount = m_skips.count + late.count;
        result.firstSkipped = m_skips.first;
        result.firstSkipped.insert(result.firstSkipped.end(), late.first.begin(), late.first.end());
        std::sort(result.firstSkipped.begin(), result.firstSkipped.end(),
                  [](const SkippedLine& a, const SkippedLine& b) { return a.line < b.line; });
        if (result.firstSkipped.size() > MaxNamedSkips) {
            result.firstSkipped.resize(MaxNamedSkips);
        }
        return result;
    }

private:
    struct Row {
        DateParts parts;
        double price = 0.0;
        int line = 0;
    };
    struct Skips {
        int count = 0;
        std::vector<SkippedLine> first;
    };

    static void skip(Skips& skips, int line, SkipReason reason) {
        ++skips.count;
        if (skips.first.size() < MaxNamedSkips) {
            skips.first.push_back({line, reason});
        }
    }

    Columns m_columns;
    std::vector<Row> m_rows;
    Skips m_skips;
    bool m_slashesDayFirst = false;
};

// The first line that is not blank, without a byte-order mark; false when there is none.
bool firstLine(PriceLines& lines, QByteArray& line) {
    bool first = true;
    while (lines.next(line)) {
        if (first && line.startsWith("\xEF\xBB\xBF")) {
            line.remove(0, 3);
        }
        first = false;
        if (!trimmed(line).isEmpty()) {
            return true;
        }
    }
    return false;
}

} // namespace

std::optional<double> readPrice(QByteArrayView field, bool decimalComma) {
    QByteArrayView text = trimmed(field);
    std::array<char, 48> digits{};
    std::size_t length = 0;
    qsizetype i = 0;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        if (text[i] == '-') {
            digits[length++] = '-';
        }
        ++i;
    }
    if (i < text.size() && text[i] == '$') {
        ++i;
    }
    const char decimal = decimalComma && text.contains(',') ? ',' : '.';
    const char grouping = decimal == ',' ? '.' : ',';
    bool seenDecimal = false;
    bool seenDigit = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (length + 1 >= digits.size()) {
            return std::nullopt;
        }
        if (isDigit(c)) {
            digits[length++] = c;
            seenDigit = true;
        } else if (c == decimal && !seenDecimal) {
            digits[length++] = '.';
            seenDecimal = true;
        } else if (c == grouping && seenDigit && !seenDecimal) {
            continue;
        } else {
            return std::nullopt;
        }
    }
    if (!seenDigit) {
        return std::nullopt;
    }
    double value = 0.0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + length, value);
    if (error != std::errc() || end != digits.data() + length || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

PriceRows readPriceRows(QIODevice& device, qint64 maxBytes) {
    PriceLines lines(device, maxBytes);
    QByteArray line;
    if (!firstLine(lines, line)) {
        throw RunTimeFailure(Message::NoPricesFound);
    }
    Columns columns;
    columns.separator = separatorOf(line);
    std::vector<QByteArrayView> fields;
    splitFields(line, columns.separator, fields);

    // The first line holds the headings, unless it is already a row of prices.
    std::vector<QByteArray> sampleLines;
    std::vector<int> sampleNumbers;
    QByteArray headingLine;
    std::vector<QByteArrayView> headings;
    if (isDateField(fields.front())) {
        sampleLines.push_back(line);
        sampleNumbers.push_back(lines.lineNumber());
    } else {
        headingLine = line;
        splitFields(headingLine, columns.separator, headings);
        for (std::size_t i = 0; i < headings.size(); ++i) {
            if (headingKey(headings[i]) == "date") {
                columns.date = static_cast<int>(i);
                columns.dateHeaded = true;
                break;
            }
        }
        columns.price = headedPriceColumn(headings);
    }
    while (sampleLines.size() < SampleRows && lines.next(line)) {
        if (!trimmed(line).isEmpty()) {
            sampleLines.push_back(line);
            sampleNumbers.push_back(lines.lineNumber());
        }
    }
    std::vector<std::vector<QByteArrayView>> sample;
    sample.reserve(sampleLines.size());
    for (const QByteArray& l : sampleLines) {
        splitFields(l, columns.separator, fields);
        sample.push_back(fields);
    }

    // Without a heading, the first column holds the dates when any row of the sample shows one.
    if (!columns.dateHeaded && !sample.empty()) {
        const auto date = static_cast<std::size_t>(columns.date);
        const bool dates = std::any_of(sample.begin(), sample.end(), [date](const auto& f) {
            return date < f.size() && isDateField(f[date]);
        });
        if (!dates) {
            throw RunTimeFailure(Message::NoDateColumn);
        }
    }
    if (columns.price == columns.date) {
        columns.price = -1;
    }
    if (columns.price < 0) {
        columns.price = numberColumn(sample, headings, columns);
    }
    if (columns.price < 0) {
        throw RunTimeFailure(sample.empty() && !headings.empty() ? Message::NoPricesFound
                                                                 : Message::NoPriceColumn);
    }

    RowCollector rows(columns);
    for (std::size_t i = 0; i < sample.size(); ++i) {
        rows.add(sample[i], sampleNumbers[i]);
    }
    while (lines.next(line)) {
        splitFields(line, columns.separator, fields);
        rows.add(fields, lines.lineNumber());
    }
    return rows.finish();
}
