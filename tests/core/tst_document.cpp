// Tests of the document model: pages and cells, zoom mapping, overview layout and summaries.
#include "document/DocumentSummary.h"
#include "document/LabelDocument.h"
#include "document/StandardProperties.h"
#include "document/ObjectTypeCode.h"
#include "document/ZoomMapping.h"
#include "shell/CaptionFile.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace quill;

namespace {

// A label class with bounds, one font property and ParentFont.
const ClassInfo &testClassInfo()
{
    static const ClassInfo info = [] {
        ClassBuilder b(QStringLiteral("TZR_TextEdit"));
        addBounds(b, 65, 17);
        b.boolean(QStringLiteral("ParentFont"), true, true);
        b.text(QStringLiteral("Font.Name"), QStringLiteral("굴림"));
        return b.build();
    }();
    return info;
}

class TestObject : public LabelObject {
public:
    explicit TestObject(int id, const QRect &bounds = QRect(0, 0, 65, 17))
        : LabelObject(testClassInfo()), mId(id)
    {
        setBounds(bounds);
    }
    ObjectTypeCode typeCode() const override { return ObjectTypeCode::TextEdit; }
    std::unique_ptr<LabelObject> clone() const override
    {
        return std::make_unique<TestObject>(*this);
    }
    int id() const { return mId; }

private:
    int mId;
};

int idOf(const LabelObject *object)
{
    return object ? static_cast<const TestObject *>(object)->id() : -1;
}

// 3 rows x 2 columns of 1 x 0.5 in cells with gaps of 0.125 and 0.1 in on a portrait sheet.
TZR_LabelSize sheet3x2()
{
    TZR_LabelSize sheet;
    sheet.setRows(3);
    sheet.setColumns(2);
    sheet.setWidth(1.0);
    sheet.setHeight(0.5);
    sheet.setHorizSpace(0.125f);
    sheet.setVertSpace(0.1f);
    sheet.setPageWidth(2.5);
    sheet.setPageHeight(2.0 + 1.0 / 3);
    sheet.setColor(0x00E0F0);
    sheet.setLabelKindType(QStringLiteral("주소라벨"));
    sheet.setPaper(QStringLiteral("A4"));
    return sheet;
}

std::unique_ptr<LabelDocument> newDocument3x2()
{
    auto doc = std::make_unique<LabelDocument>();
    const Status status = doc->newDocument(sheet3x2());
    Q_ASSERT(status.ok());
    return doc;
}

} // namespace

class TestDocument : public QObject {
    Q_OBJECT
private slots:
    void newDocumentHasOnePageOfCells();
    void newDocumentState();
    void sheetWithoutRowsOrColumns();
    void tooManyCellsRefused();
    void cellAccessAndSelection();
    void addPageStopsAtTen();
    void deletePage_data();
    void deletePage();
    void lastPageNeverDeleted();
    void completeCellsOfReadPages();
    void readerWithoutPagesGetsOne();
    void signalsAndModified();
    void sheetChangesAreAnnounced();
    void cellObjectsKeepZOrder();
    void objectBoundsAndFont();
    void objectTypeCodes();
    void zoomRoundTrip();
    void zoomExamples_data();
    void zoomExamples();
    void fontSizeAtZoom_data();
    void fontSizeAtZoom();
    void overviewLayout_data();
    void overviewLayout();
    void millimetreText_data();
    void millimetreText();
    void summaryTexts();
};

