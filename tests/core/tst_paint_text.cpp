// Drawing of text boxes, field labels and serial numbers, their automatic size, field text,
// serial counting, recorded pictures and the substitution of the documents' font names.
#include "PaintProbe.h"

#include "objects/FontSubstitution.h"
#include "objects/ZR_GuideLabel.h"
#include "objects/ZR_SerialNumber.h"
#include "objects/ZR_TextEdit.h"
#include "document/StandardProperties.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QPicture>
#include <QTest>

using namespace quill;
using namespace quill::testing;

namespace {

const QString kFace = QStringLiteral("DejaVu Sans");
constexpr QPoint kOffset(30, 30);

QImage paintObject(const LabelObject &object, const PaintContext &context = {},
                   QSize size = QSize(260, 180), double scale = 1.0)
{
    QImage image = blankImage(size.width(), size.height());
    QPainter painter(&image);
    painter.scale(scale, scale);
    painter.translate(kOffset);
    object.paint(painter, context);
    return image;
}

// Where the ink of text lies when its line top is at `at`, turned by angle, with the given
// part of the text (0 left end, 0.5 middle, 1 right end) at the reference point.
QRect expectedInk(const QFont &font, const QString &text, QPointF at, int angle, double part)
{
    const QFontMetricsF metrics(font);
    const QRectF ink = metrics.tightBoundingRect(text).translated(
        -part * QFontMetrics(font).horizontalAdvance(text), QFontMetrics(font).ascent());
    QTransform t;
    t.translate(at.x() + kOffset.x(), at.y() + kOffset.y());
    t.rotate(-angle);
    return t.mapRect(ink).toAlignedRect();
}

void compareBoxes(const QRect &actual, const QRect &expected, int tolerance = 2)
{
    const bool close = qAbs(actual.left() - expected.left()) <= tolerance
        && qAbs(actual.right() - expected.right()) <= tolerance
        && qAbs(actual.top() - expected.top()) <= tolerance
        && qAbs(actual.bottom() - expected.bottom()) <= tolerance;
    if (!close)
        qWarning() << "ink" << actual << "expected" << expected;
    QVERIFY(close);
}

void setupTextBox(TZR_TextEdit &box, QRect bounds, const QStringList &lines, int pixels = 24)
{
    box.setBounds(bounds);
    box.setFontName(kFace);
    box.setValue(QStringLiteral("Font.Height"), -pixels);
    box.setValue(QStringLiteral("Font.Color"), qint64(clBlack));
    box.setWwfMemo(lines);
}

void setupGuideLabel(TZR_GuideLabel &label, QRect bounds, const QString &caption, int pixels = 20)
{
    label.setBounds(bounds);
    label.setFontName(kFace);
    label.setValue(QStringLiteral("Font.Height"), -pixels);
    label.setValue(QStringLiteral("Font.Color"), qint64(clBlack));
    label.setCaption(caption);
}

// Mean difference per channel of two images of the same size.
double meanDifference(const QImage &a, const QImage &b)
{
    qint64 sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QColor p = a.pixelColor(x, y);
            const QColor q = b.pixelColor(x, y);
            sum += qAbs(p.red() - q.red()) + qAbs(p.green() - q.green())
                + qAbs(p.blue() - q.blue());
        }
    return double(sum) / (3.0 * a.width() * a.height());
}

} // namespace

class PaintTextTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { installFontSubstitutions(); }

    void fontSubstitution_data();
    void fontSubstitution();
    void textBoxLineOrigin_data();
    void textBoxLineOrigin();
    void textBoxAlignment_data();
    void textBoxAlignment();
    void textBoxLinesAndField();
    void textBoxFillAndFrame();
    void textBoxAutoSize_data();
    void textBoxAutoSize();
    void guideLabelOrigin_data();
    void guideLabelOrigin();
    void guideLabelFrameAndIndexGuide();
    void guideLabelAutoSize();
    void fieldText_data();
    void fieldText();
    void serialNumberCounting_data();
    void serialNumberCounting();
    void zoomedDrawingIsEnlarged_data();
    void zoomedDrawingIsEnlarged();
    void renderToMetafile();
};

