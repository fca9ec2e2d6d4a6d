// Placing new objects: the rectangle of a drag or a click, the places of the objects the
// Insert commands make at once, and the settings every tool gives its new object.
#include "document/StandardProperties.h"
#include "document/ZoomMapping.h"
#include "editing/ObjectPlacement.h"
#include "objects/CountryCharset.h"
#include "objects/ObjectClasses.h"
#include "objects/ZR_DBImage.h"
#include "objects/ZR_Gradient.h"
#include "objects/ZR_SerialNumber.h"
#include "objects/ZR_ShapeTable.h"
#include "objects/ZR_TextEdit.h"
#include "objects/ZR_VantorShape.h"
#include "objects/ZR_ZipBarcode.h"

#include <QtTest>

using namespace quill;
namespace place = quill::ObjectPlacement;

Q_DECLARE_METATYPE(quill::ObjectTypeCode)

namespace {

// A stand-in for the random numbers: the lowest, the highest, or lo + 3 then lo + 7 (to tell
// which number went where). It records the ranges asked for.
struct FixedRandom {
    QString mode;
    QList<QPoint> *ranges;
    int calls = 0;

    int operator()(int lo, int hi)
    {
        ranges->append(QPoint(lo, hi));
        ++calls;
        if (mode == u"low")
            return lo;
        if (mode == u"high")
            return hi;
        return lo + (calls == 1 ? 3 : 7);
    }
};

template<typename T>
std::unique_ptr<T> created(
    ObjectTypeCode code, const QRect &bounds, const PlacementContext &context = {})
{
    std::unique_ptr<LabelObject> object = place::createObject(code, bounds, context);
    auto *typed = dynamic_cast<T *>(object.get());
    if (!typed)
        return nullptr;
    object.release();
    return std::unique_ptr<T>(typed);
}

} // namespace

class TestEditingPlacement : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { registerObjectClasses(); }

    void rectFromCorners_data();
    void rectFromCorners();
    void dragPlacement_data();
    void dragPlacement();
    void immediateRect_data();
    void immediateRect();
    void defaultRandomStaysInRange();

    void everyCodeMakesItsClass_data();
    void everyCodeMakesItsClass();
    void shapeSettings_data();
    void shapeSettings();
    void textBoxSettings();
    void tableSettings();
    void serialNumberSettings();
    void postalCodeSettings();
    void gradientSettings();
    void imageSettings();
};

void TestEditingPlacement::rectFromCorners_data()
{
    QTest::addColumn<QPoint>("a");
    QTest::addColumn<QPoint>("b");
    QTest::addColumn<QRect>("rect");

    const QRect r(100, 50, 100, 100);
    QTest::newRow("bottom-right to top-left") << QPoint(200, 150) << QPoint(100, 50) << r;
    QTest::newRow("top-left to bottom-right") << QPoint(100, 50) << QPoint(200, 150) << r;
    QTest::newRow("top-right to bottom-left") << QPoint(200, 50) << QPoint(100, 150) << r;
    QTest::newRow("bottom-left to top-right") << QPoint(100, 150) << QPoint(200, 50) << r;
    QTest::newRow("same point") << QPoint(5, 5) << QPoint(5, 5) << QRect(5, 5, 0, 0);
    QTest::newRow("negative") << QPoint(-10, 3) << QPoint(10, -3) << QRect(-10, -3, 20, 6);
}

void TestEditingPlacement::rectFromCorners()
{
    QFETCH(QPoint, a);
    QFETCH(QPoint, b);
    QFETCH(QRect, rect);
    QCOMPARE(place::rectFromCorners(a, b), rect);
}

