#include "PlacementTool.h"

#include "ZR_WorkSpace.h"
#include "editing/ObjectPlacement.h"

#include <QPainter>

namespace quill {

PlacementTool::PlacementTool(QObject *parent) : QObject(parent) {}

void PlacementTool::arm(ObjectTypeCode code, int shapeKind)
{
    mCode = code;
    mShapeKind = shapeKind;
    mDragging = false;
}

QRect PlacementTool::rubber() const
{
    return mDragging ? ObjectPlacement::rectFromCorners(mStart, mCurrent) : QRect();
}

bool PlacementTool::pointerPressed(TZR_WorkSpace &view, const WorkSpacePointer &pointer)
{
    Q_UNUSED(view)
    if (pointer.button != Qt::LeftButton)
        return false;
    emit aboutToPress();
    mDragging = true;
    mStart = mCurrent = pointer.viewport;
    mStartCell = pointer.cell;
    return true;
}

bool PlacementTool::pointerMoved(TZR_WorkSpace &view, const WorkSpacePointer &pointer)
{
    view.viewport()->setCursor(mDragging ? QCursor(Qt::CrossCursor) : mCursor);
    if (!mDragging)
        return false;
    const QRect before = rubber();
    mCurrent = pointer.viewport;
    view.viewport()->update(before.united(rubber()).adjusted(-2, -2, 2, 2));
    return true;
}

bool PlacementTool::pointerReleased(TZR_WorkSpace &view, const WorkSpacePointer &pointer)
{
    if (pointer.button != Qt::LeftButton || !mDragging)
        return false;
    mDragging = false;
    view.viewport()->update();
    const QRect bounds = ObjectPlacement::dragPlacement(
        mCode, mStartCell.toPoint(), pointer.cell.toPoint(), mShapeKind < 0 ? 6 : mShapeKind);
    emit placeRequested(mCode, mShapeKind, bounds);
    return true;
}

void PlacementTool::paintOverlay(QPainter &painter, const TZR_WorkSpace &view) const
{
    Q_UNUSED(view)
    const QRect r = rubber();
    if (r.isEmpty())
        return;
    QPen pen(Qt::black, 1, Qt::DashLine);
    pen.setCosmetic(true);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(r.adjusted(0, 0, -1, -1));
}

} // namespace quill