void PaintTextTest::fontSubstitution_data()
{
    QTest::addColumn<QString>("documentName");
    QTest::addColumn<QString>("familyPrefix");
    QTest::newRow("굴림") << QStringLiteral("굴림") << QStringLiteral("NanumGothic");
    QTest::newRow("Gulim") << QStringLiteral("Gulim") << QStringLiteral("NanumGothic");
    QTest::newRow("돋움") << QStringLiteral("돋움") << QStringLiteral("NanumGothic");
    QTest::newRow("바탕") << QStringLiteral("바탕") << QStringLiteral("NanumMyeongjo");
    QTest::newRow("궁서체") << QStringLiteral("궁서체") << QStringLiteral("NanumGothicCoding");
}

void PaintTextTest::fontSubstitution()
{
    QFETCH(QString, documentName);
    QFETCH(QString, familyPrefix);
    QVERIFY2(resolvedFamily(documentName).startsWith(familyPrefix),
             qPrintable(resolvedFamily(documentName)));
    // Every document name of the table has at least one installed candidate here.
    for (const FontSubstitution &s : fontSubstitutions())
        QVERIFY2(!s.families.isEmpty(), qPrintable(s.documentName));
}

void PaintTextTest::textBoxLineOrigin_data()
{
    QTest::addColumn<int>("angle");
    QTest::addColumn<QPointF>("origin"); // line top of a 200 x 120 box with BevelWidth 1
    QTest::newRow("0") << 0 << QPointF(3, 0);   // b div 2 + 2, plus 1 at 100 %
    QTest::newRow("90") << 90 << QPointF(-1, 119);
    QTest::newRow("180") << 180 << QPointF(200, 120);
    QTest::newRow("270") << 270 << QPointF(202, 0);
}

void PaintTextTest::textBoxLineOrigin()
{
    QFETCH(int, angle);
    QFETCH(QPointF, origin);
    TZR_TextEdit box;
    setupTextBox(box, QRect(0, 0, 200, 120), {QStringLiteral("HHHH")});
    box.setAngle(angle);
    const QImage image = paintObject(box);
    compareBoxes(darkBox(image),
                 expectedInk(fontFromValues(kFace, -24, 0), QStringLiteral("HHHH"), origin, angle, 0));
}

void PaintTextTest::textBoxAlignment_data()
{
    QTest::addColumn<int>("alignment");
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("part");
    QTest::newRow("left") << int(taLeftJustify) << 3.0 << 0.0;
    QTest::newRow("right") << int(taRightJustify) << 202.0 << 1.0;  // W - b + 3
    QTest::newRow("centre") << int(taCenter) << 102.0 << 0.5;       // (W - b) div 2 + 3
}

void PaintTextTest::textBoxAlignment()
{
    QFETCH(int, alignment);
    QFETCH(double, x);
    QFETCH(double, part);
    TZR_TextEdit box;
    setupTextBox(box, QRect(0, 0, 200, 120), {QStringLiteral("HH")});
    box.setAlignMent(alignment);
    compareBoxes(darkBox(paintObject(box)),
                 expectedInk(fontFromValues(kFace, -24, 0), QStringLiteral("HH"), QPointF(x, 0),
                             0, part));
}

void PaintTextTest::textBoxLinesAndField()
{
    TZR_TextEdit box;
    setupTextBox(box, QRect(0, 0, 200, 120), {QStringLiteral("H"), QStringLiteral("H")});
    const QFont font = fontFromValues(kFace, -24, 0);
    const int lineHeight = QFontMetrics(font).height();
    // Two lines: the second one font height lower; RowGap adds 2 pixels per line index.
    const QRect two = darkBox(paintObject(box));
    compareBoxes(two, expectedInk(font, QStringLiteral("H"), QPointF(3, 0), 0, 0)
                          .united(expectedInk(font, QStringLiteral("H"), QPointF(3, lineHeight), 0, 0)));
    box.setRowGap(true);
    QCOMPARE(darkBox(paintObject(box)).bottom(), two.bottom() + 2);

    // FieldFlag draws FieldValue once in place of the lines; with no lines nothing.
    box.setRowGap(false);
    box.setFieldValue(QStringLiteral("HHH"));
    box.setFieldFlag(true);
    compareBoxes(darkBox(paintObject(box)),
                 expectedInk(font, QStringLiteral("HHH"), QPointF(3, 0), 0, 0));
    box.setWwfMemo({});
    QVERIFY(darkBox(paintObject(box)).isNull());
    // WordWrapTF picks the wrapped lines.
    box.setFieldFlag(false);
    box.setWwtMemo({QStringLiteral("HHHHH")});
    QVERIFY(darkBox(paintObject(box)).isNull());
    box.setWordWrapTF(true);
    compareBoxes(darkBox(paintObject(box)),
                 expectedInk(font, QStringLiteral("HHHHH"), QPointF(3, 0), 0, 0));
}

