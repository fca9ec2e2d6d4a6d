// Tests of the image object's drawing: placement of the picture, clipped source pictures,
// transparency and undecodable pictures.
#include "imaging/DecodedPicture.h"
#include "imaging/PictureData.h"
#include "objects/ZR_DBImage.h"

#include <QBuffer>
#include <QImageWriter>
#include <QPainter>
#include <QTest>

using namespace quill;
using namespace Qt::StringLiterals;

namespace {

QByteArray bitmapOf(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter(&buffer, "bmp").write(image);
    return pictureDataFromFile(bytes, u"bmp"_s).value();
}

QImage solid(int w, int h, QColor colour)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// 4 x 3: two red columns, then two blue ones.
QImage redBlue()
{
    QImage image = solid(4, 3, Qt::red);
    for (int y = 0; y < 3; ++y) {
        image.setPixelColor(2, y, Qt::blue);
        image.setPixelColor(3, y, Qt::blue);
    }
    return image;
}

// The object drawn at the given zoom onto a white canvas of its zoomed size.
QImage drawn(const TZR_DBImage &object, double zoom = 1.0)
{
    const QSize size = object.bounds().size() * zoom;
    QImage canvas(size, QImage::Format_ARGB32);
    canvas.fill(Qt::white);
    QPainter painter(&canvas);
    painter.scale(zoom, zoom);
    PaintContext context;
    context.zoom = int(zoom * 100);
    object.paint(painter, context);
    return canvas;
}

QString colourName(QColor c)
{
    if (c == QColor(Qt::white))
        return u"white"_s;
    if (c == QColor(Qt::red))
        return u"red"_s;
    if (c == QColor(Qt::blue))
        return u"blue"_s;
    return c.name();
}

std::unique_ptr<TZR_DBImage> imageObject(QSize size, const QByteArray &picture)
{
    auto object = std::make_unique<TZR_DBImage>();
    object->applyPlacementSettings();
    object->setBounds(QRect(QPoint(7, 9), size));
    object->setPictureData(picture);
    return object;
}

} // namespace

class TestPaintImage : public QObject {
    Q_OBJECT

private slots:
    void placement_data();
    void placement();
    void clipStyles_data();
    void clipStyles();
    void roundClipCornerOfTheDefaultIs8Pixels();
    void builtPictureHasTheSourceSize();
    void transparentBitmapLeavesOutItsCornerColour();
    void undecodablePictureDrawsACrossedBox();
    void recordedPictureMatchesTheScreen();
};

void TestPaintImage::placement_data()
{
    QTest::addColumn<bool>("stretch");
    QTest::addColumn<bool>("proportional");
    QTest::addColumn<bool>("center");
    QTest::addColumn<double>("zoom");
    QTest::addColumn<QPoint>("point"); // in the object's own pixels
    QTest::addColumn<QString>("colour");
    QTest::newRow("stretched left") << true << false << false << 1.0 << QPoint(19, 19) << "red";
    QTest::newRow("stretched right") << true << false << false << 1.0 << QPoint(20, 0) << "blue";
    QTest::newRow("stretched corner") << true << false << false << 1.0 << QPoint(39, 19) << "blue";
    QTest::newRow("zoom 250 % right") << true << false << false << 2.5 << QPoint(39, 19) << "blue";
    QTest::newRow("zoom 250 % left") << true << false << false << 2.5 << QPoint(19, 0) << "red";
    QTest::newRow("natural size inside")
        << false << false << false << 1.0 << QPoint(3, 2) << "blue";
    QTest::newRow("natural size outside")
        << false << false << false << 1.0 << QPoint(4, 0) << "white";
    QTest::newRow("centred inside") << false << false << true << 1.0 << QPoint(18, 8) << "red";
    QTest::newRow("centred before") << false << false << true << 1.0 << QPoint(17, 8) << "white";
    QTest::newRow("proportional inside")
        << true << true << false << 1.0 << QPoint(25, 19) << "blue";
    QTest::newRow("proportional beyond")
        << true << true << false << 1.0 << QPoint(26, 10) << "white";
}

void TestPaintImage::placement()
{
    QFETCH(bool, stretch);
    QFETCH(bool, proportional);
    QFETCH(bool, center);
    QFETCH(double, zoom);
    QFETCH(QPoint, point);
    QFETCH(QString, colour);
    auto object = imageObject(QSize(40, 20), bitmapOf(redBlue()));
    object->setStretch(stretch);
    object->setProportional(proportional);
    object->setCenter(center);
    const QImage canvas = drawn(*object, zoom);
    const QPoint at(int(point.x() * zoom + zoom / 2), int(point.y() * zoom + zoom / 2));
    QCOMPARE(colourName(canvas.pixelColor(at)), colour);
}

void TestPaintImage::clipStyles_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<double>("cornerMm");
    QTest::addColumn<QPoint>("point"); // in the 40 x 40 source, drawn over 80 x 40
    QTest::addColumn<QString>("colour");
    QTest::newRow("none corner") << int(csNone) << 2.0 << QPoint(0, 0) << "red";
    QTest::newRow("ellipse corner") << int(csEllipse) << 2.0 << QPoint(3, 3) << "white";
    QTest::newRow("ellipse middle") << int(csEllipse) << 2.0 << QPoint(20, 20) << "red";
    QTest::newRow("ellipse edge middle") << int(csEllipse) << 2.0 << QPoint(1, 20) << "red";
    QTest::newRow("round corner") << int(csRoundRect) << 2.0 << QPoint(0, 0) << "white";
    QTest::newRow("round inside corner") << int(csRoundRect) << 2.0 << QPoint(3, 3) << "red";
    QTest::newRow("round edge") << int(csRoundRect) << 2.0 << QPoint(20, 0) << "red";
    QTest::newRow("round 10 mm corner") << int(csRoundRect) << 10.0 << QPoint(3, 3) << "white";
}

