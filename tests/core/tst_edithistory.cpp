// Tests of the undo snapshot history: positions, files, restore and page deletion.
#include "TestLabelObjects.h"

#include "document/EditHistory.h"
#include "document/LabelDocument.h"
#include "document/ObjectListFile.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace quill;
using namespace quill::testing;

namespace {

TZR_LabelSize sheet2x2()
{
    TZR_LabelSize sheet;
    sheet.setRows(2);
    sheet.setColumns(2);
    sheet.setWidth(2.0);
    sheet.setHeight(1.0);
    sheet.setPageWidth(4.5);
    sheet.setPageHeight(2.5);
    return sheet;
}

// The caption of the only object of a snapshot file, "" for an empty snapshot.
QString snapshotCaption(const QString &path)
{
    ObjectListFileRead read = readObjectListFile(path);
    return read.objects.empty() ? QString() : captionOf(read.objects.front().get());
}

} // namespace

class TestEditHistory : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { registerStandInClasses(); }
    void init();
    void cleanup();

    void fileNames();
    void twelveEditsKeepTheLastTen();
    void undoAtPositionOneRestoresNothing();
    void undoThenRedo();
    void snapshotAfterUndoOverwritesAndDisablesRedo();
    void cutBackDeletesFromThePosition();
    void positionsAreKeptPerCell();
    void baselineMakesTheFirstEditUndoable();
    void undoInCellWithoutSnapshotsKeepsObjects();
    void redoStopsAtMissingFileAndAtTen();
    void flagsDecideWhichEditsSnapshot_data();
    void flagsDecideWhichEditsSnapshot();
    void unwritableSnapshotChangesNothing();
    void damagedSnapshotLeavesCellAlone();
    void deletedPageTakesItsSnapshotsAndLaterPagesMoveUp();
    void removeAllAndClear();

private:
    // Replaces the current cell's objects by one object with this caption and snapshots it.
    void edit(const QString &caption);
    QString currentCaption() const;
    QString path(int k, int page = 1, int cell = 1) const
    {
        return mHistory->snapshotPath(page, cell, k);
    }

    std::unique_ptr<QTemporaryDir> mDir;
    std::unique_ptr<LabelDocument> mDoc;
    std::unique_ptr<EditHistory> mHistory;
};

void TestEditHistory::init()
{
    mDir = std::make_unique<QTemporaryDir>();
    mDoc = std::make_unique<LabelDocument>();
    QVERIFY(mDoc->newDocument(sheet2x2()).ok());
    mHistory = std::make_unique<EditHistory>(mDir->filePath(QStringLiteral("Temp")));
    mHistory->setDocument(mDoc.get());
}

void TestEditHistory::cleanup()
{
    mHistory.reset();
    mDoc.reset();
    mDir.reset();
}

void TestEditHistory::edit(const QString &caption)
{
    LabelCell *cell = mDoc->currentCellPanel();
    cell->clear();
    cell->addObject(makeObject(ObjectTypeCode::TextEdit, QRect(10, 20, 30, 40), caption));
    const Status s = mHistory->takeSnapshot();
    QVERIFY2(s.ok(), qPrintable(s.error().message));
}

QString TestEditHistory::currentCaption() const
{
    return captionOf(mDoc->currentCellPanel()->object(0));
}

void TestEditHistory::fileNames()
{
    QCOMPARE(EditHistory::snapshotFileName(2, 5, 3), QStringLiteral("reun2_5_3.tmp"));
    QCOMPARE(QFileInfo(path(3, 2, 5)).fileName(), QStringLiteral("reun2_5_3.tmp"));
}

void TestEditHistory::twelveEditsKeepTheLastTen()
{
    QSignalSpy undoSpy(mHistory.get(), &EditHistory::canUndoChanged);
    for (int i = 1; i <= 12; ++i)
        edit(QStringLiteral("e%1").arg(i));
    QCOMPARE(mHistory->position(), 10);
    for (int k = 1; k <= 10; ++k)
        QCOMPARE(snapshotCaption(path(k)), QStringLiteral("e%1").arg(k + 2));
    QVERIFY(!QFile::exists(path(11)));
    QVERIFY(mHistory->canUndo());
    QVERIFY(!mHistory->canRedo());
    QCOMPARE(undoSpy.count(), 1);
    // The objects were written at their own (100 %) positions.
    ObjectListFileRead read = readObjectListFile(path(10));
    QCOMPARE(read.objects.front()->bounds(), QRect(10, 20, 30, 40));
}