void TestDocument::newDocumentHasOnePageOfCells()
{
    const auto doc = newDocument3x2();
    QCOMPARE(doc->pageCount(), 1);
    QCOMPARE(doc->page(1)->caption(), QStringLiteral("Page_1"));
    QCOMPARE(doc->page(1)->cellCount(), 6);
    // Three rows of two: cell 5 is row 2, column 0, at child position 4; cell 6 beside it.
    QCOMPARE(doc->labelSize().cellPosition(5), (CellPosition{2, 0}));
    const LabelCell *cell5 = doc->cell(1, 5);
    QVERIFY(cell5);
    QCOMPARE(cell5->tabOrder(), 4);
    // top = round(2 x 48 + 2 x 9.6) = round(115.2); cell 6: left = round(96 + 12).
    QCOMPARE(cell5->bounds(), QRect(0, 115, 96, 48));
    QCOMPARE(doc->cell(1, 6)->bounds(), QRect(108, 115, 96, 48));
    QCOMPARE(doc->cell(1, 4)->bounds(), QRect(108, 58, 96, 48));
    QCOMPARE(doc->cell(1, 1)->bounds(), QRect(0, 0, 96, 48));
    // Two rows of three: cell 5 is row 1, column 1.
    TZR_LabelSize wide = sheet3x2();
    wide.setRows(2);
    wide.setColumns(3);
    QCOMPARE(wide.cellPosition(5), (CellPosition{1, 1}));
    QCOMPARE(wide.cellNumber(1, 1), 5);
    QVERIFY(!doc->cell(1, 7));
    QVERIFY(!doc->cell(2, 1));
}

void TestDocument::newDocumentState()
{
    LabelDocument doc;
    doc.setFileName(QStringLiteral("/tmp/a.lbl"));
    doc.setLabelDataList(QStringLiteral("/tmp/label.tmp"), QStringLiteral("Sheet1"));
    doc.setBarcodeDataList(QStringLiteral("/tmp/codes.db"), QString());
    doc.setModified(true);
    InnerCutOutline outline{true, 1, 2, 3, 4, 0, 1};
    QVERIFY(doc.newDocument(sheet3x2(), outline, LabelDocument::DataLists::Keep).ok());
    QVERIFY(doc.fileName().isEmpty());
    QVERIFY(!doc.isModified());
    QCOMPARE(doc.labelDataListPath(), QStringLiteral("/tmp/label.tmp"));
    QCOMPARE(doc.workLabel().color(), TColor(0x00E0F0));
    QCOMPARE(doc.workLabel().innerCutOutline(), outline);
    QCOMPARE(doc.labelSize(), sheet3x2());
    QCOMPARE(doc.workLabel().width(), 96 + 2);

    QVERIFY(doc.newDocument(sheet3x2()).ok());
    QVERIFY(doc.labelDataListPath().isEmpty());
    QVERIFY(doc.labelDataListTable().isEmpty());
    QVERIFY(doc.barcodeDataListPath().isEmpty());
    QVERIFY(!doc.workLabel().innerCutOutline().present);
}

void TestDocument::sheetWithoutRowsOrColumns()
{
    TZR_LabelSize sheet = sheet3x2();
    sheet.setRows(0);
    LabelDocument doc;
    QVERIFY(doc.newDocument(sheet).ok());
    QCOMPARE(doc.pageCount(), 1);
    QCOMPARE(doc.page(1)->cellCount(), 0);
    QVERIFY(!doc.currentCellPanel());
    QVERIFY(!doc.selectCell(1, 1));
    QVERIFY(doc.addPage());
    QCOMPARE(doc.page(2)->cellCount(), 0);
}

void TestDocument::tooManyCellsRefused()
{
    const auto doc = newDocument3x2();
    TZR_LabelSize huge = sheet3x2();
    huge.setRows(65535);
    huge.setColumns(65535);
    QVERIFY(!doc->newDocument(huge).ok());
    QVERIFY(!doc->setLabelSize(huge).ok());
    QCOMPARE(doc->labelSize(), sheet3x2());
    QCOMPARE(doc->page(1)->cellCount(), 6);
}

void TestDocument::cellAccessAndSelection()
{
    const auto doc = newDocument3x2();
    QVERIFY(doc->addPage());
    QSignalSpy spy(doc.get(), &LabelDocument::currentCellChanged);
    QVERIFY(doc->selectCell(4, 2));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0), (QVariantList{2, 4}));
    QCOMPARE(doc->currentPage(), 2);
    QCOMPARE(doc->currentCell(), 4);
    QCOMPARE(doc->currentCellPanel(), doc->page(2)->cell(4));
    QCOMPARE(doc->cell(1, 0), doc->page(1)->cell(4)); // cell 0: the current cell number
    QCOMPARE(doc->cell(0, 2), doc->page(2)->cell(2)); // page 0: the current page

    QVERIFY(doc->selectCell(4, 2)); // the same cell again: no signal
    QCOMPARE(spy.count(), 1);
    QVERIFY(!doc->selectCell(7, 1));
    QVERIFY(!doc->selectCell(1, 3));
    QVERIFY(!doc->selectCell(-1, 1));
    QCOMPARE(doc->currentCell(), 4);
    QCOMPARE(spy.count(), 1);
}