void TestEditingPlacement::dragPlacement_data()
{
    QTest::addColumn<ObjectTypeCode>("code");
    QTest::addColumn<int>("shapeKind");
    QTest::addColumn<QPoint>("press");
    QTest::addColumn<QPoint>("release");
    QTest::addColumn<QRect>("bounds");

    const auto shape = ObjectTypeCode::VantorShape;
    QTest::newRow("rectangle dragged backwards")
        << shape << 6 << QPoint(200, 150) << QPoint(100, 50) << QRect(100, 50, 100, 100);
    QTest::newRow("rectangle click")
        << shape << 6 << QPoint(30, 40) << QPoint(30, 40) << QRect(30, 40, 65, 65);
    QTest::newRow("click with a shaky hand")
        << shape << 7 << QPoint(30, 40) << QPoint(32, 38) << QRect(30, 40, 65, 65);
    QTest::newRow("smallest drag")
        << shape << 6 << QPoint(30, 40) << QPoint(33, 40) << QRect(30, 40, 5, 5);
    QTest::newRow("straight line drawn across")
        << shape << 1 << QPoint(110, 50) << QPoint(10, 50) << QRect(10, 50, 100, 5);
    QTest::newRow("straight line click")
        << shape << 1 << QPoint(10, 50) << QPoint(10, 50) << QRect(10, 50, 100, 5);
    QTest::newRow("vertical line click")
        << shape << 2 << QPoint(10, 50) << QPoint(10, 50) << QRect(10, 50, 5, 100);
    QTest::newRow("diagonal line click")
        << shape << 0 << QPoint(10, 50) << QPoint(10, 50) << QRect(10, 50, 65, 65);
    QTest::newRow("table click") << ObjectTypeCode::ShapeTable << 6 << QPoint(0, 0) << QPoint(1, 1)
                                 << QRect(0, 0, 200, 100);
    QTest::newRow("table drag") << ObjectTypeCode::ShapeTable << 6 << QPoint(0, 0)
                                << QPoint(300, 90) << QRect(0, 0, 300, 90);
    QTest::newRow("gradient click")
        << ObjectTypeCode::Gradient << 6 << QPoint(7, 8) << QPoint(7, 8) << QRect(7, 8, 150, 60);
    QTest::newRow("word art click")
        << ObjectTypeCode::WordArt << 6 << QPoint(7, 8) << QPoint(7, 8) << QRect(7, 8, 150, 60);
    QTest::newRow("2D barcode click")
        << ObjectTypeCode::Barcode2D << 6 << QPoint(7, 8) << QPoint(7, 8) << QRect(7, 8, 100, 100);
}

void TestEditingPlacement::dragPlacement()
{
    QFETCH(ObjectTypeCode, code);
    QFETCH(int, shapeKind);
    QFETCH(QPoint, press);
    QFETCH(QPoint, release);
    QFETCH(QRect, bounds);
    QCOMPARE(place::dragPlacement(code, press, release, shapeKind), bounds);
}

void TestEditingPlacement::immediateRect_data()
{
    QTest::addColumn<ObjectTypeCode>("code");
    QTest::addColumn<QSize>("cellSize");
    QTest::addColumn<QString>("random");
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<QList<QPoint>>("ranges");

    const QSize cell(300, 200);
    const QList<QPoint> text {QPoint(0, 19), QPoint(0, 19)};
    // 10 mm is 38 pixels at 96 per inch.
    QTest::newRow("text box, low")
        << ObjectTypeCode::TextEdit << cell << "low" << QRect(38, 38, 120, 60) << text;
    QTest::newRow("text box, high")
        << ObjectTypeCode::TextEdit << cell << "high" << QRect(57, 57, 120, 60) << text;
    QTest::newRow("text box, x first")
        << ObjectTypeCode::TextEdit << cell << "sequence" << QRect(41, 45, 120, 60) << text;
    const QList<QPoint> picture {QPoint(0, 49), QPoint(0, 99)};
    QTest::newRow("picture, low") << ObjectTypeCode::DBImage << cell << "low"
                                  << QRect(50, 50, 150, 100) << picture;
    QTest::newRow("picture, high")
        << ObjectTypeCode::DBImage << cell << "high" << QRect(99, 149, 150, 100) << picture;
    // Halves of odd sizes round to the even neighbour: 150.5 to 150, 101.5 to 102.
    QTest::newRow("picture, odd cell") << ObjectTypeCode::DBImage << QSize(301, 203) << "sequence"
                                       << QRect(53, 57, 150, 102) << picture;
    const QList<QPoint> barcode {QPoint(30, 69), QPoint(30, 69)};
    QTest::newRow("barcode, low") << ObjectTypeCode::Barcode << cell << "low"
                                  << QRect(30, 30, 120, 100) << barcode;
    QTest::newRow("barcode, high")
        << ObjectTypeCode::Barcode << cell << "high" << QRect(69, 69, 120, 100) << barcode;
    QTest::newRow("serial number, x first")
        << ObjectTypeCode::SerialNumber << cell << "sequence" << QRect(33, 37, 120, 30) << barcode;
    QTest::newRow("postal code") << ObjectTypeCode::ZipBarcode << cell << "high"
                                 << QRect(10, 50, 300, 20) << QList<QPoint> {};
    QTest::newRow("gradient is dragged")
        << ObjectTypeCode::Gradient << cell << "low" << QRect() << QList<QPoint> {};
}

