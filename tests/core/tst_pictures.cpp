// Tests of decoding every picture kind from its payload, damaged pictures, and turned payloads.
#include "imaging/AniCursor.h"
#include "imaging/DecodedPicture.h"
#include "imaging/PictureData.h"

#include <QBuffer>
#include <QFile>
#include <QImageWriter>
#include <QPainter>
#include <QTest>
#include <QtEndian>

using namespace quill;
using namespace Qt::StringLiterals;

namespace {

QByteArray encoded(const QImage &image, const char *format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter(&buffer, format).write(image);
    return bytes;
}

// 4 x 3: two red columns, then two blue ones (the GIF fixture has the same picture).
QImage redBlue()
{
    QImage image(4, 3, QImage::Format_RGB32);
    image.fill(Qt::red);
    for (int y = 0; y < 3; ++y) {
        image.setPixelColor(2, y, Qt::blue);
        image.setPixelColor(3, y, Qt::blue);
    }
    return image;
}

void put16(QByteArray &b, int v)
{
    char raw[2];
    qToLittleEndian<quint16>(quint16(v), raw);
    b.append(raw, 2);
}

void put32(QByteArray &b, qint64 v)
{
    char raw[4];
    qToLittleEndian<quint32>(quint32(v), raw);
    b.append(raw, 4);
}

QByteArray chunk(const char *id, const QByteArray &data)
{
    QByteArray out(id, 4);
    put32(out, data.size());
    out.append(data);
    if (data.size() % 2)
        out.append('\0');
    return out;
}

// An animated cursor of two frames holding `frame` first (an icon or cursor file).
QByteArray aniFile(const QByteArray &frame, quint32 flags = 1)
{
    QByteArray header;
    put32(header, 36);
    put32(header, 2); // frames
    put32(header, 2); // steps
    for (int i = 0; i < 4; ++i)
        put32(header, 0);
    put32(header, 10); // rate
    put32(header, flags);
    QByteArray frames("fram");
    frames.append(chunk("icon", frame)).append(chunk("icon", frame));
    QByteArray body("ACON");
    body.append(chunk("anih", header)).append(chunk("LIST", frames));
    return chunk("RIFF", body);
}

// An enhanced metafile: a red rectangle (0, 0)-(100, 50) drawn without a pen.
QByteArray emfFile()
{
    QByteArray records;
    const auto record = [&records](int type, const QList<qint64> &values) {
        put32(records, type);
        put32(records, 8 + 4 * values.size());
        for (qint64 v : values)
            put32(records, v);
    };
    record(39, {1, 0, 0x0000FF, 0}); // create a solid red brush as object 1
    record(37, {1}); // select it
    record(37, {0x80000008}); // select the null pen
    record(43, {0, 0, 100, 50}); // rectangle
    record(14, {0, 16, 20}); // end
    QByteArray header;
    put32(header, 1);
    put32(header, 88);
    for (qint64 v : {0, 0, 99, 49, 0, 0, 2646, 1323})
        put32(header, v);
    put32(header, 0x464D4520);
    put32(header, 0x10000);
    put32(header, 88 + records.size());
    put32(header, 6); // records with the header
    put16(header, 2);
    put16(header, 0);
    for (qint64 v : {0, 0, 0, 1024, 768, 271, 203})
        put32(header, v);
    return header + records;
}

// A placeable Windows metafile: a red rectangle over its whole 100 x 50 box at 96 per inch.
QByteArray wmfFile()
{
    QByteArray records;
    int maxRecord = 0;
    const auto record = [&](int function, const QList<int> &params) {
        const int words = 3 + int(params.size());
        maxRecord = std::max(maxRecord, words);
        put32(records, words);
        put16(records, function);
        for (int p : params)
            put16(records, p);
    };
    record(0x020B, {0, 0}); // window origin
    record(0x020C, {50, 100}); // window extent
    record(0x02FC, {0, 0x00FF, 0, 0}); // solid red brush (colour as two words)
    record(0x012D, {0}); // select it
    record(0x041B, {50, 100, 0, 0}); // rectangle: bottom, right, top, left
    record(0x0000, {}); // end
    QByteArray placeable;
    put32(placeable, 0x9AC6CDD7);
    for (int v : {0, 0, 0, 100, 50, 96, 0, 0})
        put16(placeable, v);
    quint16 checksum = 0;
    for (int i = 0; i < 10; ++i)
        checksum ^= qFromLittleEndian<quint16>(placeable.constData() + 2 * i);
    put16(placeable, checksum);
    QByteArray header;
    for (int v : {1, 9, 0x0300})
        put16(header, v);
    put32(header, (18 + records.size()) / 2);
    put16(header, 1);
    put32(header, maxRecord);
    put16(header, 0);
    return placeable + header + records;
}

QByteArray gifFixture()
{
    QFile file(QStringLiteral(QUILL_TEST_DATA_DIR "/pictures/redblue.gif"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray iconFile()
{
    return encoded(redBlue().scaled(16, 12), "ico");
}

QByteArray asCursor(QByteArray icon)
{
    icon[2] = 2;
    return icon;
}

bool near(QColor a, QColor b, int tolerance)
{
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance
        && std::abs(a.blue() - b.blue()) <= tolerance;
}

} // namespace

class TestPictures : public QObject {
    Q_OBJECT

private slots:
    void decodesEveryKind_data();
    void decodesEveryKind();
    void damagedPicturesGiveErrors_data();
    void damagedPicturesGiveErrors();
    void everyTruncationAndCorruptionIsSurvived();
    void payloadBytesStayAsStored();
    void metafilesRenderAtTheSizeDrawn();
    void aniWalkerChecksEveryChunk();
    void turnedPayloadsKeepTheirKind();
};

void TestPictures::decodesEveryKind_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("extension");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("tolerance");
    QTest::newRow("bmp") << encoded(redBlue(), "bmp") << u"bmp"_s << QSize(4, 3) << 0;
    QTest::newRow("jpeg") << encoded(redBlue().scaled(32, 24), "jpeg") << u".JPG"_s << QSize(32, 24)
                          << 40;
    QTest::newRow("gif") << gifFixture() << u"gif"_s << QSize(4, 3) << 0;
    QTest::newRow("icon") << iconFile() << u"ico"_s << QSize(16, 12) << 0;
    QTest::newRow("cursor in an ani")
        << aniFile(asCursor(iconFile())) << u"ani"_s << QSize(16, 12) << 0;
    QTest::newRow("emf") << emfFile() << u"emf"_s << QSize() << 0;
    QTest::newRow("wmf") << wmfFile() << u"wmf"_s << QSize() << 0;
}

void TestPictures::decodesEveryKind()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, extension);
    QFETCH(QSize, size);
    QFETCH(int, tolerance);
    QVERIFY(!file.isEmpty());
    const Result<QByteArray> payload = pictureDataFromFile(file, extension);
    QVERIFY2(payload.ok(), qPrintable(payload.error().message));
    const Result<DecodedPicture> picture = decodePicture(payload.value());
    QVERIFY2(picture.ok(), qPrintable(picture.error().message));
    const QImage image = picture.value().toImage24();
    QCOMPARE(image.format(), QImage::Format_RGB888);
    if (size.isValid()) {
        QCOMPARE(picture.value().size(), size);
        const int w = size.width();
        const int h = size.height();
        QVERIFY(near(image.pixelColor(0, 0), Qt::red, tolerance));
        QVERIFY(near(image.pixelColor(w / 4, h - 1), Qt::red, tolerance));
        QVERIFY(near(image.pixelColor(w - 1, h / 2), Qt::blue, tolerance));
        return;
    }
    // Metafiles: a 100 x 50 red rectangle at 96 pixels per inch.
    QVERIFY(picture.value().isMetafile());
    QVERIFY2(std::abs(picture.value().size().width() - 100) <= 2,
        qPrintable(QString::number(picture.value().size().width())));
    QVERIFY(std::abs(picture.value().size().height() - 50) <= 2);
    QVERIFY(near(image.pixelColor(image.width() / 2, image.height() / 2), Qt::red, 8));
}

