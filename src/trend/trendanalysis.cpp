#include "trend/trendanalysis.h"

#include "core/currency.h"
#include "core/formats.h"
#include "core/programstate.h"
#include "core/runtimefailure.h"
#include "trend/trendrecords.h"
#include "trend/trendstate.h"

#include <array>
#include <cmath>
#include <optional>

namespace {

// The periods of the moving averages, then all values.
constexpr std::array<int, 7> Periods = {2, 4, 6, 8, 26, 52, 104};

// "Check data values for this error: " and a detail.

// Amounts hold less than 922,337,203,685,477.5807.
constexpr double LargestChange = 9.0e14;

// A value that was never computed shows as an empty text.
QString shown(std::optional<double> value, QStringView pattern) {
    return value ? formatNumber(*value, pattern) : QString();
}

// The figures of one computation; those never computed stay empty.
struct Figures {
    std::array<double, 7> periodAverages{};
    double average = 0.0;
    double last = 0.0;
    double high = 0.0;
    double low = 0.0;
    double highLow = 0.0;
    double lastHigh = 0.0;
    double lastLow = 0.0;
    std::optional<double> pe;
    std::optional<double> pot;
    std::array<double, 4> changes{};
    QString verdict;
};

// "Check data values for this error: " and the value being summed, or nothing once the sums
// are done.
[[noreturn]] void fail(const QString& detail = QStringLiteral("")) {
    throw RunTimeFailure(Message::CheckDataValues, detail);
}

double valueOf(const Cell& cell) {
    if (const std::optional<double> value = readRecordValue(cell)) {
        return *value;
    }
    fail(fieldText(cell));
}

double divided(double numerator, double denominator) {
    const double quotient = denominator != 0.0 ? numerator / denominator : 0.0;
    if (denominator == 0.0 || !std::isfinite(quotient)) {
        fail();
    }
    return quotient;
}

// Raises RunTimeFailure with CheckDataValues and the text of the value being summed (empty once the
// sums are done).
Figures compute(const TrendInputs& in) {
    const int n = static_cast<int>(in.values.size());
    Figures f;
    f.last = valueOf(in.values.front());
    f.high = f.last;
    f.low = f.last;
    std::array<double, 7> sums{};
    double sum = 0.0;
    double total = 0.0;
    for (int c = 1; c <= n; ++c) {
        const Cell& cell = in.values[static_cast<std::size_t>(c - 1)];
        const double value = valueOf(cell);
        sum += value;
        if (!std::isfinite(sum)) {
            fail(fieldText(cell));
        }
        f.high = std::max(f.high, value);
        f.low = std::min(f.low, value);
        for (std::size_t k = 0; k < Periods.size(); ++k) {
            if (c == Periods[k]) {
                sums[k] = sum;
            }
        }
        if (c == n) {
            total = sum;
        }
    }
    for (std::size_t k = 0; k < Periods.size(); ++k) {
        f.periodAverages[k] = divided(sums[k], Periods[k]);
    }
    f.average = divided(total, n);
    f.highLow = divided(f.high, f.low) - 1.0;
    f.lastHigh = divided(f.last, f.high) - 1.0;
    f.lastLow = divided(f.last, f.low) - 1.0;
    const double e1 = in.earnings[0];
    if (e1 != 0.0) {
        const double pe = divided(f.last, e1);
        f.pe = pe;
        f.pot = divided(pe - static_cast<double>(in.factor), pe) * -1.0;
    }
    const int changes = std::min(in.earningsCount, 5) - 1;
    for (int j = 1; j <= changes; ++j) {
        const auto row = static_cast<std::size_t>(j - 1);
        const double change = divided(in.earnings[row], in.earnings[row + 1]) - 1.0;
        // Rounded to four decimals as an amount: a change beyond an amount's range cannot be.
        if (!(std::fabs(change) < LargestChange)) {
            fail();
        }
        f.changes[row] = Currency::fromDouble(change).toDouble();
    }
    // The averages as the window shows them: two that look equal are equal.
    const double a2 = shownValue(f.periodAverages[0], 2);
    const double a8 = shownValue(f.periodAverages[3], 2);
    if (a2 > a8) {
        f.verdict = QStringLiteral("Upswing");
    }
    if (a2 < a8) {
        f.verdict = QStringLiteral("Downswing");
    }
    if (a2 == a8) {
        f.verdict = QStringLiteral("Sideways");
    }
    if (f.periodAverages[3] == 0.0) {
        f.verdict = QStringLiteral("Need 8 Points");
    }
    return f;
}

const QString Money = QStringLiteral("####,,###.00");
const QString AnnualEarnings = QStringLiteral(" Annual Earnings ");

QString countCaption(int recordCount, bool values) {
    return QString::number(recordCount) +
           (values ? QStringLiteral(" Values (All)") : QStringLiteral(" Weeks (All)"));
}

} // namespace

