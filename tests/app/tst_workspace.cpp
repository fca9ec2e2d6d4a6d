// The work area view, its rulers and the zoom box, driven through the real widgets.
#include "editor/Ruler.h"
#include "editor/WorkPanel.h"
#include "editor/ZR_WorkSpace.h"
#include "editor/ZoomMenus.h"
#include "editor/ZoomPercentBox.h"

#include "document/LabelDocument.h"
#include "document/ZoomMapping.h"
#include "editing/RulerScale.h"
#include "editing/ZoomList.h"
#include "objects/ZR_GuideLabel.h"
#include "objects/ZR_VantorShape.h"

#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QToolButton>
#include <QScrollBar>
#include <QtTest>

using namespace quill;

namespace {

constexpr TColor Red = 0x0000FF; // 0x00BBGGRR

// A 4 x 3 inch cell (384 x 288 model pixels) on a one-cell sheet.
TZR_LabelSize bigCell()
{
    TZR_LabelSize sheet;
    sheet.setWidth(4.0);
    sheet.setHeight(3.0);
    sheet.setRows(1);
    sheet.setColumns(1);
    sheet.setPageWidth(4.0);
    sheet.setPageHeight(3.0);
    sheet.setColor(0xFFFFFF); // white paper
    return sheet;
}

std::unique_ptr<TZR_VantorShape> filledBox(const QRect &bounds)
{
    auto shape = std::make_unique<TZR_VantorShape>();
    shape->setShape(mstRectangle);
    shape->setBounds(bounds);
    shape->setPenColor(Red);
    shape->setBrushColor(Red);
    shape->setBrushStyle(0); // bsSolid
    return shape;
}

// The work area as the main window holds it, with a document of three objects.
struct Fixture {
    LabelDocument document;
    WorkPanel panel;
    QStringList messages;
    std::unique_ptr<ZoomPercentBox> box;
    QMenu viewMenu;

    Fixture()
    {
        document.newDocument(bigCell());
        LabelCell *cell = document.currentCellPanel();
        cell->addObject(filledBox(QRect(50, 30, 40, 20)));
        cell->addObject(filledBox(QRect(333, 7, 13, 11)));
        auto label = std::make_unique<TZR_GuideLabel>();
        label->setBounds(QRect(101, 151, 77, 19));
        label->setFieldName(QStringLiteral("NAME"));
        cell->addObject(std::move(label));
        panel.workSpace()->setDocument(&document);
        WorkAreaPrompts prompts;
        prompts.warn = [this](QWidget *, const QString &, const QString &text) {
            messages << text;
        };
        box = std::make_unique<ZoomPercentBox>(panel.workSpace(), prompts);
        addZoomMenus(&viewMenu, box.get());
        panel.resize(500, 400);
        panel.show();
    }
    TZR_WorkSpace &view() { return *panel.workSpace(); }
    QList<QRect> bounds() const
    {
        QList<QRect> list;
        for (const auto &object : document.currentCellPanel()->objects())
            list << object->bounds();
        return list;
    }
    QImage shot()
    {
        QImage image(view().viewport()->size(), QImage::Format_RGB32);
        QPainter painter(&image);
        view().paintArea(painter, image.rect());
        return image;
    }
    void type(const QString &text)
    {
        box->lineEdit()->selectAll();
        QTest::keyClicks(box->lineEdit(), text);
        QTest::keyClick(box->lineEdit(), Qt::Key_Return);
    }
};

bool isRed(QRgb pixel)
{
    return qRed(pixel) > 200 && qGreen(pixel) < 60 && qBlue(pixel) < 60;
}

} // namespace

class TestWorkSpace : public QObject {
    Q_OBJECT
private slots:
    void zoomNeverMovesTheModel();
    void objectsDrawnWhereTheZoomPutsThem();
    void zoomBox_data();
    void zoomBox();
    void boxFollowsTheDocumentZoom();
    void pointerReadout_data();
    void pointerReadout();
    void rulersFollowScrollAndUnit();
    void rulerTicksPainted();
    void gridAndChanges();
    void fieldValuesAreShown();
    void toolReceivesPointerInCellPixels();
};

void TestWorkSpace::zoomNeverMovesTheModel()
{
    Fixture f;
    const QList<QRect> before = f.bounds();
    const QList<int> zooms{140, 300, 60, 37, 1000, 10, 150, 99, 250, 100, 33, 777};
    for (int zoom : zooms) {
        QVERIFY(f.view().setZoom(zoom));
        QCOMPARE(f.view().zoom(), zoom);
        f.shot(); // draw at each zoom, as the screen would
        QCOMPARE(f.bounds(), before);
    }
    for (int i = 0; i < 8; ++i)
        f.box->ZoominBtnClick();
    for (int i = 0; i < 8; ++i)
        f.box->ZoomOutBtnClick();
    QCOMPARE(f.bounds(), before);
    QVERIFY(!f.document.isModified());
    // Refused zooms change nothing.
    QVERIFY(!f.view().setZoom(0));
    QVERIFY(!f.view().setZoom(1001));
    QCOMPARE(f.view().zoom(), 60);
}

