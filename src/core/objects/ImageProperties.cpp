#include "ImageProperties.h"

#include "ImageSizing.h"
#include "ZR_DBImage.h"
#include "imaging/DecodedPicture.h"
#include "imaging/PictureData.h"
#include "imaging/PixelEffects.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace quill {

namespace {

// A payload that decodes to a picture with pixels.
std::optional<DecodedPicture> decodedWithPixels(const QByteArray &payload)
{
    if (payload.isEmpty())
        return std::nullopt;
    Result<DecodedPicture> decoded = decodePicture(payload);
    if (!decoded || decoded.value().isEmpty())
        return std::nullopt;
    return std::move(decoded).value();
}

} // namespace

AdjustablePicture adjustablePicture(const TZR_DBImage &image)
{
    AdjustablePicture result;
    // A source picture is shown clipped, which the object draws as a metafile.
    if (decodedWithPixels(image.srcImageData())) {
        result.kind = AdjustablePicture::Kind::Metafile;
        return result;
    }
    const Result<PictureData> split = splitPictureData(image.pictureData());
    if (split && graphicClassFromName(split.value().className) == GraphicClass::Metafile) {
        result.kind = AdjustablePicture::Kind::Metafile;
        return result;
    }
    if (const std::optional<DecodedPicture> picture = decodedWithPixels(image.pictureData())) {
        result.kind = AdjustablePicture::Kind::Raster;
        result.image = picture->toImage24();
    }
    return result;
}

Result<QImage> readPictureFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Error {QStringLiteral("그림 파일을 열 수 없습니다: %1").arg(path), path};
    const QByteArray bytes = file.readAll();
    Result<DecodedPicture> decoded = decodePictureFile(bytes, QFileInfo(path).suffix());
    if (decoded && !decoded.value().isEmpty())
        return decoded.value().toImage24();
    // Kinds a document cannot hold as they are (PNG) end up as bitmaps anyway.
    QImage byContent = QImage::fromData(bytes);
    if (!byContent.isNull()) {
        toPicture24(byContent);
        return byContent;
    }
    const QString why = decoded ? QStringLiteral("The picture has no pixels.")
                                : decoded.error().message;
    return Error {QStringLiteral("그림을 읽을 수 없습니다: %1\n%2").arg(path, why), path};
}

QImage adjustedPicture(const QImage &base, int brightness, int contrast)
{
    QImage picture = base;
    Effect_Ligthness(picture, brightness * 2);
    Effect_Contrast(picture, contrast * 3);
    return picture;
}

Status applyImageProperties(TZR_DBImage &image, const QImage &picture, bool ratioReleased,
                            double widthMillimetres, double heightMillimetres)
{
    if (picture.isNull() || picture.size().isEmpty())
        return Error {QStringLiteral("The picture is empty.")};
    const Result<QByteArray> payload = bitmapPayload(picture);
    if (!payload)
        return payload.error();
    image.setPictureData(payload.value());
    image.setFixed(ratioReleased);
    QRect bounds = image.bounds();
    bounds.setWidth(std::max(1, imagesizing::toPixels(widthMillimetres)));
    bounds.setHeight(std::max(1, imagesizing::toPixels(heightMillimetres)));
    image.setBounds(bounds);
    return {};
}

} // namespace quill