void TestDocument::addPageStopsAtTen()
{
    const auto doc = newDocument3x2();
    for (int i = 2; i <= LabelDocument::MaxPages; ++i)
        QVERIFY(doc->addPage());
    QCOMPARE(doc->pageCount(), 10);
    QCOMPARE(doc->page(10)->caption(), QStringLiteral("Page_10"));
    QCOMPARE(doc->page(10)->cellCount(), 6);
    QSignalSpy spy(doc.get(), &LabelDocument::changed);
    QVERIFY(!doc->addPage());
    QCOMPARE(doc->pageCount(), 10);
    QCOMPARE(spy.count(), 0);
    QCOMPARE(doc->currentPage(), 1); // adding never moves the current page
}

void TestDocument::deletePage_data()
{
    QTest::addColumn<int>("pages");
    QTest::addColumn<int>("current");
    QTest::addColumn<int>("expectedCurrent");
    QTest::addColumn<QStringList>("captions");
    QTest::newRow("3 of 3") << 3 << 3 << 2
                            << QStringList{QStringLiteral("Page_1"), QStringLiteral("Page_2")};
    QTest::newRow("2 of 3") << 3 << 2 << 2
                            << QStringList{QStringLiteral("Page_1"), QStringLiteral("Page_3")};
    QTest::newRow("1 of 2") << 2 << 1 << 1 << QStringList{QStringLiteral("Page_2")};
}

void TestDocument::deletePage()
{
    QFETCH(int, pages);
    QFETCH(int, current);
    QFETCH(int, expectedCurrent);
    QFETCH(QStringList, captions);
    const auto doc = newDocument3x2();
    for (int i = 2; i <= pages; ++i)
        QVERIFY(doc->addPage());
    QVERIFY(doc->selectCell(2, current));
    doc->setModified(false);
    QSignalSpy removed(doc.get(), &LabelDocument::pageRemoved);
    QSignalSpy currentChanged(doc.get(), &LabelDocument::currentCellChanged);

    QVERIFY(doc->deleteCurrentPage());
    QCOMPARE(doc->pageCount(), pages - 1);
    QCOMPARE(removed.count(), 1);
    QCOMPARE(removed.at(0).at(0).toInt(), current);
    QCOMPARE(doc->currentPage(), expectedCurrent);
    QCOMPARE(doc->currentCell(), 2);
    QCOMPARE(currentChanged.count(), 1);
    QCOMPARE(currentChanged.at(0), (QVariantList{expectedCurrent, 2}));
    QStringList actual;
    for (int p = 1; p <= doc->pageCount(); ++p)
        actual << doc->page(p)->caption();
    QCOMPARE(actual, captions);
    QVERIFY(doc->isModified()); // otherwise a Save of an empty cell would drop the deletion
}

void TestDocument::lastPageNeverDeleted()
{
    const auto doc = newDocument3x2();
    doc->cell(1, 1)->addObject(std::make_unique<TestObject>(1));
    QSignalSpy removed(doc.get(), &LabelDocument::pageRemoved);
    QVERIFY(!doc->deleteCurrentPage());
    QCOMPARE(doc->pageCount(), 1);
    QCOMPARE(doc->cell(1, 1)->objectCount(), 1);
    QCOMPARE(removed.count(), 0);
    QVERIFY(!doc->isModified());
}

