#pragma once
// The memory a benchmark case adds: the process's peak resident memory, reset before the case
// and read after it.

#include <fstream>
#include <string>

// A memory figure of the process in KiB from /proc/self/status ("VmHWM:" the peak resident
// memory, "VmRSS:" the current).
inline long statusKiB(const std::string& field) {
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == field) {
            long kib = 0;
            status >> kib;
            return kib;
        }
        status.ignore(4096, '\n');
    }
    return -1;
}

// Sets the peak back to the current resident memory.
inline void resetPeak() {
    std::ofstream("/proc/self/clear_refs") << "5";
}

// The peak memory `body` adds to what the process holds before it, in KiB.
template <class F> long extraPeakKiB(F&& body) {
    const long before = statusKiB("VmRSS:");
    resetPeak();
    body();
    return statusKiB("VmHWM:") - before;
}
