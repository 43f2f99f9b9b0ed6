#include "core/formats.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>

// Formatting works on decimal digits, never on binary fractions: a value becomes a short run of
// significant digits and the position of its decimal point, the digits are rounded half away
// from zero at the pattern's last decimal, and the text is laid out from them. A double gives
// its first 15 significant digits; an amount gives its exact digits.

namespace {

// Limits that keep the output inside a fixed buffer whatever pattern a caller passes.
constexpr int MaxDecimals = 40;
constexpr int MaxLeadingZeros = 40;

struct Pattern {
    int minInteger = 0;  // '0' placeholders before the point
    int minDecimals = 0; // '0' placeholders after the point
    int maxDecimals = 0; // all placeholders after the point
    bool point = false;
    bool grouping = false;
    bool percent = false;
    QStringView prefix; // characters before the first placeholder, copied
    QStringView suffix; // characters after the last placeholder, copied ("%")
};

bool isPlaceholder(QChar c) {
    return c == u'#' || c == u'0' || c == u',' || c == u'.';
}

Pattern parsePattern(QStringView text) {
    Pattern p;
    qsizetype first = -1;
    qsizetype last = -1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (isPlaceholder(c)) {
            if (first < 0) {
                first = i;
            }
            last = i;
        } else if (c == u'%') {
            p.percent = true;
        }
    }
    if (first < 0) {
        p.prefix = text;
        return p;
    }
    p.prefix = text.first(first);
    p.suffix = text.sliced(last + 1);
    for (qsizetype i = first; i <= last; ++i) {
        const QChar c = text[i];
        if (c == u'.') {
            p.point = true;
        } else if (!p.point) {
            if (c == u'0') {
                ++p.minInteger;
            } else if (c == u',') {
                p.grouping = true; // a comma only switches grouping on, however many there are
            }
        } else if (c == u'0' || c == u'#') {
            if (c == u'0') {
                ++p.minDecimals;
            }
            ++p.maxDecimals;
        }
    }
    p.minInteger = std::min(p.minInteger, MaxLeadingZeros);
    p.maxDecimals = std::min(p.maxDecimals, MaxDecimals);
    p.minDecimals = std::min(p.minDecimals, p.maxDecimals);
    return p;
}

// A value as significant digits d1 d2 ... dn (no leading zero; n == 0 for zero) and the count of
// digits before the decimal point (may be negative or beyond n).
struct Decimal {
    std::array<char, 24> digits{};
    int length = 0;
    int pointPosition = 0;
    bool negative = false;
};

constexpr std::array<double, 23> Powers = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                           1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                           1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

void digitsOf(std::uint64_t n, Decimal& d) {
    const auto r = std::to_chars(d.digits.data(), d.digits.data() + d.digits.size(), n);
    d.length = static_cast<int>(r.ptr - d.digits.data());
}

// The first 15 significant digits of a positive finite double, through the exact conversion of
// the library.
void slowDigits(double magnitude, Decimal& d) {
    std::array<char, 48> text{};
    const auto r = std::to_chars(text.data(), text.data() + text.size(), magnitude,
                                 std::chars_format::scientific, 14);
    // d.dddddddddddddde[+-]xx
    const char* p = text.data();
    int n = 0;
    while (p < r.ptr && *p != 'e') {
        if (*p >= '0' && *p <= '9') {
            d.digits[static_cast<std::size_t>(n++)] = *p;
        }
        ++p;
    }
    int exponent = 0;
    if (p < r.ptr) {
        ++p;
        if (*p == '+') {
            ++p;
        }
        std::from_chars(p, r.ptr, exponent);
    }
    d.length = n;
    d.pointPosition = exponent + 1;
}

void decimalOf(double value, Decimal& d) {
    d.negative = std::signbit(value);
    const double magnitude = std::fabs(value);
    if (magnitude == 0.0) {
        return;
    }
    if (magnitude >= 1e-5 && magnitude < 1e15) {
        // Scale to a 15-digit whole number with one exactly representable power of ten: the
        // product is off the true one by at most 1/16, so its nearest whole number is the one
        // the exact conversion gives unless the product lies close to a half.
        int exponent = static_cast<int>(std::floor(std::ilogb(magnitude) * 0.30102999566398120));
        for (int attempt = 0; attempt < 3; ++attempt) {
            const int scale = 14 - exponent;
            if (scale < 0 || scale >= static_cast<int>(Powers.size())) {
                break;
            }
            const double product = magnitude * Powers[static_cast<std::size_t>(scale)];
            if (product >= 1e15) {
                ++exponent;
                continue;
            }
            if (product < 1e14) {
                --exponent;
                continue;
            }
            const double whole = std::floor(product);
            if (std::fabs(product - whole - 0.5) < 0.07) {
                break;
            }
            auto mantissa = static_cast<std::uint64_t>(product - whole < 0.5 ? whole : whole + 1);
            if (mantissa >= 1'000'000'000'000'000ULL) {
                mantissa /= 10;
                ++exponent;
            }
            digitsOf(mantissa, d);
            d.pointPosition = exponent + 1;
            return;
        }
    }
    slowDigits(magnitude, d);
}

