#include "savings/compoundgrowth.h"

#include "core/formats.h"
#include "core/programstate.h"
#include "core/reportpage.h"
#include "core/runtimefailure.h"
#include "savings/savingsstate.h"

#include <cmath>

namespace {

QString money(const QString& symbol, Currency value) {
    return symbol + formatNumber(value, u"####,,###.00");
}

} // namespace

CompoundInputs CompoundInputs::fromState(const QString& name) {
    const ProgramState& p = program();
    CompoundInputs in;
    in.C = p.EntryValues[1];
    in.V = p.EntryValues[2];
    in.T = p.EntryValues[3];
    in.name = name;
    in.ResultCount = p.ResultCount;
    in.InvestmentCount = savings().InvestmentCount;
    in.CurrencySymbol = p.CurrencySymbol;
    return in;
}

Message compoundRefusal(const CompoundInputs& in) {
    if (in.T >= Currency::fromWhole(51)) {
        return Message::FiftyYearsLimit;
    }
    if (in.C == Currency() || in.V == Currency() || in.T == Currency()) {
        return Message::WrongEntry;
    }
    if (in.ResultCount >= MaxComparisons) {
        return Message::TwentyTwoEntriesLimit;
    }
    return Message::None;
}

CompoundResult calculateCompound(const CompoundInputs& in) {
    CompoundResult res;
    const double C = in.C.toDouble();
    const double V = in.V.toDouble();
    const double T = in.T.toDouble();
    const double ratio = checked::divide(V, C);
    if (ratio <= 0.0) {
        throw RunTimeFailure("logarithm of a number not above 0");
    }
    res.g = checked::finite(std::exp(std::log(ratio) * checked::divide(1.0, T)) - 1.0);
    res.q = checked::divide(V - C, C);
    res.graphValue = Currency::fromDouble(100.0 * res.g);
    res.investment = checked::toInt16(static_cast<double>(in.ResultCount) + 1.0);
    res.row = checked::toInt16(static_cast<double>(in.InvestmentCount) + 1.0);
    res.name = in.name;

    const QString& sym = in.CurrencySymbol;
    res.gridRow = {
        in.name,          QString::number(T, 'g', 15),         money(sym, in.C),
        money(sym, in.V), formatNumber(res.g, u"#,,###.000%"), formatNumber(res.q, u"#,,###.00%")};

    if (!in.name.isEmpty()) {
        res.reportLines = QStringLiteral("\r\n ") + in.name;
    }
    ReportLine figures;
    figures.figure(formatNumber(in.T, u"###"), 5)
        .gap(6)
        .figure(money(sym, in.C), 14)
        .gap(5)
        .figure(money(sym, in.V), 14)
        .gap(7)
        .figure(formatNumber(res.g, u"#,,###.0000%"), 12)
        .gap(4)
        .figure(formatNumber(res.q, u"#,,###.0000%"), 12);
    res.reportLines += QStringLiteral("\r\n") + figures.text() + QStringLiteral("\r\n ") +
                       QString(78, u'_') + QStringLiteral(" \r\n");
    return res;
}

GridSetup compoundGridSetup() {
    GridSetup setup;
    setup.cols = 6;
    setup.rows = 24;
    setup.headingTwips = 500;
    setup.widenTwips = {1570, 200, 750, 750, 400, 400};
    setup.alignments = {GridCentre, GridCentre, GridRight, GridRight, GridRight, GridRight};
    setup.headings = {QStringLiteral("         Name of         Investment"),
                      QStringLiteral("Term in Years"),
                      QStringLiteral("   Cost of     Investment"),
                      QStringLiteral("  Current or    Future Value"),
                      QStringLiteral("Annual Compound"),
                      QStringLiteral("Total Gain/Loss")};
    return setup;
}

CompoundGridUpdate compoundGridUpdate(const CompoundResult& res) {
    CompoundGridUpdate update;
    update.emptyData = res.row == 1;
    update.block.firstRow = res.row;
    update.block.rows.push_back(res.gridRow);
    return update;
}

QString compoundWindowCaption() {
    return QStringLiteral(" Find Annual Compound Growth");
}

QString compoundGraphTitle() {
    return QStringLiteral("Annual compound growth comparisons");
}

QString compoundAxisTitle() {
    return QStringLiteral("Gain %");
}