void TestEditHistory::undoAtPositionOneRestoresNothing()
{
    edit(QStringLiteral("first"));
    mDoc->setModified(false);
    QVERIFY(mHistory->undo().ok());
    QCOMPARE(mHistory->position(), 0);
    QVERIFY(!mHistory->canUndo());
    QVERIFY(!mHistory->canRedo());
    QCOMPARE(currentCaption(), QStringLiteral("first"));
    QVERIFY(mDoc->isModified());
    // At 0 a further undo does nothing.
    QVERIFY(mHistory->undo().ok());
    QCOMPARE(mHistory->position(), 0);
}

void TestEditHistory::undoThenRedo()
{
    for (int i = 1; i <= 3; ++i)
        edit(QStringLiteral("e%1").arg(i));
    QSignalSpy restored(mHistory.get(), &EditHistory::cellRestored);
    QVERIFY(mHistory->undo().ok());
    QCOMPARE(mHistory->position(), 2);
    QCOMPARE(currentCaption(), QStringLiteral("e2"));
    QVERIFY(mHistory->canRedo());
    QVERIFY(mHistory->canUndo());
    QVERIFY(mHistory->redo().ok());
    QCOMPARE(mHistory->position(), 3);
    QCOMPARE(currentCaption(), QStringLiteral("e3"));
    QCOMPARE(mDoc->currentCellPanel()->objectCount(), 1);
    QCOMPARE(restored.count(), 2);
    QCOMPARE(restored.at(0), (QVariantList{1, 1}));
}

void TestEditHistory::snapshotAfterUndoOverwritesAndDisablesRedo()
{
    for (int i = 1; i <= 3; ++i)
        edit(QStringLiteral("e%1").arg(i));
    QVERIFY(mHistory->undo().ok());
    edit(QStringLiteral("new"));
    QCOMPARE(mHistory->position(), 3);
    QCOMPARE(snapshotCaption(path(3)), QStringLiteral("new"));
    QVERIFY(!mHistory->canRedo());
}

void TestEditHistory::cutBackDeletesFromThePosition()
{
    for (int i = 1; i <= 6; ++i)
        edit(QStringLiteral("e%1").arg(i));
    QVERIFY(mHistory->undo().ok());
    QVERIFY(mHistory->undo().ok());
    QCOMPARE(mHistory->position(), 4);
    mHistory->cutBack();
    // The undo steps stay for coming back to the cell; the redo steps go.
    for (int k = 1; k <= 4; ++k)
        QVERIFY(QFile::exists(path(k)));
    for (int k = 5; k <= 6; ++k)
        QVERIFY(!QFile::exists(path(k)));
    QCOMPARE(mHistory->position(), 4);
}

void TestEditHistory::positionsAreKeptPerCell()
{
    for (int i = 1; i <= 3; ++i)
        edit(QStringLiteral("e%1").arg(i));
    QVERIFY(mDoc->selectCell(2, 1));
    QCOMPARE(mHistory->position(), 0);
    QVERIFY(!mHistory->canUndo());
    edit(QStringLiteral("c2"));
    QCOMPARE(mHistory->position(), 1);
    QVERIFY(mDoc->selectCell(1, 1));
    QCOMPARE(mHistory->position(), 3);
    QVERIFY(mHistory->canUndo());
    QVERIFY(mHistory->undo().ok());
    QCOMPARE(currentCaption(), QStringLiteral("e2"));
    QCOMPARE(captionOf(mDoc->cell(1, 2)->object(0)), QStringLiteral("c2"));
}

