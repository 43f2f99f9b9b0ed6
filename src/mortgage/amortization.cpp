#include "mortgage/amortization.h"

#include "core/dates.h"
#include "core/programstate.h"
#include "core/runtimefailure.h"

namespace {

struct CompoundingEntry {
    const char* text;
    int periods;
};
constexpr CompoundingEntry CompoundingList[] = {
    {"      Monthly", 12}, {"    Bimonthly", 6}, {"    Quarterly", 3},
    {"   Semiannual", 2},  {"       Annual", 1},
};

struct FrequencyEntry {
    const char* text;
    PaymentKind kind;
};
constexpr FrequencyEntry FrequencyList[] = {
    {"      Monthly", PaymentKind::Monthly},      {"  Semimonthly", PaymentKind::Semimonthly},
    {"      2 Weeks", PaymentKind::TwoWeeks},     {"      1 Week", PaymentKind::OneWeek},
    {" Biweekly(Acc)", PaymentKind::BiweeklyAcc}, {"   Weekly(Acc)", PaymentKind::WeeklyAcc},
};

// Payment rate g: the monthly rate spread over the payments of the frequency. The 2 Weeks and
// 1 Week payments keep the yearly sum of the monthly payment; the accelerated ones are half
// and a quarter of it.
double paymentRate(PaymentKind kind, double im) {
    switch (kind) {
    case PaymentKind::Monthly:
        return im;
    case PaymentKind::Semimonthly:
    case PaymentKind::BiweeklyAcc:
        return im / 2.0;
    case PaymentKind::TwoWeeks:
        return im * 12.0 / 26.0;
    case PaymentKind::OneWeek:
        return im * 12.0 / 52.0;
    case PaymentKind::WeeklyAcc:
        return im / 4.0;
    }
    return im;
}

int periodCount(PaymentGroup group, double T) {
    switch (group) {
    case PaymentGroup::Monthly:
        return checked::toInt32(12.0 * T);
    case PaymentGroup::Half:
        return checked::toInt32(26.0 * T + 50.0);
    case PaymentGroup::Quarter:
        return checked::toInt32(52.0 * T + 50.0);
    }
    return 0;
}

Currency addToCurrency(Currency total, double value) {
    return Currency::fromDouble(total.toDouble() + value);
}

} // namespace

QStringList compoundingTexts() {
    QStringList texts;
    for (const auto& e : CompoundingList) {
        texts << QString::fromLatin1(e.text);
    }
    return texts;
}

QStringList paymentFrequencyTexts() {
    QStringList texts;
    for (const auto& e : FrequencyList) {
        texts << QString::fromLatin1(e.text);
    }
    return texts;
}

int compoundingPeriods(const QString& text) {
    for (const auto& e : CompoundingList) {
        if (text == QLatin1String(e.text)) {
            return e.periods;
        }
    }
    throw RunTimeFailure("unknown compounding frequency");
}

PaymentFrequency paymentFrequency(const QString& text, const DaysInYearRow& days) {
    for (const auto& e : FrequencyList) {
        if (text != QLatin1String(e.text)) {
            continue;
        }
        switch (e.kind) {
        case PaymentKind::Monthly:
            return {e.kind, 12, 12.0, PaymentGroup::Monthly};
        case PaymentKind::Semimonthly:
            return {e.kind, 24, 24.0, PaymentGroup::Half};
        case PaymentKind::TwoWeeks:
        case PaymentKind::BiweeklyAcc:
            return {e.kind, 26, days.BiweeklyPeriods, PaymentGroup::Half};
        case PaymentKind::OneWeek:
        case PaymentKind::WeeklyAcc:
            return {e.kind, 52, days.WeeklyPeriods, PaymentGroup::Quarter};
        }
    }
    throw RunTimeFailure("unknown payment frequency");
}

MortgageInputs MortgageInputs::fromState(const QString& comperiod, const QString& freqPmt) {
    const ProgramState& p = program();
    const MortgageState& ms = mortgage();
    MortgageInputs in;
    in.Principal = p.EntryValues[1];
    in.Rate = p.EntryValues[2];
    in.Term = p.EntryValues[3];
    in.Comperiod = comperiod;
    in.FreqPmt = freqPmt;
    in.MortgageMode = p.MortgageMode;
    in.CalcMode = scheduleRows();
    in.ShowPaymentDates = ms.ShowPaymentDates;
    in.PaymentStartDate = Dates::parse(p.PaymentStartDate).value_or(QDate());
    in.Days = currentDaysInYear();
    if (ms.MortPrePayments.rows() > 0) {
        in.PrePayments = ms.MortPrePayments;
    }
    in.PrePayCount = ms.PrePayCount;
    in.PaymentStartText = p.PaymentStartDate;
    in.DaysInYearChoice = ms.DaysInYearChoice;
    in.PrePayYears = ms.PrePayYears;
    return in;
}

