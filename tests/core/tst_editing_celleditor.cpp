// The cell editor's commands as the editor runs them: which mark the document modified and
// which record an undo step under which setting, the baseline that makes a cell's first edit
// undoable, nudges sharing a step, refusals that change nothing, and dialog results.
#include "document/DocumentRecords.h"
#include "document/EditHistory.h"
#include "document/LabelCell.h"
#include "document/LabelDocument.h"
#include "document/SampleSheet.h"
#include "editing/CellEditor.h"
#include "editing/FormatCommands.h"
#include "objects/ObjectClasses.h"
#include "objects/ZR_Barcode.h"
#include "objects/ZR_VantorShape.h"

#include <QTemporaryDir>
#include <QtTest>

#include <functional>

using namespace quill;

namespace {

TZR_LabelSize sampleSheet()
{
    TZR_LabelSize sheet;
    sheet.fillFromCatalogueRecord(sampleSheetRecord(), QString(), true);
    return sheet;
}

std::unique_ptr<TZR_VantorShape> shape(const QRect &bounds)
{
    auto s = std::make_unique<TZR_VantorShape>();
    s->setBounds(bounds);
    return s;
}

using Command = std::function<void(CellEditor &)>;

} // namespace

Q_DECLARE_METATYPE(Command)

class CellEditorTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void commandsMarkAndRecord_data();
    void commandsMarkAndRecord();
    void selectingAndEmptyDragsChangeNothing();
    void nudgesShareOneStep();
    void refusedCutDeletesNothing();
    void dialogResultTakesThePlace();

private:
    std::unique_ptr<QTemporaryDir> mDir;
    std::unique_ptr<LabelDocument> mDoc;
    std::unique_ptr<EditHistory> mHistory;
    std::unique_ptr<CellEditor> mEditor;
};

void CellEditorTest::initTestCase()
{
    registerDocumentClasses();
    registerObjectClasses();
}

void CellEditorTest::init()
{
    mDir = std::make_unique<QTemporaryDir>();
    mDoc = std::make_unique<LabelDocument>();
    QVERIFY(mDoc->newDocument(sampleSheet()).ok());
    mHistory = std::make_unique<EditHistory>(mDir->filePath(QStringLiteral("Temp")));
    mHistory->setDocument(mDoc.get());
    mEditor = std::make_unique<CellEditor>(*mDoc, mHistory.get(), mDir->filePath(QStringLiteral("Temp")));
    LabelCell *cell = mDoc->currentCellPanel();
    cell->addObject(shape(QRect(10, 10, 40, 20)));
    cell->addObject(shape(QRect(60, 30, 40, 20)));
    mDoc->setModified(false);
}

void CellEditorTest::commandsMarkAndRecord_data()
{
    QTest::addColumn<Command>("command");
    QTest::addColumn<int>("kind"); // EditKind whose setting decides the step
    const auto all = [](CellEditor &e) { e.selectAll(); };
    QTest::newRow("drag") << Command([=](CellEditor &e) { all(e); e.drag(Grip::Move, {5, 5}, 150); })
                          << int(EditKind::Move);
    QTest::newRow("nudge") << Command([=](CellEditor &e) { all(e); e.nudge({1, 0}, false); })
                           << int(EditKind::Move);
    QTest::newRow("align") << Command([=](CellEditor &e) { all(e); e.align(AlignKind::Top); })
                           << int(EditKind::Move);
    QTest::newRow("delete") << Command([=](CellEditor &e) { all(e); e.deleteSelection(); })
                            << int(EditKind::Modify);
    QTest::newRow("cut") << Command([=](CellEditor &e) { all(e); e.cut(); }) << int(EditKind::Modify);
    QTest::newRow("paste") << Command([=](CellEditor &e) { all(e); e.copy(); e.paste(); })
                           << int(EditKind::Create);
    QTest::newRow("order") << Command([=](CellEditor &e) { all(e); e.sendToBack(); })
                           << int(EditKind::Modify);
    QTest::newRow("rotate") << Command([=](CellEditor &e) { all(e); e.rotate(Turn::Left); })
                            << int(EditKind::Modify);
    QTest::newRow("line width") << Command([=](CellEditor &e) {
        all(e);
        e.format(EditCommand::LineWidth, [](const auto &o) { return FormatCommands::setLineWidth(o, 3); });
    }) << int(EditKind::Modify);
    QTest::newRow("place") << Command([](CellEditor &e) { e.place(shape(QRect(1, 1, 9, 9))); })
                           << int(EditKind::Create);
    QTest::newRow("drag copy") << Command([=](CellEditor &e) { all(e); e.dragCopy({30, 10}, 100); })
                               << int(EditKind::Move);
}

