#include "PictureData.h"

#include <QtEndian>

#include <array>
#include <limits>

namespace quill {

namespace {

struct GraphicInfo {
    GraphicClass graphic;
    const char16_t *name;
    bool sized; // a 32-bit size comes before the file
};

constexpr std::array<GraphicInfo, 7> kGraphics {{
    {GraphicClass::Bitmap, u"TBitmap", true},
    {GraphicClass::Jpeg, u"TJPEGImage", true},
    {GraphicClass::JvGif, u"TJvGIFImage", true},
    {GraphicClass::Gif, u"TGIFImage", false},
    {GraphicClass::Icon, u"TIcon", false},
    {GraphicClass::Metafile, u"TMetafile", true},
    {GraphicClass::JvAni, u"TJvAni", false},
}};

const GraphicInfo &infoOf(GraphicClass graphic)
{
    for (const GraphicInfo &g : kGraphics) {
        if (g.graphic == graphic)
            return g;
    }
    return kGraphics[0];
}

Error damaged(const QString &what)
{
    return Error {QStringLiteral("Damaged picture data: %1").arg(what)};
}

quint32 le32(const QByteArray &b, qsizetype at)
{
    return qFromLittleEndian<quint32>(b.constData() + at);
}

quint16 le16(const QByteArray &b, qsizetype at)
{
    return qFromLittleEndian<quint16>(b.constData() + at);
}

constexpr quint32 kEmfSignature = 0x464D4520; // " EMF"
constexpr quint32 kPlaceableKey = 0x9AC6CDD7;
constexpr qsizetype kEmfHeaderSize = 88;
constexpr qsizetype kPlaceableWmfMinSize = 22 + 18; // placeable header + metafile header

bool isEmf(const QByteArray &b)
{
    return b.size() >= kEmfHeaderSize && le32(b, 0) == 1 && le32(b, 40) == kEmfSignature;
}

bool isPlaceableWmf(const QByteArray &b)
{
    return b.size() >= kPlaceableWmfMinSize && le32(b, 0) == kPlaceableKey;
}

Status checkBitmap(const QByteArray &b)
{
    if (b.size() < 14 + 12 || !b.startsWith("BM"))
        return damaged(QStringLiteral("not a BMP file"));
    const quint32 dibSize = le32(b, 14);
    if (dibSize < 12 || 14 + qint64(dibSize) > b.size() || le32(b, 10) > quint32(b.size()))
        return damaged(QStringLiteral("BMP headers run past the end"));
    return {};
}

Status checkIcon(const QByteArray &b)
{
    if (b.size() < 6 || le16(b, 0) != 0 || le16(b, 2) != 1 || le16(b, 4) == 0)
        return damaged(QStringLiteral("not an icon file"));
    const int count = le16(b, 4);
    if (6 + 16 * qint64(count) > b.size())
        return damaged(QStringLiteral("icon directory runs past the end"));
    for (int i = 0; i < count; ++i) {
        const qsizetype entry = 6 + 16 * i;
        const qint64 bytes = le32(b, entry + 8);
        const qint64 offset = le32(b, entry + 12);
        if (bytes == 0 || offset + bytes > b.size())
            return damaged(QStringLiteral("icon image %1 runs past the end").arg(i + 1));
    }
    return {};
}

Status checkAni(const QByteArray &b)
{
    if (b.size() < 12 || !b.startsWith("RIFF") || b.mid(8, 4) != "ACON")
        return damaged(QStringLiteral("not an animated cursor file"));
    if (8 + qint64(le32(b, 4)) > b.size())
        return damaged(QStringLiteral("animated cursor runs past the end"));
    return {};
}

Status checkFile(GraphicClass graphic, const QByteArray &b)
{
    switch (graphic) {
    case GraphicClass::Bitmap:
        return checkBitmap(b);
    case GraphicClass::Jpeg:
        if (b.size() < 4 || !b.startsWith("\xFF\xD8\xFF"))
            return damaged(QStringLiteral("not a JPEG file"));
        return {};
    case GraphicClass::JvGif:
    case GraphicClass::Gif:
        if (b.size() < 13 || !(b.startsWith("GIF87a") || b.startsWith("GIF89a")))
            return damaged(QStringLiteral("not a GIF file"));
        return {};
    case GraphicClass::Icon:
        return checkIcon(b);
    case GraphicClass::Metafile:
        if (isEmf(b) || isPlaceableWmf(b))
            return {};
        return damaged(QStringLiteral("not an enhanced or placeable Windows metafile"));
    case GraphicClass::JvAni:
        return checkAni(b);
    }
    return {};
}

QString extensionOf(GraphicClass graphic, const QByteArray &file)
{
    switch (graphic) {
    case GraphicClass::Bitmap:
        return QStringLiteral("bmp");
    case GraphicClass::Jpeg:
        return QStringLiteral("jpg");
    case GraphicClass::JvGif:
    case GraphicClass::Gif:
        return QStringLiteral("gif");
    case GraphicClass::Icon:
        return QStringLiteral("ico");
    case GraphicClass::Metafile:
        return isEmf(file) ? QStringLiteral("emf") : QStringLiteral("wmf");
    case GraphicClass::JvAni:
        return QStringLiteral("ani");
    }
    return {};
}

std::optional<GraphicClass> graphicForExtension(QString ext)
{
    ext = ext.toLower();
    if (ext.startsWith(QLatin1Char('.')))
        ext.remove(0, 1);
    if (ext == u"bmp")
        return GraphicClass::Bitmap;
    if (ext == u"jpg" || ext == u"jpeg")
        return GraphicClass::Jpeg;
    if (ext == u"gif")
        return GraphicClass::JvGif;
    if (ext == u"ico")
        return GraphicClass::Icon;
    if (ext == u"emf" || ext == u"wmf")
        return GraphicClass::Metafile;
    if (ext == u"ani")
        return GraphicClass::JvAni;
    return std::nullopt;
}

// The file inside a class's data: after a 32-bit size for the sized classes, else all of it.
Result<QByteArray> fileOfGraphic(GraphicClass graphic, const QByteArray &data)
{
    if (!infoOf(graphic).sized)
        return data;
    if (data.size() < 4)
        return damaged(QStringLiteral("the size field is missing"));
    const qint32 size = qFromLittleEndian<qint32>(data.constData());
    if (size < 0 || qint64(size) > data.size() - 4)
        return damaged(
            QStringLiteral("size %1 but %2 bytes follow").arg(size).arg(data.size() - 4));
    return data.mid(4, size); // the class reads its size and leaves anything after it
}

} // namespace

QString graphicClassName(GraphicClass graphic)
{
    return QString::fromUtf16(infoOf(graphic).name);
}

std::optional<GraphicClass> graphicClassFromName(const QString &name)
{
    for (const GraphicInfo &g : kGraphics) {
        if (name.compare(QString::fromUtf16(g.name), Qt::CaseInsensitive) == 0)
            return g.graphic;
    }
    return std::nullopt;
}

Result<PictureData> splitPictureData(const QByteArray &payload)
{
    if (payload.isEmpty())
        return damaged(QStringLiteral("no graphic class name"));
    const int length = quint8(payload.at(0));
    if (length == 0 || length > MaxGraphicClassNameLength)
        return damaged(QStringLiteral("graphic class name of %1 characters").arg(length));
    if (1 + length > payload.size())
        return damaged(QStringLiteral("graphic class name runs past the end"));
    return PictureData {QString::fromLatin1(payload.mid(1, length)), payload.mid(1 + length)};
}

Result<QByteArray> joinPictureData(const QString &className, const QByteArray &graphicData)
{
    if (className.isEmpty() || className.size() > MaxGraphicClassNameLength)
        return Error {QStringLiteral("A graphic class name has 1 to 63 characters")};
    for (const QChar c : className) {
        if (c.unicode() > 0x7E || c.unicode() < 0x21)
            return Error {QStringLiteral("Invalid graphic class name %1").arg(className)};
    }
    QByteArray out;
    out.reserve(1 + className.size() + graphicData.size());
    out.append(char(className.size()));
    out.append(className.toLatin1());
    out.append(graphicData);
    return out;
}

Result<QByteArray> pictureDataFromFile(const QByteArray &fileBytes, const QString &extension)
{
    const std::optional<GraphicClass> graphic = graphicForExtension(extension);
    if (!graphic)
        return Error {QStringLiteral("Unknown picture file extension %1").arg(extension)};
    const Status valid = checkFile(*graphic, fileBytes);
    if (!valid)
        return valid.error();
    QByteArray data;
    if (infoOf(*graphic).sized) {
        if (fileBytes.size() > std::numeric_limits<qint32>::max() - 4)
            return Error {QStringLiteral("Picture file too large")};
        data.resize(4);
        qToLittleEndian<qint32>(qint32(fileBytes.size()), data.data());
    }
    data.append(fileBytes);
    return joinPictureData(graphicClassName(*graphic), data);
}

Result<PictureFile> pictureFileFromData(const QByteArray &payload)
{
    Result<PictureData> split = splitPictureData(payload);
    if (!split)
        return split.error();
    const std::optional<GraphicClass> graphic = graphicClassFromName(split.value().className);
    if (!graphic)
        return Error {QStringLiteral("Unknown graphic class %1").arg(split.value().className)};
    Result<QByteArray> file = fileOfGraphic(*graphic, split.value().graphicData);
    if (!file)
        return file.error();
    // A sized class with size 0 holds an empty graphic; anything else must be a whole file.
    if (!(infoOf(*graphic).sized && file.value().isEmpty())) {
        const Status valid = checkFile(*graphic, file.value());
        if (!valid)
            return valid.error();
    }
    return PictureFile {extensionOf(*graphic, file.value()), file.value()};
}

} // namespace quill