void TestEditHistory::baselineMakesTheFirstEditUndoable()
{
    LabelCell *cell = mDoc->currentCellPanel();
    cell->addObject(makeObject(ObjectTypeCode::VantorShape, QRect(0, 0, 5, 5), QStringLiteral("old")));
    QVERIFY(mHistory->prepareEdit(EditKind::Move).ok());
    QCOMPARE(mHistory->position(), 1);
    cell->object(0)->setBounds(QRect(10, 10, 5, 5));
    QVERIFY(mHistory->recordEdit(EditKind::Move).ok());
    QCOMPARE(mHistory->position(), 2);
    // A second edit takes no second baseline.
    QVERIFY(mHistory->prepareEdit(EditKind::Move).ok());
    QCOMPARE(mHistory->position(), 2);
    QVERIFY(mHistory->undo().ok());
    QCOMPARE(mDoc->currentCellPanel()->object(0)->bounds(), QRect(0, 0, 5, 5));
    // With snapshots of moves off, nothing is taken at all.
    mHistory->clear();
    mHistory->setFlags({true, false, true});
    QVERIFY(mHistory->prepareEdit(EditKind::Move).ok());
    QCOMPARE(mHistory->position(), 0);
}

void TestEditHistory::undoInCellWithoutSnapshotsKeepsObjects()
{
    for (int i = 1; i <= 3; ++i)
        edit(QStringLiteral("e%1").arg(i));
    QVERIFY(mDoc->selectCell(2, 1));
    mDoc->currentCellPanel()->addObject(
        makeObject(ObjectTypeCode::VantorShape, QRect(1, 2, 3, 4), QStringLiteral("other")));
    QVERIFY(mHistory->undo().ok());
    // The cell has no steps of its own: nothing moves, nothing is restored.
    QCOMPARE(mHistory->position(), 0);
    QCOMPARE(mDoc->currentCellPanel()->objectCount(), 1);
    QCOMPARE(currentCaption(), QStringLiteral("other"));
    QCOMPARE(captionOf(mDoc->cell(1, 1)->object(0)), QStringLiteral("e3"));
}

void TestEditHistory::redoStopsAtMissingFileAndAtTen()
{
    edit(QStringLiteral("e1"));
    edit(QStringLiteral("e2"));
    QVERIFY(mHistory->undo().ok());
    QVERIFY(mHistory->redo().ok());
    QVERIFY(mHistory->canRedo()); // stays on until a redo finds nothing
    QVERIFY(mHistory->redo().ok());
    QCOMPARE(mHistory->position(), 2);
    QVERIFY(!mHistory->canRedo());
    QCOMPARE(currentCaption(), QStringLiteral("e2"));

    for (int i = 3; i <= 11; ++i)
        edit(QStringLiteral("e%1").arg(i));
    QCOMPARE(mHistory->position(), 10);
    QVERIFY(mHistory->redo().ok());
    QCOMPARE(mHistory->position(), 10);
    QVERIFY(!mHistory->canRedo());
}

void TestEditHistory::flagsDecideWhichEditsSnapshot_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("create");
    QTest::addColumn<bool>("move");
    QTest::addColumn<bool>("modify");
    QTest::addColumn<bool>("taken");
    QTest::newRow("move, move off") << int(EditKind::Move) << true << false << true << false;
    QTest::newRow("move, only move") << int(EditKind::Move) << false << true << false << true;
    QTest::newRow("create, create off") << int(EditKind::Create) << false << true << true << false;
    QTest::newRow("create, only create") << int(EditKind::Create) << true << false << false << true;
    QTest::newRow("modify, modify off") << int(EditKind::Modify) << true << true << false << false;
    QTest::newRow("modify, only modify") << int(EditKind::Modify) << false << false << true << true;
    QTest::newRow("text, create only") << int(EditKind::TextEdit) << true << false << false << true;
    QTest::newRow("text, modify only") << int(EditKind::TextEdit) << false << false << true << true;
    QTest::newRow("text, both off") << int(EditKind::TextEdit) << false << true << false << false;
}

void TestEditHistory::flagsDecideWhichEditsSnapshot()
{
    QFETCH(int, kind);
    QFETCH(bool, create);
    QFETCH(bool, move);
    QFETCH(bool, modify);
    QFETCH(bool, taken);
    mHistory->setFlags(UndoFlags{create, move, modify});
    mDoc->currentCellPanel()->addObject(makeObject(ObjectTypeCode::TextEdit, QRect(0, 0, 5, 5)));
    QVERIFY(mHistory->recordEdit(EditKind(kind)).ok());
    QCOMPARE(mHistory->position(), taken ? 1 : 0);
    QCOMPARE(QFile::exists(path(1)), taken);
    QCOMPARE(mHistory->canUndo(), taken);
}

