#pragma once
// The timing the benchmarks share: each repetition of a body timed alone, reported as the
// median and the best.

#include <algorithm>
#include <chrono>
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
