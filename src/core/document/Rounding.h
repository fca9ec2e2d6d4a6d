// Rounding rules of the label geometry: nearest with halves to the even neighbour.
#pragma once

#include <QtGlobal>

#include <cmath>
#include <limits>

namespace quill {

// The nearest whole number, halves to the even neighbour, independent of the floating-point
// environment's rounding mode (std::nearbyint would depend on it).
inline double roundHalfEvenF(double v)
{
    if (std::fabs(v - std::trunc(v)) == 0.5)
        return 2.0 * std::round(v / 2.0);
    return std::round(v);
}

// Saturates to the int range so that broken or huge inputs (a damaged file, a silly catalogue
// value) cannot overflow into undefined behaviour.
inline int clampToInt(double v)
{
    if (std::isnan(v))
        return 0;
    if (v >= static_cast<double>(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (v <= static_cast<double>(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return static_cast<int>(v);
}

inline int clampToInt(qint64 v)
{
    if (v > std::numeric_limits<int>::max())
        return std::numeric_limits<int>::max();
    if (v < std::numeric_limits<int>::min())
        return std::numeric_limits<int>::min();
    return static_cast<int>(v);
}

// round(v) as an int, halves to even, saturated.
inline int roundHalfEven(double v)
{
    return clampToInt(roundHalfEvenF(v));
}

// numerator / denominator rounded to the nearest integer, halves to even, in exact integer
// arithmetic (no floating-point error). denominator must be > 0.
inline qint64 roundDivHalfEven(qint64 numerator, qint64 denominator)
{
    qint64 quotient = numerator / denominator;
    const qint64 remainder = numerator % denominator;
    const qint64 twice = 2 * (remainder < 0 ? -remainder : remainder);
    if (twice > denominator || (twice == denominator && quotient % 2 != 0))
        quotient += numerator < 0 ? -1 : 1;
    return quotient;
}

// v rounded to the given number of decimals (halves to even on the scaled value).
inline double roundToDecimals(double v, int decimals)
{
    const double factor = std::pow(10.0, decimals);
    return roundHalfEvenF(v * factor) / factor;
}

} // namespace quill
