#include "GradientRamp.h"

#include "ShapePaintSupport.h"
#include "document/Rounding.h"

#include <QPainter>

#include <limits>

namespace quill::ramp {

int mulDiv(int number, int numerator, int denominator)
{
    if (denominator == 0)
        return -1;
    const qint64 product = qint64(number) * qint64(numerator);
    const bool negative = (product < 0) != (denominator < 0);
    const quint64 p = quint64(product < 0 ? -product : product);
    const quint64 d = quint64(denominator < 0 ? -qint64(denominator) : qint64(denominator));
    const quint64 q = (p + d / 2) / d;
    if (q > quint64(std::numeric_limits<int>::max()))
        return -1;
    return negative ? -int(q) : int(q);
}

TwoColourPlan turned(TColor start, TColor end, TGradientStyle style, int angle)
{
    TwoColourPlan plan{style, start, end};
    const bool down = style == gsTopToBottom;
    bool swap = false;
    switch (angle) {
    case 90:
        plan.style = down ? gsLeftToRight : gsTopToBottom;
        swap = !down;
        break;
    case 180:
        swap = true;
        break;
    case 270:
        plan.style = down ? gsLeftToRight : gsTopToBottom;
        swap = down;
        break;
    default:
        break;
    }
    if (swap)
        std::swap(plan.start, plan.end);
    return plan;
}

QVector<QRgb> twoColourBands(QColor start, QColor end, int n)
{
    QVector<QRgb> bands;
    if (n <= 0)
        return bands;
    bands.reserve(n);
    const int dR = end.red() - start.red();
    const int dG = end.green() - start.green();
    const int dB = end.blue() - start.blue();
    for (int i = 0; i < n; ++i) {
        // Each component is stored in a byte, as the surface's colour value holds it.
        const int r = (start.red() + mulDiv(i, dR, n)) & 0xFF;
        const int g = (start.green() + mulDiv(i, dG, n)) & 0xFF;
        const int b = (start.blue() + mulDiv(i, dB, n)) & 0xFF;
        bands.append(qRgb(r, g, b));
    }
    return bands;
}

QRgb oneColourBand(QColor start, int i)
{
    const qint64 p = qBound(0, i, 100);
    auto lift = [p](int c) { return c + int(roundDivHalfEven((255 - c) * p, 100)); };
    return qRgb(lift(start.red()), lift(start.green()), lift(start.blue()));
}

int bandCount(TGradientStyle style, const QSize &area)
{
    return qMax(0, style == gsLeftToRight ? area.width() : area.height());
}

void drawBands(QPainter &painter, const QSize &area, TGradientStyle style,
               const QVector<QRgb> &bands)
{
    for (int i = 0; i < bands.size(); ++i) {
        const QRect band = style == gsLeftToRight ? QRect(i, 0, 1, area.height())
                                                  : QRect(0, i, area.width(), 1);
        painter.fillRect(band, QColor::fromRgb(bands[i]));
    }
}

QVector<QRgb> twoColourRamp(const TwoColourPlan &plan, const QSize &area)
{
    return twoColourBands(shapepaint::drawColor(plan.start), shapepaint::drawColor(plan.end),
                          bandCount(plan.style, area));
}

QVector<QRgb> oneColourRamp(TColor start, TGradientStyle style, const QSize &area)
{
    const QColor s = shapepaint::drawColor(start);
    const int n = bandCount(style, area);
    QVector<QRgb> bands;
    bands.reserve(n);
    for (int i = 0; i < n; ++i)
        bands.append(oneColourBand(s, i));
    return bands;
}

} // namespace quill::ramp
