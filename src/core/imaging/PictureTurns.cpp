// Quarter turns and mirrors of 24-bit pictures, and the effects editor's list of effects.
#include "PixelEffects.h"

#include <cstring>

namespace quill {

namespace {

QImage copy24(const QImage &picture)
{
    QImage out = picture;
    toPicture24(out);
    return out;
}

// Fills a W x H result pixel by pixel: `to` maps a source pixel (x, y) to its place.
template<typename To> QImage turned(const QImage &picture, bool swapSides, To to)
{
    const QImage source = copy24(picture);
    const int w = source.width();
    const int h = source.height();
    if (w < 1 || h < 1)
        return source;
    QImage result(swapSides ? h : w, swapSides ? w : h, QImage::Format_RGB888);
    for (int y = 0; y < h; ++y) {
        const uchar *row = source.constScanLine(y);
        for (int x = 0; x < w; ++x) {
            const QPoint p = to(x, y, w, h);
            std::memcpy(result.scanLine(p.y()) + p.x() * 3, row + x * 3, 3);
        }
    }
    return result;
}

} // namespace

QImage turnedLeft(const QImage &picture)
{
    return turned(picture, true, [](int x, int y, int w, int) { return QPoint(y, w - 1 - x); });
}

QImage turnedRight(const QImage &picture)
{
    return turned(picture, true, [](int x, int y, int, int h) { return QPoint(h - 1 - y, x); });
}

QImage mirroredLeftRight(const QImage &picture)
{
    return turned(picture, false, [](int x, int y, int w, int) { return QPoint(w - 1 - x, y); });
}

QImage mirroredUpDown(const QImage &picture)
{
    return turned(picture, false, [](int x, int y, int, int h) { return QPoint(x, h - 1 - y); });
}

const QStringList &effectListEntries()
{
    static const QStringList entries {QStringLiteral("Gaussian Blur"), QStringLiteral("Split Blur"),
        QStringLiteral("Add Color Noise"), QStringLiteral("Add Mono Noise"),
        QStringLiteral("Antialias"), QStringLiteral("Contrast"), QStringLiteral("Fisheye"),
        QStringLiteral("Lightness"), QStringLiteral("Darkness"), QStringLiteral("Saturation"),
        QStringLiteral("Mosaic"), QStringLiteral("Twist"), QStringLiteral("Split Light"),
        QStringLiteral("Tile"), QStringLiteral("Spot Light"), QStringLiteral("Trace"),
        QStringLiteral("Emboss"), QStringLiteral("Solorize"), QStringLiteral("Posterize"),
        QStringLiteral("Grayscale"), QStringLiteral("Invert")};
    return entries;
}

namespace {

// The list's entries by position.
enum Entry {
    kGaussianBlur,
    kSplitBlur,
    kAddColorNoise,
    kAddMonoNoise,
    kAntialias,
    kContrast,
    kFisheye,
    kLightness,
    kDarkness,
    kSaturation,
    kMosaic,
    kTwist,
    kSplitLight,
    kTile,
    kSpotLight,
    kTrace,
    kEmboss,
    kSolorize,
    kPosterize,
    kGrayscale,
    kInvert
};

void applyPointEffect(QImage &picture, int entry, int p)
{
    switch (entry) {
    case kAddColorNoise:
        return Effect_AddColorNoise(picture, 3 * p);
    case kAddMonoNoise:
        return Effect_AddMonoNoise(picture, 3 * p);
    case kContrast:
        return Effect_Contrast(picture, 3 * p);
    case kLightness:
        return Effect_Lightness(picture, 2 * p);
    case kDarkness:
        return Effect_Darkness(picture, 2 * p);
    case kSaturation:
        return Effect_Saturation(picture, 255 - 255 * p / 100);
    case kSplitLight:
        return Effect_Splitlight(picture, p / 20);
    case kSolorize:
        return Effect_Solorize(picture, 255 - 255 * p / 100);
    case kPosterize:
        return Effect_Posterize(picture, 255 * p / 100 + 1);
    case kGrayscale:
        return Effect_GrayScale(picture);
    case kInvert:
        return Effect_Invert(picture);
    default:
        return;
    }
}

} // namespace

void applyListEffect(QImage &picture, int entry, int p)
{
    switch (entry) {
    case kGaussianBlur:
        return Effect_GaussianBlur(picture, p);
    case kSplitBlur:
        return Effect_SplitBlur(picture, p);
    case kAntialias:
        for (int i = 0; i < p; ++i)
            Effect_AntiAlias(picture);
        return toPicture24(picture);
    case kFisheye:
        return Effect_FishEye(picture, p / 10 + 1);
    case kMosaic:
        return Effect_Mosaic(picture, p / 2);
    case kTwist:
        return Effect_Twist(picture, 201 - 2 * p);
    case kTile:
        return Effect_Tile(picture, p / 10);
    case kSpotLight:
        return Effect_SpotLight(picture, p, QRect(p, p, 2 * p, 2 * p));
    case kTrace:
        return Effect_Trace(picture, p / 10);
    case kEmboss:
        for (int i = 0; i < p; ++i)
            Effect_Emboss(picture);
        return toPicture24(picture);
    default:
        return applyPointEffect(picture, entry, p);
    }
}

} // namespace quill