void TestDocument::completeCellsOfReadPages()
{
    const auto doc = newDocument3x2();
    doc->clearPages();
    auto page = std::make_unique<LabelPage>(QStringLiteral("Page_1"));
    for (int n = 1; n <= 4; ++n)
        page->appendCell(std::make_unique<LabelCell>(QRect(n, n, 10, 10), n - 1));
    page->cell(2)->addObject(std::make_unique<TestObject>(42));
    QVERIFY(doc->appendPage(std::move(page)));
    auto full = std::make_unique<LabelPage>(QStringLiteral("Page_2"));
    for (int n = 1; n <= 6; ++n)
        full->appendCell(std::make_unique<LabelCell>(QRect(0, 0, 1, 1), n - 1));
    QVERIFY(doc->appendPage(std::move(full)));

    doc->completeLoadedPages();
    QCOMPARE(doc->page(1)->cellCount(), 6);
    // The cells read are kept as they were; 5 and 6 are appended in their sheet positions.
    QCOMPARE(doc->cell(1, 2)->bounds(), QRect(2, 2, 10, 10));
    QCOMPARE(idOf(doc->cell(1, 2)->object(0)), 42);
    QCOMPARE(doc->cell(1, 5)->bounds(), QRect(0, 115, 96, 48));
    QCOMPARE(doc->cell(1, 6)->bounds(), QRect(108, 115, 96, 48));
    QCOMPARE(doc->cell(1, 6)->tabOrder(), 5);
    QCOMPARE(doc->page(2)->cellCount(), 6);
    QCOMPARE(doc->cell(2, 6)->bounds(), QRect(0, 0, 1, 1));
    QCOMPARE(doc->currentPage(), 1);
    QCOMPARE(doc->currentCell(), 1);
}

void TestDocument::readerWithoutPagesGetsOne()
{
    const auto doc = newDocument3x2();
    doc->clearPages();
    QCOMPARE(doc->pageCount(), 0);
    QVERIFY(!doc->currentCellPanel());
    doc->completeLoadedPages();
    QCOMPARE(doc->pageCount(), 1);
    QCOMPARE(doc->page(1)->cellCount(), 6);
    for (int i = 1; i <= LabelDocument::MaxPages; ++i)
        doc->appendPage(std::make_unique<LabelPage>());
    QCOMPARE(doc->pageCount(), LabelDocument::MaxPages);
}

void TestDocument::signalsAndModified()
{
    LabelDocument doc;
    QSignalSpy modified(&doc, &LabelDocument::modifiedChanged);
    QSignalSpy changed(&doc, &LabelDocument::changed);
    doc.setModified(true);
    doc.setModified(true);
    QCOMPARE(modified.count(), 1);
    QCOMPARE(modified.at(0).at(0).toBool(), true);
    QVERIFY(doc.newDocument(sheet3x2()).ok());
    QCOMPARE(modified.count(), 2);
    QCOMPARE(modified.at(1).at(0).toBool(), false);
    QVERIFY(changed.count() >= 1);

    changed.clear();
    QVERIFY(doc.addPage());
    QCOMPARE(changed.count(), 1);
    QVERIFY(doc.isModified());
    changed.clear();
    doc.setFileName(QStringLiteral("/tmp/x.lbl"));
    doc.setFileName(QStringLiteral("/tmp/x.lbl"));
    QCOMPARE(changed.count(), 1);
}

void TestDocument::sheetChangesAreAnnounced()
{
    LabelDocument doc;
    QVERIFY(doc.newDocument(sheet3x2()).ok());
    QSignalSpy changed(&doc, &LabelDocument::changed);
    doc.workLabel().labelSize().setHeight(0.75);
    QCOMPARE(changed.count(), 1);
    doc.workLabel().labelSize().setHeight(0.75);
    QCOMPARE(changed.count(), 1);
    // The notification stays wired after the work label was replaced.
    QVERIFY(doc.newDocument(sheet3x2()).ok());
    changed.clear();
    doc.workLabel().labelSize().setWidth(3.0);
    QCOMPARE(changed.count(), 1);

    changed.clear();
    doc.setModified(false);
    doc.swapOrientation();
    QCOMPARE(doc.labelSize().rows(), quint16(2));
    QCOMPARE(doc.labelSize().columns(), quint16(3));
    QCOMPARE(doc.page(1)->cellCount(), 6);
    QCOMPARE(doc.cell(1, 6)->bounds(), QRect(108, 115, 96, 48)); // cells are not moved
    QVERIFY(doc.isModified());
    QVERIFY(changed.count() >= 1);
}

