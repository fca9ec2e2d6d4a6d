#include "SelectionTool.h"

#include "ZR_WorkSpace.h"
#include "document/LabelCell.h"
#include "editing/CellEditor.h"
#include "editing/ObjectPlacement.h"

#include <QPainter>
#include <QScrollBar>

namespace quill {

namespace {

QRect unite(const std::vector<QRect> &rects)
{
    QRect all;
    for (const QRect &r : rects)
        all = all.united(r);
    return all;
}

// The area the frame must stay in: the whole drawing of the cell, objects beyond it included.
QRect dragArea(const TZR_WorkSpace &view)
{
    return QRect(view.cellOrigin(), view.contentSize());
}

} // namespace

SelectionTool::SelectionTool(CellEditor &editor, QObject *parent)
    : QObject(parent), mEditor(editor)
{
}

LabelObject *SelectionTool::objectAt(const CellEditor &editor, const QPointF &cellPoint)
{
    const LabelCell *cell = editor.cell();
    if (!cell)
        return nullptr;
    for (int i = cell->objectCount() - 1; i >= 0; --i) {
        LabelObject *object = cell->object(i);
        const QRectF box = QRectF(object->bounds());
        // A line has no width to click in: the box is taken a pixel out on every side.
        if (box.adjusted(-1, -1, 1, 1).contains(cellPoint))
            return object;
    }
    return nullptr;
}

std::vector<QRect> SelectionTool::selectionRects(const CellEditor &editor,
                                                 const TZR_WorkSpace &view)
{
    std::vector<QRect> rects;
    for (const LabelObject *object : editor.selection().objects())
        rects.push_back(view.mapRectFromCell(object->bounds()));
    return rects;
}

bool SelectionTool::pointerPressed(TZR_WorkSpace &view, const WorkSpacePointer &pointer)
{
    emit aboutToPress();
    const QPoint at = pointer.viewport;
    const std::vector<QRect> rects = selectionRects(mEditor, view);
    const QRect frame = StretchGeometry::frameOf(unite(rects));
    if (pointer.button == Qt::RightButton) {
        LabelObject *object = objectAt(mEditor, pointer.cell);
        if (object && !mEditor.selection().contains(object))
            mEditor.selectOnly(object);
        view.viewport()->update();
        emit contextMenuRequested(view.viewport()->mapToGlobal(at));
        return true;
    }
    if (pointer.button != Qt::LeftButton)
        return false;
    const bool extend = pointer.modifiers & Qt::ShiftModifier;
    const Grip grip = rects.empty() ? Grip::Move
                                    : StretchGeometry::gripAt(at, frame, int(rects.size()));
    if (!rects.empty() && !extend && (grip != Grip::Move || StretchGeometry::hitTest(rects, at))) {
        startDrag(grip, at);
    } else if (LabelObject *object = objectAt(mEditor, pointer.cell)) {
        mEditor.select(object, extend);
        startDrag(Grip::Move, at);
    } else {
        if (!extend)
            mEditor.clearSelection();
        mMode = Mode::Marquee;
        mAnchor = mCurrent = at;
    }
    view.viewport()->update();
    return true;
}

void SelectionTool::startDrag(Grip grip, const QPoint &at)
{
    mMode = Mode::Drag;
    mGrip = grip;
    mAnchor = mCurrent = at;
}

bool SelectionTool::pointerMoved(TZR_WorkSpace &view, const WorkSpacePointer &pointer)
{
    if (mMode == Mode::Idle) {
        hover(view, pointer.viewport);
        return false;
    }
    const QRect before = rubberRect(view);
    if (mMode == Mode::Drag) {
        const QRect frame = StretchGeometry::frameOf(unite(selectionRects(mEditor, view)));
        const QPoint delta = StretchGeometry::clampDelta(frame, mGrip, pointer.viewport - mAnchor,
                                                         dragArea(view));
        mCurrent = mAnchor + delta;
    } else {
        mCurrent = pointer.viewport;
    }
    updateRubber(view, before);
    return true;
}

void SelectionTool::hover(TZR_WorkSpace &view, const QPoint &at)
{
    const std::vector<QRect> rects = selectionRects(mEditor, view);
    const QRect frame = StretchGeometry::frameOf(unite(rects));
    Qt::CursorShape shape = Qt::ArrowCursor;
    if (!rects.empty()) {
        const Grip grip = StretchGeometry::gripAt(at, frame, int(rects.size()));
        if (grip != Grip::Move || StretchGeometry::hitTest(rects, at))
            shape = StretchGeometry::cursorFor(grip);
    }
    view.viewport()->setCursor(shape);
}

QRect SelectionTool::rubberRect(const TZR_WorkSpace &view) const
{
    if (mMode == Mode::Marquee)
        return ObjectPlacement::rectFromCorners(mAnchor, mCurrent);
    if (mMode == Mode::Drag) {
        const QRect all = unite(selectionRects(mEditor, view));
        return StretchGeometry::draggedRect(mGrip, all, mCurrent - mAnchor);
    }
    return {};
}

// Only the strip around the old and the new rubber frame is drawn again; the cell itself comes
// from the view's cached drawing.
void SelectionTool::updateRubber(TZR_WorkSpace &view, const QRect &before)
{
    const QRect after = rubberRect(view);
    QRegion dirty;
    for (const QRect &r : {before, after}) {
        if (r.isEmpty())
            continue;
        const QRect outer = r.adjusted(-3, -3, 3, 3);
        dirty += QRegion(outer).subtracted(QRegion(r.adjusted(3, 3, -3, -3)));
    }
    view.viewport()->update(dirty);
}

bool SelectionTool::pointerReleased(TZR_WorkSpace &view, const WorkSpacePointer &pointer)
{
    if (pointer.button != Qt::LeftButton || mMode == Mode::Idle)
        return false;
    if (mMode == Mode::Drag)
        finishDrag(view, pointer);
    else
        finishMarquee(view);
    mMode = Mode::Idle;
    view.viewport()->update();
    return true;
}

void SelectionTool::finishDrag(TZR_WorkSpace &view, const WorkSpacePointer &pointer)
{
    const QPoint movement = mCurrent - mAnchor;
    if (movement.isNull())
        return;
    Status s;
    if (pointer.modifiers & Qt::ControlModifier) {
        s = mEditor.dragCopy(movement, view.zoom());
    } else {
        // Alt held turns snapping off for this one drag.
        const bool snap = mGridStep && !(pointer.modifiers & Qt::AltModifier);
        s = mEditor.drag(mGrip, movement, view.zoom(), snap ? mGridStep() : 0.0);
    }
    if (!s)
        emit failed(s.error().message, ObjectClipboard::isRefusal(s.error()));
}

void SelectionTool::finishMarquee(TZR_WorkSpace &view)
{
    const QRect screen = ObjectPlacement::rectFromCorners(mAnchor, mCurrent);
    if (screen.width() < 2 && screen.height() < 2)
        return; // a click on the empty area only cleared the selection
    const QPointF topLeft = view.mapToCell(screen.topLeft());
    const QPointF bottomRight = view.mapToCell(QPointF(screen.right() + 1, screen.bottom() + 1));
    mEditor.selectInside(QRectF(topLeft, bottomRight).toAlignedRect());
}

bool SelectionTool::pointerDoubleClicked(TZR_WorkSpace &view, const WorkSpacePointer &pointer)
{
    Q_UNUSED(view)
    if (pointer.button != Qt::LeftButton)
        return false;
    LabelObject *object = objectAt(mEditor, pointer.cell);
    if (!object)
        return false;
    if (!mEditor.selection().contains(object))
        mEditor.selectOnly(object);
    mMode = Mode::Idle;
    emit objectActivated(object);
    return true;
}

void SelectionTool::paintOverlay(QPainter &painter, const TZR_WorkSpace &view) const
{
    const std::vector<QRect> rects = selectionRects(mEditor, view);
    const QColor grip = rects.size() == 1 ? QColor(Qt::black) : QColor(0x80, 0x80, 0x80);
    for (const QRect &square : StretchGeometry::gripSquares(rects))
        painter.fillRect(square, grip);
    const QRect rubber = rubberRect(view);
    if (!rubber.isEmpty()) {
        QPen pen(Qt::black, 1, Qt::DotLine);
        pen.setCosmetic(true);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rubber.adjusted(0, 0, -1, -1));
    }
}

} // namespace quill
