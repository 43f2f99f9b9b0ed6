#include "core/tableexport.h"

namespace {

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// Whether `text` is a figure as the grids show it: digits grouped in threes by commas (or not
// grouped), then the decimals shown after a point; at least one digit. A whole grid passes
// through here on every copy, so it reads the text once, without a regular expression.
bool isShownFigure(QStringView text) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    int group = 0; // digits since the last comma
    bool grouped = false;
    bool anyDigit = false;
    for (; i < n && (isDigit(text[i]) || text[i] == u','); ++i) {
        if (text[i] == u',') {
            if (grouped ? group != 3 : (group < 1 || group > 3)) {
                return false;
            }
            grouped = true;
            group = 0;
        } else {
            ++group;
            anyDigit = true;
        }
    }
    if (grouped && group != 3) {
        return false;
    }
    if (i < n) {
        if (text[i] != u'.') {
            return false;
        }
        for (++i; i < n; ++i) {
            if (!isDigit(text[i])) {
                return false;
            }
            anyDigit = true;
        }
    }
    return anyDigit;
}

} // namespace

QString plainFigure(const QString& shown, const QString& currencySymbol) {
    QString text = shown.trimmed();
    bool negative = false;
    if (text.startsWith(u'-')) {
        negative = true;
        text.remove(0, 1);
    }
    if (!currencySymbol.isEmpty() && text.startsWith(currencySymbol)) {
        text.remove(0, currencySymbol.size());
    }
    if (text.startsWith(u'-')) {
        if (negative) {
            return shown.trimmed();
        }
        negative = true;
        text.remove(0, 1);
    }
    if (text.endsWith(u'%')) {
        text.chop(1);
    }
    if (!isShownFigure(text)) {
        return shown.trimmed();
    }
    text.remove(u',');
    if (text.startsWith(u'.')) {
        text.prepend(u'0');
    }
    if (text.endsWith(u'.')) {
        text.chop(1);
    }
    return negative ? u'-' + text : text;
}

QString tabSeparated(const std::vector<QStringList>& rows) {
    QString text;
    for (const QStringList& row : rows) {
        text += row.join(u'\t');
        text += u'\n';
    }
    return text;
}

QByteArray csvText(const std::vector<QStringList>& rows) {
    QString text;
    for (const QStringList& row : rows) {
        QStringList fields;
        for (const QString& field : row) {
            const bool quoted = field.contains(u',') || field.contains(u'"') ||
                                field.contains(u'\n') || field.contains(u'\r');
            fields << (quoted ? u'"' + QString(field).replace(u'"', QStringLiteral("\"\"")) + u'"'
                              : field);
        }
        text += fields.join(u',');
        text += QStringLiteral("\r\n");
    }
    return text.toUtf8();
}
