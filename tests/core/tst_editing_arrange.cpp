// Tests of the arrange commands: aligning, drawing order, quarter turns of every object kind,
// turned and mirrored pictures, and turning the sheet to portrait and back.
#include "TestLabelObjects.h"

#include "document/InnerCutOutline.h"
#include "document/LabelCell.h"
#include "document/LabelDocument.h"
#include "document/ZR_LabelSize.h"
#include "editing/ArrangeCommands.h"
#include "imaging/DecodedPicture.h"
#include "imaging/PictureData.h"
#include "objects/ZR_Barcode.h"
#include "objects/ZR_DBImage.h"
#include "objects/ZR_GuideLabel.h"
#include "objects/ZR_SerialNumber.h"
#include "objects/ZR_ShapeTable.h"
#include "objects/ZR_TextEdit.h"
#include "objects/ZR_VantorShape.h"
#include "objects/ZR_WordArt.h"
#include "objects/ZR_ZipBarcode.h"

#include <QBuffer>
#include <QFile>
#include <QImageWriter>
#include <QTest>

using namespace quill;
using namespace quill::testing;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(AlignKind)
Q_DECLARE_METATYPE(std::vector<QRect>)

namespace {

using Rects = std::vector<QRect>;

QByteArray encoded(const QImage &image, const char *format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter(&buffer, format).write(image);
    return bytes;
}

// 3 x 2 pixels, every one of its own colour, so that any misplaced pixel shows.
QImage sixColours()
{
    QImage image(3, 2, QImage::Format_RGB32);
    const QRgb colours[] = {qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(0, 0, 255),
                            qRgb(255, 255, 0), qRgb(0, 255, 255), qRgb(255, 0, 255)};
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            image.setPixel(x, y, colours[y * 3 + x]);
    return image;
}

QByteArray payloadOf(const QByteArray &file, const QString &extension)
{
    return pictureDataFromFile(file, extension).value();
}

// The 4 x 3 GIF of the test data: two red columns, then two blue ones.
QByteArray gifPayload()
{
    QFile file(QStringLiteral(QUILL_TEST_DATA_DIR "/pictures/redblue.gif"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return payloadOf(file.readAll(), u"gif"_s);
}

QString classNameOf(const QByteArray &payload)
{
    const Result<PictureData> split = splitPictureData(payload);
    return split ? split.value().className : QString();
}

QImage imageOf(const QByteArray &payload)
{
    const Result<DecodedPicture> decoded = decodePicture(payload);
    return decoded ? decoded.value().toImage24() : QImage();
}

// Where a source pixel (x, y) of a w x h picture lands: 0 turn left, 1 turn right, 2 mirror
// left-right, 3 mirror up-down.
QPoint landing(int operation, int x, int y, int w, int h)
{
    switch (operation) {
    case 0:
        return {y, w - 1 - x};
    case 1:
        return {h - 1 - y, x};
    case 2:
        return {w - 1 - x, y};
    default:
        return {x, h - 1 - y};
    }
}

// Applies an operation through the commands: a quarter turn or a mirror.
bool applyPictureOperation(TZR_DBImage &image, int operation)
{
    switch (operation) {
    case 0:
        return ArrangeCommands::rotate(image, Turn::Left);
    case 1:
        return ArrangeCommands::rotate(image, Turn::Right);
    case 2:
        return ArrangeCommands::mirror(image, Mirror::LeftRight);
    default:
        return ArrangeCommands::mirror(image, Mirror::UpDown);
    }
}

QStringList captions(const LabelCell &cell)
{
    QStringList out;
    for (const auto &object : cell.objects())
        out << captionOf(object.get());
    return out;
}

// A cell holding A, S, B and C from back to front.
LabelCell cellASBC()
{
    LabelCell cell(QRect(0, 0, 300, 200));
    for (const QString &name : {u"A"_s, u"S"_s, u"B"_s, u"C"_s})
        cell.addObject(makeObject(ObjectTypeCode::VantorShape, QRect(10, 10, 20, 20), name));
    return cell;
}

LabelObject *named(const LabelCell &cell, const QString &name)
{
    for (const auto &object : cell.objects())
        if (captionOf(object.get()) == name)
            return object.get();
    return nullptr;
}

QList<int> lengths(const TZR_ShapeTable::Items &items, bool widths)
{
    QList<int> out;
    for (qsizetype k = 0; k < qsizetype(items.size()); ++k) {
        const TGridInfoItem *item = TZR_ShapeTable::item(items, k);
        out << (widths ? item->width() : item->height());
    }
    return out;
}

const TGridInfoItem &cellAt(const TZR_ShapeTable &t, int row, int column)
{
    return *TZR_ShapeTable::item(t.cellDatas(), qsizetype(row) * t.columns() + column);
}

// 152 x 62 at (0, 0): columns 50, 50, 25, 25 and rows 30, 30; the first two cells of the top
// row merged.
std::unique_ptr<TZR_ShapeTable> unevenTable()
{
    auto table = std::make_unique<TZR_ShapeTable>();
    table->setBounds(QRect(0, 0, 152, 62));
    table->setColumns(3);
    table->setRows(2);
    table->buildGrid();
    table->changeColumns(4);
    table->selectCells(QRect(0, 0, 2, 1));
    table->mergeSelectedCells();
    table->clearSelection();
    return table;
}

// A landscape sheet of 3 x 2 cells with four different margins (inches).
TZR_LabelSize sampleSheet(float rightMargin)
{
    TZR_LabelSize sheet;
    sheet.setPageWidth(11.0);
    sheet.setPageHeight(8.5);
    sheet.setColumns(3);
    sheet.setRows(2);
    sheet.setWidth(2.5);
    sheet.setHeight(1.25);
    sheet.setHorizSpace(0.125f);
    sheet.setVertSpace(0.25f);
    sheet.setLeftMargin(0.5f);
    sheet.setRightMargin(rightMargin);
    sheet.setTopMargin(0.75f);
    sheet.setBottomMargin(0.375f);
    return sheet;
}

QList<QRect> cellRects(const TZR_LabelSize &sheet)
{
    QList<QRect> rects;
    for (int r = 0; r < sheet.rows(); ++r)
        for (int c = 0; c < sheet.columns(); ++c)
            rects << sheet.cellRect100(r, c);
    return rects;
}

QList<QPointF> cellOrigins(const TZR_LabelSize &sheet)
{
    QList<QPointF> origins;
    for (int r = 0; r < sheet.rows(); ++r)
        for (int c = 0; c < sheet.columns(); ++c)
            origins << sheet.cellOrigin(r, c);
    return origins;
}

} // namespace

class TestEditingArrange : public QObject {
    Q_OBJECT
private slots:
    void alignedBounds_data();
    void alignedBounds();
    void alignMovesObjects();
    void drawingOrder();
    void orderAtTheEnds();
    void textBoxTurns_data();
    void textBoxTurns();
    void anglesOfOtherObjects();
    void barcodesAndFieldLabelsDoNotTurn();
    void shapeStartSide_data();
    void shapeStartSide();
    void tableExchangesRowsAndColumns_data();
    void tableExchangesRowsAndColumns();
    void tableTurnedBackIsTheSame();
    void tableNeverDrawnSwapsCounts();
    void imageFrameTurns();
    void picturePixels_data();
    void picturePixels();
    void jpegStaysJpeg();
    void clippedSourceTurnsToo();
    void mirrorOnlyForPictures();
    void orientationThereAndBack_data();
    void orientationThereAndBack();
    void documentOrientationThereAndBack();
};

void TestEditingArrange::alignedBounds_data()
{
    QTest::addColumn<AlignKind>("kind");
    QTest::addColumn<Rects>("bounds");
    QTest::addColumn<Rects>("expected");

    const Rects three{QRect(40, 5, 30, 10), QRect(10, 30, 50, 20), QRect(25, 60, 20, 5)};
    QTest::newRow("left to the smallest left")
        << AlignKind::Left << three
        << Rects{QRect(10, 5, 30, 10), QRect(10, 30, 50, 20), QRect(10, 60, 20, 5)};
    // Right edges 70, 60 and 45: all end at 70.
    QTest::newRow("right to the largest right edge")
        << AlignKind::Right << three
        << Rects{QRect(40, 5, 30, 10), QRect(20, 30, 50, 20), QRect(50, 60, 20, 5)};
    // Spanning 10 .. 111: c = 121 div 2 = 60, each middle (left + width div 2) there.
    QTest::newRow("centre left to right")
        << AlignKind::HorizontalCentre << Rects{QRect(10, 0, 20, 10), QRect(50, 20, 61, 10)}
        << Rects{QRect(50, 0, 20, 10), QRect(30, 20, 61, 10)};
    QTest::newRow("top")
        << AlignKind::Top << three
        << Rects{QRect(40, 5, 30, 10), QRect(10, 5, 50, 20), QRect(25, 5, 20, 5)};
    // Bottom edges 15, 50 and 65.
    QTest::newRow("bottom")
        << AlignKind::Bottom << three
        << Rects{QRect(40, 55, 30, 10), QRect(10, 45, 50, 20), QRect(25, 60, 20, 5)};
    // Spanning 5 .. 65 vertically: c = 35.
    QTest::newRow("centre top to bottom")
        << AlignKind::VerticalCentre << three
        << Rects{QRect(40, 30, 30, 10), QRect(10, 25, 50, 20), QRect(25, 33, 20, 5)};
    // The true extremes, even far out or left of the cell.
    QTest::newRow("left beyond 10000")
        << AlignKind::Left << Rects{QRect(12500, 0, 10, 10), QRect(12000, 0, 10, 10)}
        << Rects{QRect(12000, 0, 10, 10), QRect(12000, 0, 10, 10)};
    QTest::newRow("right of objects left of the cell")
        << AlignKind::Right << Rects{QRect(-50, 0, 10, 10), QRect(-30, 0, 5, 10)}
        << Rects{QRect(-35, 0, 10, 10), QRect(-30, 0, 5, 10)};
    QTest::newRow("one object stays") << AlignKind::Left << Rects{QRect(40, 5, 30, 10)}
                                      << Rects{QRect(40, 5, 30, 10)};
    QTest::newRow("nothing") << AlignKind::Right << Rects{} << Rects{};
}

void TestEditingArrange::alignedBounds()
{
    QFETCH(AlignKind, kind);
    QFETCH(Rects, bounds);
    QFETCH(Rects, expected);
    QCOMPARE(ArrangeCommands::aligned(bounds, kind), expected);
}

void TestEditingArrange::alignMovesObjects()
{
    auto a = makeObject(ObjectTypeCode::TextEdit, QRect(40, 5, 30, 10));
    auto b = makeObject(ObjectTypeCode::VantorShape, QRect(10, 30, 50, 20));
    QVERIFY(!ArrangeCommands::align({a.get()}, AlignKind::Left));
    QCOMPARE(a->bounds(), QRect(40, 5, 30, 10));

    QVERIFY(ArrangeCommands::align({a.get(), b.get()}, AlignKind::Right));
    QCOMPARE(a->bounds(), QRect(40, 5, 30, 10));
    QCOMPARE(b->bounds(), QRect(20, 30, 50, 20));
}

void TestEditingArrange::drawingOrder()
{
    {
        LabelCell cell = cellASBC();
        QVERIFY(ArrangeCommands::bringForward(cell, named(cell, u"S"_s)));
        QCOMPARE(captions(cell), (QStringList{u"A"_s, u"B"_s, u"S"_s, u"C"_s}));
    }
    {
        LabelCell cell = cellASBC();
        QVERIFY(ArrangeCommands::sendBackward(cell, named(cell, u"S"_s)));
        QCOMPARE(captions(cell), (QStringList{u"S"_s, u"A"_s, u"B"_s, u"C"_s}));
    }
    {
        // Each object in the order given: the last one given ends in front.
        LabelCell cell = cellASBC();
        QVERIFY(ArrangeCommands::bringToFront(cell, {named(cell, u"S"_s), named(cell, u"A"_s)}));
        QCOMPARE(captions(cell), (QStringList{u"B"_s, u"C"_s, u"S"_s, u"A"_s}));
    }
    {
        // ... and at the very back.
        LabelCell cell = cellASBC();
        QVERIFY(ArrangeCommands::sendToBack(cell, {named(cell, u"B"_s), named(cell, u"C"_s)}));
        QCOMPARE(captions(cell), (QStringList{u"C"_s, u"B"_s, u"A"_s, u"S"_s}));
    }
}

void TestEditingArrange::orderAtTheEnds()
{
    LabelCell cell = cellASBC();
    const QStringList before = captions(cell);
    QVERIFY(!ArrangeCommands::bringForward(cell, named(cell, u"C"_s)));
    QVERIFY(!ArrangeCommands::sendBackward(cell, named(cell, u"A"_s)));
    QVERIFY(!ArrangeCommands::bringToFront(cell, {named(cell, u"C"_s)}));
    QVERIFY(!ArrangeCommands::sendToBack(cell, {named(cell, u"A"_s)}));
    // An object of another cell is not moved into this one.
    auto stranger = makeObject(ObjectTypeCode::VantorShape, QRect(0, 0, 5, 5), u"X"_s);
    QVERIFY(!ArrangeCommands::bringForward(cell, stranger.get()));
    QVERIFY(!ArrangeCommands::bringToFront(cell, {stranger.get()}));
    QCOMPARE(captions(cell), before);
}

void TestEditingArrange::textBoxTurns_data()
{
    QTest::addColumn<int>("turn");
    QTest::addColumn<int>("startAngle");
    QTest::addColumn<QRect>("bounds");
    QTest::addColumn<QRect>("expected");
    QTest::addColumn<int>("expectedAngle");

    QTest::newRow("left") << int(Turn::Left) << 0 << QRect(50, 50, 100, 40)
                          << QRect(80, 20, 40, 100) << 90;
    QTest::newRow("right") << int(Turn::Right) << 0 << QRect(50, 50, 100, 40)
                           << QRect(80, 20, 40, 100) << 270;
    QTest::newRow("left from 270") << int(Turn::Left) << 270 << QRect(50, 50, 100, 40)
                                   << QRect(80, 20, 40, 100) << 0;
    // Odd sizes: the centre (101.5, 70.5) rounds to (102, 70), halves to even.
    QTest::newRow("odd sizes") << int(Turn::Right) << 90 << QRect(50, 50, 103, 41)
                               << QRect(82, 18, 41, 103) << 0;
}

void TestEditingArrange::textBoxTurns()
{
    QFETCH(int, turn);
    QFETCH(int, startAngle);
    QFETCH(QRect, bounds);
    QFETCH(QRect, expected);
    QFETCH(int, expectedAngle);

    TZR_TextEdit box;
    box.setWwfMemo({u"Some text"_s, u"on two lines"_s});
    box.setAngle(startAngle);
    box.setAutoSize(true);
    box.setBounds(bounds);
    QVERIFY(ArrangeCommands::rotate(box, Turn(turn)));
    QCOMPARE(box.angle(), expectedAngle);
    QVERIFY(!box.autoSize());
    // The box keeps the turned frame instead of fitting its text.
    QCOMPARE(box.bounds(), expected);
}

void TestEditingArrange::anglesOfOtherObjects()
{
    TZR_WordArt art;
    art.setBounds(QRect(0, 0, 50, 200));
    QVERIFY(ArrangeCommands::rotate(art, Turn::Left));
    QCOMPARE(art.angle(), 90);
    QCOMPARE(art.bounds().size(), QSize(200, 50));
    QVERIFY(ArrangeCommands::rotate(art, Turn::Right));
    QVERIFY(ArrangeCommands::rotate(art, Turn::Right));
    QCOMPARE(art.angle(), 270);

    TZR_Gradient gradient;
    QVERIFY(ArrangeCommands::rotate(gradient, Turn::Right));
    QCOMPARE(gradient.angle(), 270);

    TZR_SerialNumber serial;
    serial.setBounds(QRect(10, 10, 120, 30));
    QVERIFY(ArrangeCommands::rotate(serial, Turn::Left));
    QCOMPARE(serial.escapement(), 90);
    QCOMPARE(serial.bounds().size(), QSize(30, 120));
    QVERIFY(ArrangeCommands::rotate(serial, Turn::Right));
    QVERIFY(ArrangeCommands::rotate(serial, Turn::Right));
    QCOMPARE(serial.escapement(), 270);
}

void TestEditingArrange::barcodesAndFieldLabelsDoNotTurn()
{
    TZR_Barcode barcode;
    TZR_ZipBarcode zip;
    TZR_GuideLabel label;
    auto twoD = makeObject(ObjectTypeCode::Barcode2D, QRect(5, 5, 80, 30));
    for (LabelObject *object :
         std::initializer_list<LabelObject *>{&barcode, &zip, &label, twoD.get()}) {
        object->setBounds(QRect(20, 30, 120, 40));
        const quint64 revision = object->revision();
        QVERIFY(!ArrangeCommands::rotate(*object, Turn::Left));
        QVERIFY(!ArrangeCommands::rotate(*object, Turn::Right));
        QCOMPARE(object->bounds(), QRect(20, 30, 120, 40));
        QCOMPARE(object->revision(), revision);
    }
}

void TestEditingArrange::shapeStartSide_data()
{
    QTest::addColumn<int>("shape");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("expected");

    QTest::newRow("line top") << int(mstLine) << int(spTop) << int(spLeft);
    QTest::newRow("line left") << int(mstLine) << int(spLeft) << int(spBottom);
    QTest::newRow("line bottom") << int(mstLine) << int(spBottom) << int(spRight);
    QTest::newRow("line right") << int(mstLine) << int(spRight) << int(spTop);
    QTest::newRow("straight line") << int(mstDLine) << int(spTop) << int(spLeft);
    QTest::newRow("triangle") << int(mstTriAngle) << int(spLeft) << int(spBottom);
    QTest::newRow("vertical line keeps its side") << int(mstVLine) << int(spTop) << int(spTop);
    QTest::newRow("rectangle keeps its side") << int(mstRectangle) << int(spRight)
                                              << int(spRight);
}

void TestEditingArrange::shapeStartSide()
{
    QFETCH(int, shape);
    QFETCH(int, start);
    QFETCH(int, expected);
    // Both turns step the side the same way.
    for (Turn turn : {Turn::Left, Turn::Right}) {
        TZR_VantorShape object;
        object.setShape(shape);
        object.setStartType(start);
        object.setBounds(QRect(0, 0, 60, 20));
        QVERIFY(ArrangeCommands::rotate(object, turn));
        QCOMPARE(object.startType(), expected);
        QCOMPARE(object.bounds(), QRect(20, -20, 20, 60));
    }
}

void TestEditingArrange::tableExchangesRowsAndColumns_data()
{
    QTest::addColumn<int>("turn");
    QTest::addColumn<QList<int>>("columnWidths");
    QTest::addColumn<QList<int>>("rowHeights");
    QTest::addColumn<QPoint>("mergedAt"); // (column, row) of the merged cell
    QTest::addColumn<QPoint>("coveredAt");

    // Turning left, the last column comes to the top and the merged top-left pair of cells
    // stands in the left column at the bottom; turning right, the top row becomes the right
    // column and the pair stands at its top.
    QTest::newRow("left") << int(Turn::Left) << QList<int>{30, 30}
                          << QList<int>{25, 25, 50, 50} << QPoint(0, 2) << QPoint(0, 3);
    QTest::newRow("right") << int(Turn::Right) << QList<int>{30, 30}
                           << QList<int>{50, 50, 25, 25} << QPoint(1, 0) << QPoint(1, 1);
}

void TestEditingArrange::tableExchangesRowsAndColumns()
{
    QFETCH(int, turn);
    QFETCH(QList<int>, columnWidths);
    QFETCH(QList<int>, rowHeights);
    QFETCH(QPoint, mergedAt);
    QFETCH(QPoint, coveredAt);

    auto table = unevenTable();
    QCOMPARE(lengths(table->columnsCnt(), true), (QList<int>{50, 50, 25, 25}));
    QVERIFY(ArrangeCommands::rotate(*table, Turn(turn)));
    QCOMPARE(table->rows(), 4);
    QCOMPARE(table->columns(), 2);
    QVERIFY(table->gridReady());
    QCOMPARE(table->bounds(), QRect(45, -45, 62, 152));
    QCOMPARE(lengths(table->columnsCnt(), true), columnWidths);
    QCOMPARE(lengths(table->rowsCnt(), false), rowHeights);

    const TGridInfoItem &merged = cellAt(*table, mergedAt.y(), mergedAt.x());
    QVERIFY(merged.useFlag());
    QCOMPARE(merged.rowCnt(), 2);
    QCOMPARE(merged.columnCnt(), 1);
    QCOMPARE(merged.height(), 2 * rowHeights.at(mergedAt.y()));
    QVERIFY(!cellAt(*table, coveredAt.y(), coveredAt.x()).useFlag());
    int visible = 0;
    for (const auto &item : table->cellDatas())
        visible += static_cast<const TGridInfoItem &>(*item).useFlag() ? 1 : 0;
    QCOMPARE(visible, 7);
    // Rows and columns tile the table from 1 again.
    QCOMPARE(TZR_ShapeTable::item(table->columnsCnt(), 1)->left(), 31);
    QCOMPARE(TZR_ShapeTable::item(table->rowsCnt(), 3)->top(),
             1 + rowHeights[0] + rowHeights[1] + rowHeights[2]);
}

void TestEditingArrange::tableTurnedBackIsTheSame()
{
    auto table = unevenTable();
    auto original = unevenTable();
    QVERIFY(ArrangeCommands::rotate(*table, Turn::Left));
    QVERIFY(ArrangeCommands::rotate(*table, Turn::Right));
    QCOMPARE(table->bounds(), original->bounds());
    QCOMPARE(table->rows(), 2);
    QCOMPARE(table->columns(), 4);
    QCOMPARE(lengths(table->columnsCnt(), true), lengths(original->columnsCnt(), true));
    QCOMPARE(lengths(table->rowsCnt(), false), lengths(original->rowsCnt(), false));
    for (int r = 0; r < 2; ++r) {
        for (int c = 0; c < 4; ++c) {
            const TGridInfoItem &a = cellAt(*table, r, c);
            const TGridInfoItem &b = cellAt(*original, r, c);
            QCOMPARE(a.useFlag(), b.useFlag());
            QCOMPARE(QRect(a.left(), a.top(), a.width(), a.height()),
                     QRect(b.left(), b.top(), b.width(), b.height()));
        }
    }
}

void TestEditingArrange::tableNeverDrawnSwapsCounts()
{
    TZR_ShapeTable table;
    table.setBounds(QRect(0, 0, 100, 40));
    table.setRows(2);
    table.setColumns(5);
    QVERIFY(ArrangeCommands::rotate(table, Turn::Right));
    QCOMPARE(table.rows(), 5);
    QCOMPARE(table.columns(), 2);
    QVERIFY(table.rowsCnt().empty());
}

void TestEditingArrange::imageFrameTurns()
{
    // Whole-number halves for images: left (50 + 51) - 20, top (50 + 20) - 51.
    TZR_DBImage image;
    image.setBounds(QRect(50, 50, 103, 41));
    QVERIFY(ArrangeCommands::rotate(image, Turn::Left));
    QCOMPARE(image.bounds(), QRect(81, 19, 41, 103));
    QVERIFY(image.pictureData().isEmpty());

    // A picture that cannot be decoded stays as it is; the frame still turns.
    const QByteArray damaged = payloadOf(encoded(sixColours(), "bmp"), u"bmp"_s).left(40);
    image.setPictureData(damaged);
    QVERIFY(ArrangeCommands::rotate(image, Turn::Right));
    QCOMPARE(image.bounds().size(), QSize(103, 41));
    QCOMPARE(image.pictureData(), damaged);
}

void TestEditingArrange::picturePixels_data()
{
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<int>("operation");
    QTest::addColumn<QString>("className");

    const QByteArray bitmap = payloadOf(encoded(sixColours(), "bmp"), u"bmp"_s);
    const QByteArray icon = payloadOf(encoded(sixColours(), "ico"), u"ico"_s);
    const QByteArray gif = gifPayload();
    const char *names[] = {"turn left", "turn right", "mirror left-right", "mirror up-down"};
    for (int operation = 0; operation < 4; ++operation) {
        QTest::addRow("bitmap %s", names[operation]) << bitmap << operation << u"TBitmap"_s;
        QTest::addRow("icon %s", names[operation]) << icon << operation << u"TIcon"_s;
        // No GIF writer: a turned GIF picture becomes a bitmap.
        QTest::addRow("gif %s", names[operation]) << gif << operation << u"TBitmap"_s;
    }
}

void TestEditingArrange::picturePixels()
{
    QFETCH(QByteArray, payload);
    QFETCH(int, operation);
    QFETCH(QString, className);
    QVERIFY(!payload.isEmpty());
    const QImage source = imageOf(payload);
    QVERIFY(!source.isNull());

    TZR_DBImage image;
    image.setBounds(QRect(0, 0, 60, 40));
    image.setPictureData(payload);
    QVERIFY(applyPictureOperation(image, operation));
    QCOMPARE(classNameOf(image.pictureData()), className);
    const QImage result = imageOf(image.pictureData());
    const bool turned = operation < 2;
    QCOMPARE(result.size(), turned ? source.size().transposed() : source.size());
    for (int y = 0; y < source.height(); ++y) {
        for (int x = 0; x < source.width(); ++x) {
            const QPoint to = landing(operation, x, y, source.width(), source.height());
            QCOMPARE(QColor(result.pixel(to)), QColor(source.pixel(x, y)));
        }
    }
    QCOMPARE(image.bounds().size(), turned ? QSize(40, 60) : QSize(60, 40));
}

void TestEditingArrange::jpegStaysJpeg()
{
    QImage picture(40, 20, QImage::Format_RGB32);
    picture.fill(Qt::white);
    TZR_DBImage image;
    image.setPictureData(payloadOf(encoded(picture, "jpeg"), u"jpg"_s));
    QVERIFY(ArrangeCommands::rotate(image, Turn::Right));
    QCOMPARE(classNameOf(image.pictureData()), u"TJPEGImage"_s);
    QCOMPARE(imageOf(image.pictureData()).size(), QSize(20, 40));
    QVERIFY(ArrangeCommands::mirror(image, Mirror::UpDown));
    QCOMPARE(classNameOf(image.pictureData()), u"TJPEGImage"_s);
}

void TestEditingArrange::clippedSourceTurnsToo()
{
    // With a source, the clipped display is what shows: it turns with the picture.
    const QByteArray bitmap = payloadOf(encoded(sixColours(), "bmp"), u"bmp"_s);
    TZR_DBImage image;
    image.setSrcImageData(bitmap);
    QVERIFY(ArrangeCommands::rotate(image, Turn::Left));
    QCOMPARE(imageOf(image.srcImageData()).size(), QSize(2, 3));
    QCOMPARE(QColor(imageOf(image.srcImageData()).pixel(0, 2)), QColor(Qt::red));
}

void TestEditingArrange::mirrorOnlyForPictures()
{
    TZR_DBImage empty;
    QVERIFY(!ArrangeCommands::mirror(empty, Mirror::LeftRight));
    TZR_TextEdit box;
    const quint64 revision = box.revision();
    QVERIFY(!ArrangeCommands::mirror(box, Mirror::UpDown));
    QCOMPARE(box.revision(), revision);
    // Mirroring leaves the frame alone.
    TZR_DBImage image;
    image.setBounds(QRect(5, 6, 70, 20));
    image.setPictureData(gifPayload());
    QVERIFY(ArrangeCommands::mirror(image, Mirror::LeftRight));
    QCOMPARE(image.bounds(), QRect(5, 6, 70, 20));
}

void TestEditingArrange::orientationThereAndBack_data()
{
    QTest::addColumn<float>("rightMargin");
    QTest::addColumn<float>("rightAfter");
    QTest::newRow("four margins") << 0.25f << 0.25f;
    // An unknown right margin is the left one for the turn and comes back as it.
    QTest::newRow("right margin unknown") << 0.0f << 0.5f;
}

void TestEditingArrange::orientationThereAndBack()
{
    QFETCH(float, rightMargin);
    QFETCH(float, rightAfter);
    const TZR_LabelSize original = sampleSheet(rightMargin);
    TZR_LabelSize sheet = original;
    InnerCutOutline outline{true, 1, 2, 30, 40, 5, 6};

    sheet.swapOrientation(&outline, OrientationTurn::ToPortrait);
    // The quarter turn: left <- top, right <- bottom, bottom <- left.
    QCOMPARE(sheet.leftMargin(), 0.75f);
    QCOMPARE(sheet.rightMargin(), 0.375f);
    QCOMPARE(sheet.bottomMargin(), 0.5f);
    QCOMPARE(sheet.topMargin(), rightAfter);
    QCOMPARE(sheet.rows(), quint16(3));

    sheet.swapOrientation(&outline, OrientationTurn::ToLandscape);
    TZR_LabelSize expected = original;
    expected.setRightMargin(rightAfter);
    QCOMPARE(sheet, expected);
    QCOMPARE(cellRects(sheet), cellRects(original));
    QCOMPARE(cellOrigins(sheet), cellOrigins(original));
    QCOMPARE(outline, (InnerCutOutline{true, 1, 2, 30, 40, 5, 6}));
}

void TestEditingArrange::documentOrientationThereAndBack()
{
    const TZR_LabelSize original = sampleSheet(0.25f);
    LabelDocument doc;
    QVERIFY(doc.newDocument(original).ok());
    const QRect lastCell = doc.cell(1, 6)->bounds();

    doc.swapOrientation(OrientationTurn::ToPortrait);
    QCOMPARE(doc.labelSize().columns(), quint16(2));
    QVERIFY(doc.isModified());
    doc.swapOrientation(OrientationTurn::ToLandscape);
    QCOMPARE(doc.labelSize(), original);
    QCOMPARE(cellOrigins(doc.labelSize()), cellOrigins(original));
    QCOMPARE(doc.cell(1, 6)->bounds(), lastCell);

    // Without a direction the turn is the one to portrait, as before.
    doc.swapOrientation();
    QCOMPARE(doc.labelSize().leftMargin(), original.topMargin());
}

QTEST_MAIN(TestEditingArrange)
#include "tst_editing_arrange.moc"
