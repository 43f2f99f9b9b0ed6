#pragma once
// The grid texts the retirement calculators share: the amounts of the year rows, the totals
// with the currency symbol before them, and a table of years with three amount columns, an
// empty row and the totals row.

#include "core/gridsetup.h"

#include <QString>
#include <array>
#include <vector>

// An amount of a year row: "####,,###.00" (no digit before the point below 1).
QString yearAmount(double value);
// An amount of the totals row: the currency symbol and "####,,##0.00".
QString yearTotal(const QString& currencySymbol, double value);

struct YearAmounts {
    int year = 0;
    std::array<double, 3> amounts{};
};

// Rows 1.. of the grid: one row per year (the year number, then its three amounts), an empty
// row, and "Total:" with the three totals.
GridBlock yearTable(const std::vector<YearAmounts>& years, const std::array<double, 3>& totals,
                    const QString& currencySymbol);
