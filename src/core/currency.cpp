#include "core/currency.h"

#include "core/runtimefailure.h"

#include <cmath>
#include <limits>

namespace {
// 2^63 as a double; every double at or beyond it in magnitude is out of range.
constexpr double Limit = 9223372036854775808.0;
// Below 2^53 ten-thousandths the scaled value is a whole number a double holds exactly.
constexpr double ExactLimit = 9007199254740992.0;
} // namespace

Currency Currency::fromDouble(double value) {
    const double product = checked::finite(value) * Scale;
    if (std::fabs(product) < ExactLimit) {
        return fromRaw(static_cast<std::int64_t>(std::nearbyint(product)));
    }
    if (!(product > -Limit && product < Limit)) {
        throw RunTimeFailure("currency overflow");
    }
    // Here the scaled value has lost its last digits to the double's precision, so scale the
    // whole part (exact) and the fraction (exact) separately.
    const double whole = std::trunc(value);
    const auto fraction = static_cast<std::int64_t>(std::nearbyint((value - whole) * Scale));
    std::int64_t raw = 0;
    if (__builtin_mul_overflow(static_cast<std::int64_t>(whole), Scale, &raw) ||
        __builtin_add_overflow(raw, fraction, &raw)) {
        throw RunTimeFailure("currency overflow");
    }
    return fromRaw(raw);
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
