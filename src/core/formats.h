#pragma once
// Display patterns, right justification and reading a text as a number: the text forms of
// every figure the program shows or prints.

#include "core/currency.h"

#include <QString>
#include <QStringView>

// Formats a number with one of the program's display patterns:
//   "####,,###.00" "###,,###.00" "##,,###.00" "#,,###.00" "###,###.00"   grouped, two decimals,
//        no digit before the point below 1 (0 -> ".00", 0.75 -> ".75", 1234.5 -> "1,234.50")
//   "####,,##0.00" "#####,,##0.00"   grouped, always a digit before the point (0 -> "0.00")
//   "###.00" "##.00" "###.000"        no grouping, two or three decimals (6.5 -> "6.50")
//   "###.##"                          up to two decimals, the point always shown (365 -> "365.")
//   "0.########"                      a leading digit, up to eight decimals
//   "###" "##" "####"                 whole number, rounded, no grouping; 0 -> ""
//   "#,,###"                          whole number with grouping; 0 -> ""
//   "###.00%" "####.00%" "###,,###.00%" "#,,###.00%" "#,,###.000%" "#,,###.0000%"
//                                     the number times 100, then as above, followed by "%"
// Adjacent commas only switch grouping on; they never scale. Negative numbers get a leading
// "-"; a negative value that rounds to zero shows without it. Rounding is half away from zero
// on the decimal digits of the value (the value is first taken to 15 significant digits, so
// 2.675 shows as 2.68). Any pattern of '#', '0', ',' and '.' works the same way: each '0' before
// the point is a digit always shown, the placeholders after it are the decimals ('0' always
// shown, '#' only when not a trailing zero), the point is shown whenever the pattern has one.
// Other characters before or after the placeholders are copied; a '%' among them also
// multiplies by 100. A non-finite double shows as "inf", "-inf" or "nan".
QString formatNumber(double value, QStringView pattern);
// The same for an amount, exactly from its four decimals.
QString formatNumber(Currency value, QStringView pattern);

// The value as a pattern with `decimals` decimals shows it (at most 40): 19.665 -> 19.67 and
// 0.00004 -> 0 for two decimals. Figures that look equal on the screen compare equal this way.
double shownValue(double value, int decimals);

// The shortest plain text that reads back as the very same value: digits, a point only where
// there are decimals, a leading zero below 1, "-" before a negative number, never grouping or
// an exponent (0.1 + 0.2 -> "0.30000000000000004", 1e20 -> "100000000000000000000",
// 0.000012 -> "0.000012"). Zero of either sign is "0". The single-precision form has the
// digits of a single (13.333333f -> "13.333333"). A non-finite value shows as formatNumber()
// shows it. Files store their numbers this way, and a value put back into a box for editing
// is shown this way.
QString plainNumber(double value);
QString plainNumber(float value);

// Returns a text of exactly `width` characters: right-aligned, padded with spaces on the left;
// a longer text is cut to its leftmost `width` characters.
QString RightJustify(const QString& text, int width);
// The same for figures, which are never cut: a text longer than `width` is returned whole (a
// column of the screen or the paper grows rather than lose digits).
QString RightAlign(const QString& text, int width);

// Reads a text as a number: blanks, tabs and line feeds are skipped wherever they occur; an
// optional sign, digits, at most one decimal point and an optional exponent are taken; reading
// stops at the first other character. An empty or non-numeric start reads 0. So "  6.50%"
// reads 6.5, "1.2.3" reads 1.2, "1,250.00" reads 1 and "$1,250.00" reads 0. A value too large
// for a double reads as infinity and is refused by the checked conversions that follow.
double readNumber(QStringView text);
