// Tests of the 24-bit pixel effects, the resampler, and the quarter turns and mirrors.
#include "imaging/PixelEffects.h"

#include <QTest>

#include <functional>

using namespace quill;

namespace {

using Effect = std::function<void(QImage &, int)>;

QImage solid(int w, int h, QColor colour)
{
    QImage image(w, h, QImage::Format_RGB888);
    image.fill(colour);
    return image;
}

// A picture whose every pixel differs: red from x, green from y, blue from both.
QImage numbered(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB888);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x)
            image.setPixelColor(x, y, QColor(x * 10 % 256, y * 10 % 256, (x + y * w) % 256));
    }
    return image;
}

QImage greyRow(const QList<int> &values)
{
    QImage image(int(values.size()), 1, QImage::Format_RGB888);
    for (int x = 0; x < values.size(); ++x)
        image.setPixelColor(x, 0, QColor(values[x], values[x], values[x]));
    return image;
}

QList<int> greysOf(const QImage &image)
{
    QList<int> out;
    for (int x = 0; x < image.width(); ++x)
        out.append(image.pixelColor(x, 0).red());
    return out;
}

const QHash<QString, Effect> &pointEffects()
{
    static const QHash<QString, Effect> effects {
        {QStringLiteral("invert"), [](QImage &i, int) { Effect_Invert(i); }},
        {QStringLiteral("lightness"), [](QImage &i, int a) { Effect_Lightness(i, a); }},
        {QStringLiteral("ligthness"), [](QImage &i, int a) { Effect_Ligthness(i, a); }},
        {QStringLiteral("darkness"), [](QImage &i, int a) { Effect_Darkness(i, a); }},
        {QStringLiteral("contrast"), [](QImage &i, int a) { Effect_Contrast(i, a); }},
        {QStringLiteral("saturation"), [](QImage &i, int a) { Effect_Saturation(i, a); }},
        {QStringLiteral("grayscale"), [](QImage &i, int) { Effect_GrayScale(i); }},
        {QStringLiteral("solorize"), [](QImage &i, int a) { Effect_Solorize(i, a); }},
        {QStringLiteral("posterize"), [](QImage &i, int a) { Effect_Posterize(i, a); }},
        {QStringLiteral("splitlight"), [](QImage &i, int n) { Effect_Splitlight(i, n); }},
    };
    return effects;
}

} // namespace

class TestEffects : public QObject {
    Q_OBJECT

private slots:
    void pointEffect_data();
    void pointEffect();
    void noiseStaysWithinItsRange();
    void antiAliasReadsThisPassForUpperAndLeft();
    void splitBlurReadsWrittenValuesAndStaysInside();
    void mosaicTakesTheBlockCorner();
    void embossPairsWithThePixelBelowRight();
    void resamplerWeights();
    void tile_data();
    void tile();
    void fishEyeAndTwistKeepAFlatPicture();
    void fishEyeOnItsRadiusKeepsThePixel();
    void spotLightBlackensOutsideTheEllipse();
    void traceMarksEdgesAndSettlesAfterTwoPasses();
    void listEntriesAtTheirEdges();
    void turns_data();
    void turns();
    void turnsUndoEachOther();
    void everyEffectStaysInsideAnyPicture_data();
    void everyEffectStaysInsideAnyPicture();
};

