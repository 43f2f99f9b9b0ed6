#pragma once
// The timing the benchmarks share: each repetition of a body timed alone, reported as the
// median and the best, and the table they print it in.

#include <QString>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

struct Timing {
    double medianMs = 0;
    double minMs = 0;
    int reps = 0;
};

// Times `body` once per repetition after `warmups` untimed calls.
template <class F> Timing timeEach(int reps, int warmups, F&& body) {
    for (int i = 0; i < warmups; ++i) {
        body();
    }
    std::vector<double> ms;
    ms.reserve(static_cast<std::size_t>(reps));
    for (int i = 0; i < reps; ++i) {
        const auto start = std::chrono::steady_clock::now();
        body();
        const std::chrono::duration<double, std::milli> d =
            std::chrono::steady_clock::now() - start;
        ms.push_back(d.count());
    }
    std::sort(ms.begin(), ms.end());
    const std::size_t n = ms.size();
    return {n % 2 == 1 ? ms[n / 2] : (ms[n / 2 - 1] + ms[n / 2]) / 2.0, ms.front(), reps};
}

// The heading of the table, then a row per case: repetitions, median and best in ms, the goal,
// whether the median met it (when `goalMs` is above 0), and what the case checked.
inline void printRowHeading() {
    std::printf("  %-50s %6s %10s %10s  %-9s %-7s %s\n", "case", "reps", "median", "min", "goal",
                "", "check");
}

inline void printRow(const char* name, const Timing& t, const char* goal, double goalMs,
                     const QString& check) {
    const bool met = goalMs <= 0 || t.medianMs < goalMs;
    std::printf("  %-50s %6d %10.4f %10.4f  %-9s %-7s %s\n", name, t.reps, t.medianMs, t.minMs,
                goal, goalMs <= 0 ? "" : (met ? "met" : "NOT met"), qPrintable(check));
}
