// Drawing decoded pictures, their 24-bit copies, and the bitmap and JPEG payloads of turned
// pictures.
#include "DecodedPicture.h"

#include "PixelEffects.h"

#include <QBuffer>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>

#include <cmath>

namespace quill {

namespace {

// Rendering a metafile larger than this per side gains nothing and costs memory.
constexpr int kMaxRenderSide = 8000;

Result<QByteArray> encodeFile(const QImage &image, const char *format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    if (qstrcmp(format, "jpeg") == 0)
        writer.setQuality(90);
    if (!writer.write(image))
        return Error {
            QStringLiteral("The picture cannot be encoded: %1").arg(writer.errorString())};
    return bytes;
}

} // namespace

QImage DecodedPicture::renderMetafile(QSize pixels) const
{
    pixels = pixels.boundedTo(QSize(kMaxRenderSide, kMaxRenderSide)).expandedTo(QSize(1, 1));
    if (mRendered.size() == pixels)
        return mRendered;
    QBuffer buffer;
    buffer.setData(mSvg);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "svg");
    reader.setScaledSize(pixels);
    mRendered = reader.read();
    return mRendered;
}

void DecodedPicture::draw(QPainter &painter, const QRectF &target, double minScale) const
{
    if (isEmpty() || target.isEmpty())
        return;
    if (!isMetafile()) {
        painter.drawImage(target, mImage);
        return;
    }
    const QRectF onDevice = painter.deviceTransform().mapRect(target);
    const QSize pixels(int(std::ceil(std::max(onDevice.width(), target.width() * minScale))),
        int(std::ceil(std::max(onDevice.height(), target.height() * minScale))));
    const QImage rendered = renderMetafile(pixels);
    if (!rendered.isNull())
        painter.drawImage(target, rendered);
}

QImage DecodedPicture::toImage24() const
{
    if (isEmpty())
        return QImage();
    QImage source = isMetafile() ? renderMetafile(mSize) : mImage;
    if (source.hasAlphaChannel()) {
        QImage flat(source.size(), QImage::Format_RGB888);
        flat.fill(Qt::white);
        QPainter painter(&flat);
        painter.drawImage(0, 0, source);
        return flat;
    }
    toPicture24(source);
    return source;
}

void drawBrokenPicture(QPainter &painter, const QRectF &target)
{
    painter.save();
    painter.setPen(QPen(Qt::red, 0));
    painter.setBrush(Qt::NoBrush);
    const QRectF box = target.adjusted(0, 0, -1, -1);
    painter.drawRect(box);
    painter.drawLine(box.topLeft(), box.bottomRight());
    painter.drawLine(box.topRight(), box.bottomLeft());
    painter.restore();
}

Result<QByteArray> bitmapPayload(const QImage &image)
{
    QImage picture = image;
    toPicture24(picture);
    Result<QByteArray> file = encodeFile(picture, "bmp");
    if (!file)
        return file.error();
    return pictureDataFromFile(file.value(), QStringLiteral("bmp"));
}

Result<QByteArray> turnPicturePayload(const QByteArray &payload, PictureTurn turn)
{
    const Result<PictureData> split = splitPictureData(payload);
    if (!split)
        return split.error();
    const std::optional<GraphicClass> graphic = graphicClassFromName(split.value().className);
    if (graphic != GraphicClass::Bitmap && graphic != GraphicClass::Jpeg)
        return Error {QStringLiteral("Only bitmap and JPEG pictures are turned")};
    const Result<DecodedPicture> decoded = decodePicture(payload);
    if (!decoded)
        return decoded.error();
    const QImage source = decoded.value().toImage24();
    QImage result;
    switch (turn) {
    case PictureTurn::Left:
        result = turnedLeft(source);
        break;
    case PictureTurn::Right:
        result = turnedRight(source);
        break;
    case PictureTurn::MirrorLeftRight:
        result = mirroredLeftRight(source);
        break;
    case PictureTurn::MirrorUpDown:
        result = mirroredUpDown(source);
        break;
    }
    if (graphic == GraphicClass::Bitmap)
        return bitmapPayload(result);
    Result<QByteArray> jpeg = encodeFile(result, "jpeg");
    if (!jpeg)
        return jpeg.error();
    return pictureDataFromFile(jpeg.value(), QStringLiteral("jpg"));
}

} // namespace quill
