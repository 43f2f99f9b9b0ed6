#pragma once
// Results as they leave the program for a spreadsheet: the texts of a grid's rows copied with
// tabs between the cells, or written as a CSV file. A figure leaves as the number it shows,
// without its currency symbol, thousands separators or percent sign, with the decimals shown
// and a point; any other text (a date, "Total:", a name) leaves as it is shown.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

// The number a shown figure stands for: "$1,234,567.89" is "1234567.89", "14.870%" is
// "14.870", "-.601%" is "-0.601" and "EU-.50" "-0.50" when `currencySymbol` is "EU". A text
// that is no figure comes back without its leading and trailing blanks.
QString plainFigure(const QString& shown, const QString& currencySymbol);

// Rows of texts as spreadsheets paste them: the cells of a row separated by tabs, each row
// ended by a line end.
QString tabSeparated(const std::vector<QStringList>& rows);

// Rows of texts as a CSV file (RFC 4180), in UTF-8: fields separated by commas, a field that
// holds a comma, a double quote or a line end put in double quotes with its double quotes
// doubled, every row ended by CR LF.
QByteArray csvText(const std::vector<QStringList>& rows);
