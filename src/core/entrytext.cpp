#include "core/entrytext.h"

#include "core/formats.h"
#include "core/runtimefailure.h"

#include <algorithm>

EntryFieldDef moneyField(const QString& name, int index, const QString& enterTarget, int width) {
    return {.name = name,
            .index = index,
            .kind = FieldKind::Money,
            .pattern = QStringLiteral("####,,###.00"),
            .width = width,
            .enterTarget = enterTarget};
}

EntryFieldDef percentField(const QString& name, int index, const QString& enterTarget, int width) {
    return {.name = name,
            .index = index,
            .kind = FieldKind::Percent,
            .pattern = QStringLiteral("###.00"),
            .width = width,
            .enterTarget = enterTarget};
}

EntryFieldDef yearsField(const QString& name, int index, const QString& enterTarget, int width,
                         int limit, Message limitMessage) {
    return {.name = name,
            .index = index,
            .kind = FieldKind::Years,
            .decimals = 0,
            .pattern = QStringLiteral("###"),
            .width = width,
            .limit = limit,
            .limitMessage = limitMessage,
            .enterTarget = enterTarget};
}

QString entryDisplayText(const EntryFieldDef& field, Currency value,
                         const QString& currencySymbol) {
    const double shown = value.toDouble() * field.displayFactor;
    const QString number = formatNumber(shown, field.pattern);
    switch (field.kind) {
    case FieldKind::Money:
        return RightAlign(currencySymbol + number, field.width);
    case FieldKind::Percent:
        return RightAlign(number, field.width) + QLatin1Char('%');
    case FieldKind::Years:
        break;
    }
    return RightAlign(number, field.width);
}

namespace {

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
}

QString withoutBlanks(const QString& text) {
    QString kept;
    kept.reserve(text.size());
    for (const QChar c : text) {
        if (!isBlank(c)) {
            kept.append(c);
        }
    }
    return kept;
}

// The text without blanks and without the currency symbol in front of it.
QString withoutSymbol(const QString& text, const QString& currencySymbol) {
    QString kept = withoutBlanks(text);
    const QString symbol = withoutBlanks(currencySymbol);
    if (!symbol.isEmpty() && kept.startsWith(symbol)) {
        kept.remove(0, symbol.size());
    }
    return kept;
}

} // namespace

bool entryTextAcceptable(const EntryFieldDef& field, const QString& text,
                         const QString& currencySymbol) {
    QString number =
        field.kind == FieldKind::Money ? withoutSymbol(text, currencySymbol) : withoutBlanks(text);
    if (field.kind == FieldKind::Percent && number.endsWith(u'%')) {
        number.chop(1);
    }
    if (field.allowsMinus && number.startsWith(u'-')) {
        number.remove(0, 1);
    }
    const int places = field.kind == FieldKind::Years ? 0 : std::max<int>(field.decimals, 2);
    qsizetype point = -1;
    for (qsizetype i = 0; i < number.size(); ++i) {
        const QChar c = number[i];
        if (c.isDigit() && c.unicode() <= u'9') {
            if (point >= 0 && i - point > places) {
                return false;
            }
        } else if (c == u'.' && field.kind != FieldKind::Years) {
            point = point < 0 ? i : point;
        } else if (!(c == u',' && field.kind == FieldKind::Money)) {
            return false;
        }
    }
    return true;
}

double entryNumber(const EntryFieldDef& field, const QString& text, const QString& currencySymbol) {
    if (field.kind != FieldKind::Money) {
        return readNumber(text);
    }
    QString number = withoutSymbol(text, currencySymbol);
    number.remove(u',');
    return readNumber(number);
}

bool entryAboveLimit(const EntryFieldDef& field, const QString& text) {
    return field.limit > 0 && readNumber(text) > field.limit;
}

EntryCommit commitEntry(const EntryFieldDef& field, const QString& text,
                        const QString& currencySymbol) {
    const double typed = entryNumber(field, text, currencySymbol);
    const Currency value =
        Currency::fromDouble(checked::divide(checked::finite(typed), field.displayFactor));
    return {value, entryDisplayText(field, value, currencySymbol)};
}
