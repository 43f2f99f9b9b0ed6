#include "savings/savingsplan.h"

#include "core/formats.h"
#include "core/programstate.h"
#include "core/reportpage.h"
#include "core/runtimefailure.h"
#include "savings/savingsstate.h"

namespace {

struct Frequency {
    const char* text;
    int m;
};
constexpr Frequency Frequencies[] = {{"Annually", 1}, {"Quarterly", 4}, {"Monthly", 12}};

// The periodic rate that compounds to `percent` over the m periods of a year.
double periodicRate(Currency percent, int m) {
    const double base = checked::finite(1.0 + percent.toDouble() / 100.0);
    return checked::power(base, 1.0 / m) - 1.0;
}

QString rate(Currency percent) {
    return formatNumber(percent, u"##.00") + u'%';
}

} // namespace

QStringList savingsFrequencyTexts() {
    QStringList texts;
    for (const Frequency& f : Frequencies) {
        texts << QString::fromLatin1(f.text);
    }
    return texts;
}

int savingsPeriodsPerYear(const QString& frequency) {
    for (const Frequency& f : Frequencies) {
        if (frequency == QLatin1String(f.text)) {
            return f.m;
        }
    }
    throw RunTimeFailure("unknown contribution frequency");
}

std::int16_t savingsWholeYears(Currency T) {
    const std::int16_t years = checked::toInt16(T.toDouble());
    if (years < 0) {
        throw RunTimeFailure("negative term");
    }
    return years;
}

SavingsInputs SavingsInputs::fromState(const QString& frequency) {
    const ProgramState& p = program();
    SavingsInputs in;
    in.L = p.EntryValues[1];
    in.P = p.EntryValues[2];
    in.R = p.EntryValues[4];
    in.G = p.EntryValues[5];
    in.F = p.EntryValues[6];
    in.T = p.EntryValues[7];
    in.frequency = frequency;
    in.CalcMode = savingsMode();
    in.ComparisonCount = savings().ComparisonCount;
    return in;
}

bool comparisonLimitReached(const SavingsInputs& inputs) {
    return inputs.ComparisonCount >= MaxComparisons;
}

SavingsResult calculateSavings(const SavingsInputs& in) {
    SavingsResult res;
    res.inputs = in;
    const int m = savingsPeriodsPerYear(in.frequency);
    const int N = checked::toInt16(static_cast<double>(savingsWholeYears(in.T)) * m);
    // The first period is computed whatever the term; the totals follow the last period.
    const int K = std::max(N, 1) + 1;
    if (K >= SavingsResultRows) {
        throw RunTimeFailure("more periods than the result table holds");
    }
    res.m = m;
    res.N = N;
    res.r = checked::toSingle(periodicRate(in.R, m));
    res.g = periodicRate(in.G, m);
    res.f = periodicRate(in.F, m);
    const double r = res.r;
    const double g = res.g;
    const double f = res.f;
    res.periods.reserve(static_cast<std::size_t>(K - 1));

    // Contributions are made at the start of each period, so each period's interest is on the
    // previous value plus its contribution. Only the contribution and the interest are rounded
    // to currency; the value is carried in double precision.
    Currency c = in.P;
    const Currency first = in.L + c;
    Currency I = Currency::fromDouble(first.toDouble() * r);
    double V = (first + I).toDouble();
    V = checked::finite(V - V * f);
    Currency S = first;
    res.periods.push_back({first, I, V});
    for (int k = 2; k <= N; ++k) {
        c = Currency::fromDouble(c.toDouble() + c.toDouble() * g);
        I = Currency::fromDouble((c.toDouble() + V) * r);
        V = checked::finite((I + c).toDouble() + V);
        V = checked::finite(V - V * f);
        S += c;
        res.periods.push_back({c, I, V});
    }
    res.totalInvested = S;
    res.finalValue = V;
    res.years = checked::toInt16(static_cast<double>(N) / m);
    if (in.CalcMode == SavingsMode::Comparisons) {
        res.graphValue = Currency::fromDouble(V);
    }
    return res;
}

QString comparisonReportLine(const SavingsResult& res) {
    const SavingsInputs& in = res.inputs;
    ReportLine line;
    line.figure(formatNumber(static_cast<double>(res.totalsRow() - 1), u"##"), 3)
        .figure(formatNumber(in.L, u"###,,###.00"), 12)
        .figure(formatNumber(in.P, u"###,,###.00"), 12)
        .figure(rate(in.R), 8)
        .figure(rate(in.G), 8)
        .figure(rate(in.F), 8)
        .figure(formatNumber(res.totalInvested, u"####,,##0.00"), 13)
        .figure(formatNumber(res.finalValue, u"####,,##0.00"), 14);
    return line.text() + QStringLiteral("\r\n ") + QString(77, u'_') + QStringLiteral("\r\n\r\n");
}

void refuseComparison() {
    program().ResultCount = savings().ComparisonCount;
}
