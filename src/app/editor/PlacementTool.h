// The work area's tool while a drawing tool is armed: a rubber band that becomes the bounds of
// the new object.
#pragma once

#include "WorkSpaceTool.h"
#include "document/ObjectTypeCode.h"

#include <QCursor>
#include <QObject>
#include <QRect>

namespace quill {

// Press, drag and release draw the rectangle (a click gives the tool's default size, see
// ObjectPlacement::dragPlacement); the tool then asks for the object and is done. The rubber
// band is drawn by the view over its cached cell, not by inverting screen pixels.
class PlacementTool : public QObject, public WorkSpaceTool {
    Q_OBJECT
public:
    explicit PlacementTool(QObject *parent = nullptr);

    // The object the next drag makes (a shape tool also gives its shape kind).
    void arm(ObjectTypeCode code, int shapeKind = -1);
    ObjectTypeCode code() const { return mCode; }
    void setCursor(const QCursor &cursor) { mCursor = cursor; }
    QCursor cursor() const { return mCursor; }
    int shapeKind() const { return mShapeKind; }

    bool pointerPressed(TZR_WorkSpace &view, const WorkSpacePointer &pointer) override;
    bool pointerMoved(TZR_WorkSpace &view, const WorkSpacePointer &pointer) override;
    bool pointerReleased(TZR_WorkSpace &view, const WorkSpacePointer &pointer) override;
    void paintOverlay(QPainter &painter, const TZR_WorkSpace &view) const override;

signals:
    void aboutToPress();
    // The rectangle in model pixels at 100 % from the cell's top-left.
    void placeRequested(ObjectTypeCode code, int shapeKind, const QRect &bounds);

private:
    QRect rubber() const;

    ObjectTypeCode mCode = ObjectTypeCode::VantorShape;
    int mShapeKind = -1;
    QCursor mCursor{Qt::CrossCursor};
    bool mDragging = false;
    QPoint mStart;   // viewport
    QPoint mCurrent; // viewport
    QPointF mStartCell;
};

} // namespace quill