void PaintTextTest::textBoxFillAndFrame()
{
    TZR_TextEdit box;
    setupTextBox(box, QRect(0, 0, 200, 120), {});
    box.setBrushColor(0x0000FF); // red
    box.setPenColor(0xFF0000);   // blue
    const QColor red(255, 0, 0);
    const QColor blue(0, 0, 255);
    // Transparent: neither fill nor frame, whatever the pen and brush hold.
    QImage image = paintObject(box);
    QCOMPARE(countNear(image, red), 0);
    QCOMPARE(countNear(image, blue), 0);

    box.setTransparent(false);
    image = paintObject(box);
    const auto at = [&](int x, int y) { return QPoint(x + kOffset.x(), y + kOffset.y()); };
    QVERIFY(near(image, at(100, 60).x(), at(100, 60).y(), red));
    QVERIFY(near(image, at(1, 1).x(), at(1, 1).y(), red));
    for (QPoint p : {QPoint(0, 60), QPoint(199, 60), QPoint(100, 0), QPoint(100, 119)})
        QVERIFY2(near(image, at(p.x(), p.y()).x(), at(p.x(), p.y()).y(), blue),
                 qPrintable(QStringLiteral("%1,%2").arg(p.x()).arg(p.y())));
    // Nothing outside the box.
    QVERIFY(near(image, at(-1, 60).x(), at(-1, 60).y(), Qt::white));
    QVERIFY(near(image, at(200, 60).x(), at(200, 60).y(), Qt::white));

    // A clear pen draws no frame but keeps the fill.
    box.setPenStyle(psClear);
    image = paintObject(box);
    QCOMPARE(countNear(image, blue), 0);
    QVERIFY(near(image, at(100, 60).x(), at(100, 60).y(), red));
}

void PaintTextTest::textBoxAutoSize_data()
{
    QTest::addColumn<int>("angle");
    QTest::addColumn<bool>("transparent");
    QTest::newRow("0 transparent") << 0 << true;
    QTest::newRow("0 framed") << 0 << false;
    QTest::newRow("90 transparent") << 90 << true;
    QTest::newRow("270 framed") << 270 << false;
}

void PaintTextTest::textBoxAutoSize()
{
    QFETCH(int, angle);
    QFETCH(bool, transparent);
    TZR_TextEdit box;
    // The second line is wider than the first but not wider than the first plus a "Q": the
    // extent stays the first line's width plus a "Q".
    const QString first = QStringLiteral("WWWW");
    setupTextBox(box, QRect(7, 9, 10, 10), {first, first + u'i'}, 20);
    box.setAngle(angle);
    box.setTransparent(transparent);
    box.setBevelWidth(2);
    box.setAutoSize(true);

    const QFontMetrics metrics(fontFromValues(kFace, -20, 0));
    const int e = transparent ? 0 : 2;
    const int fontSize = 15; // 20 pixels at 96 per inch
    const int along = fontSize / 3 + metrics.horizontalAdvance(first)
        + metrics.horizontalAdvance(QStringLiteral("Q")) + 2 * e;
    const int across = fontSize / 3 + metrics.height() * 2 + 2 * e;
    const QSize expected = (angle == 90 || angle == 270) ? QSize(across, along) : QSize(along, across);
    QCOMPARE(box.bounds(), QRect(QPoint(7, 9), expected));

    // The size follows the text; an empty list leaves it, and so does AutoSize off.
    box.setWwfMemo({first + first});
    QVERIFY(box.bounds().width() + box.bounds().height() > expected.width() + expected.height());
    const QRect before = box.bounds();
    box.setWwfMemo({});
    QCOMPARE(box.bounds(), before);
    box.setAutoSize(false);
    box.setWwfMemo({QStringLiteral("x")});
    QCOMPARE(box.bounds(), before);
}

