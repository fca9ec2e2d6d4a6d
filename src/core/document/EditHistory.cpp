#include "EditHistory.h"

#include "LabelDocument.h"
#include "ObjectList.h"
#include "ObjectListFile.h"
#include "PropertyStreamWriter.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSaveFile>

#include <map>

namespace quill {

namespace {

const QString kNoObject = QStringLiteral("개체를 발견할 수 없습니다.");

struct SnapshotName {
    int page = 0;
    int cell = 0;
    int k = 0;
};

// The snapshot files of a folder with the numbers in their names.
std::vector<SnapshotName> snapshotFiles(const QString &folder)
{
    static const QRegularExpression pattern(QStringLiteral("^reun(\\d+)_(\\d+)_(\\d+)\\.tmp$"));
    std::vector<SnapshotName> out;
    const QStringList names = QDir(folder).entryList({QStringLiteral("reun*.tmp")}, QDir::Files);
    for (const QString &name : names) {
        const QRegularExpressionMatch m = pattern.match(name);
        if (m.hasMatch())
            out.push_back({m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt()});
    }
    return out;
}

} // namespace

bool UndoFlags::takesSnapshot(EditKind kind) const
{
    switch (kind) {
    case EditKind::Create:
        return undoCreateFlag;
    case EditKind::Move:
        return undoMoveFlag;
    case EditKind::Modify:
        return undoModifyFlag;
    case EditKind::TextEdit:
        return undoModifyFlag || undoCreateFlag;
    }
    return false;
}

EditHistory::EditHistory(const QString &folder, QObject *parent) : QObject(parent), mFolder(folder)
{
}

void EditHistory::setDocument(LabelDocument *document)
{
    if (mDocument)
        disconnect(mDocument, nullptr, this, nullptr);
    mDocument = document;
    if (mDocument) {
        connect(mDocument, &LabelDocument::pageRemoved, this, &EditHistory::pageRemoved);
        connect(mDocument, &LabelDocument::currentCellChanged, this,
                &EditHistory::currentCellChanged);
    }
    currentCellChanged();
}

int EditHistory::position() const
{
    if (!mDocument)
        return mNoCellPosition;
    return mPositions.value(key(mDocument->currentPage(), mDocument->currentCell()), 0);
}

int &EditHistory::currentPosition()
{
    if (!mDocument)
        return mNoCellPosition;
    return mPositions[key(mDocument->currentPage(), mDocument->currentCell())];
}

// Undo and redo follow the cell shown: its own steps decide what they can do.
void EditHistory::currentCellChanged()
{
    const int p = position();
    setCanUndo(p >= 1);
    setCanRedo(mDocument && p < MaxSnapshots
               && QFile::exists(snapshotPath(mDocument->currentPage(), mDocument->currentCell(),
                                             p + 1)));
}

QString EditHistory::snapshotFileName(int page, int cell, int k)
{
    return QStringLiteral("reun%1_%2_%3.tmp").arg(page).arg(cell).arg(k);
}

QString EditHistory::snapshotPath(int page, int cell, int k) const
{
    return QDir(mFolder).filePath(snapshotFileName(page, cell, k));
}

Status EditHistory::noCellError() const
{
    return Error{kNoObject};
}

Status EditHistory::recordEdit(EditKind kind)
{
    if (!mFlags.takesSnapshot(kind))
        return {};
    return takeSnapshot();
}

Status EditHistory::prepareEdit(EditKind kind)
{
    if (!mFlags.takesSnapshot(kind) || position() != 0)
        return {};
    return takeSnapshot();
}

Status EditHistory::updateSnapshot()
{
    int &position = currentPosition();
    if (position == 0)
        return takeSnapshot();
    --position; // written again at the same number; nothing is shifted out below 10
    const Status s = takeSnapshot();
    if (!s)
        ++currentPosition();
    return s;
}

Status EditHistory::takeSnapshot()
{
    const LabelCell *cell = mDocument ? mDocument->currentCellPanel() : nullptr;
    if (!cell)
        return noCellError();
    if (Status made = ensureFolder(mFolder); !made)
        return made;
    QByteArray bytes;
    {
        PropertyStreamWriter writer(&bytes);
        if (Status s = writeObjectList(writer, cell->objects()); !s)
            return s;
    }
    int &position = currentPosition();
    const bool shift = position + 1 > MaxSnapshots;
    const int next = shift ? MaxSnapshots : position + 1;
    const QString path = snapshotPath(mDocument->currentPage(), mDocument->currentCell(), next);
    // The new snapshot is complete on disk (beside its final name) before the oldest one is
    // dropped, so a failed write leaves the history as it was.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return Error{QStringLiteral("되돌리기 파일을 쓸 수 없습니다: %1").arg(file.errorString()), path};
    if (shift)
        shiftDown();
    if (!file.commit()) {
        if (shift)
            position = MaxSnapshots - 1; // snapshot 10 moved down to 9 and stays the latest
        return Error{QStringLiteral("되돌리기 파일을 쓸 수 없습니다: %1").arg(file.errorString()), path};
    }
    position = next;
    setCanUndo(true);
    setCanRedo(false);
    return {};
}

// Drops snapshot 1 of the current cell and renames 2..10 to 1..9.
void EditHistory::shiftDown()
{
    const int page = mDocument->currentPage();
    const int cellNo = mDocument->currentCell();
    QFile::remove(snapshotPath(page, cellNo, 1));
    for (int k = 2; k <= MaxSnapshots; ++k) {
        const QString from = snapshotPath(page, cellNo, k);
        if (QFile::exists(from))
            QFile::rename(from, snapshotPath(page, cellNo, k - 1));
    }
}

Result<EditHistory::Restore> EditHistory::restore(int k)
{
    if (!mDocument)
        return Error{kNoObject};
    const QString path = snapshotPath(mDocument->currentPage(), mDocument->currentCell(), k);
    if (!QFile::exists(path))
        return Restore::Missing;
    LabelCell *cell = mDocument->currentCellPanel();
    if (!cell)
        return Error{kNoObject};
    ObjectListFileRead read = readObjectListFile(path);
    // The whole snapshot is read before the cell is touched: a damaged file must not leave
    // the cell with half of its objects.
    if (!read.status)
        return read.status.error();
    cell->clear();
    for (auto &object : read.objects)
        cell->addObject(std::move(object));
    emit cellRestored(mDocument->currentPage(), mDocument->currentCell());
    mDocument->notifyChanged();
    return Restore::Restored;
}

Status EditHistory::undo()
{
    if (mDocument)
        mDocument->setModified(true);
    ensureFolder(mFolder);
    int &position = currentPosition();
    if (position == 0)
        return {};
    if (position == 1) {
        position = 0;
        setCanUndo(false);
        return {};
    }
    --position;
    Result<Restore> restored = restore(position);
    if (!restored) {
        ++currentPosition();
        return restored.error();
    }
    setCanRedo(true);
    return {};
}

Status EditHistory::redo()
{
    if (mDocument)
        mDocument->setModified(true);
    ensureFolder(mFolder);
    int &position = currentPosition();
    if (++position > MaxSnapshots) {
        position = MaxSnapshots;
        setCanRedo(false);
        return {};
    }
    const int step = position;
    Result<Restore> restored = restore(step);
    if (!restored) {
        --currentPosition();
        return restored.error();
    }
    if (restored.value() == Restore::Missing) {
        setCanRedo(false);
        --currentPosition();
    } else {
        setCanUndo(true);
    }
    return {};
}

void EditHistory::cutBack()
{
    if (!mDocument)
        return;
    for (int k = position() + 1; k <= MaxSnapshots; ++k)
        QFile::remove(snapshotPath(mDocument->currentPage(), mDocument->currentCell(), k));
}

void EditHistory::deleteCellSnapshots(int page, int cell)
{
    if (mDocument) {
        page = page == 0 ? mDocument->currentPage() : page;
        cell = cell == 0 ? mDocument->currentCell() : cell;
    }
    for (int k = 1; k <= MaxSnapshots; ++k)
        QFile::remove(snapshotPath(page, cell, k));
}

// A deleted page takes its snapshots with it, and the pages behind it move up one number:
// their snapshots are renamed with them, so that undo in a moved page restores that page's
// own snapshots and never those of the page that had its number before.
void EditHistory::pageRemoved(int page)
{
    std::map<int, std::vector<SnapshotName>> byPage;
    for (const SnapshotName &s : snapshotFiles(mFolder)) {
        if (s.page == page)
            QFile::remove(snapshotPath(s.page, s.cell, s.k));
        else if (s.page > page)
            byPage[s.page].push_back(s);
    }
    for (const auto &[number, files] : byPage) { // ascending: the target names are free
        for (const SnapshotName &s : files) {
            const QString to = snapshotPath(number - 1, s.cell, s.k);
            QFile::remove(to);
            QFile::rename(snapshotPath(number, s.cell, s.k), to);
        }
    }
    // The positions move with their pages.
    QHash<quint64, int> moved;
    for (auto it = mPositions.cbegin(); it != mPositions.cend(); ++it) {
        const int p = int(it.key() >> 32);
        const int c = int(it.key() & 0xffffffffu);
        if (p < page)
            moved.insert(it.key(), it.value());
        else if (p > page)
            moved.insert(key(p - 1, c), it.value());
    }
    mPositions = moved;
    currentCellChanged();
}

void EditHistory::removeAll()
{
    const QDir dir(mFolder);
    const QStringList names = dir.entryList({QStringLiteral("reun*.tmp")}, QDir::Files);
    for (const QString &name : names)
        QFile::remove(dir.filePath(name));
}

void EditHistory::clear()
{
    removeAll();
    mPositions.clear();
    mNoCellPosition = 0;
    setCanUndo(false);
    setCanRedo(false);
}

void EditHistory::setCanUndo(bool enabled)
{
    if (mCanUndo == enabled)
        return;
    mCanUndo = enabled;
    emit canUndoChanged(enabled);
}

void EditHistory::setCanRedo(bool enabled)
{
    if (mCanRedo == enabled)
        return;
    mCanRedo = enabled;
    emit canRedoChanged(enabled);
}

} // namespace quill
