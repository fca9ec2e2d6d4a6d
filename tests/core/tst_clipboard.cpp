// Tests of the object clipboard files: copy, paste, Ctrl+drag copies and apply to all cells.
#include "TestLabelObjects.h"

#include "document/LabelDocument.h"
#include "document/ObjectClipboard.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace quill;
using namespace quill::testing;

namespace {

TZR_LabelSize sheet3x2()
{
    TZR_LabelSize sheet;
    sheet.setRows(3);
    sheet.setColumns(2);
    sheet.setWidth(2.0);
    sheet.setHeight(1.0);
    sheet.setPageWidth(4.5);
    sheet.setPageHeight(3.5);
    return sheet;
}

std::vector<const LabelObject *> selectionOf(std::initializer_list<const LabelObject *> objects)
{
    return std::vector<const LabelObject *>(objects);
}

} // namespace

class TestClipboard : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { registerStandInClasses(); }
    void init();

    void fileNames();
    void copyAndPasteKeepSelectionOrderAndPositions();
    void pasteWithoutFileDoesNothing();
    void fieldBoundObjectsAreRefused_data();
    void fieldBoundObjectsAreRefused();
    void damagedFileKeepsTheObjectsBeforeTheDamage();
    void unwritableFileIsAnError();
    void dragCopy_data();
    void dragCopy();
    void dragCopyRefusesFieldBoundObjects();
    void masterApplyFillsEveryOtherCell();
    void masterApplyRefusals();

private:
    std::unique_ptr<QTemporaryDir> mDir;
    std::unique_ptr<ObjectClipboard> mClipboard;
    LabelCell mSource;
    LabelCell mTarget;
};

void TestClipboard::init()
{
    mDir = std::make_unique<QTemporaryDir>();
    mClipboard = std::make_unique<ObjectClipboard>(mDir->filePath(QStringLiteral("Temp")));
    mSource.clear();
    mTarget.clear();
    mSource.addObject(makeObject(ObjectTypeCode::TextEdit, QRect(10, 20, 100, 30), u"text"_qs));
    mSource.addObject(makeObject(ObjectTypeCode::VantorShape, QRect(5, 6, 7, 8), u"shape"_qs));
}

void TestClipboard::fileNames()
{
    QCOMPARE(ObjectClipboard::fileName(ObjectClipboard::Slot::Copy), u"CopyObj.acp"_qs);
    QCOMPARE(ObjectClipboard::fileName(ObjectClipboard::Slot::MoveCopy), u"MoveCopy.acp"_qs);
    QCOMPARE(ObjectClipboard::fileName(ObjectClipboard::Slot::Master), u"mCopyObj.acp"_qs);
    QCOMPARE(mClipboard->filePath(ObjectClipboard::Slot::Copy),
             QDir(mClipboard->folder()).filePath(u"CopyObj.acp"_qs));
}

void TestClipboard::copyAndPasteKeepSelectionOrderAndPositions()
{
    // Selected front object first: the copies come in selection order.
    QVERIFY(mClipboard->copy(selectionOf({mSource.object(1), mSource.object(0)})).ok());
    mTarget.addObject(makeObject(ObjectTypeCode::Gradient, QRect(0, 0, 1, 1), u"old"_qs));
    Result<std::vector<LabelObject *>> pasted = mClipboard->paste(mTarget);
    QVERIFY(pasted.ok());
    QCOMPARE(pasted.value().size(), size_t(2));
    QCOMPARE(mTarget.objectCount(), 3);
    QCOMPARE(captionOf(mTarget.object(0)), u"old"_qs);
    QCOMPARE(captionOf(mTarget.object(1)), u"shape"_qs);
    QCOMPARE(captionOf(mTarget.object(2)), u"text"_qs);
    // Positions and sizes are the objects' own, whatever zoom the editor shows: a copy made
    // while the cell was shown at 200 % pastes at the same size.
    QCOMPARE(mTarget.object(2)->bounds(), QRect(10, 20, 100, 30));
    QCOMPARE(mTarget.object(1)->bounds(), QRect(5, 6, 7, 8));
    QCOMPARE(pasted.value().front(), mTarget.object(1));
    // The file can be pasted again.
    QVERIFY(mClipboard->paste(mTarget).ok());
    QCOMPARE(mTarget.objectCount(), 5);
}

void TestClipboard::pasteWithoutFileDoesNothing()
{
    Result<std::vector<LabelObject *>> pasted = mClipboard->paste(mTarget);
    QVERIFY(pasted.ok());
    QVERIFY(pasted.value().empty());
    QCOMPARE(mTarget.objectCount(), 0);
    // A file too short for its count holds nothing either.
    QVERIFY(QDir().mkpath(mClipboard->folder()));
    QFile f(mClipboard->filePath(ObjectClipboard::Slot::Copy));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("\x01\x00", 2);
    f.close();
    QVERIFY(mClipboard->paste(mTarget).ok());
    QCOMPARE(mTarget.objectCount(), 0);
}

