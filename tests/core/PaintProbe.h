// Pixel probes for drawing tests: blank images, dark-pixel boxes and colour counts.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRect>

namespace quill::testing {

// A white ARGB32 image.
inline QImage blankImage(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(Qt::white);
    return image;
}

// The bounding box of the pixels darker than threshold (by the sum of their channels / 3).
inline QRect darkBox(const QImage &image, int threshold = 128)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if ((c.red() + c.green() + c.blue()) / 3 < threshold)
                box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

// True when the pixel is within tolerance of colour on every channel.
inline bool near(const QImage &image, int x, int y, const QColor &colour, int tolerance = 8)
{
    const QColor c = image.pixelColor(x, y);
    return qAbs(c.red() - colour.red()) <= tolerance
        && qAbs(c.green() - colour.green()) <= tolerance
        && qAbs(c.blue() - colour.blue()) <= tolerance;
}

inline int countNear(const QImage &image, const QColor &colour, int tolerance = 8)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += near(image, x, y, colour, tolerance) ? 1 : 0;
    return n;
}

} // namespace quill::testing