QString AveratiosUpdate::text(const QString& control) const {
    QString found;
    for (const LabelText& t : texts) {
        if (t.control == control) {
            found = t.text.isNull() ? QStringLiteral("") : t.text;
        }
    }
    return found;
}

TrendInputs TrendInputs::fromState() {
    const TrendState& t = trend();
    TrendInputs in;
    for (int r = 1; r <= t.RecordCount; ++r) {
        in.values.push_back(t.TrendRecords.at(r, RecordValue));
    }
    for (int i = 1; i <= MaxEarningsRows && i < t.EarningsTable.rows(); ++i) {
        in.years[static_cast<std::size_t>(i - 1)] = t.EarningsTable.at(i, EarningsYear);
        in.earnings[static_cast<std::size_t>(i - 1)] = t.EarningsTable.at(i, EarningsPerShare);
    }
    in.earningsCount = t.EarningsCount;
    in.factor = t.EarningsFactor;
    in.title = t.DatabaseTitle;
    in.currencySymbol = program().CurrencySymbol;
    return in;
}

void ComputeTrendResults(const TrendInputs& in, AveratiosUpdate& u) {
    const int n = static_cast<int>(in.values.size());
    if (n <= 1) {
        // Too few records for a figure: the title over blank figures and captions, never the
        // figures of the database shown before.
        const AveratiosUpdate blank = ClearTrendResults(n, in.currencySymbol);
        u.texts.insert(u.texts.end(), blank.texts.begin(), blank.texts.end());
        u.set(QStringLiteral("Label42"), AnnualEarnings);
        for (const QString& control : ChangeCaptionLabels) {
            u.set(control, QString());
        }
        u.set(QStringLiteral("Label10"), QString());
        u.potentialColour = LabelColour::WindowText;
        u.set(QStringLiteral("Label2"), in.title);
        return;
    }
    u.potentialColour = LabelColour::WindowText;
    u.set(QStringLiteral("Label2"), in.title);

    const Figures f = compute(in);

    for (std::size_t k = 0; k < Periods.size(); ++k) {
        u.set(AverageLabels[k], formatNumber(f.periodAverages[k], Money) + u' ');
    }
    u.set(AverageLabels[7], formatNumber(f.average, Money) + u' ');
    u.set(QStringLiteral("Label52"), countCaption(n, false));
    u.set(QStringLiteral("Label16"), f.verdict + u' ');
    u.set(QStringLiteral("Label41"), formatNumber(f.last, Money) + QStringLiteral("  "));
    u.set(QStringLiteral("Label19"), formatNumber(f.high, Money) + QStringLiteral("  "));
    u.set(QStringLiteral("Label20"), formatNumber(f.low, Money) + QStringLiteral("  "));
    u.set(QStringLiteral("Label27"), formatNumber(f.highLow, u"###,,###.00%"));
    u.set(QStringLiteral("Label37"), formatNumber(f.lastHigh, u"#,,###.00%"));
    u.set(QStringLiteral("Label38"), formatNumber(f.lastLow, u"####.00%"));

    const double e1 = in.earnings[0];
    if (in.years[0] != 0.0) {
        u.set(QStringLiteral("Label42"), AnnualEarnings + plainNumber(in.years[0]));
        const std::optional<double> latest = e1 != 0.0 ? std::optional<double>(e1) : std::nullopt;
        u.set(QStringLiteral("Label43"),
              in.currencySymbol + shown(latest, u"#,,###.00") + QStringLiteral("  "));
    } else {
        u.set(QStringLiteral("Label42"), AnnualEarnings);
        u.set(QStringLiteral("Label43"), QString());
    }

    for (std::size_t k = 0; k < 4; ++k) {
        const double earlier = in.years[k + 1];
        if (earlier != 0.0) {
            u.set(ChangeCaptionLabels[k], QStringLiteral(" Change ") + plainNumber(earlier) +
                                              QStringLiteral(" - ") + plainNumber(in.years[k]));
            u.set(ChangeLabels[k], formatNumber(f.changes[k], u"###.00%"));
        } else {
            u.set(ChangeCaptionLabels[k], QString());
            u.set(ChangeLabels[k], QString());
        }
    }

    // The potential as the window shows it, in hundredths of a percent: one shown as .00% is
    // neither a rise nor a drop.
    const double shownPot = f.pot ? shownValue(*f.pot, 4) : 0.0;
    if (shownPot < 0.0) {
        u.potentialColour = LabelColour::Red;
    }
    u.set(QStringLiteral("Label17"), shown(f.pot, u"###.00%"));

    if (f.pe) {
        const double pot = *f.pot;
        QString direction =
            shownPot > 0.0 ? QStringLiteral(" Could Rise to:") : QStringLiteral(" Could Drop to:");
        if (shownPot == 0.0) {
            direction = QStringLiteral(" Could Remain at:");
        }
        const double target = f.last + pot * f.last;
        u.set(QStringLiteral("Label49"), direction);
        u.set(QStringLiteral("Label50"),
              formatNumber(target, u"##,,###.00") + QStringLiteral("  "));
        u.set(QStringLiteral("Label10"), QStringLiteral(" Risk at") + plainNumber(in.factor) +
                                             QStringLiteral(" times Earnings"));
        u.set(QStringLiteral("Label22"),
              formatNumber(*f.pe, u"###,,###.00") + QStringLiteral("  "));
    } else {
        for (const char* control : {"Label49", "Label50", "Label10", "Label22"}) {
            u.set(QString::fromLatin1(control), QString());
        }
    }
}