double scheduleYears(const MortgageInputs& inputs) {
    const double years = inputs.Term.toDouble();
    if (inputs.MortgageMode != MortgageModeFlag::Loan) {
        return years;
    }
    return checked::roundHalfEven(years * 12.0) / 12.0;
}

bool termAboveLimit(const MortgageInputs& inputs) {
    paymentFrequency(inputs.FreqPmt, inputs.Days);
    compoundingPeriods(inputs.Comperiod);
    return inputs.MortgageMode == MortgageModeFlag::Mortgage && inputs.Term.toDouble() >= 41.0;
}

QDate paymentDate(const QDate& start, PaymentKind kind, int k) {
    switch (kind) {
    case PaymentKind::Monthly:
        return Dates::addMonths(start, k - 1);
    case PaymentKind::Semimonthly:
        // Odd payments fall on the start date's day of each month, even ones 14 days later.
        if (k % 2 == 1) {
            return Dates::addMonths(start, (k - 1) / 2);
        }
        return Dates::addDays(Dates::addMonths(start, (k - 2) / 2), 14);
    case PaymentKind::TwoWeeks:
    case PaymentKind::BiweeklyAcc:
        return Dates::addDays(start, 14 * (k - 1));
    case PaymentKind::OneWeek:
    case PaymentKind::WeeklyAcc:
        return Dates::addDays(start, 7 * (k - 1));
    }
    return start;
}

MortgageResult calculateMortgage(const MortgageInputs& inputs) {
    MortgageResult result;
    calculateMortgage(inputs, result);
    return result;
}

