// Tests the conversion between doubles and the stream's 80-bit extended values.
#include "document/ExtendedFloat.h"

#include <QRandomGenerator>
#include <QTest>
#include <bit>
#include <cfloat>
#include <cmath>
#include <cstring>
#include <limits>

using namespace quill;

namespace {

QByteArray hex(const char *digits)
{
    return QByteArray::fromHex(digits);
}

ExtendedBytes extendedFromHex(const char *digits)
{
    const QByteArray raw = hex(digits);
    ExtendedBytes out {};
    std::memcpy(out.data(), raw.constData(), 10);
    return out;
}

QByteArray extendedHex(const ExtendedBytes &bytes)
{
    return QByteArray(reinterpret_cast<const char *>(bytes.data()), 10).toHex(' ');
}

} // namespace

class TestExtendedFloat : public QObject {
    Q_OBJECT

private slots:
    void knownPatterns_data();
    void knownPatterns();
    void rounding_data();
    void rounding();
    void roundTripsEveryDouble();
    void matchesX87();
};

void TestExtendedFloat::knownPatterns_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("1.0") << 1.0 << hex("0000000000000080ff3f");
    QTest::newRow("0.5") << 0.5 << hex("0000000000000080fe3f");
    QTest::newRow("-2.5") << -2.5 << hex("00000000000000a000c0");
    QTest::newRow("25.4") << 25.4 << hex("00303333333333cb0340");
    QTest::newRow("1/3") << 1.0 / 3.0 << hex("00a8aaaaaaaaaaaafd3f");
    QTest::newRow("+0") << 0.0 << hex("00000000000000000000");
    QTest::newRow("-0") << -0.0 << hex("00000000000000000080");
    QTest::newRow("+inf") << std::numeric_limits<double>::infinity() << hex("0000000000000080ff7f");
    QTest::newRow("-inf") << -std::numeric_limits<double>::infinity()
                          << hex("0000000000000080ffff");
    QTest::newRow("smallest subnormal")
        << std::numeric_limits<double>::denorm_min() << hex("0000000000000080cd3b");
    QTest::newRow("largest subnormal")
        << std::bit_cast<double>(Q_UINT64_C(0x000FFFFFFFFFFFFF)) << hex("00f0ffffffffffff003c");
    QTest::newRow("max") << std::numeric_limits<double>::max() << hex("00f8fffffffffffffe43");
}

void TestExtendedFloat::knownPatterns()
{
    QFETCH(double, value);
    QFETCH(QByteArray, bytes);
    QCOMPARE(bytes.size(), 10);
    const ExtendedBytes ext = doubleToExtended(value);
    QCOMPARE(extendedHex(ext), bytes.toHex(' '));
    const double back = extendedToDouble(ext);
    QCOMPARE(std::bit_cast<quint64>(back), std::bit_cast<quint64>(value));
}

void TestExtendedFloat::rounding_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<double>("expected");
    const double inf = std::numeric_limits<double>::infinity();
    const double tiny = std::numeric_limits<double>::denorm_min();
    QTest::newRow("1/3 in extended") << hex("abaaaaaaaaaaaaaafd3f") << 1.0 / 3.0;
    QTest::newRow("half ulp above 1 -> even (1)") << hex("0004000000000080ff3f") << 1.0;
    QTest::newRow("half ulp above 1+ulp -> even")
        << hex("000c000000000080ff3f") << 1.0 + std::ldexp(1.0, -51);
    QTest::newRow("just over half ulp rounds up")
        << hex("0104000000000080ff3f") << 1.0 + std::ldexp(1.0, -52);
    QTest::newRow("rounding carries into exponent") << hex("ffffffffffffffffff3f") << 2.0;
    QTest::newRow("2^1024 saturates") << hex("0000000000000080ff43") << inf;
    QTest::newRow("largest extended saturates") << hex("fffffffffffffffffe7f") << inf;
    QTest::newRow("negative huge saturates") << hex("0000000000000080fefe") << -inf;
    QTest::newRow("max mantissa at max exponent -> inf") << hex("ffffffffffffffffff43") << inf;
    QTest::newRow("2^-1075 ties to zero") << hex("0000000000000080cc3b") << 0.0;
    QTest::newRow("above 2^-1075 -> denorm_min") << hex("0100000000000080cc3b") << tiny;
    QTest::newRow("1.5 x 2^-1074 ties to 2 units") << hex("00000000000000c0cd3b") << 2 * tiny;
    QTest::newRow("negative underflow keeps sign") << hex("00000000000000800180") << -0.0;
    QTest::newRow("extended denormal -> 0") << hex("01000000000000000000") << 0.0;
    QTest::newRow("subnormal with shift left") << hex("01000000000000000e3c") << 4 * tiny;
}

void TestExtendedFloat::rounding()
{
    QFETCH(QByteArray, bytes);
    QFETCH(double, expected);
    ExtendedBytes ext {};
    std::memcpy(ext.data(), bytes.constData(), 10);
    const double value = extendedToDouble(ext);
    QCOMPARE(std::bit_cast<quint64>(value), std::bit_cast<quint64>(expected));
}

void TestExtendedFloat::roundTripsEveryDouble()
{
    QRandomGenerator rng(1234);
    for (int i = 0; i < 200000; ++i) {
        const double value = std::bit_cast<double>(rng.generate64());
        const double back = extendedToDouble(doubleToExtended(value));
        if (std::isnan(value)) {
            QVERIFY(std::isnan(back));
            continue;
        }
        QCOMPARE(std::bit_cast<quint64>(back), std::bit_cast<quint64>(value));
    }
    const double nan = std::numeric_limits<double>::quiet_NaN();
    QVERIFY(std::isnan(extendedToDouble(doubleToExtended(nan))));
    QVERIFY(std::isnan(extendedToDouble(extendedFromHex("0000000000000000ff7f")))); // pseudo-NaN
}

void TestExtendedFloat::matchesX87()
{
#if (defined(__x86_64__) || defined(__i386__)) && LDBL_MANT_DIG == 64
    QRandomGenerator rng(99);
    for (int i = 0; i < 200000; ++i) {
        ExtendedBytes ext {};
        quint64 mantissa = rng.generate64() | (Q_UINT64_C(1) << 63); // x87 needs the integer bit
        // Exponents around the whole double range, including overflow and underflow.
        const int exponent = 16383 - 1100 + int(rng.bounded(2200u));
        const quint16 top = quint16(exponent | (rng.bounded(2u) ? 0x8000 : 0));
        if (i % 4 == 0)
            mantissa &= ~Q_UINT64_C(0x3FF); // exact halves and double-exact values
        std::memcpy(ext.data(), &mantissa, 8);
        ext[8] = quint8(top);
        ext[9] = quint8(top >> 8);
        long double x = 0;
        std::memcpy(&x, ext.data(), 10);
        const double expected = double(x);
        QCOMPARE(std::bit_cast<quint64>(extendedToDouble(ext)), std::bit_cast<quint64>(expected));
    }
#else
    QSKIP("long double is not the x87 extended format here");
#endif
}

QTEST_GUILESS_MAIN(TestExtendedFloat)
#include "tst_extendedfloat.moc"
