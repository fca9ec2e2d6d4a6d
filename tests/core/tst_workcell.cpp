// The work label's drawing of a cell (paper, outline, shadow, grid, inner cut outline) and
// the cell renderer that draws the cell's objects over it.
#include "PaintProbe.h"

#include "document/CellRenderer.h"
#include "document/LabelDocument.h"
#include "document/WorkLabelPainter.h"
#include "objects/FontSubstitution.h"
#include "objects/ZR_TextEdit.h"

#include <QTest>

using namespace quill;
using namespace quill::testing;

namespace {

const QColor kPaper(255, 255, 204); // 0x00CCFFFF
const QColor kShadow(160, 160, 160);

// A 2.5 x 1.5 inch cell on a portrait or landscape sheet.
TZR_LabelSize sheet(TShapeType shape = stRectangle, bool portrait = true)
{
    TZR_LabelSize s;
    s.setWidth(2.5);
    s.setHeight(1.5);
    s.setRows(2);
    s.setColumns(2);
    s.setPageWidth(portrait ? 8.27 : 11.69);
    s.setPageHeight(portrait ? 11.69 : 8.27);
    s.setShape(shape);
    s.setRectangleRadius(0.25);
    s.setColor(0xCCFFFF);
    return s;
}

QImage drawWorkLabel(const TZR_WorkLabel &label, int zoom)
{
    const QSize size = workLabelScreenSize(label, zoom);
    QImage image = blankImage(size.width() + 10, size.height() + 10);
    QPainter painter(&image);
    painter.scale(zoom / 100.0, zoom / 100.0);
    paintWorkLabel(painter, label, zoom);
    return image;
}

TZR_WorkLabel workLabel(TShapeType shape = stRectangle)
{
    TZR_WorkLabel label;
    label.setLabelSize(sheet(shape));
    label.setColor(0xCCFFFF);
    return label;
}

} // namespace

class WorkCellTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { installFontSubstitutions(); }

    void screenSize_data();
    void screenSize();
    void paperOutlineAndShadow_data();
    void paperOutlineAndShadow();
    void shapes();
    void grid();
    void innerCutOutline_data();
    void innerCutOutline();
    void cellObjectsDrawnClippedInOrder();
};

void WorkCellTest::screenSize_data()
{
    QTest::addColumn<int>("zoom");
    QTest::addColumn<bool>("shadow");
    QTest::addColumn<QSize>("size");
    QTest::newRow("100") << 100 << true << QSize(244, 148);  // shadow round(3.6) = 4
    QTest::newRow("60") << 60 << true << QSize(146, 88);     // round(2.16) = 2
    QTest::newRow("200") << 200 << true << QSize(487, 295);  // round(7.2) = 7
    QTest::newRow("no shadow") << 100 << false << QSize(240, 144);
}

void WorkCellTest::screenSize()
{
    QFETCH(int, zoom);
    QFETCH(bool, shadow);
    QFETCH(QSize, size);
    TZR_WorkLabel label = workLabel();
    label.setShadowFlag(shadow);
    QCOMPARE(workLabelScreenSize(label, zoom), size);
}

void WorkCellTest::paperOutlineAndShadow_data()
{
    QTest::addColumn<int>("zoom");
    QTest::newRow("100") << 100;
    QTest::newRow("60") << 60;
    QTest::newRow("200") << 200;
}

