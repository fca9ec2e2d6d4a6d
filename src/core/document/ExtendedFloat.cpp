// Bit-level conversion between doubles and 80-bit extended values, independent of long double.
#include "ExtendedFloat.h"

#include <bit>

namespace quill {

namespace {

constexpr int kExtendedBias = 16383;
constexpr int kDoubleBias = 1023;
constexpr quint64 kIntegerBit = quint64(1) << 63;
constexpr quint64 kQuietBit = quint64(1) << 62;

ExtendedBytes pack(bool negative, int exponent, quint64 mantissa)
{
    ExtendedBytes out {};
    for (int i = 0; i < 8; ++i)
        out[i] = quint8(mantissa >> (8 * i));
    const quint16 top = quint16((negative ? 0x8000 : 0) | (exponent & 0x7FFF));
    out[8] = quint8(top);
    out[9] = quint8(top >> 8);
    return out;
}

double fromBits(quint64 bits)
{
    return std::bit_cast<double>(bits);
}

// m / 2^shift rounded to nearest, ties to even; shift may exceed 63.
quint64 shiftRightRounded(quint64 m, int shift)
{
    if (shift <= 0)
        return m;
    if (shift > 64)
        return 0;
    const quint64 kept = shift == 64 ? 0 : m >> shift;
    const quint64 rest = shift == 64 ? m : m & ((quint64(1) << shift) - 1);
    const quint64 half = quint64(1) << (shift - 1);
    if (rest > half || (rest == half && (kept & 1)))
        return kept + 1;
    return kept;
}

} // namespace

ExtendedBytes doubleToExtended(double value)
{
    const quint64 bits = std::bit_cast<quint64>(value);
    const bool negative = bits >> 63;
    const int exponent = int((bits >> 52) & 0x7FF);
    const quint64 fraction = bits & ((quint64(1) << 52) - 1);

    if (exponent == 0x7FF) {
        if (fraction == 0)
            return pack(negative, 0x7FFF, kIntegerBit);
        return pack(negative, 0x7FFF, kIntegerBit | kQuietBit | (fraction << 11));
    }
    if (exponent == 0) {
        if (fraction == 0)
            return pack(negative, 0, 0);
        // A subnormal double is fraction x 2^-1074; normalise it, the extended range holds it.
        const int top = 63 - std::countl_zero(fraction);
        return pack(negative, top - 1074 + kExtendedBias, fraction << (63 - top));
    }
    return pack(negative, exponent - kDoubleBias + kExtendedBias, kIntegerBit | (fraction << 11));
}

double extendedToDouble(const ExtendedBytes &bytes)
{
    quint64 mantissa = 0;
    for (int i = 7; i >= 0; --i)
        mantissa = (mantissa << 8) | bytes[i];
    const quint16 top = quint16(bytes[8] | (bytes[9] << 8));
    const quint64 sign = quint64(top >> 15) << 63;
    const int exponent = top & 0x7FFF;

    if (exponent == 0x7FFF) {
        const quint64 payload = mantissa & ~kIntegerBit;
        if ((mantissa & kIntegerBit) && payload == 0)
            return fromBits(sign | (quint64(0x7FF) << 52));
        quint64 fraction = (payload >> 11) | (quint64(1) << 51); // always quiet
        return fromBits(sign | (quint64(0x7FF) << 52) | fraction);
    }
    if (mantissa == 0)
        return fromBits(sign);

    // value = mantissa x 2^scale; exponent 0 (denormals) scales like exponent 1.
    const int scale = (exponent == 0 ? 1 : exponent) - kExtendedBias - 63;
    const int high = 63 - std::countl_zero(mantissa);
    int unbiased = scale + high; // the value lies in [2^unbiased, 2^(unbiased+1))
    if (unbiased > kDoubleBias)
        return fromBits(sign | (quint64(0x7FF) << 52));
    if (unbiased < 1 - kDoubleBias) {
        // Subnormal result: count units of 2^-1074. A carry into 2^52 is the smallest normal,
        // whose bit pattern is exactly that count.
        const int shift = -1074 - scale;
        const quint64 units = shift < 0 ? mantissa << -shift : shiftRightRounded(mantissa, shift);
        return fromBits(sign | units);
    }
    quint64 significand
        = high > 52 ? shiftRightRounded(mantissa, high - 52) : mantissa << (52 - high);
    if (significand >> 53) { // rounding carried into a new binary digit
        significand >>= 1;
        ++unbiased;
        if (unbiased > kDoubleBias)
            return fromBits(sign | (quint64(0x7FF) << 52));
    }
    const quint64 biased = quint64(unbiased + kDoubleBias);
    return fromBits(sign | (biased << 52) | (significand & ((quint64(1) << 52) - 1)));
}

} // namespace quill
