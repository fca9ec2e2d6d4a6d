#include "RulerScale.h"

#include "document/Rounding.h"

#include <cmath>

using namespace Qt::StringLiterals;

namespace quill::RulerScale {

namespace {

struct Scale {
    double step;      // model pixels between two ticks
    int perLabel;     // ticks per labelled tick
};

Scale scaleOf(TMeasureUnit unit)
{
    if (unit == muInch)
        return {PixelsPerInch / 12.0, 12};
    return {PixelsPerInch / 25.4, 10};
}

int tickLength(TMeasureUnit unit, qint64 i)
{
    if (unit == muInch)
        return 5 * (1 + (i % 3 == 0) + (i % 6 == 0) + (i % 12 == 0));
    return 5 * (1 + (i % 5 == 0) + (i % 10 == 0));
}

QString tickLabel(TMeasureUnit unit, qint64 i, int perLabel)
{
    if (i % perLabel != 0)
        return {};
    if (i == 0)
        return unit == muInch ? QString() : u"0"_s;
    return QString::number(i / perLabel);
}

} // namespace

QList<Tick> ticks(TMeasureUnit unit, int zoom, int origin, int from, int to)
{
    QList<Tick> result;
    const Scale scale = scaleOf(unit);
    const double step = scale.step * qMax(1, zoom) / 100.0;
    // First tick at or after from (never before the cell's zero); a little slack for rounding.
    qint64 i = qMax<qint64>(0, qint64(std::floor((from - origin) / step)) - 1);
    for (;; ++i) {
        const int position = origin + roundHalfEven(i * step);
        if (position >= to)
            break;
        if (position < from)
            continue;
        result.append({position, tickLength(unit, i), tickLabel(unit, i, scale.perLabel)});
    }
    return result;
}

double toUnit(double modelPixels, TMeasureUnit unit)
{
    const double inches = modelPixels / PixelsPerInch;
    return unit == muInch ? inches : inches * 25.4;
}

QString readoutNumber(double value)
{
    if (std::fabs(value) >= 1000.0)
        return QString::number(std::llround(value));
    // Three significant digits, then the shortest form of that number.
    const double rounded = QString::number(value, 'g', 3).toDouble();
    if (rounded == 0.0)
        return u"0"_s;
    QString text = QString::number(rounded, 'f', 6);
    while (text.endsWith(u'0'))
        text.chop(1);
    if (text.endsWith(u'.'))
        text.chop(1);
    return text;
}

QString pointerReadoutText(const QPointF &cellPixels, TMeasureUnit unit)
{
    return u" X : "_s + readoutNumber(toUnit(cellPixels.x(), unit)) + u"  Y : "_s
        + readoutNumber(toUnit(cellPixels.y(), unit));
}

QString unitCaption(TMeasureUnit unit)
{
    return unit == muInch ? u"Inch"_s : u"mm"_s;
}

} // namespace quill::RulerScale