void TestClipboard::fieldBoundObjectsAreRefused_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("refused");
    QTest::newRow("barcode") << int(ObjectTypeCode::Barcode) << true;
    QTest::newRow("2D barcode") << int(ObjectTypeCode::Barcode2D) << true;
    QTest::newRow("field label") << int(ObjectTypeCode::GuideLabel) << true;
    QTest::newRow("serial number") << int(ObjectTypeCode::SerialNumber) << true;
    QTest::newRow("text box") << int(ObjectTypeCode::TextEdit) << false;
    QTest::newRow("postal code barcode") << int(ObjectTypeCode::ZipBarcode) << false;
    QTest::newRow("image") << int(ObjectTypeCode::DBImage) << false;
}

void TestClipboard::fieldBoundObjectsAreRefused()
{
    QFETCH(int, code);
    QFETCH(bool, refused);
    // An earlier copy is in the file.
    QVERIFY(mClipboard->copy(selectionOf({mSource.object(0)})).ok());
    const auto bound = makeObject(ObjectTypeCode(code), QRect(1, 1, 9, 9), u"b"_qs, u"NAME"_qs);
    const auto unbound = makeObject(ObjectTypeCode(code), QRect(1, 1, 9, 9), u"u"_qs);
    QVERIFY(!ObjectClipboard::isFieldBound(*unbound));
    QCOMPARE(ObjectClipboard::isFieldBound(*bound), refused);

    const Status s = mClipboard->copy(selectionOf({mSource.object(1), bound.get()}));
    QCOMPARE(!s.ok(), refused);
    mTarget.clear();
    QVERIFY(mClipboard->paste(mTarget).ok());
    if (refused) {
        QVERIFY(ObjectClipboard::isRefusal(s.error()));
        QCOMPARE(s.error().message, u"CopyError"_qs);
        QCOMPARE(s.error().where, u"MainMessage"_qs);
        // The file was emptied: the following paste pastes nothing.
        QCOMPARE(QFileInfo(mClipboard->filePath(ObjectClipboard::Slot::Copy)).size(), 0);
        QCOMPARE(mTarget.objectCount(), 0);
    } else {
        QCOMPARE(mTarget.objectCount(), 2);
        QCOMPARE(mTarget.object(1)->textValue(u"FieldName"_qs), u"NAME"_qs);
    }
}

void TestClipboard::damagedFileKeepsTheObjectsBeforeTheDamage()
{
    QVERIFY(mClipboard->copy(selectionOf({mSource.object(0), mSource.object(1)})).ok());
    QFile f(mClipboard->filePath(ObjectClipboard::Slot::Copy));
    QVERIFY(f.open(QIODevice::ReadWrite));
    QVERIFY(f.resize(f.size() - 3));
    f.close();
    Result<std::vector<LabelObject *>> pasted = mClipboard->paste(mTarget);
    QVERIFY(!pasted.ok());
    QVERIFY(!ObjectClipboard::isRefusal(pasted.error()));
    QCOMPARE(mTarget.objectCount(), 1);
    QCOMPARE(captionOf(mTarget.object(0)), u"text"_qs);
}

void TestClipboard::unwritableFileIsAnError()
{
    QVERIFY(QDir().mkpath(mClipboard->filePath(ObjectClipboard::Slot::Copy)));
    const Status s = mClipboard->copy(selectionOf({mSource.object(0)}));
    QVERIFY(!s.ok());
    QCOMPARE(s.error().where, mClipboard->filePath(ObjectClipboard::Slot::Copy));
}

void TestClipboard::dragCopy_data()
{
    QTest::addColumn<QPoint>("movement");
    QTest::addColumn<int>("zoom");
    QTest::addColumn<bool>("copies");
    QTest::addColumn<QPoint>("offset");
    // The copies land exactly where the pointer took the selection.
    QTest::newRow("30 right, 10 down") << QPoint(30, 10) << 100 << true << QPoint(30, 10);
    QTest::newRow("no movement") << QPoint(0, 0) << 100 << false << QPoint(0, 0);
    QTest::newRow("2, 2") << QPoint(2, 2) << 100 << true << QPoint(2, 2);
    QTest::newRow("left and up") << QPoint(-10, -4) << 100 << true << QPoint(-10, -4);
    QTest::newRow("at 200 %") << QPoint(30, 10) << 200 << true << QPoint(15, 5);
    QTest::newRow("at 150 %") << QPoint(30, 9) << 150 << true << QPoint(20, 6);
}