void calculateMortgage(const MortgageInputs& inputs, MortgageResult& result) {
    result = MortgageResult();
    result.MortgageMode = inputs.MortgageMode;
    result.CalcMode = inputs.CalcMode;
    result.ShowPaymentDates = inputs.ShowPaymentDates;
    result.PrePayCount = inputs.PrePayCount;
    result.DaysInYear = inputs.Days.DaysInYear;

    Table& rt = result.schedule;
    CurrencyTable& totals = result.yearTotals;

    const double P = inputs.Principal.toDouble();
    const double R = inputs.Rate.toDouble();
    const double T = scheduleYears(inputs);

    const PaymentFrequency freq = paymentFrequency(inputs.FreqPmt, inputs.Days);
    const int m = compoundingPeriods(inputs.Comperiod);
    if (inputs.MortgageMode == MortgageModeFlag::Mortgage && T >= 41.0) {
        throw RunTimeFailure("mortgage term above 40 years");
    }
    const int F = freq.F;
    result.frequency = freq;
    result.m = m;

    const double r = R / 100.0;
    const double base = checked::finite(1.0 + r / m);
    const double im = checked::power(base, m / 12.0) - 1.0;
    const double ip = checked::power(base, m / freq.f) - 1.0;
    const double v = checked::divide(1.0, checked::power(base, m * T));
    const double RT = checked::finite(checked::divide(P * im, 1.0 - v) * 12.0 * T);
    const double g = paymentRate(freq.kind, im);
    const double pay = checked::divide(P * g, 1.0 - v);
    const double i = freq.group == PaymentGroup::Monthly ? im : ip;
    const int N = periodCount(freq.group, T);
    result.im = im;
    result.ip = ip;
    result.i = i;
    result.v = v;
    result.RT = RT;
    result.payment = pay;
    result.N = N;
    result.stage = MortgageResult::Rates;

    const bool everyPayment = inputs.CalcMode == ScheduleRows::EveryPayment;
    const bool dates = inputs.ShowPaymentDates == 1;
    if (dates && !inputs.PaymentStartDate.isValid()) {
        throw RunTimeFailure("first-payment date is not a date");
    }

    // The schedule loop.
    double B = P;
    double I = P * i;
    double Q = pay - I;
    double CI = 0.0;
    double CP = 0.0;
    double yearNumber = 0.0;
    int last = N;
    for (int k = 1; k <= N; ++k) {
        if (k == 1 || (k - 1) % F == 0) {
            const double yearValue = static_cast<double>(k) / F + 1.0;
            const int y = checked::toInt32(yearValue);
            yearNumber = yearValue;
            const Currency X = inputs.PrePayments.at(y, 2);
            const double previousPrincipal = k == 1 ? 0.0 : rt.at(k - 1, 3).toDouble();
            // A payment that would take the balance below one regular principal part is
            // skipped; the regular payments finish the schedule.
            if (!(X.toDouble() >= B - previousPrincipal)) {
                Q = (Currency::fromDouble(Q) + X).toDouble();
                if (X > Currency()) {
                    result.applied.push_back({y, X, k});
                }
            }
        }
        const double thisI = I;
        const double thisQ = Q;
        B = checked::finite(B - thisQ);
        const double nextI = checked::finite(i * B);
        const double nextQ = pay - nextI;
        if (thisI < 0.0) {
            last = k - 1;
            break;
        }
        CI = checked::finite(CI + thisI);
        CP = checked::finite(CP + thisQ);
        rt.at(k, 1) = Cell(static_cast<double>(k));
        rt.at(k, 2) = Cell(thisI);
        rt.at(k, 3) = Cell(thisQ);
        rt.at(k, 4) = Cell(B);
        rt.at(k, 5) = Cell(CI);
        rt.at(k, 6) = Cell(CP);
        if (everyPayment) {
            if (dates) {
                rt.at(k, 7) = Cell(paymentDate(inputs.PaymentStartDate, freq.kind, k));
            } else {
                rt.at(k, 0) = Cell(yearNumber);
            }
        }
        last = k;
        I = nextI;
        Q = nextQ;
    }
    if (last < 1) {
        throw RunTimeFailure("no payments in the schedule");
    }

    // Final payment adjustment: the last payment pays exactly the balance left before it. Row
    // 0 stays empty, so for a one-payment schedule the balance before it is the principal.
    result.finalBalance = B;
    if (B < 6.0) {
        const double previousBalance = last == 1 ? P : rt.at(last - 1, 4).toDouble();
        const double previousCI = last == 1 ? 0.0 : rt.at(last - 1, 5).toDouble();
        const double ownBalance = rt.at(last, 4).toDouble();
        rt.at(last, 3) = Cell(previousBalance);
        rt.at(last, 5) = Cell(previousCI + rt.at(last, 2).toDouble());
        rt.at(last, 6) = Cell(rt.at(last, 6).toDouble() + ownBalance);
        rt.at(last, 4) = Cell(previousBalance - previousBalance);
        result.adjusted = true;
    }

    result.payments = last;
    const double years = static_cast<double>(last) / F;
    result.YearsToFinalPayment = checked::toSingle(years);
    result.yearsOrMonths = inputs.MortgageMode == MortgageModeFlag::Loan ? years * 12.0 : years;
    result.NY = checked::toInt32(years + 0.49);
    result.stage = MortgageResult::Schedule;

    if (!everyPayment) {
        const int NY = result.NY;
        bool done = false;
        for (int b = 1; b <= NY && !done; ++b) {
            totals.at(b, 1) = Currency::fromWhole(b);
            // The schedule ends at its last row; rows after it are not part of any year.
            for (int j = (b - 1) * F + 1; j <= b * F; ++j) {
                if (j > last) {
                    done = true;
                    break;
                }
                totals.at(b, 2) = addToCurrency(totals.at(b, 2), rt.at(j, 2).toDouble());
                totals.at(b, 3) = addToCurrency(totals.at(b, 3), rt.at(j, 3).toDouble());
                totals.at(b, 4) = rt.at(j, 4).toCurrency();
                totals.at(b, 5) = rt.at(j, 5).toCurrency();
                totals.at(b, 6) = rt.at(j, 6).toCurrency();
                if (rt.at(j, 4).toDouble() <= 0.0) {
                    done = true;
                    break;
                }
            }
        }
        for (int a = 1; a <= NY; ++a) {
            if (dates) {
                rt.at(a, 7) = Cell(Dates::addMonths(inputs.PaymentStartDate, 12 * (a - 1)));
            } else {
                rt.at(a, 1) = Cell(static_cast<double>(a));
            }
            for (int c = 2; c <= 6; ++c) {
                rt.at(a, c) = Cell(totals.at(a, c));
            }
        }
        last = NY;
    }

    result.last = last;
    result.balance = rt.at(last, 4).toDouble();
    result.cumulativeInterest = rt.at(last, 5).toDouble();
    result.cumulativePrincipal = rt.at(last, 6).toDouble();
    result.TP = result.cumulativeInterest + result.cumulativePrincipal;
    result.S = RT - result.TP;
    if (result.S < 10.0) {
        result.S = 0.0;
    }
    if (everyPayment) {
        result.ResultCount = checked::toInt16(last + 1);
    } else {
        // A schedule shorter than half a year still has its one row to graph and print.
        result.ResultCount =
            std::max<std::int16_t>(1, checked::toInt16(result.YearsToFinalPayment));
    }
    result.stage = MortgageResult::Complete;
}