void TestEditingPlacement::immediateRect()
{
    QFETCH(ObjectTypeCode, code);
    QFETCH(QSize, cellSize);
    QFETCH(QString, random);
    QFETCH(QRect, rect);
    QFETCH(QList<QPoint>, ranges);

    QList<QPoint> asked;
    const QRect placed = place::immediateRect(code, cellSize, FixedRandom {random, &asked});
    QCOMPARE(placed, rect);
    QCOMPARE(asked, ranges);
}

void TestEditingPlacement::defaultRandomStaysInRange()
{
    const place::RandomInt random = place::defaultRandom();
    QSet<int> seen;
    for (int i = 0; i < 2000; ++i) {
        const int value = random(30, 33);
        QVERIFY(value >= 30 && value <= 33);
        seen.insert(value);
    }
    // Both ends are reachable.
    QCOMPARE(seen.size(), 4);
    QCOMPARE(random(5, 5), 5);
}

void TestEditingPlacement::everyCodeMakesItsClass_data()
{
    QTest::addColumn<ObjectTypeCode>("code");
    for (ObjectTypeCode code : ObjectTypeWriteOrder)
        QTest::addRow("%s", qPrintable(objectClassName(code))) << code;
}

void TestEditingPlacement::everyCodeMakesItsClass()
{
    QFETCH(ObjectTypeCode, code);
    const QRect bounds(12, 34, 150, 60);
    const std::unique_ptr<LabelObject> object = place::createObject(code, bounds, {});
    QVERIFY(object);
    QCOMPARE(object->typeCode(), code);
    QCOMPARE(object->className(), objectClassName(code));
    // A serial number fits itself to its text but keeps its corner.
    if (code == ObjectTypeCode::SerialNumber)
        QCOMPARE(object->bounds().topLeft(), bounds.topLeft());
    else
        QCOMPARE(object->bounds(), bounds);
    QVERIFY(!place::createObject(ObjectTypeCode(99), bounds, {}));
}

void TestEditingPlacement::shapeSettings_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<TColor>("fill");
    QTest::addColumn<TColor>("line");
    QTest::addColumn<int>("shape");
    QTest::addColumn<int>("angle");
    QTest::addColumn<int>("startType");
    QTest::addColumn<int>("brushStyle");

    QTest::newRow("rectangle, white fill is clear")
        << int(mstRectangle) << clWhite << clBlack << int(mstRectangle) << 0 << int(spTop)
        << int(bsClear);
    QTest::newRow("ellipse, red fill is solid")
        << int(mstEllipse) << clRed << clBlue << int(mstEllipse) << 0 << int(spTop) << int(bsSolid);
    QTest::newRow("vertical line is a straight line on its side")
        << 2 << clWhite << clRed << int(mstDLine) << 90 << int(spLeft) << int(bsClear);
    QTest::newRow("straight line")
        << int(mstDLine) << clWhite << clBlack << int(mstDLine) << 0 << int(spTop) << int(bsClear);
    QTest::newRow("circle, black fill") << int(mstCircle) << clBlack << clBlack << int(mstCircle)
                                        << 0 << int(spTop) << int(bsSolid);
    QTest::newRow("heart, grey fill")
        << int(mstLove) << clGray << clWhite << int(mstLove) << 0 << int(spTop) << int(bsSolid);
}

void TestEditingPlacement::shapeSettings()
{
    QFETCH(int, kind);
    QFETCH(TColor, fill);
    QFETCH(TColor, line);
    QFETCH(int, shape);
    QFETCH(int, angle);
    QFETCH(int, startType);
    QFETCH(int, brushStyle);

    PlacementContext context;
    context.shapeKind = kind;
    context.fillColour = fill;
    context.lineColour = line;
    const QRect bounds(40, 30, 120, 80);
    const auto object = created<TZR_VantorShape>(ObjectTypeCode::VantorShape, bounds, context);
    QVERIFY(object);
    QCOMPARE(object->bounds(), bounds);
    QCOMPARE(object->shape(), shape);
    QCOMPARE(object->angle(), angle);
    QCOMPARE(object->startType(), startType);
    QCOMPARE(object->brushColor(), fill);
    QCOMPARE(object->brushStyle(), brushStyle);
    QCOMPARE(object->penColor(), line);
    QVERIFY(!object->linePosTop());
}