void decimalOf(Currency value, Decimal& d) {
    const std::int64_t raw = value.raw();
    d.negative = raw < 0;
    const std::uint64_t magnitude = raw < 0 ? std::uint64_t{0} - static_cast<std::uint64_t>(raw)
                                            : static_cast<std::uint64_t>(raw);
    if (magnitude == 0) {
        return;
    }
    digitsOf(magnitude, d);
    d.pointPosition = d.length - 4;
}

// Room for the widest double (309 whole digits and their separators) and the limits above.
constexpr int BufferSize = 600;

QString layOut(Decimal& d, const Pattern& p) {
    if (p.percent && d.length > 0) {
        d.pointPosition += 2;
    }
    const int decimals = p.maxDecimals;

    // rounded: the digits of the value times 10^decimals, rounded half away from zero.
    std::array<char, BufferSize> rounded{};
    int roundedLength = 0;
    const int keep = d.pointPosition + decimals;
    if (d.length > 0 && keep == 0) {
        if (d.digits[0] >= '5') {
            rounded[0] = '1';
            roundedLength = 1;
        }
    } else if (d.length > 0 && keep > 0) {
        for (int i = 0; i < keep; ++i) {
            rounded[static_cast<std::size_t>(i)] =
                i < d.length ? d.digits[static_cast<std::size_t>(i)] : '0';
        }
        roundedLength = keep;
        if (keep < d.length && d.digits[static_cast<std::size_t>(keep)] >= '5') {
            int i = keep - 1;
            while (i >= 0 && rounded[static_cast<std::size_t>(i)] == '9') {
                rounded[static_cast<std::size_t>(i--)] = '0';
            }
            if (i >= 0) {
                ++rounded[static_cast<std::size_t>(i)];
            } else {
                std::memmove(rounded.data() + 1, rounded.data(),
                             static_cast<std::size_t>(roundedLength));
                rounded[0] = '1';
                ++roundedLength;
            }
        }
    }

    const int wholeLength = std::max(roundedLength - decimals, 0);
    // The decimals: leading zeros when the rounded value is shorter than them, then its digits.
    std::array<char, MaxDecimals> fraction{};
    for (int i = 0; i < decimals; ++i) {
        const int source = roundedLength - decimals + i;
        fraction[static_cast<std::size_t>(i)] =
            source >= 0 ? rounded[static_cast<std::size_t>(source)] : '0';
    }
    int fractionLength = decimals;
    while (fractionLength > p.minDecimals &&
           fraction[static_cast<std::size_t>(fractionLength - 1)] == '0') {
        --fractionLength;
    }

    std::array<char16_t, BufferSize> out{};
    int n = 0;
    if (d.negative && roundedLength > 0) {
        out[static_cast<std::size_t>(n++)] = u'-'; // a value that rounds to zero has no sign
    }
    const int padding = std::max(p.minInteger - wholeLength, 0);
    const int integerDigits = padding + wholeLength;
    for (int i = 0; i < integerDigits; ++i) {
        if (p.grouping && i > 0 && (integerDigits - i) % 3 == 0) {
            out[static_cast<std::size_t>(n++)] = u',';
        }
        out[static_cast<std::size_t>(n++)] =
            i < padding ? u'0'
                        : static_cast<char16_t>(rounded[static_cast<std::size_t>(i - padding)]);
    }
    if (p.point) {
        out[static_cast<std::size_t>(n++)] = u'.';
    }
    for (int i = 0; i < fractionLength; ++i) {
        out[static_cast<std::size_t>(n++)] =
            static_cast<char16_t>(fraction[static_cast<std::size_t>(i)]);
    }

    if (p.prefix.isEmpty() && p.suffix.isEmpty()) {
        return QString(reinterpret_cast<const QChar*>(out.data()), n);
    }
    QString text;
    text.reserve(p.prefix.size() + n + p.suffix.size());
    text.append(p.prefix);
    text.append(reinterpret_cast<const QChar*>(out.data()), n);
    text.append(p.suffix);
    return text;
}

} // namespace

QString formatNumber(double value, QStringView pattern) {
    if (std::isnan(value)) {
        return QStringLiteral("nan");
    }
    if (std::isinf(value)) {
        return value < 0 ? QStringLiteral("-inf") : QStringLiteral("inf");
    }
    Decimal d;
    decimalOf(value, d);
    return layOut(d, parsePattern(pattern));
}

