#include "PostalCodeBarcode.h"

#include "document/Rounding.h"

namespace quill {

namespace {

constexpr double kPositionStep = 1.67;
constexpr double kBarFraction = 0.55;
constexpr double kAutoUnits = 73.48;

bool isAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

} // namespace

QString postalDigitPattern(int digit)
{
    static const char16_t *const patterns[] = {u"111001", u"001111", u"010111", u"100111",
                                               u"011011", u"101011", u"110011", u"011101",
                                               u"101101", u"110101"};
    if (digit < 0 || digit > 9)
        return {};
    return QString::fromUtf16(patterns[digit]);
}

QList<int> postalEncodedDigits(const QString &text)
{
    QList<int> digits;
    int sum = 0;
    for (qsizetype i = text.size() - 1; i >= 0; --i) {
        if (!isAsciiDigit(text[i]))
            continue;
        const int d = text[i].unicode() - u'0';
        digits.append(d);
        sum += d;
    }
    digits.append((10 - sum % 10) % 10);
    return digits;
}

QString postalBarPositions(const QString &text)
{
    QString positions;
    for (int d : postalEncodedDigits(text))
        positions += postalDigitPattern(d);
    return positions;
}

PostalBarGeometry postalBarGeometry(bool autoSize, int width, double barWidth, int startPoint)
{
    PostalBarGeometry g;
    g.unit = autoSize ? width / kAutoUnits : barWidth;
    g.start = autoSize ? g.unit * kPositionStep : g.unit * startPoint;
    return g;
}

QList<QRect> postalBarRects(const QString &text, const PostalBarGeometry &geometry, int height)
{
    QList<QRect> rects;
    const int barWidth = roundHalfEven(kBarFraction * geometry.unit);
    double x = geometry.start;
    for (const QChar position : postalBarPositions(text)) {
        if (position == QLatin1Char('1'))
            rects.append(QRect(roundHalfEven(x), 0, barWidth, height));
        x += kPositionStep * geometry.unit;
    }
    return rects;
}

bool isWellFormedPostalCode(const QString &text)
{
    if (text.size() != 7)
        return false;
    for (int i : {0, 1, 2, 4, 5, 6}) {
        if (!isAsciiDigit(text[i]))
            return false;
    }
    return true;
}

QString postalCodeStatus(const QString &text)
{
    return isWellFormedPostalCode(text) ? QStringLiteral(" OK")
                                        : QStringLiteral(" 우편번호 입력 오류.");
}

} // namespace quill
