#pragma once
// What an entry field stores and shows when it is left: the text read as a number, the value
// as a currency amount, and the value written back in the field's display form.

#include "core/currency.h"
#include "core/messages.h"

#include <QString>
#include <cstdint>

enum class FieldKind {
    Money,   // currency symbol before the number, inside the width
    Percent, // "%" after the number, outside the width
    Years,   // the number alone
};

// One entry field of a calculator, declared as data.
struct EntryFieldDef {
    QString name;  // the control's object name ("InPrincipal")
    int index = 0; // position in EntryValues
    FieldKind kind = FieldKind::Money;
    std::int16_t decimals = 2; // decimal places of the decimal filter; years fields are whole
    QString pattern;           // display pattern ("####,,###.00")
    int width = 13;            // characters the number is right-aligned in
    int limit = 0;             // upper limit of a years field (0 = none)
    Message limitMessage = Message::None; // message shown above the limit
    int displayFactor = 1;      // the field shows the value times this (a loan term in months)
    QString enterTarget;        // object name of the control that receives focus on Enter
    bool deleteEmpties = false; // the Delete key empties the field before deleting
    bool allowsMinus = false;   // "-" empties the field, starts an entry and is typed
};

// The field kinds the calculators use, with their usual filter, places, pattern and width; a
// calculator sets what differs on the returned description.
// A money field: decimal filter, 2 places, "####,,###.00", the currency symbol inside `width`.
EntryFieldDef moneyField(const QString& name, int index, const QString& enterTarget,
                         int width = 13);
// A percent field: decimal filter, 2 places, "###.00" in `width`, "%" after it.
EntryFieldDef percentField(const QString& name, int index, const QString& enterTarget,
                           int width = 14);
// A years field: whole-number filter, "###" in `width`, with an upper limit and its message
// where `limit` is above 0.
EntryFieldDef yearsField(const QString& name, int index, const QString& enterTarget, int width,
                         int limit = 0, Message limitMessage = Message::None);

// The display form of `value` in the field.
QString entryDisplayText(const EntryFieldDef& field, Currency value, const QString& currencySymbol);

// Whether `text` could stand in the field after it arrived other than by typing (paste, drop,
// an input method): blanks anywhere, then the digits and points the field's key filter lets
// in, with no more digits after the first point than the field's places; a money field may
// also hold its display form (the currency symbol before, thousands separators), a percent
// field a "%" at the end; a leading minus only where the field allows one.
bool entryTextAcceptable(const EntryFieldDef& field, const QString& text,
                         const QString& currencySymbol);

// The number a field's text shows. A money field reads its own display form (the currency
// symbol and thousands separators), so that a shown amount edited in place reads as the amount
// it shows; every other field reads the text by the general rule (readNumber).
double entryNumber(const EntryFieldDef& field, const QString& text, const QString& currencySymbol);

// Whether `text` reads as a number above the field's limit.
bool entryAboveLimit(const EntryFieldDef& field, const QString& text);

struct EntryCommit {
    Currency value;
    QString text;
};

// The value stored from `text` and the text shown for it. An entry outside the range of the
// currency type raises RunTimeFailure.
EntryCommit commitEntry(const EntryFieldDef& field, const QString& text,
                        const QString& currencySymbol);
