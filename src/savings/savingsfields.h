#pragma once
// The entry fields of SavingsCalc and FindCompoundCalc as data: what the shared entry protocol
// needs of each field, its label's caption, its drop-down list and its value and text at load.

#include "core/currency.h"
#include "core/entrytext.h"

#include <QString>
#include <QStringList>
#include <vector>

struct FieldEntry {
    EntryFieldDef field;
    QString caption = {};       // the label's caption
    QStringList list = {};      // the drop-down list's preset values; empty for a text box
    Currency atLoad = {};       // stored in EntryValues when the window loads
    int widthAtLoad = 0;        // a display width at load that differs from the field's (0: none)
    QString fixedLoadText = {}; // a literal shown at load whatever the currency symbol
};

// The text a field shows when its window loads.
QString textAtLoad(const FieldEntry& entry, const QString& currencySymbol);

// A control beside the entry fields that is not one: the frequency choice list and the
// investment's name.
struct TextFieldEntry {
    QString name;
    QString caption;
    QStringList list; // the choice list; empty for a text box
    QString textAtLoad;
    QString enterTarget;
};

// SavingsCalc, in the window's order: InLumpInv, InInvest, InRate, InIncrRate, inInflatRate,
// InTerm (InMonthsYrs, between InInvest and InRate, is savingsFrequencyField()).
std::vector<FieldEntry> savingsFields();
// InMonthsYrs: "Annually", "Quarterly", "Monthly"; accepts no typing.
TextFieldEntry savingsFrequencyField();

// FindCompoundCalc: InCost, InValNow, InTerm (then NamInv, compoundNameField()).
std::vector<FieldEntry> compoundFields();
// NamInv: free text, "XYZ mutual fund." at load.
TextFieldEntry compoundNameField();

// NamInv's own key rule. Enter is dropped and moves the focus to "&Calculate"; any other key
// runs ResetResults and is then typed as it is (the name is not emptied first).
struct NameKey {
    std::int16_t key = 0; // the key to type; 0: dropped
    bool resetResults = false;
    QString focusTarget; // the control to focus; empty: none
};
NameKey nameKey(std::int16_t key);