void PaintTextTest::guideLabelOrigin_data()
{
    QTest::addColumn<int>("escapement");
    QTest::addColumn<QPointF>("origin"); // 120 x 60 label, pen width 1
    QTest::newRow("0") << 0 << QPointF(1, 1);
    QTest::newRow("90") << 90 << QPointF(1, 59);
    QTest::newRow("180") << 180 << QPointF(119, 59);
    QTest::newRow("270") << 270 << QPointF(119, 1);
    QTest::newRow("-90 is 270") << -90 << QPointF(119, 1);
}

void PaintTextTest::guideLabelOrigin()
{
    QFETCH(int, escapement);
    QFETCH(QPointF, origin);
    TZR_GuideLabel label;
    setupGuideLabel(label, QRect(0, 0, 120, 60), QStringLiteral("HHH"));
    label.setEscapement(escapement);
    compareBoxes(darkBox(paintObject(label)),
                 expectedInk(fontFromValues(kFace, -20, 0), QStringLiteral("HHH"), origin,
                             label.escapement(), 0));
}

void PaintTextTest::guideLabelFrameAndIndexGuide()
{
    TZR_GuideLabel label;
    setupGuideLabel(label, QRect(0, 0, 120, 40), QString());
    label.setColor(0x00FFFF); // yellow
    QCOMPARE(countNear(paintObject(label), QColor(255, 255, 0)), 0); // no GuideLine: no fill
    label.setGuideLine(true);
    const QImage image = paintObject(label);
    const auto px = [&](int x, int y) { return QPoint(x + kOffset.x(), y + kOffset.y()); };
    QVERIFY(near(image, px(0, 0).x(), px(0, 0).y(), QColor(255, 255, 0)));
    QVERIFY(near(image, px(60, 20).x(), px(60, 20).y(), QColor(255, 255, 0)));
    for (QPoint p : {QPoint(1, 1), QPoint(119, 20), QPoint(60, 39), QPoint(1, 20)})
        QVERIFY(near(image, px(p.x(), p.y()).x(), px(p.x(), p.y()).y(), Qt::black));

    // IndexGuide centres the line vertically at 0 degrees whatever the alignment: a label
    // 40 pixels taller puts the ink 20 pixels lower.
    label.setGuideLine(false);
    label.setCaption(QStringLiteral("HH"));
    label.setIndexGuide(true);
    int firstTop = -1;
    for (int alignment : {int(taLeftJustify), int(taRightJustify), int(taCenter)}) {
        label.setAlignment(alignment);
        label.setBounds(QRect(0, 0, 120, 40));
        const int top40 = darkBox(paintObject(label)).top();
        label.setBounds(QRect(0, 0, 120, 80));
        QCOMPARE(darkBox(paintObject(label)).top(), top40 + 20);
        if (firstTop < 0)
            firstTop = top40;
        QCOMPARE(top40, firstTop);
    }
}

void PaintTextTest::guideLabelAutoSize()
{
    TZR_GuideLabel label;
    setupGuideLabel(label, QRect(4, 5, 10, 10), QString());
    label.setGuideLine(true);
    label.setPenWidth(2);
    label.setAutoSize(true);
    const QFontMetrics metrics(fontFromValues(kFace, -20, 0));
    // An empty caption: width 2a + 3.
    QCOMPARE(label.bounds(), QRect(4, 5, 7, metrics.height() + 4 + 3));
    label.setCaption(QStringLiteral("abc"));
    const int w = metrics.horizontalAdvance(QStringLiteral("abc"))
        + metrics.horizontalAdvance(QStringLiteral("Q")) + 4 + 3;
    QCOMPARE(label.bounds().size(), QSize(w, metrics.height() + 7));
    label.setEscapement(90); // turning alone keeps the size (the editor swaps it)
    label.setValue(QStringLiteral("Font.Height"), -20); // unchanged: no new size
    label.setCaption(QStringLiteral("abcd"));
    QCOMPARE(label.bounds().size().width(), metrics.height() + 7);

    // A serial number grows with its number.
    TZR_SerialNumber serial;
    serial.setAutoSize(true);
    serial.setStartNum(9);
    const int narrow = serial.bounds().width();
    serial.setStartNum(10);
    QVERIFY(serial.bounds().width() > narrow);
}

