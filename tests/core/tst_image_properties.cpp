// Tests of the picture properties dialog's computations: millimetres and scales, the
// aspect-ratio lock, the fitted preview, which pictures can be adjusted, picture files,
// brightness and contrast, and the confirmed result.
#include "imaging/DecodedPicture.h"
#include "imaging/PictureData.h"
#include "objects/ImageProperties.h"
#include "objects/ImageSizing.h"
#include "objects/ZR_DBImage.h"

#include <QBuffer>
#include <QImageWriter>
#include <QTemporaryDir>
#include <QTest>

using namespace quill;
using namespace quill::imagesizing;
using namespace Qt::StringLiterals;

namespace {

QImage filled(int w, int h, QColor colour)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

QByteArray encoded(const QImage &image, const char *format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter(&buffer, format).write(image);
    return bytes;
}

QString writeFile(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return {};
    return path;
}

std::optional<GraphicClass> graphicOf(const QByteArray &payload)
{
    const Result<PictureData> split = splitPictureData(payload);
    return split ? graphicClassFromName(split.value().className) : std::nullopt;
}

} // namespace

class TestImageProperties : public QObject {
    Q_OBJECT

private slots:
    void millimetresAndPixels_data();
    void millimetresAndPixels();
    void numbersAndScales();
    void ratioLock();
    void fittedPreview_data();
    void fittedPreview();
    void adjustablePictures();
    void pictureFiles();
    void brightnessAndContrast();
    void confirmedResult();
};

void TestImageProperties::millimetresAndPixels_data()
{
    QTest::addColumn<int>("pixels");
    QTest::addColumn<int>("zoom");
    QTest::addColumn<double>("millimetres"); // to hundredths
    QTest::newRow("105 px") << 105 << 100 << 27.78;
    QTest::newRow("96 px is an inch") << 96 << 100 << 25.4;
    QTest::newRow("at 200 % half as long") << 96 << 200 << 12.7;
    QTest::newRow("large") << 30000 << 100 << 7937.5;
}

// The dialog shows hundredths; confirming them gives the object its pixels back.
void TestImageProperties::millimetresAndPixels()
{
    QFETCH(int, pixels);
    QFETCH(int, zoom);
    QFETCH(double, millimetres);
    const double shown = toHundredths(toMillimetres(pixels, ScreenPixelsPerInch, zoom));
    QCOMPARE(shown, millimetres);
    QCOMPARE(toPixels(shown, ScreenPixelsPerInch, zoom), pixels);
}

void TestImageProperties::numbersAndScales()
{
    QCOMPARE(numberText(26.46), u"26.46"_s);
    QCOMPARE(numberText(100), u"100"_s);
    QCOMPARE(numberText(9999), u"9999"_s);
    QCOMPARE(numberText(0.5), u"0.5"_s);
    QCOMPARE(scaleText(toHundredths(200.0 / 3)), u"66.67 %"_s);
    // Halves go to the even neighbour.
    QCOMPARE(toHundredths(0.125), 0.12);
    QCOMPARE(toHundredths(0.375), 0.38);
    QCOMPARE(scalePercent(5, 20), std::optional<double>(25));
    QVERIFY(!scalePercent(5, 0));
}

// With the lock on, a new width gives the height in the picture's own proportions; a picture
// without a size gives nothing rather than a division by zero.
void TestImageProperties::ratioLock()
{
    QCOMPARE(sideKeepingRatio(50, 10.58, 5.29).value_or(0), 25.0);
    QCOMPARE(sideKeepingRatio(30, 5.29, 10.58).value_or(0), 60.0);
    QVERIFY(!sideKeepingRatio(50, 0, 5.29));
    QVERIFY(!sideKeepingRatio(50, 10.58, 0));
    QVERIFY(!sideKeepingRatio(50, -1, 5));
}

void TestImageProperties::fittedPreview_data()
{
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<QSize>("panel");
    QTest::addColumn<QRect>("expected");
    QTest::newRow("wide fills the width") << QSize(200, 100) << QSize(180, 180)
                                          << QRect(0, 45, 180, 90);
    QTest::newRow("square fits by height") << QSize(50, 50) << QSize(180, 120)
                                           << QRect(30, 0, 120, 120);
    QTest::newRow("tall fills the height") << QSize(50, 100) << QSize(180, 180)
                                           << QRect(45, 0, 90, 180);
    QTest::newRow("integer division") << QSize(3, 1) << QSize(100, 100) << QRect(0, 33, 100, 33);
    QTest::newRow("no picture") << QSize(0, 0) << QSize(180, 180) << QRect();
    QTest::newRow("no height") << QSize(40, 0) << QSize(180, 180) << QRect();
}

void TestImageProperties::fittedPreview()
{
    QFETCH(QSize, picture);
    QFETCH(QSize, panel);
    QFETCH(QRect, expected);
    QCOMPARE(fitPreview(picture, panel), expected);
}

