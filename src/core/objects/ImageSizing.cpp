#include "ImageSizing.h"

#include "document/Rounding.h"

#include <QLocale>

#include <cmath>

namespace quill::imagesizing {

namespace {

constexpr double MillimetresPerInch = 25.4;

} // namespace

double toMillimetres(double pixels, double ppi, int zoom)
{
    if (ppi <= 0 || zoom <= 0)
        return 0;
    return pixels * MillimetresPerInch / ppi * 100.0 / zoom;
}

int toPixels(double millimetres, double ppi, int zoom)
{
    return roundHalfEven(millimetres / MillimetresPerInch * ppi * zoom / 100.0);
}

double toHundredths(double v)
{
    return roundHalfEvenF(v * 100.0) / 100.0;
}

QString numberText(double v)
{
    if (!std::isfinite(v))
        return QStringLiteral("0");
    // -0 would show as "-0".
    if (v == 0)
        v = 0;
    return QString::number(v, 'g', QLocale::FloatingPointShortest);
}

QString scaleText(double percent)
{
    return numberText(percent) + QStringLiteral(" %");
}

std::optional<double> scalePercent(double size, double originalSize)
{
    if (!(originalSize > 0))
        return std::nullopt;
    return size * 100.0 / originalSize;
}

std::optional<double> sideKeepingRatio(double side, double originalSide, double originalOther)
{
    if (!(originalSide > 0) || !(originalOther > 0))
        return std::nullopt;
    return side * originalOther / originalSide;
}

QRect fitPreview(const QSize &picture, const QSize &panel)
{
    if (picture.isEmpty() || panel.isEmpty())
        return {};
    const qint64 pw = picture.width(), ph = picture.height();
    if (pw > ph) {
        const int height = int(ph * panel.width() / pw);
        return {0, (panel.height() - height) / 2, panel.width(), height};
    }
    const int width = int(pw * panel.height() / ph);
    return {(panel.width() - width) / 2, 0, width, panel.height()};
}

} // namespace quill::imagesizing
