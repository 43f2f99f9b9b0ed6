#include "shell/currency.h"

#include "shell/runtimefailure.h"

#include <cmath>
#include <limits>

namespace {
// 2^63 as a double; every double at or beyond it in magnitude is out of range.
constexpr double Limit = 9223372036854775808.0;
} // namespace

Currency Currency::fromDouble(double value) {
    const double scaled = std::nearbyint(checked::finite(value) * Scale);
    if (!(scaled > -Limit && scaled < Limit)) {
        throw RunTimeFailure("currency overflow");
    }
    return fromRaw(static_cast<std::int64_t>(scaled));
}

Currency Currency::fromWhole(std::int64_t units) {
    std::int64_t raw = 0;
    if (__builtin_mul_overflow(units, Scale, &raw)) {
        throw RunTimeFailure("currency overflow");
    }
    return fromRaw(raw);
}

Currency Currency::operator+(Currency other) const {
    std::int64_t raw = 0;
    if (__builtin_add_overflow(m_raw, other.m_raw, &raw)) {
        throw RunTimeFailure("currency overflow");
    }
    return fromRaw(raw);
}

Currency Currency::operator-(Currency other) const {
    std::int64_t raw = 0;
    if (__builtin_sub_overflow(m_raw, other.m_raw, &raw)) {
        throw RunTimeFailure("currency overflow");
    }
    return fromRaw(raw);
}

Currency Currency::operator-() const {
    if (m_raw == std::numeric_limits<std::int64_t>::min()) {
        throw RunTimeFailure("currency overflow");
    }
    return fromRaw(-m_raw);
}