void TestDocument::cellObjectsKeepZOrder()
{
    LabelCell cell(QRect(0, 0, 96, 48));
    cell.addObject(std::make_unique<TestObject>(1));
    cell.addObject(std::make_unique<TestObject>(3));
    cell.insertObject(1, std::make_unique<TestObject>(2));
    cell.insertObject(-5, std::make_unique<TestObject>(0));
    cell.insertObject(99, std::make_unique<TestObject>(4, QRect(1, 2, 3, 4)));
    QVERIFY(!cell.addObject(nullptr));
    QCOMPARE(cell.objectCount(), 5);
    for (int i = 0; i < 5; ++i)
        QCOMPARE(idOf(cell.object(i)), i);
    QCOMPARE(cell.indexOf(cell.object(3)), 3);

    const LabelCell copy = cell.clone();
    std::unique_ptr<LabelObject> taken = cell.takeObject(4);
    QCOMPARE(idOf(taken.get()), 4);
    QVERIFY(!cell.takeObject(4));
    QCOMPARE(cell.objectCount(), 4);
    QCOMPARE(cell.indexOf(taken.get()), -1);
    cell.clear();
    QVERIFY(cell.isEmpty());
    // The clone owns its own objects.
    QCOMPARE(copy.objectCount(), 5);
    QCOMPARE(copy.object(4)->bounds(), QRect(1, 2, 3, 4));
    QVERIFY(copy.object(4) != taken.get());
}

void TestDocument::objectBoundsAndFont()
{
    TestObject object(1, QRect(-5, 7, 120, 40));
    QCOMPARE(object.className(), QStringLiteral("TZR_TextEdit"));
    // The bounds are the record's Left, Top, Width and Height.
    QCOMPARE(object.value(QStringLiteral("Left")).toInt(), -5);
    QCOMPARE(object.value(QStringLiteral("Height")).toInt(), 40);
    QCOMPARE(object.bounds(), QRect(-5, 7, 120, 40));
    QVERIFY(object.boolValue(QStringLiteral("ParentFont")));
    object.setValue(QStringLiteral("Left"), 3);
    QVERIFY(object.boolValue(QStringLiteral("ParentFont")));
    object.setValue(QStringLiteral("Font.Name"), QStringLiteral("돋움"));
    QVERIFY(!object.boolValue(QStringLiteral("ParentFont")));
    const std::unique_ptr<PersistentObject> copy = object.clonePersistent();
    QVERIFY(dynamic_cast<TestObject *>(copy.get()));
    QCOMPARE(copy->textValue(QStringLiteral("Font.Name")), QStringLiteral("돋움"));
    QCOMPARE(static_cast<LabelObject *>(copy.get())->bounds(), QRect(3, 7, 120, 40));
}

void TestDocument::objectTypeCodes()
{
    for (qint32 value = 22; value <= 33; ++value) {
        const std::optional<ObjectTypeCode> code = objectTypeCodeFromValue(value);
        QVERIFY(code);
        if (value == LegacyWordArtCode) {
            QCOMPARE(*code, ObjectTypeCode::WordArt);
            continue;
        }
        QCOMPARE(qint32(*code), value);
        QCOMPARE(objectTypeCodeForClass(objectClassName(*code)), code);
    }
    QVERIFY(!objectTypeCodeFromValue(21));
    QVERIFY(!objectTypeCodeFromValue(34));
    QVERIFY(!objectTypeCodeFromValue(1000));
    QCOMPARE(objectClassName(ObjectTypeCode::Barcode2D), QStringLiteral("TZR_2DBarcode"));
    QVERIFY(!objectTypeCodeForClass(QStringLiteral("TZR_VantorLabel")));
    QVERIFY(!objectTypeCodeForClass(QStringLiteral("tzr_textedit")));
}

