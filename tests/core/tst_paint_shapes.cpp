// Pixel checks of the shape object's drawing: every kind inside its bounds, key points, pens, fill.
#include "document/StandardProperties.h"
#include "objects/ZR_VantorShape.h"

#include <QImage>
#include <QPainter>
#include <QtTest>

using namespace quill;

namespace {

constexpr int kMargin = 12;
constexpr TColor kRed = 0x0000FF;

// The object drawn at (kMargin, kMargin) on a white image, scaled by `zoom`.
struct Shot {
    QImage image;
    double zoom = 1.0;

    QRgb at(int x, int y) const { return image.pixel(kMargin + x, kMargin + y); }
    bool dark(int x, int y) const
    {
        const QRgb c = at(x, y);
        return qRed(c) < 90 && qGreen(c) < 90 && qBlue(c) < 90;
    }
    bool white(int x, int y) const { return at(x, y) == qRgb(255, 255, 255); }
    bool red(int x, int y) const
    {
        const QRgb c = at(x, y);
        return qRed(c) > 200 && qGreen(c) < 60 && qBlue(c) < 60;
    }
    // Whether any non-white pixel lies outside the object's (scaled) bounds, and how many lie
    // inside.
    int insideCount(const QSize &box, bool *outside) const
    {
        int count = 0;
        *outside = false;
        const QRect inside(kMargin, kMargin, int(box.width() * zoom), int(box.height() * zoom));
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (image.pixel(x, y) == qRgb(255, 255, 255))
                    continue;
                if (inside.contains(x, y))
                    ++count;
                else
                    *outside = true;
            }
        }
        return count;
    }
};

Shot draw(const LabelObject &object, double zoom = 1.0)
{
    const QSize box = object.bounds().size();
    Shot shot;
    shot.zoom = zoom;
    shot.image = QImage(int(box.width() * zoom) + 2 * kMargin, int(box.height() * zoom) + 2 * kMargin,
                        QImage::Format_ARGB32);
    shot.image.fill(Qt::white);
    QPainter painter(&shot.image);
    painter.translate(kMargin, kMargin);
    painter.scale(zoom, zoom);
    object.paint(painter, PaintContext());
    return shot;
}

std::unique_ptr<TZR_VantorShape> makeShape(int kind, int width, int height, int penWidth = 1)
{
    auto shape = std::make_unique<TZR_VantorShape>();
    shape->setShape(kind);
    shape->setBounds(QRect(0, 0, width, height));
    shape->setPenWidth(penWidth);
    return shape;
}

} // namespace

class TestPaintShapes : public QObject {
    Q_OBJECT

private slots:
    void everyKindStaysInside_data();
    void everyKindStaysInside();
    void lineEndpoints_data();
    void lineEndpoints();
    void straightLines_data();
    void straightLines();
    void triangleApex_data();
    void triangleApex();
    void centredFigures();
    void rectangleWithoutPenWidth();
    void fillAndNoFill_data();
    void fillAndNoFill();
    void linesIgnoreBrush();
    void clearPenDrawsNoOutline();
    void dashesKeptWhenWide_data();
    void dashesKeptWhenWide();
    void regularPolygonFollowsAngle();
    void zoomScalesTheFigure();
};

void TestPaintShapes::everyKindStaysInside_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("penWidth");
    for (int kind = mstLine; kind <= mstLove; ++kind) {
        const QByteArray name = names::multiShapeType().at(kind).toLatin1();
        QTest::newRow((name + " pen 1").constData()) << kind << 1;
        QTest::newRow((name + " pen 7").constData()) << kind << 7;
    }
}

void TestPaintShapes::everyKindStaysInside()
{
    QFETCH(int, kind);
    QFETCH(int, penWidth);
    for (int startType = spTop; startType <= spLeft; ++startType) {
        auto shape = makeShape(kind, 90, 60, penWidth);
        shape->setStartType(startType);
        shape->setBrushColor(kRed);
        bool outside = false;
        const int inside = draw(*shape).insideCount(QSize(90, 60), &outside);
        QVERIFY2(!outside, "drawn outside the bounds");
        if (kind == mstLove)
            QCOMPARE(inside, 0);
        else
            QVERIFY(inside > 20);
    }
}

