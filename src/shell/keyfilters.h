#pragma once
// The key filters of the entry fields. Each takes a key code and returns the code to use, or
// 0 when the key is dropped (the system beep has then sounded).

#include "core/entrytext.h"

#include <QString>
#include <cstdint>

// Backspace (8), code 127 and "." are accepted; a digit only while fewer than `decimalPlaces`
// characters follow the first point of `text` (the text before the key). Any request of 2 or
// fewer places means 2.
std::int16_t FilterDecimalKey(std::int16_t keyCode, const QString& text,
                              std::int16_t decimalPlaces);

// Backspace (8), code 127 and the digits are accepted.
std::int16_t FilterWholeKey(std::int16_t keyCode);

// The filter of a field's kind: whole numbers for a years field, else decimals with the
// field's places. True when `key` is taken into `text`.
bool entryKeyAccepted(const EntryFieldDef& field, QChar key, const QString& text);