void TestEffects::pointEffect_data()
{
    QTest::addColumn<QString>("effect");
    QTest::addColumn<int>("argument");
    QTest::addColumn<QColor>("input");
    QTest::addColumn<QColor>("expected");
    const auto row = [](const char *name, const char *effect, int a, QColor in, QColor out) {
        QTest::newRow(name) << QString::fromLatin1(effect) << a << in << out;
    };
    row("invert", "invert", 0, QColor(10, 20, 30), QColor(245, 235, 225));
    row("lightness 100", "lightness", 100, QColor(55, 0, 255), QColor(133, 100, 255));
    row("preview brightness", "ligthness", 100, QColor(55, 0, 255), QColor(133, 100, 255));
    row("darkness 100", "darkness", 100, QColor(200, 0, 255), QColor(122, 0, 155));
    row("contrast 150", "contrast", 150, QColor(27, 200, 128), QColor(0, 242, 128));
    row("contrast at 127", "contrast", 300, QColor(127, 127, 127), QColor(127, 127, 127));
    row("saturation 0 is grey", "saturation", 0, QColor(30, 60, 90), QColor(60, 60, 60));
    row("saturation 510 doubles", "saturation", 510, QColor(30, 60, 90), QColor(0, 60, 120));
    row("saturation 255 keeps", "saturation", 255, QColor(30, 61, 90), QColor(30, 61, 90));
    row("grayscale weights", "grayscale", 0, QColor(100, 50, 200), QColor(82, 82, 82));
    row("grayscale half to even", "grayscale", 0, QColor(15, 0, 0), QColor(4, 4, 4));
    row("grayscale blue weight", "grayscale", 0, QColor(0, 0, 100), QColor(11, 11, 11));
    row("solorize above", "solorize", 100, QColor(200, 200, 200), QColor(55, 55, 55));
    row("solorize at limit", "solorize", 100, QColor(101, 100, 100), QColor(101, 100, 100));
    row("posterize 8 keeps white", "posterize", 8, QColor(255, 12, 20), QColor(255, 16, 16));
    row("posterize half to even", "posterize", 8, QColor(4, 28, 0), QColor(0, 32, 0));
    row("posterize 0 changes nothing", "posterize", 0, QColor(7, 8, 9), QColor(7, 8, 9));
    row("split light one pass", "splitlight", 1, QColor(0, 128, 255), QColor(0, 181, 255));
    row("split light none", "splitlight", 0, QColor(1, 128, 254), QColor(1, 128, 254));
    row("split light two passes", "splitlight", 2, QColor(64, 64, 64), QColor(145, 145, 145));
}

void TestEffects::pointEffect()
{
    QFETCH(QString, effect);
    QFETCH(int, argument);
    QFETCH(QColor, input);
    QFETCH(QColor, expected);
    QImage image = solid(3, 2, input);
    image.setPixelColor(2, 1, QColor(0, 0, 0)); // other pixels must not leak into this one
    pointEffects().value(effect)(image, argument);
    QCOMPARE(image.format(), QImage::Format_RGB888);
    QCOMPARE(image.pixelColor(0, 0), expected);
    QCOMPARE(image.pixelColor(1, 1), expected);
}

void TestEffects::noiseStaysWithinItsRange()
{
    QImage colour = solid(64, 64, QColor(128, 128, 128));
    Effect_AddColorNoise(colour, 60, 7u);
    QImage mono = solid(64, 64, QColor(100, 128, 160));
    Effect_AddMonoNoise(mono, 60, 7u);
    bool varied = false;
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x) {
            const QColor c = colour.pixelColor(x, y);
            for (int v : {c.red(), c.green(), c.blue()})
                QVERIFY2(v >= 98 && v <= 157, "colour noise beyond Random(a) - a div 2");
            varied = varied || c.red() != c.blue();
            const QColor m = mono.pixelColor(x, y);
            QCOMPARE(m.green() - m.red(), 28); // one offset for the whole pixel
            QCOMPARE(m.blue() - m.green(), 32);
        }
    }
    QVERIFY(varied);
    QImage again = solid(64, 64, QColor(128, 128, 128));
    Effect_AddColorNoise(again, 60, 7u);
    QCOMPARE(again, colour);
    QImage none = solid(5, 5, QColor(9, 9, 9));
    Effect_AddColorNoise(none, 1);
    QCOMPARE(none, solid(5, 5, QColor(9, 9, 9)));
}

void TestEffects::antiAliasReadsThisPassForUpperAndLeft()
{
    QImage image(4, 3, QImage::Format_RGB888);
    const int values[3][4] = {{0, 40, 80, 0}, {200, 100, 20, 60}, {0, 120, 40, 0}};
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 4; ++x)
            image.setPixelColor(x, y, QColor(values[y][x], values[y][x], values[y][x]));
    }
    Effect_AntiAlias(image);
    // (1,1): (40 + 120 + 200 + 20) / 4 = 95; (2,1): (80 + 40 + 95 + 60) / 4 = 68.
    QCOMPARE(image.pixelColor(1, 1).red(), 95);
    QCOMPARE(image.pixelColor(2, 1).red(), 68);
    QCOMPARE(image.pixelColor(0, 1).red(), 200); // borders stay
    QCOMPARE(image.pixelColor(3, 1).red(), 60);
    QCOMPARE(image.pixelColor(1, 0).red(), 40);
}

