#include "shell/keyfilters.h"

#include "platform/beep.h"

#include <algorithm>

namespace {

constexpr std::int16_t Backspace = 8;
constexpr std::int16_t Delete = 127;
constexpr std::int16_t Point = '.';

bool isDigit(std::int16_t keyCode) {
    return keyCode >= '0' && keyCode <= '9';
}

std::int16_t reject() {
    platform::beep();
    return 0;
}

} // namespace

std::int16_t FilterDecimalKey(std::int16_t keyCode, const QString& text,
                              std::int16_t decimalPlaces) {
    if (keyCode == Backspace || keyCode == Delete || keyCode == Point) {
        return keyCode; // a second point too: the reading of the text stops at it
    }
    if (!isDigit(keyCode)) {
        return reject();
    }
    const qsizetype point = text.indexOf(u'.');
    if (point < 0) {
        return keyCode;
    }
    // The caret plays no part: once the places after the first point are full, no digit can be
    // added anywhere in the text.
    const qsizetype places = std::max<std::int16_t>(decimalPlaces, 2);
    if (text.size() < point + 1 + places) {
        return keyCode;
    }
    return reject();
}

bool entryKeyAccepted(const EntryFieldDef& field, QChar key, const QString& text) {
    const auto code = static_cast<std::int16_t>(key.unicode());
    return (field.kind == FieldKind::Years ? FilterWholeKey(code)
                                           : FilterDecimalKey(code, text, field.decimals)) != 0;
}

std::int16_t FilterWholeKey(std::int16_t keyCode) {
    if (keyCode == Backspace || keyCode == Delete || isDigit(keyCode)) {
        return keyCode;
    }
    return reject();
}
