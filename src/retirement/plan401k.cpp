#include "retirement/plan401k.h"

#include "core/programstate.h"
#include "core/runtimefailure.h"
#include "retirement/retirementstate.h"

#include <algorithm>

namespace {

double fraction(Currency percent) {
    return percent.toDouble() / 100.0;
}

} // namespace

Plan401KInputs Plan401KInputs::fromState() {
    const BoundedArray<Currency>& ev = program().EntryValues;
    return {ev[1], ev[2], ev[3], ev[4], ev[5], ev[6], ev[7], ev[8]};
}

int plan401kGridRows(const Plan401KInputs& inputs) {
    const int n = checked::toInt16(inputs.NumYears.toDouble());
    return std::max(n + 5, 25);
}

Plan401KResult calculatePlan401K(const Plan401KInputs& in) {
    Plan401KResult result;
    result.n = checked::toInt16(in.NumYears.toDouble());
    if (result.n >= 51) {
        result.message = Message::FiftyYearsLimit;
        return result;
    }
    const double e = fraction(in.CntrbRate);
    const double k = fraction(in.CompRate);
    const double g = fraction(in.AnnSalRaise);
    const double r = checked::toSingle(fraction(in.RetnRate));
    const double f = fraction(in.InflRate);
    const double B = in.CurrBal.toDouble();
    result.startBalance = in.CurrBal;

    double S = in.CurrSal.toDouble();
    const double c = checked::finite(S * (e + k));
    const double base1 = checked::finite(B + c);
    Currency G = Currency::fromDouble(base1 * r);
    double V = base1 + G.toDouble();
    V = checked::finite(V - f * V);
    double T = B + c;
    Currency carried = Currency::fromDouble(c);
    result.years.push_back({S, 1, c, G, V});

    for (int y = 2; y <= result.n; ++y) {
        S = checked::finite(S + g * S);
        carried = Currency::fromDouble(carried.toDouble() + g * carried.toDouble());
        const double base = checked::finite(V + carried.toDouble());
        G = Currency::fromDouble(base * r);
        V = base + G.toDouble();
        V = checked::finite(V - f * V);
        T = checked::finite(T + carried.toDouble());
        result.years.push_back({S, y, carried.toDouble(), G, V});
    }
    result.totalContributions = T;
    result.finalValue = V;
    return result;
}