void TestWorkSpace::objectsDrawnWhereTheZoomPutsThem()
{
    Fixture f;
    for (int zoom : {60, 100, 140, 300}) {
        f.view().setZoom(zoom);
        const QImage image = f.shot();
        const QRect box = f.view().mapRectFromCell(QRect(50, 30, 40, 20));
        QCOMPARE(box, ZoomMapping::toScreen(QRect(50, 30, 40, 20), zoom));
        QVERIFY2(isRed(image.pixel(box.center())), qPrintable(QString::number(zoom)));
        // Just outside the box is paper.
        QVERIFY(!isRed(image.pixel(box.right() + 3, box.center().y())));
        QVERIFY(!isRed(image.pixel(box.center().x(), box.top() - 3)));
    }
    // Scrolled: the drawing moves with the cell's origin.
    f.view().setZoom(300);
    f.view().horizontalScrollBar()->setValue(100);
    f.view().verticalScrollBar()->setValue(40);
    QCOMPARE(f.view().cellOrigin(), QPoint(-100, -40));
    const QRect box = f.view().mapRectFromCell(QRect(50, 30, 40, 20));
    QCOMPARE(box.topLeft(), QPoint(150 - 100, 90 - 40));
    QVERIFY(isRed(f.shot().pixel(box.center())));
}

void TestWorkSpace::zoomBox_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<QString>("action"); // "in", "out", "menu:<z>", "type:<text>", "down"
    QTest::addColumn<int>("zoom");
    QTest::addColumn<bool>("message");

    QTest::newRow("menu 140 then in") << 100 << "menu:140,in" << 150 << false;
    QTest::newRow("menu 140 then out") << 100 << "menu:140,out" << 100 << false;
    QTest::newRow("in at 300") << 300 << "in" << 300 << false;
    QTest::newRow("out at 60") << 60 << "out" << 60 << false;
    QTest::newRow("in from 100") << 100 << "in" << 150 << false;
    QTest::newRow("menu actual size") << 250 << "menu:100" << 100 << false;
    QTest::newRow("typed bare") << 100 << "type:175" << 175 << false;
    QTest::newRow("typed with percent") << 100 << "type:150%" << 150 << false;
    QTest::newRow("typed 10") << 100 << "type:10" << 10 << false;
    QTest::newRow("typed 1000") << 100 << "type:1000 %" << 1000 << false;
    QTest::newRow("typed 9 refused") << 150 << "type:9" << 150 << true;
    QTest::newRow("typed 1001 refused") << 150 << "type:1001" << 150 << true;
    QTest::newRow("typed 0 refused") << 150 << "type:0" << 150 << true;
    QTest::newRow("typed letters refused") << 150 << "type:abc" << 150 << true;
    QTest::newRow("first digits never read") << 150 << "type:15O" << 150 << true;
    QTest::newRow("next list entry by key") << 100 << "down" << 150 << false;
    QTest::newRow("typed then in") << 100 << "type:140,in" << 150 << false;
}

void TestWorkSpace::zoomBox()
{
    QFETCH(int, start);
    QFETCH(QString, action);
    QFETCH(int, zoom);
    QFETCH(bool, message);
    Fixture f;
    f.view().setZoom(start);
    for (const QString &step : action.split(u',')) {
        if (step == u"in")
            f.box->ZoominBtnClick();
        else if (step == u"out")
            f.box->ZoomOutBtnClick();
        else if (step.startsWith(u"menu:"))
            f.viewMenu.findChild<QAction *>(u'N' + step.mid(5) + u'1')->trigger();
        else if (step.startsWith(u"type:"))
            f.type(step.mid(5));
        else if (step == u"down")
            QTest::keyClick(f.box.get(), Qt::Key_Down); // the next list entry
    }
    QCOMPARE(f.view().zoom(), zoom);
    QCOMPARE(f.document.workLabel().zoomPercent(), zoom);
    // The box always shows the zoom in force, a refused text never stays.
    QCOMPARE(f.box->currentText(), ZoomList::text(zoom));
    QCOMPARE(f.messages.size(), message ? 1 : 0);
    QVERIFY(!f.document.isModified());
}

