#include "savings/savingsdisplay.h"

#include "core/formats.h"
#include "savings/savingsstate.h"

namespace {

QString money(Currency value) {
    return formatNumber(value, u"####,,###.00");
}

QString money(double value) {
    return formatNumber(value, u"####,,###.00");
}

QString total(const QString& symbol, double value) {
    return symbol + formatNumber(value, u"####,,##0.00");
}

QString total(const QString& symbol, Currency value) {
    return symbol + formatNumber(value, u"####,,##0.00");
}

QString rate(Currency percent) {
    return formatNumber(percent, u"##.00") + u'%';
}

QString periodHeading(int m) {
    switch (m) {
    case 12:
        return QStringLiteral(" Month Number");
    case 4:
        return QStringLiteral("Quarter Number");
    default:
        return QStringLiteral(" Year  Number");
    }
}

} // namespace

QString savingsWindowCaption(SavingsMode calcMode) {
    return calcMode == SavingsMode::Comparisons ? QStringLiteral(" Investment Growth Comparisons")
                                                : QStringLiteral(" Investment Growth Calculations");
}

QString savingsAxisTitle(const QString& currencySymbol) {
    return QStringLiteral("Value ") + currencySymbol;
}

GridSetup savingsGridSetup(SavingsMode calcMode) {
    GridSetup setup;
    if (calcMode == SavingsMode::Comparisons) {
        setup.cols = 8;
        setup.rows = MaxComparisons + 1;
        setup.headingTwips = 510;
        setup.widenTwips = {-50, 430, 420, 225, 225, 225, 550, 670};
        setup.headings = {QStringLiteral("Total Period"),
                          QStringLiteral("Lump Sum Investment"),
                          QStringLiteral("Period Investment"),
                          QStringLiteral("Interest/ Growth"),
                          QStringLiteral("Increase Rate"),
                          QStringLiteral("Inflation Rate"),
                          QStringLiteral("   Total       Invested"),
                          QStringLiteral("     Current       Value")};
    } else {
        setup.cols = 4;
        setup.rows = 25;
        setup.headingTwips = 500;
        setup.widenTwips = {300, 1450, 1450, 1510};
        setup.headings = {QStringLiteral(" Year  Number"),
                          QStringLiteral("          Invested          Annually"),
                          QStringLiteral("      Interest/Growth      Compounded"),
                          QStringLiteral("              Current                Value")};
    }
    setup.alignments.assign(static_cast<std::size_t>(setup.cols), GridRight);
    setup.alignments[0] = GridCentre;
    return setup;
}

SavingsGridStart savingsGridStart(const SavingsInputs& in) {
    SavingsGridStart start;
    if (in.ComparisonCount != 0) {
        return start;
    }
    start.emptyData = true;
    if (in.CalcMode == SavingsMode::Comparisons) {
        return start;
    }
    const int m = savingsPeriodsPerYear(in.frequency);
    const int T = savingsWholeYears(in.T);
    // The totals stand two rows below the last period; a yearly grid keeps at least 25 rows.
    start.rows = m == 1 ? std::max(T + 4, 25) : m * T + 4;
    start.column0Heading = periodHeading(m);
    start.column1Heading = QStringLiteral("          Invested         ") + in.frequency;
    return start;
}

GridBlock savingsGridRows(const SavingsResult& res, const QString& currencySymbol) {
    GridBlock block;
    const SavingsInputs& in = res.inputs;
    if (in.CalcMode == SavingsMode::Comparisons) {
        block.firstRow = res.comparison();
        block.rows.push_back({formatNumber(static_cast<double>(res.totalsRow() - 1), u"###"),
                              formatNumber(in.L, u"###,,###.00"),
                              formatNumber(in.P, u"###,,###.00"), rate(in.R), rate(in.G),
                              rate(in.F), formatNumber(res.totalInvested, u"#####,,##0.00"),
                              formatNumber(res.finalValue, u"#####,,##0.00")});
        return block;
    }
    block.firstRow = 1;
    block.rows.reserve(res.periods.size() + 2);
    int k = 0;
    for (const SavingsPeriod& period : res.periods) {
        block.rows.push_back({QString::number(++k), money(period.invested), money(period.interest),
                              money(period.value)});
    }
    block.rows.push_back({QString(), QString(), QString(), QString()});
    block.rows.push_back({QStringLiteral("Total:"), total(currencySymbol, res.totalInvested),
                          total(currencySymbol, res.finalValue - res.totalInvested.toDouble()),
                          total(currencySymbol, res.finalValue)});
    return block;
}