void TestPictures::damagedPicturesGiveErrors_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("extension");
    const QByteArray bmp = encoded(redBlue().scaled(40, 30), "bmp");
    QTest::newRow("bmp cut in its pixels") << bmp.left(bmp.size() / 2) << u"bmp"_s;
    QTest::newRow("bmp header only") << bmp.left(20) << u"bmp"_s;
    QTest::newRow("jpeg garbage") << QByteArray("\xFF\xD8\xFF\xE0garbage-garbage-garbage")
                                  << u"jpg"_s;
    QTest::newRow("gif cut") << gifFixture().left(14) << u"gif"_s;
    QTest::newRow("gif not a gif") << QByteArray("GIF89a but nothing more of it") << u"gif"_s;
    QByteArray icon = iconFile();
    QTest::newRow("icon cut") << icon.left(icon.size() - 10) << u"ico"_s;
    QByteArray badIcon = icon;
    qToLittleEndian<quint32>(0x7FFFFFF0, badIcon.data() + 6 + 12); // image offset
    QTest::newRow("icon offset out") << badIcon << u"ico"_s;
    const QByteArray ani = aniFile(iconFile());
    QTest::newRow("ani cut") << ani.left(ani.size() - 20) << u"ani"_s;
    QTest::newRow("ani raw frames") << aniFile(iconFile(), 0) << u"ani"_s;
    QTest::newRow("ani no frames") << chunk("RIFF", QByteArray("ACON")) << u"ani"_s;
    QByteArray emf = emfFile();
    QTest::newRow("emf without end") << emf.left(emf.size() - 20) << u"emf"_s;
    qToLittleEndian<quint32>(4000, emf.data() + 88 + 4);
    QTest::newRow("emf record past end") << emf << u"emf"_s;
    QByteArray wmf = wmfFile();
    QTest::newRow("wmf without end") << wmf.left(wmf.size() - 6) << u"wmf"_s;
    qToLittleEndian<quint32>(60000, wmf.data() + 40);
    QTest::newRow("wmf record past end") << wmf << u"wmf"_s;
    QTest::newRow("wmf not placeable") << wmfFile().mid(22) << u"wmf"_s;
}