void TestEffects::splitBlurReadsWrittenValuesAndStaysInside()
{
    QImage row = greyRow({0, 90, 180});
    Effect_SplitBlur(row, 1);
    QCOMPARE(greysOf(row), (QList<int> {45, 112, 112}));
    // A distance beyond the picture: the far partner is mirrored, or the last column at x = 0.
    QImage wide = greyRow({0, 90, 180});
    Effect_SplitBlur(wide, 10);
    QCOMPARE(greysOf(wide), (QList<int> {90, 135, 157}));
}

void TestEffects::mosaicTakesTheBlockCorner()
{
    const QImage source = numbered(5, 3);
    for (int s : {0, 1}) {
        QImage same = source;
        Effect_Mosaic(same, s);
        QCOMPARE(same, source);
    }
    QImage image = source;
    Effect_Mosaic(image, 2);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 5; ++x)
            QCOMPARE(image.pixelColor(x, y), source.pixelColor(x - x % 2, y - y % 2));
    }
}

void TestEffects::embossPairsWithThePixelBelowRight()
{
    const QImage source = numbered(5, 2);
    QImage image = source;
    Effect_Emboss(image);
    for (int x = 0; x < 5; ++x) {
        const QColor c = source.pixelColor(x, 0);
        const QColor partner = source.pixelColor(std::min(x + 3, 4), 1);
        const QColor expected = x <= 1
            ? QColor((c.red() + 255 - partner.red()) / 2, (c.green() + 255 - partner.green()) / 2,
                (c.blue() + 255 - partner.blue()) / 2)
            : c;
        QCOMPARE(image.pixelColor(x, 0), expected);
        QCOMPARE(image.pixelColor(x, 1), source.pixelColor(x, 1));
    }
}

void TestEffects::resamplerWeights()
{
    QCOMPARE(greysOf(resamplePicture(greyRow({0, 255}), 4, 1)), (QList<int> {0, 63, 127, 191}));
    QCOMPARE(greysOf(resamplePicture(greyRow({77}), 3, 1)), (QList<int> {77, 77, 77}));
    QVERIFY(resamplePicture(QImage(), 3, 3).isNull());
    QVERIFY(resamplePicture(greyRow({1, 2}), 0, 3).isNull());
}

void TestEffects::tile_data()
{
    QTest::addColumn<int>("p");
    QTest::addColumn<bool>("tiled");
    QTest::newRow("p 9, n 0") << 9 << false;
    QTest::newRow("p 90, tiles of 4 pixels") << 90 << false;
    QTest::newRow("p 80, tiles of 5 pixels") << 80 << true;
    QTest::newRow("p 20, two tiles") << 20 << true;
}

void TestEffects::tile()
{
    QFETCH(int, p);
    QFETCH(bool, tiled);
    const QImage source = numbered(40, 40);
    QImage image = source;
    applyListEffect(image, int(effectListEntries().indexOf(QStringLiteral("Tile"))), p);
    QCOMPARE(image != source, tiled);
    if (!tiled)
        return;
    const int n = p / 10;
    const int tw = 40 / n;
    const QImage tile = resamplePicture(source, tw, tw);
    for (int y : {0, tw - 1, 40 - tw, 39}) {
        for (int x : {0, tw - 1, 40 - tw, 39})
            QCOMPARE(image.pixelColor(x, y), tile.pixelColor(x % tw, y % tw));
    }
}

void TestEffects::fishEyeAndTwistKeepAFlatPicture()
{
    const QImage flat = solid(31, 17, QColor(12, 200, 77));
    for (int k : {1, 3, 11}) {
        QImage image = flat;
        Effect_FishEye(image, k);
        QCOMPARE(image, flat);
    }
    for (int t : {1, 37, 199, -5}) {
        QImage image = flat;
        Effect_Twist(image, t);
        QCOMPARE(image, flat);
    }
    const QImage source = numbered(9, 7);
    QImage twisted = source;
    Effect_Twist(twisted, 1);
    QCOMPARE(twisted.pixelColor(4, 3), source.pixelColor(4, 3)); // the centre samples itself
    QVERIFY(twisted != source);
}