void TestWorkSpace::boxFollowsTheDocumentZoom()
{
    Fixture f;
    // Opening a document sets its zoom; the view and the box follow the document.
    f.document.workLabel().setZoomPercent(250);
    f.document.notifyChanged();
    QCOMPARE(f.view().zoom(), 250);
    QCOMPARE(f.box->currentText(), QStringLiteral("250 %"));
    QCOMPARE(f.panel.hRuler()->zoomPercent(), 250);
    QCOMPARE(f.panel.vRuler()->zoomPercent(), 250);
}

void TestWorkSpace::pointerReadout_data()
{
    QTest::addColumn<int>("zoom");
    QTest::addColumn<QPoint>("scroll");
    QTest::addColumn<int>("unit");
    QTest::addColumn<QPoint>("cell");     // model pixels the pointer is over
    QTest::addColumn<QString>("readout");

    const int mm = RulerScale::muMilimeter;
    const int inch = RulerScale::muInch;
    QTest::newRow("100") << 100 << QPoint() << mm << QPoint(96, 48) << " X : 25.4  Y : 12.7";
    QTest::newRow("200") << 200 << QPoint() << mm << QPoint(96, 48) << " X : 25.4  Y : 12.7";
    QTest::newRow("60") << 60 << QPoint() << mm << QPoint(160, 80) << " X : 42.3  Y : 21.2";
    QTest::newRow("300 scrolled") << 300 << QPoint(200, 150) << mm << QPoint(96, 96)
                                  << " X : 25.4  Y : 25.4";
    QTest::newRow("inches at 150 scrolled") << 150 << QPoint(40, 20) << inch << QPoint(96, 48)
                                            << " X : 1  Y : 0.5";
}

void TestWorkSpace::pointerReadout()
{
    QFETCH(int, zoom);
    QFETCH(QPoint, scroll);
    QFETCH(int, unit);
    QFETCH(QPoint, cell);
    QFETCH(QString, readout);
    Fixture f;
    QVERIFY(QTest::qWaitForWindowExposed(&f.panel));
    f.view().setZoom(zoom);
    f.panel.setMeasureUnit(RulerScale::TMeasureUnit(unit));
    f.view().horizontalScrollBar()->setValue(scroll.x());
    f.view().verticalScrollBar()->setValue(scroll.y());
    QCOMPARE(f.view().cellOrigin(), -scroll);
    QSignalSpy texts(&f.panel, &WorkPanel::pointerTextChanged);
    const QPoint at = (QPointF(cell) * zoom / 100.0).toPoint() - scroll;
    QTest::mouseMove(f.view().viewport(), at);
    QTRY_COMPARE(f.panel.pointerText(), readout);
    QVERIFY(!texts.isEmpty());
    // The red markers sit right above and beside the pointer.
    QCOMPARE(f.panel.hRuler()->markerPosition(), at.x());
    QCOMPARE(f.panel.vRuler()->markerPosition(), at.y());
    // The rulers and the view share their coordinates.
    QCOMPARE(f.panel.hRuler()->mapTo(&f.panel, QPoint(at.x(), 0)).x(),
             f.view().viewport()->mapTo(&f.panel, at).x());
    QCOMPARE(f.panel.vRuler()->mapTo(&f.panel, QPoint(0, at.y())).y(),
             f.view().viewport()->mapTo(&f.panel, at).y());
}

void TestWorkSpace::rulersFollowScrollAndUnit()
{
    Fixture f;
    f.view().setZoom(300);
    QCOMPARE(f.panel.hRuler()->origin(), 0);
    f.view().horizontalScrollBar()->setValue(123);
    f.view().verticalScrollBar()->setValue(45);
    QCOMPARE(f.panel.hRuler()->origin(), -123);
    QCOMPARE(f.panel.vRuler()->origin(), -45);
    // A new zoom starts at the cell's corner again.
    f.box->ZoomOutBtnClick();
    QCOMPARE(f.view().zoom(), 250);
    QCOMPARE(f.view().cellOrigin(), QPoint(0, 0));
    QCOMPARE(f.panel.hRuler()->origin(), 0);

    QSignalSpy units(&f.panel, &WorkPanel::measureUnitChanged);
    QCOMPARE(f.panel.unitButton()->text(), QStringLiteral("mm"));
    QTest::mouseClick(f.panel.unitButton(), Qt::LeftButton);
    QCOMPARE(f.panel.measureUnit(), RulerScale::muInch);
    QCOMPARE(f.panel.hRuler()->measureUnit(), RulerScale::muInch);
    QCOMPARE(f.panel.vRuler()->measureUnit(), RulerScale::muInch);
    QCOMPARE(f.panel.unitButton()->text(), QStringLiteral("Inch"));
    QTest::mouseClick(f.panel.unitButton(), Qt::LeftButton);
    QCOMPARE(f.panel.measureUnit(), RulerScale::muMilimeter);
    QCOMPARE(units.size(), 2);
    QCOMPARE(f.panel.hRuler()->objectName(), QStringLiteral("HRuler1"));
    QCOMPARE(f.panel.vRuler()->objectName(), QStringLiteral("VRuler1"));
}