void TestPictures::damagedPicturesGiveErrors()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, extension);
    const Result<DecodedPicture> picture = decodePictureFile(file, extension);
    QVERIFY(!picture.ok());
    QVERIFY(!picture.error().message.isEmpty());
    // The same bytes wrapped as a payload without checks (as a damaged document holds them).
    const std::optional<GraphicClass> graphic
        = graphicClassFromName(extension == u"bmp" ? u"TBitmap"_s
                : extension == u"jpg"              ? u"TJPEGImage"_s
                : extension == u"gif"              ? u"TGIFImage"_s
                : extension == u"ico"              ? u"TIcon"_s
                : extension == u"ani"              ? u"TJvAni"_s
                                                   : u"TMetafile"_s);
    QVERIFY(graphic);
    QByteArray data;
    if (*graphic != GraphicClass::Gif && *graphic != GraphicClass::Icon
        && *graphic != GraphicClass::JvAni)
        put32(data, file.size());
    const Result<QByteArray> payload = joinPictureData(graphicClassName(*graphic), data + file);
    QVERIFY(payload.ok());
    QVERIFY(!decodePicture(payload.value()).ok());
    QVERIFY(!cachedPicture(payload.value()).ok());
}

// Every truncation, and every byte of the headers and records set to 0xFF, either decodes or
// gives an error; the decoders never read past the bytes they are given.
void TestPictures::everyTruncationAndCorruptionIsSurvived()
{
    const std::pair<QByteArray, QString> files[] = {{encoded(redBlue(), "bmp"), u"bmp"_s},
        {encoded(redBlue(), "jpeg"), u"jpg"_s}, {gifFixture(), u"gif"_s}, {iconFile(), u"ico"_s},
        {aniFile(iconFile()), u"ani"_s}, {emfFile(), u"emf"_s}, {wmfFile(), u"wmf"_s}};
    for (const auto &[file, extension] : files) {
        int truncatedDecoded = 0;
        for (int cut = 0; cut < file.size(); ++cut)
            truncatedDecoded += decodePictureFile(file.left(cut), extension).ok() ? 1 : 0;
        // Qt shows what arrived of a cut JPEG or GIF; the other kinds need all their bytes.
        if (extension != u"jpg" && extension != u"gif")
            QCOMPARE(truncatedDecoded, 0);
        for (int at = 0; at < std::min<qsizetype>(file.size(), 200); ++at) {
            QByteArray corrupt = file;
            corrupt[at] = char(0xFF);
            const Result<DecodedPicture> picture = decodePictureFile(corrupt, extension);
            QVERIFY(picture.ok() || !picture.error().message.isEmpty());
        }
    }
}

