#pragma once
// The capital required at retirement: the equal annual saving, paid at the start of each year
// and compounded once a year, that grows to the capital by the end of the term. Option 1
// enters the income wanted instead, and the capital is the sum whose yearly interest at the
// entered rate is that income. All figures are doubles.

#include "core/currency.h"
#include "core/messages.h"
#include "core/modes.h"
#include "retirement/yeartable.h"

#include <cstdint>
#include <vector>

struct CapitalInputs {
    Currency LumpInv; // EntryValues(1): the capital (option 0) or the yearly income (option 1)
    Currency Rate;    // EntryValues(2), percent
    Currency Term;    // EntryValues(3), years
    CapitalOption CalcMode = CapitalOption::Capital;

    static CapitalInputs fromState(); // EntryValues(1..3) and CalcMode
};

struct CapitalYear {
    int year = 0;
    double saving = 0.0;
    // The year's growth as shown: year 1 unrounded, later years rounded to cents (halves up).
    // The values carry the unrounded growth.
    double shownGrowth = 0.0;
    double value = 0.0;
};

struct CapitalResult {
    // Message::FiftyYearsLimit above 50 years: nothing was computed.
    Message message = Message::None;
    std::int16_t n = 0;
    double capital = 0.0;
    double saving = 0.0; // P
    std::vector<CapitalYear> years;
    double totalSaved = 0.0;
    double totalGrowth = 0.0; // the unrounded growths summed
    double finalValue = 0.0;
};

// The grid's row count (the heading row included): term + 4, never below 25. The window sets
// it before calculating. Raises RunTimeFailure for a term beyond 32 bits.
int capitalGridRows(const CapitalInputs& inputs);

// Raises RunTimeFailure for a rate of 0 or a term of 0 (division by zero), and on overflow.
CapitalResult calculateCapitalRequired(const CapitalInputs& inputs);

// The year rows of a result: the saving, the growth shown and the value of each year.
std::vector<YearAmounts> capitalYears(const CapitalResult& result);