void TestDocument::zoomRoundTrip()
{
    // Exhaustive over the zooms the editor offers and a generous range of positions.
    for (int zoom = 10; zoom <= 800; ++zoom) {
        for (int v = -300; v <= 3000; ++v) {
            const int screen = ZoomMapping::toScreen(v, zoom);
            // Untouched values always survive.
            if (ZoomMapping::toModel(screen, zoom, v) != v)
                QFAIL(qPrintable(QStringLiteral("kept %1 at %2").arg(v).arg(zoom)));
            if (zoom >= 100 && ZoomMapping::toModel(screen, zoom) != v)
                QFAIL(qPrintable(QStringLiteral("model %1 at %2").arg(v).arg(zoom)));
            if (zoom <= 100
                && ZoomMapping::toScreen(ZoomMapping::toModel(v, zoom), zoom) != v)
                QFAIL(qPrintable(QStringLiteral("screen %1 at %2").arg(v).arg(zoom)));
        }
    }
    const QRect model(33, -7, 101, 1);
    for (int zoom : {10, 33, 60, 75, 150, 250, 800}) {
        const QRect screen = ZoomMapping::toScreen(model, zoom);
        QCOMPARE(ZoomMapping::toModel(screen, zoom, model), model);
        // An edit of one value takes the edited value and keeps the others.
        const QRect moved = screen.translated(zoom / 10 + 1, 0);
        const QRect back = ZoomMapping::toModel(moved, zoom, model);
        QCOMPARE(back.top(), model.top());
        QCOMPARE(back.size(), model.size());
        QCOMPARE(back.left(), ZoomMapping::toModel(moved.left(), zoom));
        if (zoom <= 100) // above 100 % not every screen pixel has a model value
            QCOMPARE(ZoomMapping::toScreen(back, zoom).left(), moved.left());
    }
    QCOMPARE(ZoomMapping::toModel(50, 0), 5000); // a zoom of 0 never divides by zero
}

void TestDocument::zoomExamples_data()
{
    QTest::addColumn<int>("model");
    QTest::addColumn<int>("zoom");
    QTest::addColumn<int>("screen");
    // Truncating both ways would show 33 at 49 and store it back as 32; here it stays 33.
    QTest::newRow("33 at 150") << 33 << 150 << 50;
    QTest::newRow("32 at 150") << 32 << 150 << 48;
    QTest::newRow("1 at 50 (half to even)") << 1 << 50 << 0;
    QTest::newRow("3 at 50 (half to even)") << 3 << 50 << 2;
    QTest::newRow("-33 at 150") << -33 << 150 << -50;
    QTest::newRow("large") << 2000000000 << 800 << 2147483647;
}

void TestDocument::zoomExamples()
{
    QFETCH(int, model);
    QFETCH(int, zoom);
    QFETCH(int, screen);
    QCOMPARE(ZoomMapping::toScreen(model, zoom), screen);
    if (zoom >= 100 && screen != 2147483647)
        QCOMPARE(ZoomMapping::toModel(screen, zoom), model);
}

void TestDocument::fontSizeAtZoom_data()
{
    QTest::addColumn<double>("size");
    QTest::addColumn<int>("zoom");
    QTest::addColumn<int>("shown");
    QTest::newRow("10 at 150") << 10.0 << 150 << 15;
    QTest::newRow("9 at 75 truncates 6.75") << 9.0 << 75 << 6;
    QTest::newRow("10.5 at 100") << 10.5 << 100 << 10;
    QTest::newRow("9.999 rounds to 10.00 first") << 9.999 << 100 << 10;
    QTest::newRow("9.994 stays 9.99") << 9.994 << 100 << 9;
}

void TestDocument::fontSizeAtZoom()
{
    QFETCH(double, size);
    QFETCH(int, zoom);
    QFETCH(int, shown);
    QCOMPARE(ZoomMapping::fontSizeAtZoom(size, zoom), shown);
}

void TestDocument::overviewLayout_data()
{
    QTest::addColumn<double>("pageWidthMm");
    QTest::addColumn<double>("pageHeightMm");
    QTest::addColumn<QSize>("box");
    QTest::addColumn<QSize>("adjusted");
    QTest::addColumn<QRect>("cell6");
    // At 25.4 pixels per inch cell 6 (row 2, column 1) starts at 1 + 0.5 + 0.125 in across,
    // 2 x 0.5 + 0.25 + 2 x 0.1 in down: (41.275, 36.83), 25.4 x 12.7 in size.
    QTest::newRow("landscape 297 x 210") << 297.0 << 210.0 << QSize(297, 400) << QSize(297, 210)
                                         << QRect(41, 37, 25, 13);
    QTest::newRow("landscape in 150") << 297.0 << 210.0 << QSize(150, 150) << QSize(150, 106)
                                      << QRect(21, 19, 13, 6);
    QTest::newRow("portrait 210 x 297") << 210.0 << 297.0 << QSize(500, 297) << QSize(210, 297)
                                        << QRect(41, 37, 25, 13);
    QTest::newRow("square keeps height") << 127.0 << 127.0 << QSize(80, 127) << QSize(127, 127)
                                         << QRect(41, 37, 25, 13);
    QTest::newRow("no page size") << 0.0 << 0.0 << QSize(80, 120) << QSize(80, 120)
                                  << QRect(0, 0, 0, 0);
}

