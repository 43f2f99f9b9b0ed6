#include "core/entrytext.h"

#include "core/formats.h"
#include "core/runtimefailure.h"

QString entryDisplayText(const EntryFieldDef& field, Currency value,
                         const QString& currencySymbol) {
    const double shown = value.toDouble() * field.displayFactor;
    const QString number = formatNumber(shown, field.pattern);
    switch (field.kind) {
    case FieldKind::Money:
        return RightJustify(currencySymbol + number, field.width);
    case FieldKind::Percent:
        return RightJustify(number, field.width) + QLatin1Char('%');
    case FieldKind::Years:
        break;
    }
    return RightJustify(number, field.width);
}

bool entryAboveLimit(const EntryFieldDef& field, const QString& text) {
    return field.limit > 0 && readNumber(text) > field.limit;
}

EntryCommit commitEntry(const EntryFieldDef& field, const QString& text,
                        const QString& currencySymbol) {
    const double typed = readNumber(text);
    const Currency value =
        Currency::fromDouble(checked::divide(checked::finite(typed), field.displayFactor));
    return {value, entryDisplayText(field, value, currencySymbol)};
}