void TestWorkSpace::rulerTicksPainted()
{
    Fixture f;
    f.view().setZoom(200);
    Ruler *ruler = f.panel.hRuler();
    const auto ink = [](const QImage &image, int x, int y) { return qGray(image.pixel(x, y)) < 128; };
    QImage image = ruler->grab().toImage();
    const int y = ruler->height() - 12; // reached by centimetre ticks (15) only
    // The centimetre tick "1" at round(10 x 96 / 25.4 x 2) = 76, its neighbours 7.6 away.
    QVERIFY(ink(image, 0, y));
    QVERIFY(ink(image, 76, y));
    QVERIFY(!ink(image, 72, y));
    QVERIFY(!ink(image, 80, y));
    // Scrolled by 30 pixels, the ticks move with the cell.
    f.view().horizontalScrollBar()->setValue(30);
    image = ruler->grab().toImage();
    QVERIFY(ink(image, 46, y));
    QVERIFY(!ink(image, 76, y));
    // The red marker under the pointer.
    ruler->setPointer(50); // model pixels: 100 screen pixels from the cell's edge
    image = ruler->grab().toImage();
    const QRgb marker = image.pixel(70, ruler->height() / 2);
    QVERIFY(qRed(marker) > 200 && qGreen(marker) < 60);
}

void TestWorkSpace::gridAndChanges()
{
    Fixture f;
    const QImage plain = f.shot();
    f.view().setGridVisible(true);
    QVERIFY(f.document.workLabel().gridflag());
    QVERIFY(f.document.isModified()); // a setting saved with the document
    QVERIFY(f.shot() != plain);
    f.view().setGridVisible(false);
    QCOMPARE(f.shot(), plain);

    // An object moved in the model shows at its new place.
    LabelObject *box = f.document.currentCellPanel()->object(0);
    box->setBounds(QRect(200, 200, 40, 20));
    f.document.notifyChanged();
    const QImage moved = f.shot();
    QVERIFY(!isRed(moved.pixel(70, 40)));
    QVERIFY(isRed(moved.pixel(220, 210)));

    // Another cell shown: its own objects only.
    TZR_LabelSize two = bigCell();
    two.setColumns(2);
    two.setPageWidth(8.0);
    QVERIFY(f.document.newDocument(two).ok());
    QVERIFY(f.document.cell(1, 2));
    f.document.cell(1, 2)->addObject(filledBox(QRect(10, 10, 30, 30)));
    QVERIFY(!isRed(f.shot().pixel(25, 25)));
    f.document.selectCell(2, 1);
    QVERIFY(isRed(f.shot().pixel(25, 25)));
}

void TestWorkSpace::fieldValuesAreShown()
{
    Fixture f;
    f.view().setZoom(200);
    const QImage own = f.shot();
    f.view().setFieldValues({{QStringLiteral("name"), QStringLiteral("홍길동 WWWWWWW")}}, {});
    const QImage record = f.shot();
    QVERIFY(record != own);
    f.view().clearFieldValues();
    QCOMPARE(f.shot(), own);
}

namespace {

struct RecordingTool : WorkSpaceTool {
    QList<QPair<QString, QPointF>> events;
    bool pointerPressed(TZR_WorkSpace &, const WorkSpacePointer &p) override
    {
        events.append({QStringLiteral("press"), p.cell});
        return true;
    }
    bool pointerMoved(TZR_WorkSpace &, const WorkSpacePointer &p) override
    {
        if (p.buttons)
            events.append({QStringLiteral("move"), p.cell});
        return true;
    }
    bool pointerReleased(TZR_WorkSpace &, const WorkSpacePointer &p) override
    {
        events.append({QStringLiteral("release"), p.cell});
        return true;
    }
};

} // namespace

void TestWorkSpace::toolReceivesPointerInCellPixels()
{
    Fixture f;
    RecordingTool tool;
    f.view().setTool(&tool);
    f.view().setZoom(200);
    f.view().horizontalScrollBar()->setValue(20);
    QWidget *viewport = f.view().viewport();
    QTest::mousePress(viewport, Qt::LeftButton, {}, QPoint(80, 60));
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, QPoint(180, 60));
    QCOMPARE(tool.events.size(), 2);
    QCOMPARE(tool.events.at(0).first, QStringLiteral("press"));
    QCOMPARE(tool.events.at(0).second, QPointF(50, 30));
    QCOMPARE(tool.events.at(1).second, QPointF(100, 30));
    // The view itself never edits.
    QVERIFY(!f.document.isModified());
    f.view().setTool(nullptr);
}

QTEST_MAIN(TestWorkSpace)
#include "tst_workspace.moc"