void TestClipboard::dragCopy()
{
    QFETCH(QPoint, movement);
    QFETCH(int, zoom);
    QFETCH(bool, copies);
    QFETCH(QPoint, offset);
    QCOMPARE(ObjectClipboard::dragMakesCopy(movement), copies);
    Result<std::vector<LabelObject *>> made = mClipboard->dragCopy(
        mSource, selectionOf({mSource.object(0), mSource.object(1)}), movement, zoom);
    QVERIFY(made.ok());
    if (!copies) {
        QVERIFY(made.value().empty());
        QCOMPARE(mSource.objectCount(), 2);
        QVERIFY(!QFile::exists(mClipboard->filePath(ObjectClipboard::Slot::MoveCopy)));
        return;
    }
    QCOMPARE(made.value().size(), size_t(2));
    QCOMPARE(mSource.objectCount(), 4);
    QCOMPARE(made.value()[0]->bounds(), QRect(10, 20, 100, 30).translated(offset));
    QCOMPARE(made.value()[1]->bounds(), QRect(5, 6, 7, 8).translated(offset));
    // The originals stay where they were.
    QCOMPARE(mSource.object(0)->bounds(), QRect(10, 20, 100, 30));
}

void TestClipboard::dragCopyRefusesFieldBoundObjects()
{
    mSource.addObject(makeObject(ObjectTypeCode::Barcode, QRect(0, 0, 50, 20), u"b"_qs, u"F"_qs));
    Result<std::vector<LabelObject *>> made =
        mClipboard->dragCopy(mSource, selectionOf({mSource.object(0), mSource.object(2)}),
                             QPoint(30, 10));
    QVERIFY(!made.ok());
    QCOMPARE(made.error().message, u"MoveCopyError"_qs);
    QVERIFY(ObjectClipboard::isRefusal(made.error()));
    QVERIFY(!QFile::exists(mClipboard->filePath(ObjectClipboard::Slot::MoveCopy)));
    QCOMPARE(mSource.objectCount(), 3);
}

void TestClipboard::masterApplyFillsEveryOtherCell()
{
    LabelDocument doc;
    QVERIFY(doc.newDocument(sheet3x2()).ok());
    QVERIFY(doc.addPage());
    QVERIFY(doc.selectCell(4, 1));
    LabelCell *current = doc.currentCellPanel();
    current->addObject(makeObject(ObjectTypeCode::TextEdit, QRect(3, 4, 50, 20), u"master"_qs));
    doc.cell(2, 5)->addObject(makeObject(ObjectTypeCode::DBImage, QRect(0, 0, 5, 5), u"own"_qs));
    doc.setModified(false);
    Result<int> cells = mClipboard->masterApply(doc, selectionOf({current->object(0)}));
    QVERIFY(cells.ok());
    QCOMPARE(cells.value(), 11);
    QCOMPARE(current->objectCount(), 1);
    for (int p = 1; p <= 2; ++p) {
        for (int n = 1; n <= 6; ++n) {
            const LabelCell *cell = doc.cell(p, n);
            if (cell == current)
                continue;
            const LabelObject *last = cell->object(cell->objectCount() - 1);
            QCOMPARE(captionOf(last), u"master"_qs);
            QCOMPARE(last->bounds(), QRect(3, 4, 50, 20));
        }
    }
    QCOMPARE(doc.cell(2, 5)->objectCount(), 2);
    QVERIFY(doc.isModified());
    QVERIFY(QFile::exists(mClipboard->filePath(ObjectClipboard::Slot::Master)));
}

void TestClipboard::masterApplyRefusals()
{
    LabelDocument doc;
    QVERIFY(doc.newDocument(sheet3x2()).ok());
    Result<int> none = mClipboard->masterApply(doc, {});
    QVERIFY(!none.ok());
    QCOMPARE(none.error().message, u"마스터 적용할 개체를 먼저 선택해 주십시오."_qs);

    LabelCell *current = doc.currentCellPanel();
    current->addObject(makeObject(ObjectTypeCode::TextEdit, QRect(3, 4, 50, 20), u"t"_qs));
    current->addObject(makeObject(ObjectTypeCode::GuideLabel, QRect(3, 4, 50, 20), u"g"_qs, u"F"_qs));
    Result<int> bound =
        mClipboard->masterApply(doc, selectionOf({current->object(0), current->object(1)}));
    QVERIFY(!bound.ok());
    QCOMPARE(bound.error().message, u"CopyError"_qs);
    for (int n = 2; n <= 6; ++n)
        QCOMPARE(doc.cell(1, n)->objectCount(), 0);
    QVERIFY(!doc.isModified());
}

QTEST_MAIN(TestClipboard)
#include "tst_clipboard.moc"