void TestPaintShapes::lineEndpoints_data()
{
    QTest::addColumn<int>("startType");
    QTest::addColumn<QPoint>("from");
    QTest::addColumn<QPoint>("to");
    QTest::addColumn<QPoint>("emptyCorner");
    // 80 x 60, pen 1: q = 1, w4 = 76, h4 = 56.
    QTest::newRow("spTop") << int(spTop) << QPoint(1, 1) << QPoint(75, 55) << QPoint(75, 1);
    QTest::newRow("spBottom") << int(spBottom) << QPoint(1, 1) << QPoint(75, 55) << QPoint(1, 55);
    QTest::newRow("spRight") << int(spRight) << QPoint(75, 1) << QPoint(1, 55) << QPoint(1, 1);
    QTest::newRow("spLeft") << int(spLeft) << QPoint(75, 1) << QPoint(1, 55) << QPoint(75, 55);
}

void TestPaintShapes::lineEndpoints()
{
    QFETCH(int, startType);
    QFETCH(QPoint, from);
    QFETCH(QPoint, to);
    QFETCH(QPoint, emptyCorner);
    auto shape = makeShape(mstLine, 80, 60);
    shape->setStartType(startType);
    const Shot shot = draw(*shape);
    QVERIFY(shot.dark(from.x(), from.y()));
    QVERIFY(shot.dark(to.x(), to.y()));
    QVERIFY(shot.dark((from.x() + to.x()) / 2, (from.y() + to.y()) / 2));
    QVERIFY(shot.white(emptyCorner.x(), emptyCorner.y()));
}

void TestPaintShapes::straightLines_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("startType");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("penWidth");
    QTest::addColumn<bool>("linePosTop");
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<int>("at"); // the line's row or column
    QTest::newRow("dline mid pen 4") << int(mstDLine) << int(spTop) << QSize(60, 50) << 4 << false
                                     << true << 23;
    QTest::newRow("dline top") << int(mstDLine) << int(spBottom) << QSize(60, 50) << 1 << true
                               << true << 0;
    QTest::newRow("dline vertical") << int(mstDLine) << int(spLeft) << QSize(41, 50) << 1 << false
                                    << false << 20;
    QTest::newRow("dline left edge") << int(mstDLine) << int(spRight) << QSize(41, 50) << 1 << true
                                     << false << 0;
    QTest::newRow("vline 51 rounds up") << int(mstVLine) << int(spTop) << QSize(51, 40) << 1
                                        << false << false << 26;
    QTest::newRow("vline 49 rounds down") << int(mstVLine) << int(spTop) << QSize(49, 40) << 1
                                          << false << false << 24;
    QTest::newRow("vline across") << int(mstVLine) << int(spLeft) << QSize(40, 30) << 1 << false
                                  << true << 15;
}

void TestPaintShapes::straightLines()
{
    QFETCH(int, kind);
    QFETCH(int, startType);
    QFETCH(QSize, size);
    QFETCH(int, penWidth);
    QFETCH(bool, linePosTop);
    QFETCH(bool, horizontal);
    QFETCH(int, at);
    auto shape = makeShape(kind, size.width(), size.height(), penWidth);
    shape->setStartType(startType);
    shape->setLinePosTop(linePosTop);
    const Shot shot = draw(*shape);
    const int along = (horizontal ? size.width() : size.height()) / 2;
    auto dark = [&](int offset) {
        return horizontal ? shot.dark(along, at + offset) : shot.dark(at + offset, along);
    };
    QVERIFY(dark(0));
    // A one-pixel line is exactly there; a wide one is centred on it.
    QVERIFY(!dark(penWidth / 2 + 2));
    if (at - penWidth / 2 - 2 >= 0)
        QVERIFY(!dark(-penWidth / 2 - 2));
    // It runs from edge to edge.
    QVERIFY(horizontal ? shot.dark(0, at) : shot.dark(at, 0));
    QVERIFY(horizontal ? shot.dark(size.width() - 1, at) : shot.dark(at, size.height() - 1));
}

