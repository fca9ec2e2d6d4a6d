// Colour ramps of the gradient object and the word art mask and rendering.
#include "objects/GradientRamp.h"
#include "objects/WordArtMask.h"
#include "objects/ZR_Gradient.h"
#include "objects/ZR_WordArt.h"

#include <QImage>
#include <QPainter>
#include <QtTest>

using namespace quill;

namespace {

QImage draw(const LabelObject &object)
{
    QImage image(object.bounds().size(), QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    object.paint(painter, PaintContext());
    return image;
}

std::unique_ptr<TZR_WordArt> makeArt(const QString &caption, int width, int height, int angle = 0)
{
    auto art = std::make_unique<TZR_WordArt>();
    art->setBounds(QRect(0, 0, width, height));
    art->setCaption(caption);
    art->setAngle(angle);
    return art;
}

// The bounding box of the glyph pixels of a mask.
QRect glyphBox(const QImage &mask)
{
    QRect box;
    for (int y = 0; y < mask.height(); ++y)
        for (int x = 0; x < mask.width(); ++x)
            if (wordart::isGlyph(mask.pixel(x, y)))
                box |= QRect(x, y, 1, 1);
    return box;
}

} // namespace

class TestGradients : public QObject {
    Q_OBJECT

private slots:
    void mulDivRounds_data();
    void mulDivRounds();
    void twoColourBands_data();
    void twoColourBands();
    void oneColourBands_data();
    void oneColourBands();
    void turnedByAngle_data();
    void turnedByAngle();
    void gradientPaintsRamp();
    void oneColourGradientTurnsWhite();
    void angleSwapsDirectionAndColours();
    void wordArtStretchedToTheBox();
    void wordArtPixelsOnlyOnGlyphs();
    void wordArtTurnsWithAngle();
    void wordArtEmptyOrNone();
    void wordArtManyRunsAtPrinterResolution();
};

void TestGradients::mulDivRounds_data()
{
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<int>("c");
    QTest::addColumn<int>("expected");
    QTest::newRow("127.5 up") << 50 << 255 << 100 << 128;
    QTest::newRow("252.45") << 99 << 255 << 100 << 252;
    QTest::newRow("76.5 away from zero") << 60 << 255 << 200 << 77;
    QTest::newRow("negative half") << 50 << -255 << 100 << -128;
    QTest::newRow("64-bit product") << 2000000000 << 3 << 4 << 1500000000;
    QTest::newRow("zero divisor") << 1 << 1 << 0 << -1;
    QTest::newRow("overflow") << 2000000000 << 2000000000 << 1 << -1;
}

void TestGradients::mulDivRounds()
{
    QFETCH(int, a);
    QFETCH(int, b);
    QFETCH(int, c);
    QFETCH(int, expected);
    QCOMPARE(ramp::mulDiv(a, b, c), expected);
}

void TestGradients::twoColourBands_data()
{
    QTest::addColumn<QColor>("start");
    QTest::addColumn<QColor>("end");
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("band");
    QTest::addColumn<QColor>("expected");
    const QColor black(0, 0, 0), white(255, 255, 255);
    QTest::newRow("first band is S") << black << white << 100 << 0 << black;
    QTest::newRow("row 50") << black << white << 100 << 50 << QColor(128, 128, 128);
    QTest::newRow("last band short of E") << black << white << 100 << 99 << QColor(252, 252, 252);
    QTest::newRow("falling half away") << white << black << 100 << 50 << QColor(127, 127, 127);
    QTest::newRow("n = 200, 76.5") << black << white << 200 << 60 << QColor(77, 77, 77);
    QTest::newRow("blue to yellow") << QColor(0, 0, 255) << QColor(255, 255, 0) << 3 << 2
                                    << QColor(170, 170, 85);
    QTest::newRow("single band") << QColor(10, 20, 30) << white << 1 << 0 << QColor(10, 20, 30);
}

void TestGradients::twoColourBands()
{
    QFETCH(QColor, start);
    QFETCH(QColor, end);
    QFETCH(int, n);
    QFETCH(int, band);
    QFETCH(QColor, expected);
    const QVector<QRgb> bands = ramp::twoColourBands(start, end, n);
    QCOMPARE(bands.size(), n);
    QCOMPARE(QColor(bands[band]), expected);
}

void TestGradients::oneColourBands_data()
{
    QTest::addColumn<QColor>("start");
    QTest::addColumn<int>("i");
    QTest::addColumn<QColor>("expected");
    QTest::newRow("band 0 is S") << QColor(0, 64, 255) << 0 << QColor(0, 64, 255);
    QTest::newRow("127.5 to even") << QColor(0, 0, 0) << 50 << QColor(128, 128, 128);
    QTest::newRow("76.5 to even") << QColor(0, 0, 0) << 30 << QColor(76, 76, 76);
    QTest::newRow("25.5 to even") << QColor(255, 0, 0) << 10 << QColor(255, 26, 26);
    QTest::newRow("band 100 white") << QColor(0, 0, 0) << 100 << QColor(255, 255, 255);
    QTest::newRow("beyond 100 white") << QColor(12, 34, 56) << 250 << QColor(255, 255, 255);
}

void TestGradients::oneColourBands()
{
    QFETCH(QColor, start);
    QFETCH(int, i);
    QFETCH(QColor, expected);
    QCOMPARE(QColor(ramp::oneColourBand(start, i)), expected);
}

void TestGradients::turnedByAngle_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("angle");
    QTest::addColumn<int>("turnedStyle");
    QTest::addColumn<bool>("swapped");
    QTest::newRow("down 0") << int(gsTopToBottom) << 0 << int(gsTopToBottom) << false;
    QTest::newRow("down 90") << int(gsTopToBottom) << 90 << int(gsLeftToRight) << false;
    QTest::newRow("down 180") << int(gsTopToBottom) << 180 << int(gsTopToBottom) << true;
    QTest::newRow("down 270") << int(gsTopToBottom) << 270 << int(gsLeftToRight) << true;
    QTest::newRow("across 90") << int(gsLeftToRight) << 90 << int(gsTopToBottom) << true;
    QTest::newRow("across 180") << int(gsLeftToRight) << 180 << int(gsLeftToRight) << true;
    QTest::newRow("across 270") << int(gsLeftToRight) << 270 << int(gsTopToBottom) << false;
    QTest::newRow("across 45") << int(gsLeftToRight) << 45 << int(gsLeftToRight) << false;
}