void TestEffects::fishEyeOnItsRadiusKeepsThePixel()
{
    // 2 x 8 with k = 1: R = 2, and the pixels (1, 2) and (1, 6) lie exactly on it.
    const QImage source = numbered(2, 8);
    QImage image = source;
    Effect_FishEye(image, 1);
    QCOMPARE(image.pixelColor(1, 2), source.pixelColor(1, 2));
    QCOMPARE(image.pixelColor(1, 6), source.pixelColor(1, 6));
    QCOMPARE(image.pixelColor(1, 4), source.pixelColor(1, 4)); // the centre
}

void TestEffects::spotLightBlackensOutsideTheEllipse()
{
    QImage image = solid(30, 30, Qt::white);
    Effect_SpotLight(image, 102, QRect(5, 5, 20, 20));
    QCOMPARE(image.pixelColor(15, 15), QColor(153, 153, 153)); // darkened by 102
    for (const QPoint &p :
        {QPoint(0, 0), QPoint(29, 29), QPoint(6, 6), QPoint(25, 15), QPoint(15, 4)})
        QCOMPARE(image.pixelColor(p), QColor(Qt::black));
}

void TestEffects::traceMarksEdgesAndSettlesAfterTwoPasses()
{
    QImage source = solid(8, 6, Qt::white);
    for (int y = 0; y < 6; ++y) {
        for (int x = 0; x < 4; ++x)
            source.setPixelColor(x, y, QColor(0, 0, 255));
    }
    QImage none = source;
    Effect_Trace(none, 0);
    QCOMPARE(none, source);
    QImage once = source;
    Effect_Trace(once, 1);
    QVERIFY(once != source);
    QCOMPARE(once.pixelColor(0, 0), QColor(0, 0, 255)); // far from the edge
    QCOMPARE(once.pixelColor(7, 0), QColor(Qt::white));
    const bool edgeMarked
        = once.pixelColor(3, 2) == QColor(Qt::black) || once.pixelColor(4, 2) == QColor(Qt::black);
    QVERIFY(edgeMarked);
    QImage twice = source;
    Effect_Trace(twice, 2);
    QImage many = source;
    Effect_Trace(many, 7);
    QCOMPARE(many, twice);
    // A picture too small to trace stays as it is.
    for (const QSize &size : {QSize(2, 5), QSize(5, 1)}) {
        const QImage small = numbered(size.width(), size.height());
        QImage copy = small;
        Effect_Trace(copy, 5);
        QCOMPARE(copy, small);
    }
}

void TestEffects::listEntriesAtTheirEdges()
{
    const auto entry = [](const char *name) {
        return int(effectListEntries().indexOf(QString::fromLatin1(name)));
    };
    QCOMPARE(effectListEntries().size(), 21);
    QImage white = solid(4, 4, Qt::white);
    applyListEffect(white, entry("Posterize"), 3);
    QCOMPARE(white, solid(4, 4, Qt::white));
    const QImage source = numbered(12, 12);
    for (const auto &[name, p] : {std::pair {"Split Light", 19}, std::pair {"Mosaic", 1},
             std::pair {"Mosaic", 2}, std::pair {"Trace", 9}, std::pair {"Tile", 9}}) {
        QImage image = source;
        applyListEffect(image, entry(name), p);
        QVERIFY2(image == source, name);
    }
    QImage light = source;
    applyListEffect(light, entry("Split Light"), 20);
    QImage onePass = source;
    Effect_Splitlight(onePass, 1);
    QCOMPARE(light, onePass);
    QImage outside = source;
    applyListEffect(outside, 99, 50);
    QCOMPARE(outside, source);
}