void CellEditorTest::commandsMarkAndRecord()
{
    QFETCH(Command, command);
    QFETCH(int, kind);
    const auto snapshotFile = [&](int k) {
        return mHistory->snapshotPath(mDoc->currentPage(), mDoc->currentCell(), k);
    };
    // With every setting on: the baseline (1) and the step (2), and undo goes back to before.
    const QList<int> before = [&] {
        QList<int> lefts;
        for (const auto &o : mDoc->currentCellPanel()->objects())
            lefts << o->bounds().left();
        return lefts;
    }();
    command(*mEditor);
    QVERIFY(mDoc->isModified());
    QCOMPARE(mHistory->position(), 2);
    QVERIFY(QFile::exists(snapshotFile(1)));
    mEditor->cellReplaced();
    QVERIFY(mHistory->undo().ok());
    QList<int> restored;
    for (const auto &o : mDoc->currentCellPanel()->objects())
        restored << o->bounds().left();
    QCOMPARE(restored, before);

    // With the command's own setting off: marked, but no step at all.
    init();
    UndoFlags flags;
    flags.undoCreateFlag = kind != int(EditKind::Create);
    flags.undoMoveFlag = kind != int(EditKind::Move);
    flags.undoModifyFlag = kind != int(EditKind::Modify);
    mHistory->setFlags(flags);
    command(*mEditor);
    QVERIFY(mDoc->isModified());
    QCOMPARE(mHistory->position(), 0);
    QVERIFY(!QFile::exists(snapshotFile(1)));
}

void CellEditorTest::selectingAndEmptyDragsChangeNothing()
{
    mEditor->selectAll();
    mEditor->selectInside(QRect(0, 0, 300, 300));
    mEditor->drag(Grip::Move, {0, 0}, 100);
    mEditor->align(AlignKind::Left); // the two are not aligned yet: this one changes
    mEditor->clearSelection();
    QVERIFY(mDoc->isModified());
    mDoc->setModified(false);
    QCOMPARE(mHistory->position(), 2);
    mEditor->selectOnly(mDoc->currentCellPanel()->object(0));
    mEditor->align(AlignKind::Left); // one object: refused
    mEditor->nudge({0, 0}, false);
    QVERIFY(!mDoc->isModified());
    QCOMPARE(mHistory->position(), 2);
}

void CellEditorTest::nudgesShareOneStep()
{
    mEditor->selectAll();
    for (int i = 0; i < 5; ++i)
        mEditor->nudge({1, 0}, false);
    QCOMPARE(mHistory->position(), 2);
    mEditor->drag(Grip::Move, {0, 10}, 100); // another kind of edit: a step of its own
    mEditor->nudge({1, 0}, false);
    QCOMPARE(mHistory->position(), 4);
    mEditor->cellReplaced();
    QVERIFY(mHistory->undo().ok());
    QVERIFY(mHistory->undo().ok());
    QVERIFY(mHistory->undo().ok());
    QCOMPARE(mDoc->currentCellPanel()->object(0)->bounds().topLeft(), QPoint(10, 10));
}

void CellEditorTest::refusedCutDeletesNothing()
{
    auto barcode = std::make_unique<TZR_Barcode>();
    barcode->setFieldName(QStringLiteral("코드"));
    mDoc->currentCellPanel()->addObject(std::move(barcode));
    mEditor->selectAll();
    const Status s = mEditor->cut();
    QVERIFY(!s.ok());
    QVERIFY(ObjectClipboard::isRefusal(s.error()));
    QCOMPARE(mDoc->currentCellPanel()->objectCount(), 3);
    QVERIFY(!mDoc->isModified());
    QCOMPARE(mHistory->position(), 0);
}

void CellEditorTest::dialogResultTakesThePlace()
{
    LabelCell *cell = mDoc->currentCellPanel();
    LabelObject *first = cell->object(0);
    mEditor->selectAll();
    std::unique_ptr<LabelObject> edited = first->clone();
    edited->setBounds(QRect(0, 0, 5, 5));
    LabelObject *placed = mEditor->replaceObject(first, std::move(edited));
    QVERIFY(placed);
    QCOMPARE(cell->indexOf(placed), 0); // the same place in the drawing order
    QCOMPARE(mEditor->selection().first(), placed); // and in the selection
    QCOMPARE(mEditor->selection().count(), 2);
    QVERIFY(mDoc->isModified());
    mEditor->cellReplaced();
    QVERIFY(mHistory->undo().ok());
    QCOMPARE(mDoc->currentCellPanel()->object(0)->bounds(), QRect(10, 10, 40, 20));
    QVERIFY(!mEditor->replaceObject(nullptr, shape(QRect())));
}

QTEST_MAIN(CellEditorTest)
#include "tst_editing_celleditor.moc"
