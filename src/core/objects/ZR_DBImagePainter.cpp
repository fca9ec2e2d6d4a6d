// Drawing of the image object: its picture placed like the picture control, or its source
// picture clipped to a rounded rectangle or an ellipse.
#include "ZR_DBImage.h"

#include "imaging/DecodedPicture.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace quill {

namespace {

// Where the picture control puts a picture of `natural` size inside `area`.
QRectF destRect(QSize natural, QSize area, bool stretch, bool proportional, bool center)
{
    double w = natural.width();
    double h = natural.height();
    const double cw = area.width();
    const double ch = area.height();
    if (stretch || (proportional && (w > cw || h > ch))) {
        if (proportional && w > 0 && h > 0) {
            const double aspect = w / h;
            if (w > h) {
                w = cw, h = std::trunc(cw / aspect);
                if (h > ch)
                    h = ch, w = std::trunc(ch * aspect);
            } else {
                h = ch, w = std::trunc(ch * aspect);
                if (w > cw)
                    w = cw, h = std::trunc(cw / aspect);
            }
        } else {
            w = cw, h = ch;
        }
    }
    if (!center)
        return QRectF(0, 0, w, h);
    return QRectF(std::trunc((cw - w) / 2), std::trunc((ch - h) / 2), w, h);
}

QPainterPath clipOutline(TClipStyle style, QSize size, QSize corner)
{
    QPainterPath path;
    const QRectF box(QPointF(0, 0), QSizeF(size));
    if (style == csRoundRect)
        path.addRoundedRect(box, corner.width() / 2.0, corner.height() / 2.0);
    else if (style == csEllipse)
        path.addEllipse(box);
    else
        path.addRect(box);
    return path;
}

// The source stretched over (0, 0)-(w, h), its own size, inside the clip outline.
void drawClippedSource(QPainter &painter, const DecodedPicture &source, TClipStyle style,
    QSize corner, double minScale)
{
    painter.save();
    painter.setClipPath(clipOutline(style, source.size(), corner), Qt::IntersectClip);
    source.draw(painter, QRectF(QPointF(0, 0), QSizeF(source.size())), minScale);
    painter.restore();
}

// A bitmap drawn transparent leaves out the colour of its bottom-left pixel, as the toolkit's
// automatic transparent colour does.
QImage withTransparentColour(const QImage &image)
{
    const QRgb key = image.pixel(0, image.height() - 1);
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        QRgb *row = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            if ((row[x] | 0xFF000000) == (key | 0xFF000000))
                row[x] = 0;
        }
    }
    return out;
}

std::shared_ptr<const DecodedPicture> sourcePicture(const QByteArray &payload)
{
    if (payload.isEmpty())
        return nullptr;
    Result<std::shared_ptr<const DecodedPicture>> source = cachedPicture(payload);
    if (!source || source.value()->isEmpty())
        return nullptr;
    return source.value();
}

} // namespace

QSize TZR_DBImage::roundClipCorner(double wMillimetres, double hMillimetres)
{
    return QSize(int(std::nearbyint(wMillimetres * 96 / 25.4)),
        int(std::nearbyint(hMillimetres * 96 / 25.4)));
}

QPicture TZR_DBImage::BuildClippedPicture() const
{
    QPicture picture;
    const std::shared_ptr<const DecodedPicture> source = sourcePicture(srcImageData());
    if (!source)
        return picture;
    picture.setBoundingRect(QRect(QPoint(0, 0), source->size()));
    QPainter painter(&picture);
    drawClippedSource(
        painter, *source, clipStyle(), roundClipCorner(wRoundClip(), hRoundClip()), 1.0);
    return picture;
}

Status TZR_DBImage::pictureStatus() const
{
    for (const QByteArray &payload : {srcImageData(), pictureData()}) {
        if (payload.isEmpty())
            continue;
        const Result<std::shared_ptr<const DecodedPicture>> decoded = cachedPicture(payload);
        if (!decoded)
            return decoded.error();
    }
    return {};
}

void TZR_DBImage::paint(QPainter &painter, const PaintContext &context) const
{
    const QSize area = bounds().size();
    // Recorded pictures are replayed at the printer's resolution: metafiles are rendered for it.
    const double minScale = context.target == PaintContext::Target::Screen
        ? 1.0
        : std::max(context.dpiX, context.dpiY) / 96.0;
    if (const auto source = sourcePicture(srcImageData())) {
        const QRectF target = destRect(source->size(), area, stretch(), proportional(), center());
        painter.save();
        painter.translate(target.topLeft());
        painter.scale(
            target.width() / source->size().width(), target.height() / source->size().height());
        drawClippedSource(
            painter, *source, clipStyle(), roundClipCorner(wRoundClip(), hRoundClip()), minScale);
        painter.restore();
        return;
    }
    const QByteArray payload = pictureData();
    if (payload.isEmpty())
        return;
    const Result<std::shared_ptr<const DecodedPicture>> decoded = cachedPicture(payload);
    if (!decoded) {
        drawBrokenPicture(painter, QRectF(QPointF(0, 0), QSizeF(area)));
        return;
    }
    const DecodedPicture &picture = *decoded.value();
    if (picture.isEmpty())
        return;
    const QRectF target = destRect(picture.size(), area, stretch(), proportional(), center());
    if (transparent() && picture.graphic() == GraphicClass::Bitmap)
        painter.drawImage(target, withTransparentColour(picture.image()));
    else
        picture.draw(painter, target, minScale);
}

} // namespace quill