void TestEditingPlacement::textBoxSettings()
{
    // The tool sets the default character set whatever the country setting gives.
    const int charsetBefore = defaultObjectCharset();
    setDefaultObjectCharset(HangeulCharset);
    PlacementContext context;
    context.zoom = 150;
    context.fontSize = 12;
    context.fontName = QStringLiteral("돋움");
    const QRect bounds(50, 60, 120, 60);
    const auto box = created<TZR_TextEdit>(ObjectTypeCode::TextEdit, bounds, context);
    setDefaultObjectCharset(charsetBefore);
    QVERIFY(box);

    QCOMPARE(box->bounds(), bounds);
    QCOMPARE(box->color(), clWhite);
    QVERIFY(box->transparent());
    QCOMPARE(box->fontName(), QStringLiteral("돋움"));
    // Sizes are kept at 100 %: the painter scales them to the zoom shown, so a box made at
    // 150 % prints at 12 points like one made at 100 %.
    QCOMPARE(box->fontSize(), 12);
    QCOMPARE(box->imsiFontSize(), 12.0);
    QCOMPARE(box->imsiZoom(), 150);
    QCOMPARE(box->fontCharset(), DefaultCharset);
    QCOMPARE(box->linesInUse(), QStringList {QStringLiteral("여기에 입력")});
    QCOMPARE(box->wwtMemo(), QStringList {QStringLiteral("여기에 입력")});
    QCOMPARE(box->wwfMemo(), QStringList {QStringLiteral("여기에 입력")});
    QVERIFY(!box->autoSize());

    // The defaults of the context: Gulim, the tool bar's 10 points, 100 %.
    const auto plain = created<TZR_TextEdit>(ObjectTypeCode::TextEdit, bounds);
    QCOMPARE(plain->fontName(), QStringLiteral("굴림"));
    QCOMPARE(plain->fontSize(), 10);
    QCOMPARE(plain->imsiZoom(), 100);
    // On screen at 150 % the box placed by its command is 180 x 90.
    QList<QPoint> asked;
    const QRect placed = place::immediateRect(
        ObjectTypeCode::TextEdit, QSize(400, 300), FixedRandom {QStringLiteral("low"), &asked});
    QCOMPARE(ZoomMapping::toScreen(placed, 150).size(), QSize(180, 90));
}

void TestEditingPlacement::tableSettings()
{
    const auto table = created<TZR_ShapeTable>(ObjectTypeCode::ShapeTable, QRect(0, 0, 200, 100));
    QVERIFY(table);
    QCOMPARE(table->brushColor(), clWhite);
    QCOMPARE(table->brushStyle(), int(bsSolid));
    QCOMPARE(table->penColor(), clBlack);
}

void TestEditingPlacement::serialNumberSettings()
{
    const auto serial
        = created<TZR_SerialNumber>(ObjectTypeCode::SerialNumber, QRect(30, 40, 120, 30));
    QVERIFY(serial);
    QVERIFY(serial->transparent());
    QVERIFY(serial->autoSize());
    QCOMPARE(serial->bounds().topLeft(), QPoint(30, 40));
}

void TestEditingPlacement::postalCodeSettings()
{
    const QRect bounds(10, 50, 300, 20);
    const auto zip = created<TZR_ZipBarcode>(ObjectTypeCode::ZipBarcode, bounds);
    QVERIFY(zip);
    QCOMPARE(zip->bounds(), bounds);
    QVERIFY(zip->autoSize());
    QCOMPARE(zip->bStartPoint(), quint16(1));
    QCOMPARE(zip->barWidth(), 1.0);
    // A new postal code barcode has the window colour; placed ones are black.
    QCOMPARE(zip->color(), clBlack);
}

void TestEditingPlacement::gradientSettings()
{
    const auto gradient = created<TZR_Gradient>(ObjectTypeCode::Gradient, QRect(0, 0, 150, 60));
    QVERIFY(gradient);
    QCOMPARE(gradient->gradientStartColor(), TColor(0xFF0000));
    QCOMPARE(gradient->gradientEndColor(), clWhite);
    QCOMPARE(gradient->layOutStyle(), lsGradient);
    QCOMPARE(gradient->gradientStyle(), gsTopToBottom);
}

void TestEditingPlacement::imageSettings()
{
    const auto image = created<TZR_DBImage>(ObjectTypeCode::DBImage, QRect(50, 50, 150, 100));
    QVERIFY(image);
    QVERIFY(!image->autoSize());
    QVERIFY(image->stretch());
    QVERIFY(!image->transparent());
}

QTEST_MAIN(TestEditingPlacement)
#include "tst_editing_placement.moc"
