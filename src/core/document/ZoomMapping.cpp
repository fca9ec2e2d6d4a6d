#include "ZoomMapping.h"

#include "Rounding.h"

#include <algorithm>

namespace quill::ZoomMapping {

namespace {

qint64 validZoom(int zoom)
{
    return std::max(zoom, 1);
}

} // namespace

int toScreen(int modelValue, int zoom)
{
    return clampToInt(roundDivHalfEven(qint64(modelValue) * validZoom(zoom), 100));
}

int toModel(int screenValue, int zoom)
{
    return clampToInt(roundDivHalfEven(qint64(screenValue) * 100, validZoom(zoom)));
}

int toModel(int screenValue, int zoom, int storedModelValue)
{
    if (toScreen(storedModelValue, zoom) == screenValue)
        return storedModelValue;
    return toModel(screenValue, zoom);
}

QRect toScreen(const QRect &model, int zoom)
{
    return QRect(toScreen(model.left(), zoom), toScreen(model.top(), zoom),
                 toScreen(model.width(), zoom), toScreen(model.height(), zoom));
}

QRect toModel(const QRect &screen, int zoom)
{
    return QRect(toModel(screen.left(), zoom), toModel(screen.top(), zoom),
                 toModel(screen.width(), zoom), toModel(screen.height(), zoom));
}

QRect toModel(const QRect &screen, int zoom, const QRect &storedModel)
{
    return QRect(toModel(screen.left(), zoom, storedModel.left()),
                 toModel(screen.top(), zoom, storedModel.top()),
                 toModel(screen.width(), zoom, storedModel.width()),
                 toModel(screen.height(), zoom, storedModel.height()));
}

int fontSizeAtZoom(double size100, int zoom)
{
    // Rounded to two decimals means round(size100 x Z) hundredths; truncating that towards
    // zero is an integer division.
    const qint64 hundredths = roundHalfEven(size100 * validZoom(zoom));
    return clampToInt(hundredths / 100);
}

} // namespace quill::ZoomMapping