void TestImageProperties::adjustablePictures()
{
    TZR_DBImage image;
    QCOMPARE(adjustablePicture(image).kind, AdjustablePicture::Kind::None);

    image.setPictureData(bitmapPayload(filled(4, 2, Qt::red)).value());
    AdjustablePicture raster = adjustablePicture(image);
    QCOMPARE(raster.kind, AdjustablePicture::Kind::Raster);
    QCOMPARE(raster.image.size(), QSize(4, 2));
    QCOMPARE(raster.image.format(), QImage::Format_RGB888);
    QCOMPARE(raster.image.pixelColor(3, 1), QColor(Qt::red));

    // A JPEG is adjusted through its 24-bit copy like a bitmap.
    image.setPictureData(pictureDataFromFile(encoded(filled(6, 3, Qt::blue), "jpeg"), u"jpg"_s).value());
    QCOMPARE(adjustablePicture(image).kind, AdjustablePicture::Kind::Raster);
    QCOMPARE(adjustablePicture(image).image.size(), QSize(6, 3));

    // Metafiles are recognised by their class alone, whether or not they can be decoded.
    image.setPictureData(joinPictureData(u"TMetafile"_s, QByteArray(8, '\0')).value());
    QCOMPARE(adjustablePicture(image).kind, AdjustablePicture::Kind::Metafile);

    // A damaged picture is as good as none.
    image.setPictureData(joinPictureData(u"TBitmap"_s, QByteArray("\x10\0\0\0BMxx", 8)).value());
    QCOMPARE(adjustablePicture(image).kind, AdjustablePicture::Kind::None);
    // An empty bitmap too.
    image.setPictureData(joinPictureData(u"TBitmap"_s, QByteArray(4, '\0')).value());
    QCOMPARE(adjustablePicture(image).kind, AdjustablePicture::Kind::None);

    // A source picture is shown clipped, as a metafile, even over a bitmap picture.
    image.setPictureData(bitmapPayload(filled(4, 2, Qt::red)).value());
    image.setSrcImageData(bitmapPayload(filled(4, 2, Qt::green)).value());
    QCOMPARE(adjustablePicture(image).kind, AdjustablePicture::Kind::Metafile);
}

void TestImageProperties::pictureFiles()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QImage picture = filled(8, 5, QColor(0, 128, 255));

    // PNG has no graphic class of its own; it is read by its content.
    const QString png = writeFile(dir, u"picture.PNG"_s, encoded(picture, "png"));
    Result<QImage> read = readPictureFile(png);
    QVERIFY2(read.ok(), qPrintable(read.error().message));
    QCOMPARE(read.value().size(), QSize(8, 5));
    QCOMPARE(read.value().format(), QImage::Format_RGB888);
    QCOMPARE(read.value().pixelColor(7, 4), QColor(0, 128, 255));

    const QString bmp = writeFile(dir, u"picture.bmp"_s, encoded(picture, "bmp"));
    QVERIFY(readPictureFile(bmp).ok());
    // A PNG named .bmp is still read.
    const QString misnamed = writeFile(dir, u"misnamed.bmp"_s, encoded(picture, "png"));
    QVERIFY(readPictureFile(misnamed).ok());

    const QString damaged = writeFile(dir, u"damaged.jpg"_s, "this is no picture");
    read = readPictureFile(damaged);
    QVERIFY(!read.ok());
    QVERIFY2(read.error().message.startsWith(u"그림을 읽을 수 없습니다: "_s + damaged),
             qPrintable(read.error().message));

    read = readPictureFile(dir.filePath(u"missing.png"_s));
    QVERIFY(!read.ok());
    QVERIFY(read.error().message.startsWith(u"그림 파일을 열 수 없습니다"_s));
}

void TestImageProperties::brightnessAndContrast()
{
    const QImage base = filled(2, 2, QColor(50, 50, 50));
    // Brightness 20: 50 + 20 x 205 div 255 = 66; contrast 60: 66 - 61 x 60 div 255 = 52.
    const QImage adjusted = adjustedPicture(base, 10, 20);
    QCOMPARE(adjusted.pixelColor(1, 1), QColor(52, 52, 52));
    // The lowest positions still change the picture (brightness 2, contrast 3).
    QCOMPARE(adjustedPicture(filled(1, 1, QColor(0, 0, 0)), 1, 1).pixelColor(0, 0),
             QColor(1, 1, 1));
    QCOMPARE(base.pixelColor(0, 0), QColor(50, 50, 50));
}

// Whatever the picture was, it is stored as a bitmap; Left and Top stay.
void TestImageProperties::confirmedResult()
{
    TZR_DBImage image;
    image.setBounds(QRect(7, 9, 105, 105));
    const QByteArray jpeg = pictureDataFromFile(encoded(filled(6, 3, Qt::blue), "jpeg"), u"jpg"_s).value();
    image.setPictureData(jpeg);

    QVERIFY(!applyImageProperties(image, QImage(), true, 50, 25).ok());
    QCOMPARE(image.pictureData(), jpeg);
    QCOMPARE(image.bounds(), QRect(7, 9, 105, 105));

    const QImage picture = adjustablePicture(image).image;
    QVERIFY(applyImageProperties(image, picture, true, 50, 25).ok());
    QCOMPARE(graphicOf(image.pictureData()), std::optional(GraphicClass::Bitmap));
    QCOMPARE(decodePicture(image.pictureData()).value().size(), QSize(6, 3));
    QVERIFY(image.fixed());
    QCOMPARE(image.bounds(), QRect(7, 9, toPixels(50), toPixels(25)));
    QCOMPARE(image.bounds().size(), QSize(189, 94));
}

QTEST_GUILESS_MAIN(TestImageProperties)
#include "tst_image_properties.moc"
