// Formatting money for display: the shared pattern interpreter with right justification,
// against a bare C formatting loop of the same values.

#include "core/currency.h"
#include "core/formats.h"

#include <QString>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

constexpr int Count = 100'000;
constexpr int Rounds = 5;

// Amounts of a schedule: cents from zero to a few million, with some halves and negatives.
std::vector<double> sampleValues() {
    std::vector<double> values;
    values.reserve(Count);
    unsigned state = 20010316;
    for (int i = 0; i < Count; ++i) {
        state = state * 1103515245u + 12345u;
        const double cents = static_cast<double>(state % 500'000'000u);
        const double value = cents / 100.0 + ((i % 7 == 0) ? 0.005 : 0.0);
        values.push_back(i % 11 == 0 ? -value : value);
    }
    return values;
}

template <class F> double bestNanosecondsPerValue(F&& body) {
    double best = 1e300;
    for (int round = 0; round < Rounds; ++round) {
        const auto start = std::chrono::steady_clock::now();
        body();
        const std::chrono::duration<double, std::nano> elapsed =
            std::chrono::steady_clock::now() - start;
        best = std::min(best, elapsed.count() / Count);
    }
    return best;
}

} // namespace

int main() {
    const std::vector<double> values = sampleValues();
    std::vector<Currency> amounts;
    amounts.reserve(values.size());
    for (double v : values) {
        amounts.push_back(Currency::fromDouble(v));
    }

    qsizetype sink = 0;
    const double doubles = bestNanosecondsPerValue([&] {
        for (double v : values) {
            sink += RightJustify(formatNumber(v, u"####,,###.00"), 16).size();
        }
    });
    const double currencies = bestNanosecondsPerValue([&] {
        for (Currency c : amounts) {
            sink += RightJustify(formatNumber(c, u"####,,###.00"), 16).size();
        }
    });
    const double plainC = bestNanosecondsPerValue([&] {
        char text[64];
        for (double v : values) {
            sink += std::snprintf(text, sizeof text, "%.2f", v);
        }
    });

    std::printf("bench_formats: %d values, best of %d rounds\n", Count, Rounds);
    std::printf("  %-52s %10s %12s\n", "case", "ns/value", "ms/100000");
    std::printf("  %-52s %10.1f %12.2f\n", "formatNumber(double, \"####,,###.00\") + RightJustify",
                doubles, doubles * Count / 1e6);
    std::printf("  %-52s %10.1f %12.2f\n",
                "formatNumber(Currency, \"####,,###.00\") + RightJustify", currencies,
                currencies * Count / 1e6);
    std::printf("  %-52s %10.1f %12.2f\n", "snprintf(\"%.2f\") alone", plainC,
                plainC * Count / 1e6);
    std::printf("  (checksum %lld)\n", static_cast<long long>(sink));
    return 0;
}
