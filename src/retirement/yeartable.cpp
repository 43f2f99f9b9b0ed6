#include "retirement/yeartable.h"

#include "core/formats.h"
#include "core/programstate.h"

QString yearAmount(double value) {
    return formatNumber(value, u"####,,###.00");
}

QString yearTotal(const QString& currencySymbol, double value) {
    return currencySymbol + formatNumber(value, u"####,,##0.00");
}

GridBlock yearTable(const std::vector<YearAmounts>& years, const std::array<double, 3>& totals,
                    const QString& currencySymbol) {
    GridBlock block;
    for (const YearAmounts& y : years) {
        block.rows.push_back({QString::number(y.year), yearAmount(y.amounts[0]),
                              yearAmount(y.amounts[1]), yearAmount(y.amounts[2])});
    }
    block.rows.push_back(QStringList(4, QString()));
    block.rows.push_back({QStringLiteral("Total:"), yearTotal(currencySymbol, totals[0]),
                          yearTotal(currencySymbol, totals[1]),
                          yearTotal(currencySymbol, totals[2])});
    return block;
}