void PaintTextTest::fieldText_data()
{
    QTest::addColumn<QString>("fieldName");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("honorific");
    QTest::addColumn<bool>("printing");
    QTest::addColumn<QString>("expected");
    const QString dbnull = QStringLiteral("(없음)");
    QTest::newRow("value and honorific") << "name" << "홍길동" << "님" << false << "홍길동님";
    QTest::newRow("field name any case") << "NAME" << "홍길동" << "" << false << "홍길동";
    QTest::newRow("empty shows dbnull") << "name" << "" << "" << false << dbnull;
    QTest::newRow("honorific alone") << "name" << "" << "님" << false << "님";
    QTest::newRow("printing blanks dbnull") << "name" << dbnull << "" << true << "";
    QTest::newRow("printing keeps value") << "name" << "홍길동" << "님" << true << "홍길동님";
    QTest::newRow("unbound shows caption") << "" << "홍길동" << "님" << false << "caption";
    QTest::newRow("unknown field") << "phone" << "홍길동" << "" << false << dbnull;
}

void PaintTextTest::fieldText()
{
    QFETCH(QString, fieldName);
    QFETCH(QString, value);
    QFETCH(QString, honorific);
    QFETCH(bool, printing);
    QFETCH(QString, expected);
    const QHash<QString, QString> record{{QStringLiteral("Name"), value}};
    PaintContext context;
    context.labelRecord = &record;
    context.emptyFieldText = QStringLiteral("(없음)");
    context.target = printing ? PaintContext::Target::Printer : PaintContext::Target::Screen;
    TZR_GuideLabel label;
    setupGuideLabel(label, QRect(0, 0, 150, 30), QStringLiteral("caption"));
    label.setFieldName(fieldName);
    label.setAddHono(honorific);
    QCOMPARE(label.shownText(context), expected);
    // Without a record the caption is drawn; a serial number always draws its number.
    QCOMPARE(label.shownText(PaintContext{}), QStringLiteral("caption"));
    TZR_SerialNumber serial;
    serial.setFieldName(fieldName);
    QCOMPARE(serial.shownText(context), QStringLiteral("1"));
    // What is shown is what is drawn: a blanked label draws no ink.
    QCOMPARE(darkBox(paintObject(label, context)).isNull(), expected.isEmpty());
}

void PaintTextTest::serialNumberCounting_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("end");
    QTest::addColumn<int>("step");
    QTest::addColumn<bool>("rising");
    QTest::addColumn<QList<int>>("printed");
    QTest::addColumn<int>("after");
    QTest::addColumn<bool>("reachable");
    QTest::newRow("1 to 3") << 1 << 3 << 1 << true << QList<int>{1, 2, 3} << 1 << true;
    QTest::newRow("10 to 1 by -3") << 10 << 1 << -3 << false << QList<int>{10, 7, 4, 1} << 10
                                   << true;
    QTest::newRow("5 to 5") << 5 << 5 << 1 << true << QList<int>{5} << 5 << true;
    // The step overshoots: the run ends, StartNum stays (printing resets it).
    QTest::newRow("1 to 10 by 4") << 1 << 10 << 4 << true << QList<int>{1, 5, 9} << 9 << true;
    // Steps that can never reach the end are detected; counting still ends at once.
    QTest::newRow("away from end") << 1 << 3 << -1 << true << QList<int>{1} << 1 << false;
    QTest::newRow("step 0") << 1 << 3 << 0 << true << QList<int>{1} << 1 << false;
    QTest::newRow("falling range counted up") << 10 << 1 << -3 << true << QList<int>{10} << 10
                                              << false;
    QTest::newRow("rising range counted down") << 3 << 1 << 1 << false << QList<int>{3} << 3
                                               << false;
}