void TestEffects::turns_data()
{
    QTest::addColumn<int>("turn");
    QTest::addColumn<QSize>("resultSize");
    QTest::addColumn<QPoint>("sourcePixel");
    QTest::addColumn<QPoint>("resultPixel");
    // A 3 x 2 source: W = 3, H = 2.
    QTest::newRow("left (0,0)") << 0 << QSize(2, 3) << QPoint(0, 0) << QPoint(0, 2);
    QTest::newRow("left (2,1)") << 0 << QSize(2, 3) << QPoint(2, 1) << QPoint(1, 0);
    QTest::newRow("right (0,0)") << 1 << QSize(2, 3) << QPoint(0, 0) << QPoint(1, 0);
    QTest::newRow("right (2,1)") << 1 << QSize(2, 3) << QPoint(2, 1) << QPoint(0, 2);
    QTest::newRow("left-right (0,1)") << 2 << QSize(3, 2) << QPoint(0, 1) << QPoint(2, 1);
    QTest::newRow("up-down (1,0)") << 3 << QSize(3, 2) << QPoint(1, 0) << QPoint(1, 1);
}

void TestEffects::turns()
{
    QFETCH(int, turn);
    QFETCH(QSize, resultSize);
    QFETCH(QPoint, sourcePixel);
    QFETCH(QPoint, resultPixel);
    const QImage source = numbered(3, 2);
    const std::function<QImage(const QImage &)> turns[]
        = {turnedLeft, turnedRight, mirroredLeftRight, mirroredUpDown};
    const QImage result = turns[turn](source);
    QCOMPARE(result.size(), resultSize);
    QCOMPARE(result.format(), QImage::Format_RGB888);
    QCOMPARE(result.pixelColor(resultPixel), source.pixelColor(sourcePixel));
}

void TestEffects::turnsUndoEachOther()
{
    const QImage source = numbered(7, 4);
    QCOMPARE(turnedRight(turnedLeft(source)), source);
    QCOMPARE(mirroredLeftRight(mirroredLeftRight(source)), source);
    QCOMPARE(mirroredUpDown(mirroredUpDown(source)), source);
    QCOMPARE(turnedRight(turnedRight(source)), mirroredUpDown(mirroredLeftRight(source)));
    QVERIFY(turnedLeft(QImage()).isNull());
}

void TestEffects::everyEffectStaysInsideAnyPicture_data()
{
    QTest::addColumn<QSize>("size");
    QTest::newRow("1 x 1") << QSize(1, 1);
    QTest::newRow("2 x 3") << QSize(2, 3);
    QTest::newRow("3 x 2") << QSize(3, 2);
    QTest::newRow("3000 x 2") << QSize(3000, 2);
    QTest::newRow("2 x 300") << QSize(2, 300);
    QTest::newRow("empty") << QSize(0, 0);
}

void TestEffects::everyEffectStaysInsideAnyPicture()
{
    QFETCH(QSize, size);
    const QImage source = size.isEmpty() ? QImage() : numbered(size.width(), size.height());
    for (int entry = 0; entry < effectListEntries().size(); ++entry) {
        for (int p : {1, 10, 20, 50, 100}) {
            QImage image = source;
            applyListEffect(image, entry, p);
            QCOMPARE(image.size(), source.size());
        }
    }
    // Arguments no slider gives.
    const std::function<void(QImage &)> extremes[] = {
        [](QImage &i) { Effect_SplitBlur(i, 100000); },
        [](QImage &i) { Effect_SplitBlur(i, -4); },
        [](QImage &i) { Effect_FishEye(i, 0); },
        [](QImage &i) { Effect_FishEye(i, -3); },
        [](QImage &i) { Effect_Twist(i, 0); },
        [](QImage &i) { Effect_Mosaic(i, 100000); },
        [](QImage &i) { Effect_Tile(i, -2); },
        [](QImage &i) { Effect_Posterize(i, -8); },
        [](QImage &i) { Effect_Lightness(i, 2000000000); },
        [](QImage &i) { Effect_AddColorNoise(i, 2000000000); },
        [](QImage &i) { Effect_SpotLight(i, 1, QRect(-50, -50, 10000, 3)); },
        [](QImage &i) { Effect_Trace(i, 2000000000); },
    };
    for (const auto &effect : extremes) {
        QImage image = source;
        effect(image);
        QCOMPARE(image.size(), source.size());
    }
}

QTEST_GUILESS_MAIN(TestEffects)
#include "tst_effects.moc"
