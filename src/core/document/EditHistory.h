// Whole-cell undo and redo through numbered snapshot files of the current cell.
#pragma once

#include "../Result.h"
#include "LabelDocument.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>

namespace quill {

class LabelDocument;

// The kinds of edit after which the editor asks for a snapshot.
enum class EditKind {
    Create, // an object was made with a tool (a text box: when its first editing ends)
    Move,   // objects were moved or resized with the mouse
    Modify, // a property dialog was confirmed, or a line menu item was used
    TextEdit, // in-place text editing ended with a changed text
};

// Which edits take a snapshot; all on by default (the settings' undo values).
struct UndoFlags {
    bool undoCreateFlag = true;
    bool undoMoveFlag = true;
    bool undoModifyFlag = true;

    bool takesSnapshot(EditKind kind) const;
};

// The snapshot history. Snapshots are files "reun" + page + "_" + cell + "_" + k + ".tmp"
// (k 1..10) in the folder given, each the object list of one cell at 100 %. Every cell has a
// position of its own, 0..10, so after a change of cells undo and redo act on the cell shown
// with that cell's own steps.
//
// The editor calls prepareEdit() before it changes a cell and recordEdit() after: the first
// edit of a cell then keeps the state before it as a baseline snapshot, so even that edit can
// be undone (the oldest snapshot itself is never undone past).
//
// The history works on the current cell of the attached document (not owned). Undo and redo
// set the document's modified flag; the caller clears the selection and refreshes after them.
class EditHistory : public QObject {
    Q_OBJECT
public:
    static constexpr int MaxSnapshots = 10;

    explicit EditHistory(const QString &folder, QObject *parent = nullptr);

    QString folder() const { return mFolder; }
    // Follows the document's page deletions (see pageRemoved handling in the source).
    void setDocument(LabelDocument *document);
    LabelDocument *document() const { return mDocument; }

    UndoFlags flags() const { return mFlags; }
    void setFlags(const UndoFlags &flags) { mFlags = flags; }

    static QString snapshotFileName(int page, int cell, int k);
    QString snapshotPath(int page, int cell, int k) const;

    // The current cell's position.
    int position() const;
    bool canUndo() const { return mCanUndo; }
    bool canRedo() const { return mCanRedo; }

    // After an edit of the current cell: takes a snapshot when the flags ask for one for this
    // kind of edit; ok and nothing done otherwise.
    Status recordEdit(EditKind kind);
    // Before an edit of the current cell that recordEdit(kind) will follow: when the cell has
    // no snapshot yet, takes one of its present state (the baseline undo goes back to).
    Status prepareEdit(EditKind kind);
    // Writes the current cell's objects to the file at the next position (after 10 the oldest
    // snapshot of the cell is dropped and the others move down). A file that cannot be written
    // is an Error and changes nothing: position, states and the cell stay as they were.
    Status takeSnapshot();
    // Rewrites the current cell's latest snapshot with its present objects (a run of arrow-key
    // nudges shares one step); takes a new one when the cell has none.
    Status updateSnapshot();
    // Restores the snapshot before the current one in the current cell. At position 1 the
    // position drops to 0 and nothing is restored (the state before the first snapshot is not
    // kept). A damaged snapshot is an Error and leaves the cell's objects as they were.
    Status undo();
    // Restores the snapshot after the current one when the current cell has it.
    Status redo();
    // Before the current cell or page changes: deletes the snapshots redo would restore in the
    // current cell (after its position); its undo steps and position are kept for coming back.
    void cutBack();
    // Deletes snapshots 1 to 10 of one cell (0 for the current page or cell).
    void deleteCellSnapshots(int page = 0, int cell = 0);
    // Deletes every snapshot file of the folder (at start-up and when the program closes).
    void removeAll();
    // Forgets the whole history: removeAll(), position 0, undo and redo off. For a document
    // that replaces the open one, whose cells must not receive the old document's snapshots.
    void clear();

signals:
    void canUndoChanged(bool enabled);
    void canRedoChanged(bool enabled);
    // The current cell's objects were replaced by a snapshot.
    void cellRestored(int page, int cell);

private:
    enum class Restore { Missing, Restored };
    Result<Restore> restore(int k);
    void shiftDown();
    void pageRemoved(int page);
    void setCanUndo(bool enabled);
    void setCanRedo(bool enabled);
    void currentCellChanged();
    Status noCellError() const;
    static quint64 key(int page, int cell) { return (quint64(quint32(page)) << 32) | quint32(cell); }
    int &currentPosition();

    QString mFolder;
    QPointer<LabelDocument> mDocument;
    UndoFlags mFlags;
    QHash<quint64, int> mPositions; // by page and cell
    int mNoCellPosition = 0;
    bool mCanUndo = false;
    bool mCanRedo = false;
};

} // namespace quill