void TestPaintShapes::triangleApex_data()
{
    QTest::addColumn<int>("startType");
    QTest::addColumn<QPoint>("apex");
    QTest::addColumn<QPoint>("emptyNearApex");
    // 84 x 64, pen 1: q = 1, w4 = 80, h4 = 60.
    QTest::newRow("spTop") << int(spTop) << QPoint(40, 1) << QPoint(10, 3);
    QTest::newRow("spRight") << int(spRight) << QPoint(79, 30) << QPoint(77, 5);
    QTest::newRow("spBottom") << int(spBottom) << QPoint(40, 59) << QPoint(10, 57);
    QTest::newRow("spLeft") << int(spLeft) << QPoint(1, 30) << QPoint(3, 5);
}

void TestPaintShapes::triangleApex()
{
    QFETCH(int, startType);
    QFETCH(QPoint, apex);
    QFETCH(QPoint, emptyNearApex);
    auto shape = makeShape(mstTriAngle, 84, 64);
    shape->setStartType(startType);
    shape->setBrushColor(kRed);
    const Shot shot = draw(*shape);
    QVERIFY(shot.dark(apex.x(), apex.y()));
    QVERIFY(shot.white(emptyNearApex.x(), emptyNearApex.y()));
    QVERIFY(shot.red(40, 30)); // filled
}

void TestPaintShapes::centredFigures()
{
    // 100 x 40 circle, pen 1: bounded by (30, 0)-(70, 40).
    auto circle = makeShape(mstCircle, 100, 40);
    circle->setBrushColor(kRed);
    Shot shot = draw(*circle);
    QVERIFY(shot.dark(30, 20));
    QVERIFY(shot.dark(69, 20));
    QVERIFY(shot.white(29, 20));
    QVERIFY(shot.white(70, 20));
    QVERIFY(shot.dark(50, 0));
    QVERIFY(shot.red(50, 20));
    QVERIFY(shot.white(31, 2)); // outside the round outline, inside its square

    auto square = makeShape(mstSquare, 100, 40);
    shot = draw(*square);
    QVERIFY(shot.dark(30, 20));
    QVERIFY(shot.dark(31, 0));
    QVERIFY(shot.dark(69, 39));
    QVERIFY(shot.white(29, 20));
    QVERIFY(shot.white(70, 20));
}

void TestPaintShapes::rectangleWithoutPenWidth()
{
    auto shape = makeShape(mstRectangle, 50, 30, 0);
    shape->setBrushStyle(bsClear);
    const Shot shot = draw(*shape);
    QVERIFY(shot.dark(0, 0));
    QVERIFY(shot.dark(49, 29));
    QVERIFY(shot.dark(25, 0));
    QVERIFY(shot.white(25, 15));
}

void TestPaintShapes::fillAndNoFill_data()
{
    QTest::addColumn<int>("kind");
    for (int kind : {mstSquare, mstRoundRect, mstRectangle, mstEllipse, mstCircle,
                     mstTriAngleLean, mstRectLean, mstRectLeanMid, mstRectLeanCenter, mstFive,
                     mstSix, mstOctopus, mstCross})
        QTest::newRow(names::multiShapeType().at(kind).toLatin1().constData()) << kind;
}

void TestPaintShapes::fillAndNoFill()
{
    QFETCH(int, kind);
    auto shape = makeShape(kind, 80, 80, 2);
    shape->setBrushColor(kRed);
    // The lower-left quarter point lies inside every closed figure of this list.
    const QPoint probe = kind == mstTriAngleLean ? QPoint(20, 60) : QPoint(40, 40);
    QVERIFY(draw(*shape).red(probe.x(), probe.y()));
    shape->setBrushStyle(bsClear);
    QVERIFY(draw(*shape).white(probe.x(), probe.y()));
}