void TestPaintImage::clipStyles()
{
    QFETCH(int, style);
    QFETCH(double, cornerMm);
    QFETCH(QPoint, point);
    QFETCH(QString, colour);
    // The stored picture is blue; the clipped red source is drawn in its place.
    auto object = imageObject(QSize(80, 40), bitmapOf(solid(5, 5, Qt::blue)));
    object->setSrcImageData(bitmapOf(solid(40, 40, Qt::red)));
    object->setClipStyle(TClipStyle(style));
    object->setWRoundClip(cornerMm);
    object->setHRoundClip(cornerMm);
    const QImage canvas = drawn(*object);
    QCOMPARE(colourName(canvas.pixelColor(point.x() * 2, point.y())), colour);
    QCOMPARE(colourName(canvas.pixelColor(point.x() * 2 + 1, point.y())), colour);
}

void TestPaintImage::roundClipCornerOfTheDefaultIs8Pixels()
{
    TZR_DBImage object;
    QCOMPARE(TZR_DBImage::roundClipCorner(object.wRoundClip(), object.hRoundClip()), QSize(8, 8));
    QCOMPARE(TZR_DBImage::roundClipCorner(10, 0.13), QSize(38, 0));
}

void TestPaintImage::builtPictureHasTheSourceSize()
{
    auto object = imageObject(QSize(80, 40), bitmapOf(redBlue()));
    QVERIFY(object->BuildClippedPicture().isNull());
    object->setSrcImageData(bitmapOf(solid(30, 20, Qt::red)));
    object->setClipStyle(csEllipse);
    const QPicture picture = object->BuildClippedPicture();
    QCOMPARE(picture.boundingRect(), QRect(0, 0, 30, 20));
    QImage canvas = solid(30, 20, Qt::white).convertToFormat(QImage::Format_ARGB32);
    {
        QPainter painter(&canvas);
        painter.drawPicture(0, 0, picture);
    }
    QCOMPARE(colourName(canvas.pixelColor(15, 10)), u"red"_s);
    QCOMPARE(colourName(canvas.pixelColor(1, 1)), u"white"_s);
}

void TestPaintImage::transparentBitmapLeavesOutItsCornerColour()
{
    QImage picture = solid(10, 10, Qt::green);
    for (int y = 2; y < 8; ++y) {
        for (int x = 2; x < 8; ++x)
            picture.setPixelColor(x, y, Qt::blue);
    }
    auto object = imageObject(QSize(10, 10), bitmapOf(picture));
    QCOMPARE(colourName(drawn(*object).pixelColor(0, 0)), u"#00ff00"_s);
    object->setTransparent(true);
    const QImage canvas = drawn(*object);
    QCOMPARE(colourName(canvas.pixelColor(0, 0)), u"white"_s);
    QCOMPARE(colourName(canvas.pixelColor(5, 5)), u"blue"_s);
}

void TestPaintImage::undecodablePictureDrawsACrossedBox()
{
    const QByteArray damaged = QByteArray("\x0ATJPEGImage", 11) + QByteArray("\x10\0\0\0", 4)
        + QByteArray("\xFF\xD8\xFF\xE0 not really a JPEG", 16);
    auto object = imageObject(QSize(40, 40), damaged);
    QVERIFY(!object->pictureStatus().ok());
    const QImage canvas = drawn(*object);
    QVERIFY(canvas.pixelColor(20, 20) != QColor(Qt::white)); // the diagonals cross here
    QCOMPARE(colourName(canvas.pixelColor(20, 10)), u"white"_s);
    QCOMPARE(object->pictureData(), damaged); // kept as stored
    auto good = imageObject(QSize(4, 3), bitmapOf(redBlue()));
    QVERIFY(good->pictureStatus().ok());
    auto none = imageObject(QSize(4, 3), QByteArray());
    QVERIFY(none->pictureStatus().ok());
    QCOMPARE(drawn(*none), solid(4, 3, Qt::white).convertToFormat(QImage::Format_ARGB32));
}

void TestPaintImage::recordedPictureMatchesTheScreen()
{
    auto object = imageObject(QSize(40, 20), bitmapOf(redBlue()));
    object->setSrcImageData(bitmapOf(solid(40, 20, Qt::red)));
    object->setClipStyle(csEllipse);
    PaintContext context;
    context.target = PaintContext::Target::Picture;
    const QPicture &picture = object->renderToMetafile(context);
    QImage canvas(80, 40, QImage::Format_ARGB32);
    canvas.fill(Qt::white);
    {
        QPainter painter(&canvas);
        painter.scale(2, 2);
        painter.drawPicture(0, 0, picture);
    }
    const QImage screen = drawn(*object, 2.0);
    for (const QPoint &p : {QPoint(40, 20), QPoint(2, 2), QPoint(78, 38), QPoint(2, 20)})
        QCOMPARE(colourName(canvas.pixelColor(p)), colourName(screen.pixelColor(p)));
}

QTEST_MAIN(TestPaintImage)
#include "tst_paint_image.moc"
