#pragma once
// Dates: today, the user's short-date format, parsing a typed date, stepping by days and
// months, and the date literals of the files.
//
// The short-date format is the locale's numeric short format with a four-digit year; where the
// locale has no numeric short format (the C locale), yyyy-MM-dd.

#include <QDate>
#include <QLocale>
#include <QString>
#include <optional>

namespace Dates {

QDate today();
// Tests: fixes today (an invalid date restores the clock).
void setToday(const QDate& date);

QString shortDateFormat();
QString shortDateFormat(const QLocale& locale);
QString toShortDate(const QDate& date);
// Reads a typed date: the short-date format first, then ISO (yyyy-M-d), then day, month and
// year numbers in the locale's order of day and month, separated by '/', '.' or '-'. A year of
// two digits falls in 1930..2029. Nothing when the text is not a date.
std::optional<QDate> parse(const QString& text);
std::optional<QDate> parse(const QString& text, const QLocale& locale);

QDate addDays(const QDate& date, int days);
// Month steps keep the day of the month, falling back to the last day of a shorter month.
QDate addMonths(const QDate& date, int months);

// "#2001-03-16#". fromLiteral() takes exactly that form of a real date, nothing else.
QString toLiteral(const QDate& date);
std::optional<QDate> fromLiteral(const QString& text);

} // namespace Dates