void TestPaintShapes::linesIgnoreBrush()
{
    for (int kind : {mstLine, mstDLine, mstVLine}) {
        auto shape = makeShape(kind, 60, 60, 3);
        shape->setBrushColor(kRed);
        const Shot shot = draw(*shape);
        for (int y = 0; y < 60; ++y)
            for (int x = 0; x < 60; ++x)
                QVERIFY2(!shot.red(x, y), qPrintable(names::multiShapeType().at(kind)));
    }
}

void TestPaintShapes::clearPenDrawsNoOutline()
{
    auto shape = makeShape(mstRectangle, 60, 40, 3);
    shape->setPenStyle(psClear);
    shape->setBrushColor(kRed);
    Shot shot = draw(*shape);
    bool outside = false;
    QVERIFY(shot.insideCount(QSize(60, 40), &outside) > 0);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 60; ++x)
            QVERIFY(!shot.dark(x, y));
    QVERIFY(shot.red(30, 20));

    auto line = makeShape(mstDLine, 60, 40, 3);
    line->setPenStyle(psClear);
    QCOMPARE(draw(*line).insideCount(QSize(60, 40), &outside), 0);
}

void TestPaintShapes::dashesKeptWhenWide_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<bool>("gaps");
    QTest::newRow("solid") << int(psSolid) << false;
    QTest::newRow("inside frame draws solid") << int(psInsideFrame) << false;
    QTest::newRow("dash") << int(psDash) << true;
    QTest::newRow("dot") << int(psDot) << true;
    QTest::newRow("dash dot") << int(psDashDot) << true;
    QTest::newRow("dash dot dot") << int(psDashDotDot) << true;
}

void TestPaintShapes::dashesKeptWhenWide()
{
    QFETCH(int, style);
    QFETCH(bool, gaps);
    auto shape = makeShape(mstDLine, 200, 20, 4);
    shape->setPenStyle(style);
    const Shot shot = draw(*shape);
    const int y = 8; // Round((20 - 4) / 2)
    int darkCount = 0;
    for (int x = 0; x < 200; ++x)
        darkCount += shot.dark(x, y) ? 1 : 0;
    if (gaps) {
        QVERIFY2(darkCount > 20 && darkCount < 180, qPrintable(QString::number(darkCount)));
    } else {
        QCOMPARE(darkCount, 200);
    }
    // The pen keeps its width whatever the dash pattern.
    int column = 0;
    while (column < 200 && !shot.dark(column, y))
        ++column;
    QVERIFY(column < 200);
    QVERIFY(shot.dark(column, y - 2) && shot.dark(column, y + 1));
}

void TestPaintShapes::regularPolygonFollowsAngle()
{
    // A pentagon at Angle 0 points up: its top vertex is on the vertical centre line.
    auto shape = makeShape(mstFive, 81, 81);
    shape->setBrushColor(kRed);
    Shot shot = draw(*shape);
    QVERIFY(shot.dark(40, 0));
    QVERIFY(shot.white(40, 79));
    // Turned by 180 degrees it points down.
    shape->setAngle(180);
    shot = draw(*shape);
    QVERIFY(shot.white(40, 1));
    QVERIFY(shot.dark(40, 80));
}

void TestPaintShapes::zoomScalesTheFigure()
{
    auto shape = makeShape(mstRectangle, 40, 30);
    shape->setBrushColor(kRed);
    const Shot shot = draw(*shape, 2.0);
    bool outside = false;
    QVERIFY(shot.insideCount(QSize(40, 30), &outside) > 0);
    QVERIFY(!outside);
    QVERIFY(shot.dark(0, 0));
    QVERIFY(shot.dark(78, 58));
    QVERIFY(shot.red(40, 30));
    QVERIFY(shot.red(70, 50));
}

QTEST_MAIN(TestPaintShapes)
#include "tst_paint_shapes.moc"
