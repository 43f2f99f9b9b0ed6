#pragma once
// Run-time failures of the program's arithmetic and tables.
//
// C++ arithmetic does not trap, so model code raises RunTimeFailure itself through the checked
// helpers below. Only event handlers catch it, through guarded() (guarded.h), which shows one
// numbered message and abandons the operation.

#include "core/messages.h"

#include <QString>
#include <cmath>
#include <cstdint>
#include <limits>
#include <stdexcept>
#include <string>

// A failure may name the numbered message it shows and the detail that message inserts (a
// failure with its own message, such as "Check data values for this error: " and what went
// wrong); one that names none shows the message of the handler that catches it.
class RunTimeFailure : public std::runtime_error {
public:
    explicit RunTimeFailure(const std::string& what) : std::runtime_error(what) {}
    RunTimeFailure(Message message, QString detail = {})
        : std::runtime_error("message " + std::to_string(static_cast<int>(message))),
          m_message(message), m_detail(std::move(detail)) {}

    // None when the failure shows the handler's message.
    Message message() const { return m_message; }
    const QString& detail() const { return m_detail; }

private:
    Message m_message = Message::None;
    QString m_detail;
};

namespace checked {

// A non-finite value (overflow to infinity, 0/0) is a failure.
inline double finite(double value) {
    if (!std::isfinite(value)) {
        throw RunTimeFailure("non-finite result");
    }
    return value;
}

inline double divide(double numerator, double denominator) {
    if (denominator == 0.0) {
        throw RunTimeFailure("division by zero");
    }
    return finite(numerator / denominator);
}

// base^exponent; a negative base with a fractional exponent is a failure.
inline double power(double base, double exponent) {
    if (base < 0.0 && std::floor(exponent) != exponent) {
        throw RunTimeFailure("negative base raised to a fractional power");
    }
    if (base == 0.0 && exponent < 0.0) {
        throw RunTimeFailure("division by zero");
    }
    return finite(std::pow(base, exponent));
}

// Rounds to the nearest whole number, halves to the even neighbour.
inline double roundHalfEven(double value) {
    return std::nearbyint(finite(value));
}

inline std::int16_t toInt16(double value) {
    const double r = roundHalfEven(value);
    if (r < std::numeric_limits<std::int16_t>::min() ||
        r > std::numeric_limits<std::int16_t>::max()) {
        throw RunTimeFailure("16-bit integer overflow");
    }
    return static_cast<std::int16_t>(r);
}

inline std::int32_t toInt32(double value) {
    const double r = roundHalfEven(value);
    if (r < std::numeric_limits<std::int32_t>::min() ||
        r > std::numeric_limits<std::int32_t>::max()) {
        throw RunTimeFailure("32-bit integer overflow");
    }
    return static_cast<std::int32_t>(r);
}

// Single precision where the program stores single-precision values.
inline float toSingle(double value) {
    finite(value);
    if (std::fabs(value) > std::numeric_limits<float>::max()) {
        throw RunTimeFailure("single-precision overflow");
    }
    return static_cast<float>(value);
}

} // namespace checked