void TestEditHistory::unwritableSnapshotChangesNothing()
{
    edit(QStringLiteral("e1"));
    // A directory where snapshot 2 should go cannot be replaced by a file.
    QVERIFY(QDir().mkpath(path(2)));
    mDoc->currentCellPanel()->addObject(makeObject(ObjectTypeCode::TextEdit, QRect(0, 0, 5, 5)));
    const Status s = mHistory->takeSnapshot();
    QVERIFY(!s.ok());
    QCOMPARE(s.error().where, path(2));
    QCOMPARE(mHistory->position(), 1);
    QCOMPARE(mDoc->currentCellPanel()->objectCount(), 2);

    // A folder that cannot be made (a file is in the way) is an error too.
    const QString blocked = mDir->filePath(QStringLiteral("file"));
    QFile f(blocked);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.close();
    EditHistory history(blocked + QStringLiteral("/Temp"));
    history.setDocument(mDoc.get());
    QVERIFY(!history.takeSnapshot().ok());
    QCOMPARE(history.position(), 0);
    QVERIFY(!history.canUndo());
}

void TestEditHistory::damagedSnapshotLeavesCellAlone()
{
    edit(QStringLiteral("e1"));
    LabelCell *cell = mDoc->currentCellPanel();
    cell->addObject(makeObject(ObjectTypeCode::VantorShape, QRect(0, 0, 5, 5), QStringLiteral("s")));
    QVERIFY(mHistory->takeSnapshot().ok()); // two objects
    edit(QStringLiteral("e3"));
    QFile file(path(2));
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.resize(file.size() - 10)); // the second record loses its end
    file.close();
    const Status s = mHistory->undo();
    QVERIFY(!s.ok());
    QCOMPARE(mHistory->position(), 3);
    QCOMPARE(cell->objectCount(), 1);
    QCOMPARE(currentCaption(), QStringLiteral("e3"));
}

void TestEditHistory::deletedPageTakesItsSnapshotsAndLaterPagesMoveUp()
{
    QVERIFY(mDoc->addPage());
    QVERIFY(mDoc->addPage());
    QVERIFY(mDoc->selectCell(1, 2));
    edit(QStringLiteral("p2c1"));
    QVERIFY(mDoc->selectCell(2, 2));
    edit(QStringLiteral("p2c2"));
    QVERIFY(mDoc->selectCell(1, 3));
    edit(QStringLiteral("p3c1a"));
    edit(QStringLiteral("p3c1b"));
    QVERIFY(mDoc->selectCell(1, 2));
    QVERIFY(mDoc->deleteCurrentPage());
    QCOMPARE(mDoc->currentPage(), 2); // the old page 3
    // Each cell numbers its own steps from 1.
    QVERIFY(!QFile::exists(path(1, 2, 2)));
    QCOMPARE(snapshotCaption(path(1, 2, 1)), QStringLiteral("p3c1a"));
    QCOMPARE(snapshotCaption(path(2, 2, 1)), QStringLiteral("p3c1b"));
    QVERIFY(!QFile::exists(path(1, 3, 1)));
    // Undo on the moved page restores that page's own earlier state.
    QCOMPARE(mHistory->position(), 2);
    QVERIFY(mHistory->undo().ok());
    QCOMPARE(currentCaption(), QStringLiteral("p3c1a"));
}

void TestEditHistory::removeAllAndClear()
{
    edit(QStringLiteral("e1"));
    edit(QStringLiteral("e2"));
    const QString other = QDir(mHistory->folder()).filePath(QStringLiteral("CopyObj.acp"));
    QFile f(other);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.close();
    mHistory->removeAll();
    QVERIFY(!QFile::exists(path(1)));
    QVERIFY(!QFile::exists(path(2)));
    QVERIFY(QFile::exists(other));
    QCOMPARE(mHistory->position(), 2);
    edit(QStringLiteral("e3"));
    mHistory->clear();
    QCOMPARE(mHistory->position(), 0);
    QVERIFY(!mHistory->canUndo());
    QVERIFY(!QFile::exists(path(3)));
}

QTEST_MAIN(TestEditHistory)
#include "tst_edithistory.moc"
