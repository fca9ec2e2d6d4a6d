#include "CellEditor.h"

#include "document/LabelCell.h"
#include "document/LabelDocument.h"

namespace quill {

CellEditor::CellEditor(LabelDocument &document, EditHistory *history,
                       const QString &clipboardFolder, QObject *parent)
    : QObject(parent), mDocument(document), mHistory(history), mClipboard(clipboardFolder)
{
}

LabelCell *CellEditor::cell() const
{
    return mDocument.currentCellPanel();
}

void CellEditor::select(LabelObject *object, bool extend)
{
    mSelection.click(object, extend);
    emit selectionChanged();
}

void CellEditor::selectOnly(LabelObject *object)
{
    mSelection.clear();
    mSelection.attach(object);
    emit selectionChanged();
}

void CellEditor::selectAll()
{
    if (LabelCell *c = cell())
        mSelection.selectAll(*c);
    emit selectionChanged();
}

void CellEditor::selectInside(const QRect &modelRect)
{
    if (LabelCell *c = cell())
        mSelection.selectInside(*c, modelRect);
    emit selectionChanged();
}

void CellEditor::clearSelection()
{
    if (mSelection.isEmpty())
        return;
    mSelection.clear();
    emit selectionChanged();
}

void CellEditor::cellReplaced()
{
    mNudging = false;
    mSelection.clear();
    emit selectionChanged();
}

Status CellEditor::prepare(EditCommand command)
{
    const EditEffect effect = editEffect(command);
    if (!mHistory || !effect.snapshot)
        return {};
    return mHistory->prepareEdit(*effect.snapshot);
}

Status CellEditor::record(EditCommand command)
{
    const EditEffect effect = editEffect(command);
    if (effect.marksModified)
        mDocument.setModified(true);
    const bool sharedNudge = command == EditCommand::Nudge && mNudging;
    mNudging = command == EditCommand::Nudge;
    Status status;
    if (mHistory && effect.snapshot) {
        if (sharedNudge && mHistory->flags().takesSnapshot(*effect.snapshot))
            status = mHistory->updateSnapshot();
        else
            status = mHistory->recordEdit(*effect.snapshot);
    }
    mDocument.notifyChanged();
    emit edited(command);
    return status;
}

Status CellEditor::edit(EditCommand command, const std::function<bool()> &change)
{
    // The baseline must show the cell before the change; a failure to write it only costs
    // the undo step, so the edit itself goes on.
    const bool continuesNudge = command == EditCommand::Nudge && mNudging;
    const Status baseline = continuesNudge ? Status{} : prepare(command);
    if (!change()) {
        return baseline;
    }
    const Status recorded = record(command);
    return recorded ? baseline : recorded;
}

LabelObject *CellEditor::place(std::unique_ptr<LabelObject> object, bool record)
{
    LabelCell *c = cell();
    if (!c || !object)
        return nullptr;
    LabelObject *placed = nullptr;
    const auto add = [&] {
        placed = c->addObject(std::move(object));
        return true;
    };
    if (record) {
        edit(EditCommand::Place, add);
    } else {
        // The step comes when the text box's first editing ends; the baseline is the cell
        // without it.
        prepare(EditCommand::TextCreate);
        add();
        mDocument.notifyChanged();
    }
    selectOnly(placed);
    return placed;
}

std::vector<LabelObject *> CellEditor::placeAll(std::vector<std::unique_ptr<LabelObject>> objects)
{
    std::vector<LabelObject *> placed;
    LabelCell *c = cell();
    if (!c || objects.empty())
        return placed;
    edit(EditCommand::Place, [&] {
        for (std::unique_ptr<LabelObject> &object : objects)
            if (object)
                placed.push_back(c->addObject(std::move(object)));
        return !placed.empty();
    });
    clearSelection();
    for (LabelObject *object : placed)
        select(object, true);
    return placed;
}

LabelObject *CellEditor::replaceObject(LabelObject *original, std::unique_ptr<LabelObject> edited)
{
    LabelCell *c = cell();
    const int index = c && edited ? c->indexOf(original) : -1;
    if (index < 0)
        return nullptr;
    LabelObject *placed = nullptr;
    edit(EditCommand::DialogOk, [&] {
        c->takeObject(index);
        placed = c->insertObject(index, std::move(edited));
        return true;
    });
    if (!mSelection.replace(original, placed) && mSelection.isEmpty())
        mSelection.attach(placed);
    emit selectionChanged();
    return placed;
}

bool CellEditor::discard(LabelObject *object)
{
    LabelCell *c = cell();
    const int index = c ? c->indexOf(object) : -1;
    if (index < 0)
        return false;
    mSelection.remove(object);
    c->takeObject(index);
    mDocument.notifyChanged();
    emit selectionChanged();
    return true;
}

Status CellEditor::drag(Grip grip, const QPoint &screenDelta, int zoom, double gridStep)
{
    if (mSelection.isEmpty())
        return {};
    const std::vector<QRect> before = mSelection.objectBounds();
    const std::vector<QRect> after =
        StretchGeometry::dragSelection(before, grip, screenDelta, zoom, gridStep);
    return edit(EditCommand::Move, [&] {
        if (after == before)
            return false;
        for (size_t i = 0; i < after.size(); ++i)
            mSelection.objects()[i]->setBounds(after[i]);
        return true;
    });
}

Status CellEditor::nudge(const QPoint &step, bool resize)
{
    if (mSelection.isEmpty())
        return {};
    const std::vector<QRect> before = mSelection.objectBounds();
    const std::vector<QRect> after = StretchGeometry::nudgeSelection(before, step, resize);
    return edit(EditCommand::Nudge, [&] {
        if (after == before)
            return false;
        for (size_t i = 0; i < after.size(); ++i)
            mSelection.objects()[i]->setBounds(after[i]);
        return true;
    });
}

Status CellEditor::deleteSelection()
{
    LabelCell *c = cell();
    if (!c || mSelection.isEmpty())
        return {};
    const std::vector<LabelObject *> doomed = mSelection.objects();
    mSelection.clear();
    const Status s = edit(EditCommand::Delete, [&] {
        for (LabelObject *object : doomed)
            c->takeObject(c->indexOf(object));
        return true;
    });
    emit selectionChanged();
    return s;
}

Status CellEditor::copy() const
{
    if (mSelection.isEmpty())
        return {};
    return mClipboard.copy(mSelection.constObjects());
}

Status CellEditor::cut()
{
    if (mSelection.isEmpty())
        return {};
    if (Status copied = copy(); !copied)
        return copied; // a refused copy deletes nothing
    LabelCell *c = cell();
    const std::vector<LabelObject *> doomed = mSelection.objects();
    mSelection.clear();
    const Status s = edit(EditCommand::Cut, [&] {
        for (LabelObject *object : doomed)
            c->takeObject(c->indexOf(object));
        return true;
    });
    emit selectionChanged();
    return s;
}

Status CellEditor::paste()
{
    LabelCell *c = cell();
    if (!c)
        return {};
    Status failure;
    std::vector<LabelObject *> pasted;
    const Status s = edit(EditCommand::Paste, [&] {
        Result<std::vector<LabelObject *>> r = mClipboard.paste(*c);
        if (!r) {
            failure = r.error();
            return false;
        }
        pasted = r.value();
        return !pasted.empty();
    });
    if (!pasted.empty()) {
        mSelection.clear();
        for (LabelObject *object : pasted)
            mSelection.attach(object);
        emit selectionChanged();
    }
    return failure ? s : failure;
}

Status CellEditor::dragCopy(const QPoint &movement, int zoom)
{
    LabelCell *c = cell();
    if (!c || mSelection.isEmpty())
        return {};
    Status failure;
    std::vector<LabelObject *> copies;
    const Status s = edit(EditCommand::DragCopy, [&] {
        Result<std::vector<LabelObject *>> r =
            mClipboard.dragCopy(*c, mSelection.constObjects(), movement, zoom);
        if (!r) {
            failure = r.error();
            return false;
        }
        copies = r.value();
        return !copies.empty();
    });
    if (!copies.empty()) {
        mSelection.clear();
        for (LabelObject *object : copies)
            mSelection.attach(object);
        emit selectionChanged();
    }
    return failure ? s : failure;
}

Result<int> CellEditor::masterApply()
{
    Result<int> applied = mClipboard.masterApply(mDocument, mSelection.constObjects());
    if (applied && applied.value() > 0)
        record(EditCommand::MasterApply);
    return applied;
}

bool CellEditor::align(AlignKind kind)
{
    if (mSelection.count() < 2)
        return false;
    bool changed = false;
    edit(EditCommand::Align, [&] { return changed = ArrangeCommands::align(mSelection.objects(), kind); });
    return changed;
}

bool CellEditor::bringToFront()
{
    LabelCell *c = cell();
    bool changed = false;
    if (c && !mSelection.isEmpty())
        edit(EditCommand::Order, [&] {
            return changed = ArrangeCommands::bringToFront(*c, mSelection.objects());
        });
    return changed;
}

bool CellEditor::sendToBack()
{
    LabelCell *c = cell();
    bool changed = false;
    if (c && !mSelection.isEmpty())
        edit(EditCommand::Order, [&] {
            return changed = ArrangeCommands::sendToBack(*c, mSelection.objects());
        });
    return changed;
}

bool CellEditor::bringForward()
{
    LabelCell *c = cell();
    bool changed = false;
    if (c && mSelection.first())
        edit(EditCommand::Order, [&] {
            return changed = ArrangeCommands::bringForward(*c, mSelection.first());
        });
    return changed;
}

bool CellEditor::sendBackward()
{
    LabelCell *c = cell();
    bool changed = false;
    if (c && mSelection.first())
        edit(EditCommand::Order, [&] {
            return changed = ArrangeCommands::sendBackward(*c, mSelection.first());
        });
    return changed;
}

bool CellEditor::rotate(Turn turn)
{
    LabelObject *first = mSelection.first();
    bool changed = false;
    if (first)
        edit(EditCommand::Rotate, [&] { return changed = ArrangeCommands::rotate(*first, turn); });
    if (changed)
        selectOnly(first);
    return changed;
}

bool CellEditor::mirror(Mirror how)
{
    LabelObject *first = mSelection.first();
    bool changed = false;
    if (first)
        edit(EditCommand::Mirror, [&] { return changed = ArrangeCommands::mirror(*first, how); });
    return changed;
}

int CellEditor::format(EditCommand command,
                       const std::function<int(const std::vector<LabelObject *> &)> &apply)
{
    int count = 0;
    if (!mSelection.isEmpty())
        edit(command, [&] { return (count = apply(mSelection.objects())) > 0; });
    return count;
}

} // namespace quill
