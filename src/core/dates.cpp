#include "core/dates.h"

#include <QLocale>
#include <QRegularExpression>

namespace {

QDate& fixedToday() {
    static QDate date;
    return date;
}

// The order in which day, month and year appear in a date format ("dmy", "mdy", "ymd").
QString fieldOrder(const QString& format) {
    QString order;
    for (const QChar c : format) {
        const QChar field = c == u'd' ? u'd' : c == u'M' ? u'm' : c == u'y' ? u'y' : QChar();
        if (!field.isNull() && !order.contains(field)) {
            order += field;
        }
    }
    return order;
}

// A numeric format holds only day, month and year numbers between separators: no month or
// weekday names, no quoted words.
bool isNumericFormat(const QString& format) {
    for (const QChar c : format) {
        if (c == u'\'') {
            return false;
        }
        if (c.isLetter() && c != u'd' && c != u'M' && c != u'y') {
            return false;
        }
    }
    static const QRegularExpression nameFields(QStringLiteral("MMM|ddd"));
    return !nameFields.match(format).hasMatch() && fieldOrder(format).size() == 3;
}

// Every run of one to three year letters becomes four.
QString withFourDigitYear(const QString& format) {
    static const QRegularExpression shortYear(QStringLiteral("(?<!y)y{1,3}(?!y)"));
    QString result = format;
    result.replace(shortYear, QStringLiteral("yyyy"));
    return result;
}

// Two-digit years fall in 1930..2029.
int expandYear(int year, qsizetype digits) {
    if (digits > 2) {
        return year;
    }
    return year < 30 ? 2000 + year : 1900 + year;
}

std::optional<QDate> validDate(int year, int month, int day) {
    const QDate date(year, month, day);
    if (!date.isValid()) {
        return std::nullopt;
    }
    return date;
}

} // namespace

namespace Dates {

QDate today() {
    return fixedToday().isValid() ? fixedToday() : QDate::currentDate();
}

void setToday(const QDate& date) {
    fixedToday() = date;
}

QString shortDateFormat() {
    return shortDateFormat(QLocale::system());
}

QString shortDateFormat(const QLocale& locale) {
    if (locale.language() == QLocale::C) {
        return QStringLiteral("yyyy-MM-dd");
    }
    const QString format = locale.dateFormat(QLocale::ShortFormat);
    if (!isNumericFormat(format)) {
        return QStringLiteral("yyyy-MM-dd");
    }
    return withFourDigitYear(format);
}

QString toShortDate(const QDate& date) {
    if (!date.isValid()) {
        return {};
    }
    return date.toString(shortDateFormat());
}

std::optional<QDate> parse(const QString& text) {
    return parse(text, QLocale::system());
}

std::optional<QDate> parse(const QString& typed, const QLocale& locale) {
    const QString text = typed.trimmed();
    if (text.isEmpty()) {
        return std::nullopt;
    }
    const QDate exact = QDate::fromString(text, shortDateFormat(locale));
    if (exact.isValid()) {
        return exact;
    }

    // Three numbers between separators. A four-digit first number is a year (ISO order);
    // otherwise the locale's order of day and month decides, and a year may have two digits.
    static const QRegularExpression numeric(
        QStringLiteral(R"(^(\d{1,4})\s*[-/.]\s*(\d{1,2})\s*[-/.]\s*(\d{1,4})\s*\.?$)"));
    const QRegularExpressionMatch m = numeric.match(text);
    if (!m.hasMatch()) {
        return std::nullopt;
    }
    const QString first = m.captured(1);
    const QString second = m.captured(2);
    const QString third = m.captured(3);
    if (first.size() == 4) {
        return validDate(first.toInt(), second.toInt(), third.toInt());
    }
    if (first.size() > 2 || (third.size() != 2 && third.size() != 4)) {
        return std::nullopt;
    }
    const QString order = fieldOrder(locale.dateFormat(QLocale::ShortFormat));
    if (order == u"ymd" && third.size() == 2) {
        return validDate(expandYear(first.toInt(), 2), second.toInt(), third.toInt());
    }
    const int year = expandYear(third.toInt(), third.size());
    if (order.indexOf(u'm') < order.indexOf(u'd')) {
        return validDate(year, first.toInt(), second.toInt());
    }
    return validDate(year, second.toInt(), first.toInt());
}

QDate addDays(const QDate& date, int days) {
    return date.addDays(days);
}

QDate addMonths(const QDate& date, int months) {
    return date.addMonths(months);
}

QString toLiteral(const QDate& date) {
    return u'#' + date.toString(QStringLiteral("yyyy-MM-dd")) + u'#';
}

std::optional<QDate> fromLiteral(const QString& text) {
    static const QRegularExpression literal(QStringLiteral(R"(^#(\d{4})-(\d{2})-(\d{2})#$)"));
    const QRegularExpressionMatch m = literal.match(text);
    if (!m.hasMatch()) {
        return std::nullopt;
    }
    return validDate(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
}

} // namespace Dates