AveratiosUpdate ComputeTrendResults(const TrendInputs& inputs) {
    AveratiosUpdate u;
    ComputeTrendResults(inputs, u);
    return u;
}

void ComputeTrendResults(AveratiosUpdate& update) {
    ProgramState& p = program();
    if (p.ReportBlocks.size() > 1) {
        p.ReportBlocks[1].clear();
    }
    ComputeTrendResults(TrendInputs::fromState(), update);
}

AveratiosUpdate ClearTrendResults(int recordCount, const QString& currencySymbol) {
    AveratiosUpdate u;
    for (const QString& control : AverageLabels) {
        u.set(control, QStringLiteral(" "));
    }
    u.set(QStringLiteral("Label16"), QStringLiteral(" "));
    for (const char* control : {"Label41", "Label19", "Label20"}) {
        u.set(QString::fromLatin1(control), QStringLiteral("  "));
    }
    for (const char* control : {"Label27", "Label37", "Label38"}) {
        u.set(QString::fromLatin1(control), QString());
    }
    for (const QString& control : ChangeLabels) {
        u.set(control, QString());
    }
    u.set(QStringLiteral("Label22"), QStringLiteral("  "));
    u.set(QStringLiteral("Label17"), QString());
    u.set(QStringLiteral("Label50"), QStringLiteral("  "));
    u.set(QStringLiteral("Label43"), currencySymbol + QStringLiteral("  "));
    u.set(QStringLiteral("Label52"), countCaption(recordCount, false));
    u.set(QStringLiteral("Label49"), QString());
    return u;
}

AveratiosUpdate ClearTrendResults() {
    return ClearTrendResults(trend().RecordCount, program().CurrencySymbol);
}

AveratiosUpdate SetPeriodCaptions(int periodMode, int recordCount) {
    const bool values = periodMode == 1;
    AveratiosUpdate u;
    u.set(QStringLiteral("WeekPoints"),
          values ? QStringLiteral("Change to Weeks") : QStringLiteral("Change to Data Values"));
    const QString unit = values ? QStringLiteral(" Data values") : QStringLiteral(" Weeks");
    for (std::size_t k = 0; k < Periods.size(); ++k) {
        u.set(PeriodCaptionLabels[k], u' ' + QString::number(Periods[k]) + unit);
    }
    u.set(QStringLiteral("Label52"), countCaption(recordCount, values));
    return u;
}

AveratiosUpdate SetPeriodCaptions() {
    return SetPeriodCaptions(trend().PeriodMode, trend().RecordCount);
}