void TestPictures::payloadBytesStayAsStored()
{
    for (const auto &[file, extension] : {std::pair {encoded(redBlue(), "jpeg"), u"jpg"_s},
             std::pair {emfFile(), u"emf"_s}, std::pair {aniFile(iconFile()), u"ani"_s}}) {
        const QByteArray payload = pictureDataFromFile(file, extension).value();
        const QByteArray before = payload;
        QVERIFY(cachedPicture(payload).ok());
        QVERIFY(decodePicture(payload).ok());
        QCOMPARE(payload, before);
        QCOMPARE(pictureFileFromData(payload).value().bytes, file);
    }
    // An empty bitmap decodes to an empty picture, not to an error.
    const Result<DecodedPicture> empty = decodePicture(QByteArray("\x07TBitmap\0\0\0\0", 12));
    QVERIFY(empty.ok());
    QVERIFY(empty.value().isEmpty());
    QVERIFY(empty.value().toImage24().isNull());
}

void TestPictures::metafilesRenderAtTheSizeDrawn()
{
    const DecodedPicture picture = decodePictureFile(emfFile(), u"emf"_s).value();
    QImage canvas(400, 200, QImage::Format_ARGB32);
    canvas.fill(Qt::white);
    {
        QPainter painter(&canvas);
        painter.scale(4, 4);
        picture.draw(painter, QRectF(0, 0, 100, 50));
    }
    // Drawn four times larger, the edge of the rectangle is still sharp.
    QVERIFY(near(canvas.pixelColor(200, 100), Qt::red, 8));
    QVERIFY(near(canvas.pixelColor(392, 192), Qt::red, 8));
}

void TestPictures::aniWalkerChecksEveryChunk()
{
    const QByteArray icon = iconFile();
    QCOMPARE(firstAniFrame(aniFile(icon)).value(), icon);
    const QByteArray ani = aniFile(icon);
    for (int cut = 0; cut < ani.size(); cut += 7)
        QVERIFY(!firstAniFrame(ani.left(cut)).ok());
    QByteArray huge = ani;
    qToLittleEndian<quint32>(0xFFFFFFF0, huge.data() + 16); // anih chunk size
    QVERIFY(!firstAniFrame(huge).ok());
}

void TestPictures::turnedPayloadsKeepTheirKind()
{
    const QByteArray bitmap = pictureDataFromFile(encoded(redBlue(), "bmp"), u"bmp"_s).value();
    const Result<QByteArray> left = turnPicturePayload(bitmap, PictureTurn::Left);
    QVERIFY(left.ok());
    QCOMPARE(splitPictureData(left.value()).value().className, u"TBitmap"_s);
    const QImage turned = decodePicture(left.value()).value().toImage24();
    QCOMPARE(turned.size(), QSize(3, 4));
    QCOMPARE(turned.pixelColor(0, 0), QColor(Qt::blue)); // the right edge comes to the top
    QCOMPARE(turned.pixelColor(0, 3), QColor(Qt::red));
    const QByteArray jpeg
        = pictureDataFromFile(encoded(redBlue().scaled(40, 30), "jpeg"), u"jpg"_s).value();
    const Result<QByteArray> mirrored = turnPicturePayload(jpeg, PictureTurn::MirrorLeftRight);
    QVERIFY(mirrored.ok());
    QCOMPARE(splitPictureData(mirrored.value()).value().className, u"TJPEGImage"_s);
    const QImage flipped = decodePicture(mirrored.value()).value().toImage24();
    QVERIFY(near(flipped.pixelColor(0, 15), Qt::blue, 40));
    const QByteArray gif = pictureDataFromFile(gifFixture(), u"gif"_s).value();
    QVERIFY(!turnPicturePayload(gif, PictureTurn::Right).ok());
}

QTEST_MAIN(TestPictures)
#include "tst_pictures.moc"
