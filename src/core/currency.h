#pragma once
// Fixed-point money amount: a signed 64-bit count of ten-thousandths (four decimals).
// Every value typed into an entry field is stored in this type. Conversion from double rounds
// to the nearest 0.0001, halves to even; an operation that would leave the range raises
// RunTimeFailure, never wraps.

#include <cstdint>

class Currency {
public:
    static constexpr std::int64_t Scale = 10000;

    constexpr Currency() = default;

    static Currency fromDouble(double value);
    static constexpr Currency fromRaw(std::int64_t tenThousandths) {
        Currency c;
        c.m_raw = tenThousandths;
        return c;
    }
    static Currency fromWhole(std::int64_t units);

    constexpr std::int64_t raw() const { return m_raw; }
    double toDouble() const { return static_cast<double>(m_raw) / Scale; }

    Currency operator+(Currency other) const;
    Currency operator-(Currency other) const;
    Currency operator-() const;
    Currency& operator+=(Currency other) { return *this = *this + other; }
    Currency& operator-=(Currency other) { return *this = *this - other; }

    constexpr bool operator==(const Currency& o) const { return m_raw == o.m_raw; }
    constexpr bool operator!=(const Currency& o) const { return m_raw != o.m_raw; }
    constexpr bool operator<(const Currency& o) const { return m_raw < o.m_raw; }
    constexpr bool operator<=(const Currency& o) const { return m_raw <= o.m_raw; }
    constexpr bool operator>(const Currency& o) const { return m_raw > o.m_raw; }
    constexpr bool operator>=(const Currency& o) const { return m_raw >= o.m_raw; }

private:
    std::int64_t m_raw = 0;
};
