// The work area's tool when no placement tool is armed: the selection handles on the screen.
#pragma once

#include "WorkSpaceTool.h"
#include "editing/StretchGeometry.h"

#include <QObject>
#include <QRect>

#include <functional>
#include <vector>

namespace quill {

class CellEditor;
class LabelObject;

// Clicking an object selects it (Shift adds), a drag on the selection moves it or, on a grip
// of a single object, resizes it; Ctrl at the release copies instead of moving; a drag on the
// empty area is a marquee. While a drag runs only a rubber frame is drawn over the cached cell
// (where the objects will be); the model changes once, at the release, through the editor.
class SelectionTool : public QObject, public WorkSpaceTool {
    Q_OBJECT
public:
    explicit SelectionTool(CellEditor &editor, QObject *parent = nullptr);

    bool pointerPressed(TZR_WorkSpace &view, const WorkSpacePointer &pointer) override;
    bool pointerMoved(TZR_WorkSpace &view, const WorkSpacePointer &pointer) override;
    bool pointerReleased(TZR_WorkSpace &view, const WorkSpacePointer &pointer) override;
    bool pointerDoubleClicked(TZR_WorkSpace &view, const WorkSpacePointer &pointer) override;
    void paintOverlay(QPainter &painter, const TZR_WorkSpace &view) const override;

    // The grid step in model pixels the moved edges snap to (0: none); asked at each release.
    void setGridStep(std::function<double()> step) { mGridStep = std::move(step); }
    bool isDragging() const { return mMode != Mode::Idle; }

    // The topmost object of the current cell under a point of the cell (model pixels).
    static LabelObject *objectAt(const CellEditor &editor, const QPointF &cellPoint);
    // The selected objects' rectangles on the viewport.
    static std::vector<QRect> selectionRects(const CellEditor &editor, const TZR_WorkSpace &view);

signals:
    // A press is about to act on the work area (in-place text editing ends first).
    void aboutToPress();
    // A right click: the context menu for the selection, at a global position.
    void contextMenuRequested(const QPoint &globalPosition);
    // A double click on a selected object.
    void objectActivated(LabelObject *object);
    // A Ctrl+drag copy or a move was refused or failed (the error's message, maybe a caption key).
    void failed(const QString &message, bool captionKey);

private:
    enum class Mode { Idle, Drag, Marquee };
    void startDrag(Grip grip, const QPoint &at);
    QRect rubberRect(const TZR_WorkSpace &view) const;
    void updateRubber(TZR_WorkSpace &view, const QRect &before);
    void finishDrag(TZR_WorkSpace &view, const WorkSpacePointer &pointer);
    void finishMarquee(TZR_WorkSpace &view);
    void hover(TZR_WorkSpace &view, const QPoint &at);

    CellEditor &mEditor;
    std::function<double()> mGridStep;
    Mode mMode = Mode::Idle;
    Grip mGrip = Grip::Move;
    QPoint mAnchor;  // viewport pixels
    QPoint mCurrent; // viewport pixels, clamped
};

} // namespace quill