QString formatNumber(Currency value, QStringView pattern) {
    Decimal d;
    decimalOf(value, d);
    return layOut(d, parsePattern(pattern));
}

double shownValue(double value, int decimals) {
    if (!std::isfinite(value)) {
        return value;
    }
    Pattern p;
    p.point = true;
    p.maxDecimals = std::clamp(decimals, 0, MaxDecimals);
    p.minDecimals = p.maxDecimals;
    Decimal d;
    decimalOf(value, d);
    return readNumber(layOut(d, p));
}

namespace {

template <class T> QString shortestPlain(T value) {
    if (!std::isfinite(value)) {
        return formatNumber(static_cast<double>(value), u"");
    }
    if (value == 0) {
        return QStringLiteral("0");
    }
    // The longest is a subnormal double: "-0." and 323 zeros before its last digits.
    std::array<char, 400> text{};
    const auto r =
        std::to_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    return QString::fromLatin1(text.data(), r.ptr - text.data());
}

} // namespace

QString plainNumber(double value) {
    return shortestPlain(value);
}

QString plainNumber(float value) {
    return shortestPlain(value);
}

QString RightJustify(const QString& text, int width) {
    if (width <= 0) {
        return {};
    }
    if (text.size() >= width) {
        return text.left(width);
    }
    QString result(width, u' ');
    std::copy(text.cbegin(), text.cend(), result.begin() + (width - text.size()));
    return result;
}

QString RightAlign(const QString& text, int width) {
    return text.size() >= width ? text : RightJustify(text, width);
}

double readNumber(QStringView text) {
    // The accepted characters, normalised to sign, whole digits, point, decimals, exponent.
    std::string buffer;
    std::array<char, 64> local{};
    int used = 0;
    auto put = [&](char c) {
        if (used < static_cast<int>(local.size())) {
            local[static_cast<std::size_t>(used++)] = c;
        } else {
            if (buffer.empty()) {
                buffer.assign(local.data(), local.size());
            }
            buffer.push_back(c);
            ++used;
        }
    };

    qsizetype i = 0;
    auto skipBlanks = [&] {
        while (i < text.size() && (text[i] == u' ' || text[i] == u'\t' || text[i] == u'\n')) {
            ++i;
        }
    };
    auto isDigit = [&] { return i < text.size() && text[i] >= u'0' && text[i] <= u'9'; };

    skipBlanks();
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) {
        if (text[i] == u'-') {
            put('-');
        }
        ++i;
    }
    int mantissaDigits = 0;
    int wholeDigits = 0; // significant digits before the point, for the overflow test below
    bool seenPoint = false;
    int leadingFractionZeros = 0;
    bool significant = false;
    for (;;) {
        skipBlanks();
        if (isDigit()) {
            const char c = static_cast<char>(text[i].unicode());
            put(c);
            ++mantissaDigits;
            if (c != '0') {
                significant = true;
            }
            if (!seenPoint && significant) {
                ++wholeDigits;
            } else if (seenPoint && !significant) {
                ++leadingFractionZeros;
            }
            ++i;
        } else if (!seenPoint && i < text.size() && text[i] == u'.') {
            put('.');
            seenPoint = true;
            ++i;
        } else {
            break;
        }
    }
    if (mantissaDigits == 0) {
        return 0.0;
    }
    long long exponent = 0;
    if (i < text.size() && (text[i] == u'e' || text[i] == u'E')) {
        ++i;
        skipBlanks();
        bool negativeExponent = false;
        if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) {
            negativeExponent = text[i] == u'-';
            ++i;
        }
        bool anyExponentDigit = false;
        for (;;) {
            skipBlanks();
            if (!isDigit()) {
                break;
            }
            anyExponentDigit = true;
            if (exponent < 100000) {
                exponent = exponent * 10 + (text[i].unicode() - u'0');
            }
            ++i;
        }
        if (anyExponentDigit) {
            if (negativeExponent) {
                exponent = -exponent;
            }
            put('e');
            for (char c : std::to_string(exponent)) {
                put(c);
            }
        }
    }

    const char* begin = buffer.empty() ? local.data() : buffer.data();
    const char* end = begin + used;
    double value = 0.0;
    const auto result = std::from_chars(begin, end, value);
    if (result.ec == std::errc::result_out_of_range) {
        if (!significant) {
            return 0.0;
        }
        // Too large or too small for a double: the decimal exponent of the leading digit says
        // which.
        const long long magnitude =
            (wholeDigits > 0 ? wholeDigits - 1 : -(leadingFractionZeros + 1)) + exponent;
        if (magnitude < 0) {
            return 0.0;
        }
        const double infinity = std::numeric_limits<double>::infinity();
        return begin[0] == '-' ? -infinity : infinity;
    }
    if (result.ec != std::errc()) {
        return 0.0;
    }
    return value == 0.0 ? 0.0 : value;
}