void TestDocument::overviewLayout()
{
    QFETCH(double, pageWidthMm);
    QFETCH(double, pageHeightMm);
    QFETCH(QSize, box);
    QFETCH(QSize, adjusted);
    QFETCH(QRect, cell6);
    TZR_LabelSize sheet = sheet3x2();
    sheet.setPageWidth(pageWidthMm / 25.4);
    sheet.setPageHeight(pageHeightMm / 25.4);
    sheet.setLeftMargin(0.5f);
    sheet.setTopMargin(0.25f);
    const OverviewLayout layout = layoutOverview(box, sheet);
    QCOMPARE(layout.boxSize, adjusted);
    QCOMPARE(layout.cells.size(), 6);
    QCOMPARE(layout.cells.at(5), cell6);
}

void TestDocument::millimetreText_data()
{
    QTest::addColumn<double>("inches");
    QTest::addColumn<QString>("text");
    QTest::newRow("2.5 in") << 2.5 << QStringLiteral("63.5");
    QTest::newRow("1.5 in") << 1.5 << QStringLiteral("38.1");
    QTest::newRow("1 in") << 1.0 << QStringLiteral("25.4");
    QTest::newRow("whole") << 100 / 25.4 << QStringLiteral("100");
    QTest::newRow("two decimals") << 0.123 << QStringLiteral("3.12");
    QTest::newRow("zero") << 0.0 << QStringLiteral("0");
}

void TestDocument::millimetreText()
{
    QFETCH(double, inches);
    QFETCH(QString, text);
    QCOMPARE(quill::millimetreText(inches), text);
}

void TestDocument::summaryTexts()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("label.dat"));
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(toCp949(QStringLiteral("[MenuCaption]\r\nMainForm=라벨 디자이너\r\n"
                                          "[MainMessage]\r\nStatusLabelCaption=라벨종류\r\n"
                                          "StatusLabelNo=라벨수\r\nStatusRow=행\r\n"
                                          "StatusColume=열\r\nStatusLabelNum=개\r\n")));
    }
    const CaptionFile captions(path);
    TZR_LabelSize sheet = sheet3x2();
    sheet.setWidth(2.5);
    sheet.setHeight(1.5);
    sheet.setColumns(7);
    QCOMPARE(sheetSummaryText(sheet, captions),
             QStringLiteral(" 라벨종류 : 주소라벨 (63.5 * 38.1 mm)    라벨수 : 3 (행) * 7 (열) = 21 개"));
    QCOMPARE(overviewTitle(sheet), QStringLiteral("[21칸라벨, A4] 라벨용지"));
    QCOMPARE(overviewPageText(1, 3), QStringLiteral("1/3 페이지"));
    QCOMPARE(mainWindowCaption(captions, QString()), QStringLiteral("라벨 디자이너"));
    QCOMPARE(mainWindowCaption(captions, QStringLiteral("/home/u/주소.lbl")),
             QStringLiteral("라벨 디자이너  ( /home/u/주소.lbl )"));

    // Without the caption file every key reads "0".
    const CaptionFile missing(dir.filePath(QStringLiteral("none.dat")));
    QCOMPARE(mainWindowCaption(missing, QString()), QStringLiteral("0"));
    QCOMPARE(sheetSummaryText(sheet, missing),
             QStringLiteral(" 0 : 주소라벨 (63.5 * 38.1 mm)    0 : 3 (0) * 7 (0) = 21 0"));
}

QTEST_GUILESS_MAIN(TestDocument)
#include "tst_document.moc"