void TestGradients::turnedByAngle()
{
    QFETCH(int, style);
    QFETCH(int, angle);
    QFETCH(int, turnedStyle);
    QFETCH(bool, swapped);
    const ramp::TwoColourPlan plan =
        ramp::turned(clBlue, clWhite, static_cast<TGradientStyle>(style), angle);
    QCOMPARE(int(plan.style), turnedStyle);
    QCOMPARE(plan.start, swapped ? clWhite : clBlue);
    QCOMPARE(plan.end, swapped ? clBlue : clWhite);
}

void TestGradients::gradientPaintsRamp()
{
    TZR_Gradient g;
    g.setBounds(QRect(0, 0, 30, 100));
    g.setGradientStartColor(clBlack);
    g.setGradientEndColor(clWhite);
    g.setLayOutStyle(lsGradient);
    const QImage image = draw(g);
    QCOMPARE(QColor(image.pixel(5, 0)), QColor(0, 0, 0));
    QCOMPARE(QColor(image.pixel(29, 50)), QColor(128, 128, 128));
    QCOMPARE(QColor(image.pixel(0, 99)), QColor(252, 252, 252));
    // lsNone draws nothing at all.
    g.setLayOutStyle(lsNone);
    QImage blank(30, 100, QImage::Format_ARGB32);
    blank.fill(Qt::white);
    QCOMPARE(draw(g), blank);
}

void TestGradients::oneColourGradientTurnsWhite()
{
    TZR_Gradient g;
    g.setBounds(QRect(0, 0, 20, 300));
    g.setGradientStartColor(0x00402010); // R 0x10, G 0x20, B 0x40
    g.setLayOutStyle(lsAutoGradient);
    g.setAngle(180); // plays no part
    const QImage image = draw(g);
    QCOMPARE(QColor(image.pixel(3, 0)), QColor(0x10, 0x20, 0x40));
    QVERIFY(QColor(image.pixel(3, 99)) != QColor(255, 255, 255));
    for (int y = 100; y < 300; y += 7)
        QCOMPARE(QColor(image.pixel(10, y)), QColor(255, 255, 255));
}

void TestGradients::angleSwapsDirectionAndColours()
{
    TZR_Gradient g;
    g.setBounds(QRect(0, 0, 40, 40));
    g.setGradientStartColor(clBlack);
    g.setGradientEndColor(clWhite);
    g.setLayOutStyle(lsGradient);
    g.setAngle(180);
    QImage image = draw(g);
    QVERIFY(qGray(image.pixel(20, 0)) > 240); // the end colour at the top
    QVERIFY(qGray(image.pixel(20, 39)) < 20);
    g.setAngle(90); // top-to-bottom runs left to right
    image = draw(g);
    QCOMPARE(image.pixel(0, 5), image.pixel(0, 35));
    QVERIFY(qGray(image.pixel(0, 5)) < 10 && qGray(image.pixel(39, 5)) > 240);
}

