// Whole-cell undo and redo through numbered snapshot files of the current cell.
#pragma once

#include "../Result.h"

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
// (k 1..10) in the folder given, each the object list of one cell at 100 %. One position,
// 0..10, is shared by every cell, page and document of the run: undo in a cell restores only
// that cell's files, and a step whose file is missing restores nothing but still moves.
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

    int position() const { return mPosition; }
    bool canUndo() const { return mCanUndo; }
    bool canRedo() const { return mCanRedo; }

    // After an edit of the current cell: takes a snapshot when the flags ask for one for this
    // kind of edit; ok and nothing done otherwise.
    Status recordEdit(EditKind kind);
    // Writes the current cell's objects to the file at the next position (after 10 the oldest
    // snapshot of the cell is dropped and the others move down). A file that cannot be written
    // is an Error and changes nothing: position, states and the cell stay as they were.
    Status takeSnapshot();
    // Restores the snapshot before the current one in the current cell. At position 1 the
    // position drops to 0 and nothing is restored (the state before the first snapshot is not
    // kept). A damaged snapshot is an Error and leaves the cell's objects as they were.
    Status undo();
    // Restores the snapshot after the current one when the current cell has it.
    Status redo();
    // Before the current cell or page changes: deletes the current cell's snapshots from the
    // position to 10 (the current one and those redo would restore). The position is kept.
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
    Status noCellError() const;

    QString mFolder;
    QPointer<LabelDocument> mDocument;
    UndoFlags mFlags;
    int mPosition = 0;
    bool mCanUndo = false;
    bool mCanRedo = false;
};

} // namespace quill