void WorkCellTest::paperOutlineAndShadow()
{
    QFETCH(int, zoom);
    const TZR_WorkLabel label = workLabel();
    const QImage image = drawWorkLabel(label, zoom);
    const QSize size = workLabelScreenSize(label, zoom);
    const int cw = label.labelSize().cellScreenWidth(zoom);
    const int ch = label.labelSize().cellScreenHeight(zoom);
    const int s = size.width() - cw;
    // One-pixel black outline around paper at the screen's pixels, whatever the zoom.
    QVERIFY(near(image, cw / 2, ch / 2, kPaper));
    QVERIFY(near(image, 1, 1, kPaper));
    for (QPoint p : {QPoint(0, ch / 2), QPoint(cw - 1, ch / 2), QPoint(cw / 2, 0),
                     QPoint(cw / 2, ch - 1)})
        QVERIFY(near(image, p.x(), p.y(), Qt::black));
    // The shadow lies right of and below the cell, offset by its depth.
    QVERIFY(near(image, cw + s / 2, ch / 2, kShadow));
    QVERIFY(near(image, cw / 2, ch + s / 2, kShadow));
    QVERIFY(near(image, cw + s / 2, s / 2, Qt::white));
    QVERIFY(near(image, size.width() + 2, size.height() + 2, Qt::white));
}

void WorkCellTest::shapes()
{
    // A rounded cell leaves its corners to the background; an ellipse too, and touches the
    // middle of each side.
    const QImage rect = drawWorkLabel(workLabel(stRectangle), 100);
    const QImage round = drawWorkLabel(workLabel(stRoundRect), 100);
    const QImage ellipse = drawWorkLabel(workLabel(stCircle), 100);
    QVERIFY(near(rect, 0, 0, Qt::black));
    QVERIFY(near(round, 1, 1, Qt::white));
    QVERIFY(near(round, 120, 72, kPaper));
    QVERIFY(near(round, 120, 0, Qt::black, 60));
    QVERIFY(near(round, 12, 12, kPaper)); // radius 24 pixels: inside the corner arc
    QVERIFY(near(ellipse, 20, 20, Qt::white));
    QVERIFY(near(ellipse, 120, 72, kPaper));
    QVERIFY(near(ellipse, 120, 0, Qt::black, 60));
    // An unknown outline draws nothing at all.
    QCOMPARE(countNear(drawWorkLabel(workLabel(stEllipse), 100), Qt::white, 0),
             254 * 158);
}

void WorkCellTest::grid()
{
    TZR_WorkLabel label = workLabel();
    label.setGridflag(true);
    label.setGridWidth(10.0); // round(96 x 10 / 25.4) = 38 pixels at 100 %
    label.setGridColor(0x0000FF);
    QImage image = drawWorkLabel(label, 100);
    const QColor red(255, 0, 0);
    QVERIFY(near(image, 38, 50, red));
    QVERIFY(near(image, 76, 50, red));
    QVERIFY(near(image, 50, 38, red));
    QVERIFY(near(image, 37, 50, kPaper));
    QVERIFY(near(image, 50, 37, kPaper));
    QVERIFY(near(image, 38, 0, Qt::black)); // the outline stays on top of the lines' ends
    // At 200 % the pitch is computed at that zoom: round(96 x 10 / 25.4 x 2) = 76 pixels.
    image = drawWorkLabel(label, 200);
    QVERIFY(near(image, 76, 100, red));
    QVERIFY(near(image, 75, 100, kPaper));
    // A pitch below one pixel draws no grid.
    label.setGridWidth(0.1);
    QCOMPARE(countNear(drawWorkLabel(label, 100), red), 0);
}

void WorkCellTest::innerCutOutline_data()
{
    QTest::addColumn<double>("secondOffset");
    QTest::addColumn<bool>("portrait");
    QTest::newRow("one black box") << 0.0 << true;
    QTest::newRow("two red boxes, landscape") << 2.0 << false;
    QTest::newRow("two red boxes, portrait") << 2.0 << true;
}

