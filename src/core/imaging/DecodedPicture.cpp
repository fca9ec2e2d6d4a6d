// Decoding of picture payloads through Qt's image readers, the animated cursor walker and the
// metafile converters.
#include "DecodedPicture.h"

#include "AniCursor.h"
#include "MetafileToSvg.h"
#include "PixelEffects.h"

#include <QBuffer>
#include <QCache>
#include <QImageReader>
#include <QImageWriter>
#include <QMutex>
#include <QPainter>
#include <QtEndian>

#include <cstdlib>

namespace quill {

namespace {

Error undecodable(const QString &kind, const QString &why)
{
    return Error {QStringLiteral("The %1 picture cannot be decoded: %2").arg(kind, why)};
}

Result<QImage> readImage(
    const QByteArray &bytes, const char *format, const QString &kind, QSize scaled = {})
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    reader.setDecideFormatFromContent(false);
    if (scaled.isValid())
        reader.setScaledSize(scaled);
    QImage image;
    if (!reader.read(&image) || image.isNull())
        return undecodable(kind, reader.errorString());
    return image;
}

// Qt's icon reader is given the frame as an icon; a cursor differs only in its type field.
QByteArray asIconFile(QByteArray frame)
{
    if (frame.size() >= 4 && frame.at(0) == 0 && frame.at(1) == 0 && frame.at(2) == 2)
        frame[2] = 1;
    return frame;
}

// Qt's reader fills a bitmap whose pixel rows are cut short; the toolkit refuses such a file,
// and so does this check for the uncompressed layouts.
Status checkBitmapPixels(const QByteArray &b)
{
    const auto u16 = [&b](int at) { return qFromLittleEndian<quint16>(b.constData() + at); };
    const auto u32 = [&b](int at) { return qFromLittleEndian<quint32>(b.constData() + at); };
    const quint32 dib = u32(14);
    qint64 width = 0, height = 0, bits = 0, compression = 0;
    if (dib == 12) {
        width = u16(18), height = u16(20), bits = u16(24);
    } else if (dib >= 40 && b.size() >= 34) {
        width = qint32(u32(18)), height = qint32(u32(22)), bits = u16(28);
        compression = u32(30);
    } else {
        return {};
    }
    if (compression != 0 && compression != 3) // run-length and embedded files: the reader checks
        return {};
    const qint64 rowBytes = (std::abs(width) * bits + 31) / 32 * 4;
    if (qint64(u32(10)) + rowBytes * std::abs(height) > b.size())
        return undecodable(QStringLiteral("bitmap"), QStringLiteral("its pixels are cut short"));
    return {};
}

Result<QSize> svgSize(const QByteArray &svg)
{
    QBuffer buffer;
    buffer.setData(svg);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "svg");
    const QSize size = reader.size();
    if (!reader.canRead() || size.isEmpty())
        return undecodable(QStringLiteral("metafile"), QStringLiteral("no drawing in it"));
    return size;
}

Result<QByteArray> metafileSvg(const QByteArray &bytes, bool enhanced)
{
    const auto *data = reinterpret_cast<const unsigned char *>(bytes.constData());
    const metafile::SvgConversion svg = enhanced
        ? metafile::emfToSvg(data, std::size_t(bytes.size()))
        : metafile::wmfToSvg(data, std::size_t(bytes.size()));
    if (!svg.ok)
        return undecodable(QStringLiteral("metafile"), QString::fromStdString(svg.error));
    return QByteArray::fromStdString(svg.svg);
}

} // namespace

Result<DecodedPicture> decodePictureFile(const QByteArray &bytes, const QString &extension)
{
    // The wrapper checks the kind's signature and header lengths before any decoder runs.
    Result<QByteArray> payload = pictureDataFromFile(bytes, extension);
    if (!payload)
        return payload.error();
    DecodedPicture picture;
    picture.mGraphic = *graphicClassFromName(splitPictureData(payload.value()).value().className);
    const QString ext = extension.toLower().remove(QLatin1Char('.'));
    Result<QImage> image = QImage();
    switch (picture.mGraphic) {
    case GraphicClass::Bitmap: {
        const Status complete = checkBitmapPixels(bytes);
        image = complete ? readImage(bytes, "bmp", QStringLiteral("bitmap"))
                         : Result<QImage>(complete.error());
        break;
    }
    case GraphicClass::Jpeg:
        image = readImage(bytes, "jpeg", QStringLiteral("JPEG"));
        break;
    case GraphicClass::JvGif:
    case GraphicClass::Gif:
        image = readImage(bytes, "gif", QStringLiteral("GIF"));
        break;
    case GraphicClass::Icon:
        image = readImage(asIconFile(bytes), "ico", QStringLiteral("icon"));
        break;
    case GraphicClass::JvAni: {
        const Result<QByteArray> frame = firstAniFrame(bytes);
        image = frame ? readImage(asIconFile(frame.value()), "ico", QStringLiteral("cursor"))
                      : Result<QImage>(frame.error());
        break;
    }
    case GraphicClass::Metafile: {
        Result<QByteArray> svg = metafileSvg(bytes, ext == u"emf");
        if (!svg)
            return svg.error();
        const Result<QSize> size = svgSize(svg.value());
        if (!size)
            return size.error();
        picture.mSvg = svg.value();
        picture.mSize = size.value();
        return picture;
    }
    }
    if (!image)
        return image.error();
    picture.mImage = image.value();
    picture.mSize = picture.mImage.size();
    return picture;
}

Result<DecodedPicture> decodePicture(const QByteArray &payload)
{
    Result<PictureFile> file = pictureFileFromData(payload);
    if (!file)
        return file.error();
    if (file.value().bytes.isEmpty()) { // an empty bitmap
        DecodedPicture empty;
        return empty;
    }
    return decodePictureFile(file.value().bytes, file.value().extension);
}

Result<std::shared_ptr<const DecodedPicture>> cachedPicture(const QByteArray &payload)
{
    using Entry = std::shared_ptr<const DecodedPicture>;
    static QMutex mutex;
    static QCache<QByteArray, Entry> cache(64 * 1024); // cost in kilobytes of pixels
    {
        QMutexLocker lock(&mutex);
        if (const Entry *hit = cache.object(payload))
            return *hit;
    }
    Result<DecodedPicture> decoded = decodePicture(payload);
    if (!decoded)
        return decoded.error();
    auto entry = std::make_shared<const DecodedPicture>(std::move(decoded).value());
    const qsizetype cost = entry->image().sizeInBytes() / 1024 + payload.size() / 1024 + 1;
    QMutexLocker lock(&mutex);
    cache.insert(payload, new Entry(entry), cost);
    return entry;
}

} // namespace quill
