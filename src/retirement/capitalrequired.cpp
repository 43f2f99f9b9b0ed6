#include "retirement/capitalrequired.h"

#include "core/programstate.h"
#include "core/runtimefailure.h"
#include "retirement/retirementstate.h"

#include <algorithm>
#include <cmath>

CapitalInputs CapitalInputs::fromState() {
    const ProgramState& p = program();
    const BoundedArray<Currency>& ev = p.EntryValues;
    return {ev[1], ev[2], ev[3], capitalOption()};
}

int capitalGridRows(const CapitalInputs& inputs) {
    return std::max(checked::toInt32(inputs.Term.toDouble() + 4.0), 25);
}

CapitalResult calculateCapitalRequired(const CapitalInputs& in) {
    CapitalResult result;
    const double L = in.LumpInv.toDouble();
    const double R = in.Rate.toDouble();
    result.n = checked::toInt16(in.Term.toDouble());
    if (result.n >= 51) {
        result.message = Message::FiftyYearsLimit;
        return result;
    }
    const int n = result.n;
    const double C = in.CalcMode == CapitalOption::Income ? L * checked::divide(100.0, R) : L;
    const double i = R / (100.0 * 1.0);
    const double factor = checked::divide((1.0 + i) * (checked::power(1.0 + i, n) - 1.0), i);
    const double P = checked::divide(C, factor);
    result.capital = C;
    result.saving = P;

    double V = 0.0;
    double g = i * P;
    double s = i * P;
    for (int m = 1; m <= n; ++m) {
        V = checked::finite(V + P + g);
        result.totalSaved += P;
        result.totalGrowth += g;
        result.years.push_back({m, P, s, V});
        g = i * (P + V);
        s = std::floor(checked::finite(100.0 * i * (P + V) + 0.5)) / 100.0;
    }
    result.finalValue = V;
    return result;
}

std::vector<YearAmounts> capitalYears(const CapitalResult& result) {
    std::vector<YearAmounts> years;
    for (const CapitalYear& y : result.years) {
        years.push_back({y.year, {y.saving, y.shownGrowth, y.value}});
    }
    return years;
}
