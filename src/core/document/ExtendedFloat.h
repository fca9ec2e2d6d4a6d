// Conversion between IEEE doubles and the 80-bit extended format of the property stream.
#pragma once

#include <QtGlobal>
#include <array>

namespace quill {

// Ten bytes, little-endian: 64-bit mantissa with an explicit integer bit, then a 16-bit word
// holding the sign (top bit) and the exponent biased by 16383.
using ExtendedBytes = std::array<quint8, 10>;

// Exact for every double: normals, both zeros, subnormals and infinities. A NaN keeps its
// payload and comes out quiet, as the x87 unit stores it.
ExtendedBytes doubleToExtended(double value);

// Rounds to the nearest double, halves to even. Values beyond the double range saturate to
// an infinity of their sign; values below half the smallest subnormal become a zero of their
// sign. Encodings the x87 unit would reject (an integer bit missing from a normal exponent,
// or from an infinity/NaN exponent) are taken at face value, or as NaN for the latter.
double extendedToDouble(const ExtendedBytes &bytes);

} // namespace quill
