#pragma once
// MortPrePay's model: one additional payment per year of the term, typed key by key into the
// grid, kept in mortgage().MortPrePayments and counted into PrePayCount by "&OK".

#include "core/currency.h"

#include <QChar>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <vector>

// The term in years rounded to whole years (halves to even), within the table's 0..45 years.
std::int16_t prePayYearsFromTerm(Currency termYears);

// MortPrePay's load: PrePayYears from EntryValues(3); ScheduleRows = PrePayYears + 1; numbers
// the year column 1..PrePayYears when year 1 has no amount. Returns the grid's row count
// (ScheduleRows, at least 20, heading included).
int loadPrePayWindow();

// Grid rows 1..PrePayYears: the year number and the amount ("###,###.00").
std::vector<QStringList> prePayRowTexts();

// The grid's headings: "Year Number", "Amount of Payment"; heading row 460 twips; column 0
// widened by 200 and column 1 by 460 twips; column 1 right-aligned.
QStringList prePayHeadings();

// "&OK": PrePayCount = years 1..PrePayYears with an amount above 0.
void acceptPrePayments();
// "&Erase all": the amounts of years 1..PrePayYears become 0; PrePayCount = 0.
void eraseAllPrePayments();
// A term picked from the term list: the table is re-created zeroed; PrePayCount = 0.
void clearPrePayments();

// The typed-amount entry of one grid cell at a time. Column 0 is the year column, column 1 the
// amount column; rows are years.
class PrePayEditor {
public:
    struct KeyOutcome {
        bool beep = false;
        bool moveDown = false;
        // The amount cell's new text, when it changed.
        std::optional<QString> cellText;
    };

    // The current cell changed: remembered, and the typed-amount text starts empty.
    void setCurrentCell(int row, int column);
    int row() const { return m_row; }
    int column() const { return m_column; }
    QString typed() const { return m_typed; }

    // A character key (Enter '\r', Backspace '\b').
    KeyOutcome keyPress(QChar key);
    // The Delete key: the row's amount becomes 0 and the typed-amount text empties. Returns the
    // text of the row's amount cell (column 1), ".00", whichever column is current.
    QString deleteKey();

private:
    bool amountRow() const;
    int m_row = 1;
    int m_column = 0;
    QString m_typed;
};
