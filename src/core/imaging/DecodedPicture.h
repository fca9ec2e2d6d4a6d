// Pictures decoded from their stream payloads, ready to be drawn or turned into 24-bit copies.
#pragma once

#include "PictureData.h"
#include "Result.h"

#include <QByteArray>
#include <QImage>
#include <QRectF>
#include <QSize>

#include <memory>

class QPainter;

namespace quill {

// One decoded graphic. Bitmaps, JPEG, GIF (first frame), icons and animated cursors (first
// frame) are raster images; metafiles are kept as SVG and rendered at the resolution they are
// drawn at. The payload the picture came from is never changed.
class DecodedPicture {
public:
    DecodedPicture() = default;

    GraphicClass graphic() const { return mGraphic; }
    bool isMetafile() const { return mGraphic == GraphicClass::Metafile; }
    // An empty bitmap (size 0 in the stream) decodes to an empty picture that draws nothing.
    bool isEmpty() const { return mSize.isEmpty(); }
    // The picture's own size in pixels (a metafile's at 96 pixels per inch).
    QSize size() const { return mSize; }
    // The raster image; null for a metafile.
    const QImage &image() const { return mImage; }

    // Stretches the picture over `target` (in the painter's coordinates). A metafile is rendered
    // at the device pixels the target covers, and at least at `minScale` times its own size
    // (for recorded pictures that are replayed on printers).
    void draw(QPainter &painter, const QRectF &target, double minScale = 1.0) const;
    // A copy of the picture at its own size in 24 bits (QImage::Format_RGB888), a metafile
    // rendered on white.
    QImage toImage24() const;

private:
    friend Result<DecodedPicture> decodePictureFile(
        const QByteArray &bytes, const QString &extension);
    QImage renderMetafile(QSize pixels) const;

    GraphicClass mGraphic = GraphicClass::Bitmap;
    QImage mImage;
    QByteArray mSvg;
    QSize mSize;
    mutable QImage mRendered; // the metafile rendered at the size last drawn
};

// Decodes a picture payload (graphic class name and data, see PictureData.h). A payload that
// cannot be decoded gives an Error saying why; nothing is read past its end.
Result<DecodedPicture> decodePicture(const QByteArray &payload);
// Decodes the bytes of a picture file of the kind its extension names (bmp, jpg, jpeg, gif, ico,
// emf, wmf, ani; with or without the dot, any case).
Result<DecodedPicture> decodePictureFile(const QByteArray &bytes, const QString &extension);
// decodePicture through a small cache keyed by the payload's bytes, for painting.
Result<std::shared_ptr<const DecodedPicture>> cachedPicture(const QByteArray &payload);

// Draws the crossed box shown in place of a picture that cannot be decoded.
void drawBrokenPicture(QPainter &painter, const QRectF &target);

// The payload of a bitmap picture ("TBitmap") holding `image` as a 24-bit BMP file.
Result<QByteArray> bitmapPayload(const QImage &image);

enum class PictureTurn { Left, Right, MirrorLeftRight, MirrorUpDown };
// Turns or mirrors the picture of a payload through a 24-bit copy. A bitmap comes back as a
// 24-bit bitmap, a JPEG picture as a JPEG picture; any other kind (and a damaged payload) gives
// an Error and is to be left as it is.
Result<QByteArray> turnPicturePayload(const QByteArray &payload, PictureTurn turn);

} // namespace quill
