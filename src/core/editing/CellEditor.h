// The editing of the current cell without widgets: the selection and every command on it,
// each marking the document and recording its undo step as the edit policy says.
#pragma once

#include "ArrangeCommands.h"
#include "EditPolicy.h"
#include "EditSelection.h"
#include "StretchGeometry.h"
#include "document/ObjectClipboard.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>

namespace quill {

class LabelCell;
class LabelDocument;

// The work area's view turns pointer and key events into these calls; menus and tool bars call
// the rest. Every command that changes the model brackets the change with the history: a
// baseline snapshot before the cell's first recorded edit, the step after it, and the modified
// flag (see editEffect()). Commands that change nothing record nothing.
//
// The selection holds objects of the current cell only: whoever replaces the cell's objects
// (undo, a new document, a cell switch) goes through cellReplaced(), which empties it.
class CellEditor : public QObject {
    Q_OBJECT
public:
    // history and the clipboard folder may be empty for a document without undo (tests of
    // commands only); the document must outlive the editor.
    CellEditor(LabelDocument &document, EditHistory *history, const QString &clipboardFolder,
               QObject *parent = nullptr);

    LabelDocument &document() const { return mDocument; }
    LabelCell *cell() const;
    EditSelection &selection() { return mSelection; }
    const EditSelection &selection() const { return mSelection; }
    const ObjectClipboard &clipboard() const { return mClipboard; }

    // Selection changes (no model change).
    void select(LabelObject *object, bool extend);
    void selectOnly(LabelObject *object);
    void selectAll();
    void selectInside(const QRect &modelRect);
    void clearSelection();
    // The cell's objects were replaced (undo, redo, another document or cell): the selection
    // is emptied and a run of nudges ends.
    void cellReplaced();

    // Runs change on the model as one edit of the given kind: the baseline before, the step and
    // the modified flag after, when change reports that something changed (true).
    Status edit(EditCommand command, const std::function<bool()> &change);

    // The baseline for an edit that is about to begin and will be recorded later (in-place
    // text editing: the cell before the typing).
    void prepareFor(EditCommand command) { prepare(command); }

    // Adds an object made by a tool in front, selects it alone and records the creation.
    // A text box whose first editing is still to come is added without a step (TextCreate
    // records it when the editing ends): pass record = false.
    LabelObject *place(std::unique_ptr<LabelObject> object, bool record = true);
    // Adds several objects in front as one creation step (the field labels of a data list
    // send) and selects them all. Returns the placed objects, in order.
    std::vector<LabelObject *> placeAll(std::vector<std::unique_ptr<LabelObject>> objects);
    // An object's dialog was confirmed: the edited copy takes the original's place in the
    // drawing order and in the selection, as one undo step. Null, or an object not in the cell,
    // changes nothing (nullptr back).
    LabelObject *replaceObject(LabelObject *original, std::unique_ptr<LabelObject> edited);
    // Removes an object without a trace (an emptied new text box); false when not in the cell.
    bool discard(LabelObject *object);

    // A drag of the selection by screenDelta screen pixels at zoom (see dragSelection()).
    Status drag(Grip grip, const QPoint &screenDelta, int zoom, double gridStep = 0);
    // Arrow keys: consecutive nudges share one undo step.
    Status nudge(const QPoint &step, bool resize);
    Status deleteSelection();
    // Clipboard commands. A refusal (field-bound objects) is an Error whose message is the
    // caption key (see ObjectClipboard::isRefusal); Cut then deletes nothing.
    Status copy() const;
    Status cut();
    Status paste();
    Status dragCopy(const QPoint &movement, int zoom);
    Result<int> masterApply();

    // Arrange. Align needs two objects (false, nothing changes, with fewer).
    bool align(AlignKind kind);
    bool bringToFront();
    bool sendToBack();
    bool bringForward();
    bool sendBackward();
    bool rotate(Turn turn);
    bool mirror(Mirror mirror);
    // A format command on the selection; apply returns how many objects changed.
    int format(EditCommand command,
               const std::function<int(const std::vector<LabelObject *> &)> &apply);

signals:
    void selectionChanged();
    // The model changed through this editor (for repaint and the overview).
    void edited(EditCommand command);

private:
    Status record(EditCommand command);
    Status prepare(EditCommand command);

    LabelDocument &mDocument;
    QPointer<EditHistory> mHistory;
    ObjectClipboard mClipboard;
    EditSelection mSelection;
    bool mNudging = false; // the last edit was a nudge
};

} // namespace quill