void TestGradients::wordArtStretchedToTheBox()
{
    auto art = makeArt(QStringLiteral("A"), 200, 50);
    const QImage mask =
        wordart::buildMask(art->caption(), wordart::font(*art), QSize(200, 50), art->angle());
    const QRect box = glyphBox(mask);
    QVERIFY2(box.left() < 25 && box.right() > 175, qPrintable(QString::number(box.width())));
    QVERIFY2(box.top() < 15 && box.bottom() > 35, qPrintable(QString::number(box.height())));
}

void TestGradients::wordArtPixelsOnlyOnGlyphs()
{
    auto art = makeArt(QStringLiteral("워드 ART"), 160, 60);
    const QImage mask =
        wordart::buildMask(art->caption(), wordart::font(*art), QSize(160, 60), art->angle());
    const QImage image = draw(*art);
    int glyphs = 0;
    for (int y = 0; y < 60; ++y) {
        for (int x = 0; x < 160; ++x) {
            const bool glyph = wordart::isGlyph(mask.pixel(x, y));
            glyphs += glyph ? 1 : 0;
            QCOMPARE(image.pixel(x, y) != qRgb(255, 255, 255), glyph);
        }
    }
    QVERIFY(glyphs > 500);
    // Blue at the top shading toward yellow at the bottom (top-to-bottom ramp).
    const QVector<QRgb> bands =
        ramp::twoColourBands(QColor(0, 0, 255), QColor(255, 255, 0), 60);
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 160; ++x)
            if (wordart::isGlyph(mask.pixel(x, y)))
                QCOMPARE(image.pixel(x, y), bands[y]);
}

void TestGradients::wordArtTurnsWithAngle()
{
    auto art = makeArt(QStringLiteral("AB"), 50, 200, 90);
    const QFont font = wordart::font(*art);
    const QImage flat = wordart::buildMask(art->caption(), font, QSize(200, 50), 0);
    const QImage left = wordart::buildMask(art->caption(), font, QSize(50, 200), 90);
    const QImage right = wordart::buildMask(art->caption(), font, QSize(50, 200), 270);
    const QImage half = wordart::buildMask(art->caption(), font, QSize(200, 50), 180);
    QCOMPARE(left.size(), QSize(50, 200));
    for (int y = 0; y < 50; ++y) {
        for (int x = 0; x < 200; ++x) {
            QCOMPARE(left.pixel(y, 199 - x), flat.pixel(x, y));
            QCOMPARE(right.pixel(49 - y, x), flat.pixel(x, y));
            QCOMPARE(half.pixel(199 - x, 49 - y), flat.pixel(x, y));
        }
    }
    // Between quarter turns the quarter turn below is kept.
    QCOMPARE(wordart::buildMask(art->caption(), font, QSize(200, 50), 45), flat);
    QCOMPARE(wordart::render(*art, 96, 96).size(), QSize(50, 200));
}

void TestGradients::wordArtEmptyOrNone()
{
    auto art = makeArt(QString(), 80, 40);
    QImage blank(80, 40, QImage::Format_ARGB32);
    blank.fill(Qt::white);
    QCOMPARE(draw(*art), blank);
    art->setCaption(QStringLiteral("X"));
    QVERIFY(draw(*art) != blank);
    art->setLayOutStyle(lsNone);
    QCOMPARE(draw(*art), blank);
}

void TestGradients::wordArtManyRunsAtPrinterResolution()
{
    // A long caption at 600 dots per inch gives far more than 10,000 runs; every glyph pixel
    // must still carry the ramp.
    auto art = makeArt(QStringLiteral("IIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIIII"), 300, 120);
    art->setLayOutStyle(lsAutoGradient);
    const QSize size = wordart::maskSize(art->bounds().size(), 600, 600);
    QCOMPARE(size, QSize(1875, 750));
    const QImage mask = wordart::buildMask(art->caption(), wordart::font(*art), size, 0);
    const QImage image = wordart::render(*art, 600, 600);
    qint64 runs = 0, glyphs = 0, painted = 0, stray = 0;
    for (int y = 0; y < size.height(); ++y) {
        bool inRun = false;
        for (int x = 0; x < size.width(); ++x) {
            const bool glyph = wordart::isGlyph(mask.pixel(x, y));
            const bool ink = qAlpha(image.pixel(x, y)) != 0;
            runs += glyph && !inRun ? 1 : 0;
            inRun = glyph;
            glyphs += glyph ? 1 : 0;
            painted += ink ? 1 : 0;
            stray += ink != glyph ? 1 : 0;
        }
    }
    QVERIFY2(runs > 10000, qPrintable(QString::number(runs)));
    QCOMPARE(painted, glyphs);
    QCOMPARE(stray, qint64(0));
}

QTEST_MAIN(TestGradients)
#include "tst_gradients.moc"