void PaintTextTest::serialNumberCounting()
{
    QFETCH(int, start);
    QFETCH(int, end);
    QFETCH(int, step);
    QFETCH(bool, rising);
    QFETCH(QList<int>, printed);
    QFETCH(int, after);
    QFETCH(bool, reachable);
    TZR_SerialNumber serial;
    serial.setStartNum(start);
    serial.setImsiSerialNum(start);
    serial.setEndNum(end);
    serial.setIncNum(step);
    serial.setRising(rising);
    QCOMPARE(serial.canReachEnd(), reachable);
    QList<int> labels;
    do {
        labels.append(serial.startNum());
    } while (serial.advance() && labels.size() < 50);
    QCOMPARE(labels, printed);
    QCOMPARE(serial.startNum(), after);

    serial.setPrefix(QStringLiteral("A-"));
    serial.setPostfix(QStringLiteral("호"));
    serial.setStartNum(7);
    QCOMPARE(serial.displayText(), QStringLiteral("A-7호"));
    QCOMPARE(serial.shownText(PaintContext{}), QStringLiteral("A-7호"));
}

void PaintTextTest::zoomedDrawingIsEnlarged_data()
{
    QTest::addColumn<bool>("textBox");
    QTest::addColumn<int>("angle");
    QTest::newRow("text box 0") << true << 0;
    QTest::newRow("text box 90") << true << 90;
    QTest::newRow("field label 0") << false << 0;
    QTest::newRow("field label 270") << false << 270;
}

void PaintTextTest::zoomedDrawingIsEnlarged()
{
    QFETCH(bool, textBox);
    QFETCH(int, angle);
    std::unique_ptr<LabelObject> object;
    if (textBox) {
        auto box = std::make_unique<TZR_TextEdit>();
        setupTextBox(*box, QRect(0, 0, 160, 100), {QStringLiteral("한글 Abc")}, 16);
        box->setAngle(angle);
        box->setTransparent(false);
        box->setFontName(QStringLiteral("굴림"));
        object = std::move(box);
    } else {
        auto label = std::make_unique<TZR_GuideLabel>();
        setupGuideLabel(*label, QRect(0, 0, 160, 100), QStringLiteral("한글 Abc"), 16);
        label->setEscapement(angle);
        label->setGuideLine(true);
        label->setFontName(QStringLiteral("굴림"));
        object = std::move(label);
    }
    PaintContext at100;
    PaintContext at200;
    at200.zoom = 200;
    const QImage small = paintObject(*object, at100, QSize(220, 160));
    const QImage large = paintObject(*object, at200, QSize(440, 320), 2.0);
    const QImage reduced = large.scaled(small.size(), Qt::IgnoreAspectRatio,
                                        Qt::SmoothTransformation);
    compareBoxes(darkBox(reduced), darkBox(small), 2);
    // Edges of 1-pixel lines and glyphs differ after reduction; a font or position that does
    // not follow the zoom differs far more.
    QVERIFY2(meanDifference(reduced, small) < 8.0,
             qPrintable(QString::number(meanDifference(reduced, small))));
}

void PaintTextTest::renderToMetafile()
{
    TZR_GuideLabel label;
    setupGuideLabel(label, QRect(5, 6, 150, 30), QStringLiteral("HH"));
    label.setGuideLine(true);
    const QPicture &picture = label.renderToMetafile();
    QCOMPARE(picture.boundingRect(), QRect(0, 0, 150, 30));
    const auto replay = [&](const QPicture &p) {
        QImage image = blankImage(260, 180);
        QPainter painter(&image);
        painter.translate(kOffset);
        painter.drawPicture(0, 0, p);
        painter.end();
        return image;
    };
    const QImage direct = paintObject(label);
    QVERIFY(meanDifference(replay(picture), direct) < 0.5);
    label.setGuideLine(false); // the frame would hide the width of the ink
    const int narrow = darkBox(replay(label.renderToMetafile())).width();

    // A changed value records again; so does another record in the context.
    label.setCaption(QStringLiteral("HHHHHH"));
    QVERIFY(darkBox(replay(label.renderToMetafile())).width() > narrow);
    label.setFieldName(QStringLiteral("name"));
    QHash<QString, QString> record{{QStringLiteral("name"), QStringLiteral("H")}};
    PaintContext context;
    context.labelRecord = &record;
    const int one = darkBox(replay(label.renderToMetafile(context))).width();
    record[QStringLiteral("name")] = QStringLiteral("HHHHHHHH");
    QVERIFY(darkBox(replay(label.renderToMetafile(context))).width() > one);
}

QTEST_MAIN(PaintTextTest)
#include "tst_paint_text.moc"
