#include "core/tableexport.h"

#include <QRegularExpression>

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
    // Digits grouped in threes (or not), then the decimals shown.
    static const QRegularExpression figure(QStringLiteral("^(\\d{1,3}(,\\d{3})+|\\d*)(\\.\\d*)?$"));
    if (text.isEmpty() || !text.contains(QRegularExpression(QStringLiteral("\\d"))) ||
        !figure.match(text).hasMatch()) {
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