void WorkCellTest::innerCutOutline()
{
    QFETCH(double, secondOffset);
    QFETCH(bool, portrait);
    TZR_WorkLabel label;
    label.setLabelSize(sheet(stRectangle, portrait));
    label.setColor(0xCCFFFF);
    label.setShadowFlag(false);
    InnerCutOutline cut;
    cut.present = true;
    cut.x = 5.0 * 25.4 / 96; // 5 pixels
    cut.y = 10.0 * 25.4 / 96;
    cut.width = 40.0 * 25.4 / 96;
    cut.height = 30.0 * 25.4 / 96;
    cut.secondOffset = secondOffset * 25.4 / 96;
    cut.penWidth = 1.0 * 25.4 / 96;
    label.setInnerCutOutline(cut);
    const QImage image = drawWorkLabel(label, 100);
    const QColor pen = secondOffset > 0 ? QColor(255, 0, 0) : QColor(Qt::black);
    // The first box: (5, 10) to (45, 40); its inside keeps the paper.
    QVERIFY(near(image, 5, 25, pen));
    QVERIFY(near(image, 44, 25, pen));
    QVERIFY(near(image, 25, 10, pen));
    QVERIFY(near(image, 25, 39, pen));
    QVERIFY(near(image, 25, 25, kPaper));
    if (secondOffset <= 0) {
        QCOMPARE(countNear(image, QColor(255, 0, 0)), 0);
        return;
    }
    // The second box moves by half the cell plus the offset: across on a landscape sheet
    // (x from 2 + 120), down on a portrait one (y from 2 + 72).
    if (portrait) {
        QVERIFY(near(image, 5, 74 + 15, pen));
        QVERIFY(near(image, 25, 74, pen));
        QVERIFY(near(image, 25, 74 + 29, pen));
    } else {
        QVERIFY(near(image, 122, 25, pen));
        QVERIFY(near(image, 122 + 39, 25, pen));
        QVERIFY(near(image, 140, 10, pen));
    }
}

void WorkCellTest::cellObjectsDrawnClippedInOrder()
{
    LabelDocument document;
    QVERIFY(document.newDocument(sheet()).ok());
    LabelCell *cell = document.cell(1, 2);
    QVERIFY(cell);
    // A red box under a blue one that overlaps it; the blue box's text is wider than the box.
    auto back = std::make_unique<TZR_TextEdit>();
    back->setBounds(QRect(20, 20, 60, 40));
    back->setTransparent(false);
    back->setBrushColor(0x0000FF);
    auto front = std::make_unique<TZR_TextEdit>();
    front->setBounds(QRect(50, 30, 60, 40));
    front->setTransparent(false);
    front->setBrushColor(0xFF0000);
    front->setValue(QStringLiteral("Font.Height"), -20);
    front->setWwfMemo({QStringLiteral("WWWWWWWWWWWWWWW")});
    cell->addObject(std::move(back));
    cell->addObject(std::move(front));

    PaintContext context;
    const QImage image = renderCellImage(document, 1, 2, context, true);
    QCOMPARE(image.size(), QSize(244, 148));
    QVERIFY(near(image, 30, 40, QColor(255, 0, 0)));
    QVERIFY(near(image, 60, 60, QColor(0, 0, 255))); // the front box covers the back one
    QVERIFY(near(image, 0, 100, Qt::black));          // the work label is under them
    // The long line stops at the front box's right edge.
    const QImage objectsOnly = renderCellImage(document, 1, 2, context, false);
    QCOMPARE(objectsOnly.size(), QSize(240, 144));
    QVERIFY(darkBox(objectsOnly).right() <= 109);
    QVERIFY(darkBox(objectsOnly).right() >= 100);
    // The same cell at 200 % is twice the size and has the boxes at twice the place.
    context.zoom = 200;
    const QImage large = renderCellImage(document, 1, 2, context, true);
    QCOMPARE(large.size(), QSize(487, 295));
    QVERIFY(near(large, 60, 80, QColor(255, 0, 0)));
    QVERIFY(near(large, 120, 120, QColor(0, 0, 255)));
    // No such cell: nothing.
    QVERIFY(renderCellImage(document, 1, 9, context, true).isNull());
}

QTEST_MAIN(WorkCellTest)
#include "tst_workcell.moc"
