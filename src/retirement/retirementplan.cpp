#include "retirement/retirementplan.h"

#include "core/formats.h"
#include "core/programstate.h"
#include "core/runtimefailure.h"
#include "retirement/retirementstate.h"

#include <cmath>

namespace {

double fraction(Currency percent) {
    return percent.toDouble() / 100.0;
}

// A withdrawal as the grid and the report show it: in whole cents, rounded as the display
// patterns round. The total withdrawn adds the withdrawals this way, so that it is the sum of
// the column a user reads (the 0.0005 every percentage withdrawal carries for its display, or
// the fractions of a cent of a raised amount, would otherwise add up to cents more or less).
Currency shownCents(double amount) {
    return Currency::fromDouble(readNumber(formatNumber(amount, u"###.00")));
}

RetirementResult refused(Message message) {
    RetirementResult result;
    result.message = message;
    return result;
}

RetirementResult percentageTable(const RetirementInputs& in, double r) {
    RetirementResult result;
    const int T = checked::toInt16(in.Term.toDouble());
    const double w = fraction(in.RateDrawn);
    Currency V = in.Invest;
    Currency withdrawn;
    for (int y = 1; y <= T; ++y) {
        const double v = V.toDouble();
        // A percentage above 100 withdraws more than the capital, and a capital of nothing has
        // nothing to withdraw. The percentage is what is compared, not the withdrawal: the
        // 0.0005 the cut adds for the display would make 100% look larger than the capital.
        if (w > 1.0 || V <= Currency()) {
            return refused(Message::UnknownError);
        }
        const Currency I = Currency::fromDouble(CutToCents(v * w));
        const double Vn = CutToCents(v + (r - w) * v);
        const double G = v * r;
        result.years.push_back({y, G, I.toDouble(), Vn});
        result.totalGrowth += G;
        withdrawn += shownCents(I.toDouble());
        result.totalWithdrawn = withdrawn.toDouble();
        result.finalValue = Vn;
        V = Currency::fromDouble(Vn);
    }
    return result;
}

// One month of the fixed-amount table: the growth at the monthly rate `m` (rounded to currency
// before it is added) and the withdrawal `M`. Returns the value before it is rounded to
// currency; `V` becomes the rounded value and `growth` gains the unrounded growth.
double runMonth(Currency& V, double m, double M, double& growth) {
    const double monthGrowth = checked::finite(V.toDouble() * m);
    const Currency t = V + Currency::fromDouble(monthGrowth);
    const double X = checked::finite(t.toDouble() - M);
    growth += monthGrowth;
    V = Currency::fromDouble(X);
    return X;
}

RetirementResult fixedAmountTable(const RetirementInputs& in, float r) {
    RetirementResult result;
    double M = fraction(in.RateDrawn) * 100.0;
    double A = 12.0 * M;
    const double k = Currency::fromDouble(fraction(in.Term)).toDouble();
    const float onePlusR = 1.0F + r;
    const double m =
        checked::toSingle(checked::power(static_cast<double>(onePlusR), 1.0 / 12.0) - 1.0);
    Currency V = in.Invest;
    if (A > V.toDouble()) {
        return refused(Message::UnknownError);
    }
    Currency withdrawn;
    for (int y = 1;; ++y) {
        double yearGrowth = 0.0;
        double X = 0.0;
        for (int month = 1; month <= 12; ++month) {
            X = runMonth(V, m, M, yearGrowth);
        }
        result.years.push_back({y, yearGrowth, A, X});
        result.totalGrowth += yearGrowth;
        withdrawn += shownCents(A);
        result.totalWithdrawn = withdrawn.toDouble();

        // The raise makes next year's amounts larger; the capital left stays the year's end
        // value (counting the raise into it would withdraw money the account never held).
        M = checked::finite(M + k * M);
        A = checked::finite(A + k * A);
        if (y == 50) {
            result.finalValue = X;
            return result;
        }
        if (X > A) {
            continue;
        }

        // The capital left lasts whole months of the raised amount in the final year.
        const double R = X;
        const int months = checked::toInt32(std::floor(checked::divide(R, M)));
        double lastGrowth = 0.0;
        double last = R;
        for (int month = 1; month <= months; ++month) {
            last = runMonth(V, m, M, lastGrowth);
        }
        const double value = last - V.toDouble();
        result.years.push_back({y + 1, lastGrowth, R + lastGrowth, value});
        result.totalGrowth += lastGrowth;
        withdrawn += shownCents(R + lastGrowth);
        result.totalWithdrawn = withdrawn.toDouble();
        result.finalValue = value;
        return result;
    }
}

} // namespace

double CutToCents(double x) {
    return (std::floor(checked::finite(100.0 * x)) + 0.05) / 100.0;
}

RetirementInputs RetirementInputs::fromState() {
    const ProgramState& p = program();
    const BoundedArray<Currency>& ev = p.EntryValues;
    return {withdrawalMode(), ev[1], ev[2], ev[3], ev[4]};
}

RetirementResult calculateRetirement(const RetirementInputs& in) {
    const bool fixed = in.mode == WithdrawalMode::FixedAmount;
    const Currency T = fixed ? Currency() : in.Term;
    if (T >= Currency::fromWhole(51)) {
        return refused(Message::FiftyYearsLimit);
    }
    const float r = checked::toSingle(fraction(in.Rate));
    RetirementResult result = fixed ? fixedAmountTable(in, r) : percentageTable(in, r);
    result.mode = in.mode;
    return result;
}

int retirementGridRows(const RetirementResult& result) {
    const int c = result.c();
    return c + 4 <= 25 ? 25 : c + 3;
}

std::vector<YearAmounts> retirementYears(const RetirementResult& result) {
    std::vector<YearAmounts> years;
    for (const RetirementYear& y : result.years) {
        years.push_back({y.year, {y.growth, y.withdrawn, y.value}});
    }
    return years;
}
