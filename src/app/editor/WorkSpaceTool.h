// What a tool of the work area (placing, selecting, moving objects) receives from the view.
#pragma once

#include <QPoint>
#include <QPointF>

class QPainter;

namespace quill {

class TZR_WorkSpace;

// One pointer event over the work area, in both coordinate systems the tools need.
struct WorkSpacePointer {
    QPoint viewport;                   // pixels of the work area's viewport
    QPointF cell;                      // model pixels at 100 %, from the cell's top-left
    Qt::MouseButton button = Qt::NoButton;   // the button that changed (press, release)
    Qt::MouseButtons buttons;          // buttons held
    Qt::KeyboardModifiers modifiers;
};

// A tool installed in the work area gets its pointer events and may draw over the cell
// (rubber bands, selection handles) in viewport pixels. The view never edits the model
// itself: everything that changes a document goes through a tool. Return true from an event
// handler to say the event was used.
class WorkSpaceTool {
public:
    virtual ~WorkSpaceTool() = default;
    virtual bool pointerPressed(TZR_WorkSpace &view, const WorkSpacePointer &pointer) = 0;
    virtual bool pointerMoved(TZR_WorkSpace &view, const WorkSpacePointer &pointer) = 0;
    virtual bool pointerReleased(TZR_WorkSpace &view, const WorkSpacePointer &pointer) = 0;
    virtual bool pointerDoubleClicked(TZR_WorkSpace &view, const WorkSpacePointer &pointer)
    {
        Q_UNUSED(view)
        Q_UNUSED(pointer)
        return false;
    }
    // Drawn after the cell, in viewport pixels; the painter's state is restored afterwards.
    virtual void paintOverlay(QPainter &painter, const TZR_WorkSpace &view) const
    {
        Q_UNUSED(painter)
        Q_UNUSED(view)
    }
};

} // namespace quill
