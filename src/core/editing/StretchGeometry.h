// The geometry of the selection handles: the frame, its grips, and what a drag or a nudge
// does to the selected objects' bounds.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <Qt>

#include <vector>

namespace quill {

// What a press on the frame grabbed: the whole selection, or one of the eight grips of a single
// selected object (numbered as the handles have always numbered them).
enum class Grip {
    Move = 0,
    TopLeft = 1,
    TopRight = 2,
    BottomLeft = 3,
    BottomRight = 4,
    Top = 5,
    Left = 6,
    Bottom = 7,
    Right = 8,
};

namespace StretchGeometry {

// Grip squares are 5 x 5 pixels on the screen; objects are never made smaller than this.
constexpr int GripSize = 5;
constexpr int MinimumSize = 5;

// The union of rectangles by their edges (QRect::united() would skip a line of height 0);
// QRect() for none.
QRect boundsUnion(const std::vector<QRect> &rects);

// The handle frame around the objects' union: 2 pixels out on the left and top, 3 on the right
// and bottom (the single object at (100, 50), 80 x 40 has its frame at (98, 48), 85 x 45).
// No union (QRect(), as boundsUnion() gives for no objects) gives no frame.
QRect frameOf(const QRect &objectsUnion);

// The grip squares to paint, in the same coordinates as the rectangles given (screen pixels):
// four corner squares per object (its rectangle taken 2 pixels out on every side), plus the
// four edge-middle squares when exactly one object is given.
std::vector<QRect> gripSquares(const std::vector<QRect> &objectRects);

// The grip under a point, point and frame in the same screen pixels, frame as frameOf() gives.
// Only a single object has resize grips; with several objects (or none under the point) the
// answer is Move. Corner grips are tested within 5 pixels of the frame's corner, edge grips
// within 5 pixels of the edge and 3 of its middle; when several match the last in the order
// top-left, bottom-right, top-right, bottom-left, top, bottom, left, right wins.
Grip gripAt(const QPoint &point, const QRect &frame, int objectCount);

// The cursor a grip shows (move: the sizing-all cursor).
Qt::CursorShape cursorFor(Grip grip);

// Whether a point lies on the selection: inside some object's rectangle taken 2 pixels out on
// every side (point and rectangles in the same pixels).
bool hitTest(const std::vector<QRect> &objectRects, const QPoint &point);

// A rectangle dragged by delta with a grip: Move shifts it by exactly delta; a grip moves only
// its own edges by exactly delta (the bottom-right grip by (+10, 0) widens by 10 and keeps the
// height). A grip never makes a width or height smaller than MinimumSize (it stops there, the
// edge opposite the grip in place); one that is already smaller (a thin line) neither shrinks
// further nor grows just because the grip touched it.
QRect draggedRect(Grip grip, const QRect &rect, const QPoint &delta);

// A drag of the selection on the work area at zoom percent, written back to the model: the
// objects' model bounds (100 % pixels) after the pointer moved by screenDelta (screen pixels).
// Move shifts every object by the same amount; a grip (one object only) moves that object's
// edges (with several objects and a grip, every object's edges move by the same amount).
// The pointer's movement is mapped to the model as a length (ZoomMapping::toModel of the
// delta), never the edges' screen positions: a value the drag does not move is not mapped at
// all, and since the rounding is symmetric a drag by d and back by -d returns every object to
// its place at any zoom (mapping screen positions back cannot: below 100 % several model
// values share a screen pixel, and at zooms like 101 % the two roundings do not cancel).
//
// gridStep > 0 (model pixels): the moved edges snap to the nearest multiple of it, rounded to a
// whole pixel, of where the pointer put them (for Move, the union's left and top edges snap and
// all objects follow by the same amount; for a grip, the edges it moves). An axis the pointer
// did not move on does not snap. Halfway between two multiples an edge goes to the one nearer
// its place before the drag, so a drag there and back returns edges on the grid to their
// place. 0: no snapping.
std::vector<QRect> dragSelection(const std::vector<QRect> &modelBounds, Grip grip,
                                 const QPoint &screenDelta, int zoom, double gridStep = 0);

// An arrow key on the selection: step (-1, 0), (1, 0), (0, -1) or (0, 1) in model pixels. Move
// shifts every object; resize (Shift held) changes every object's width or height by the step
// with its left and top edges in place, under the same minimum as a grip.
std::vector<QRect> nudgeSelection(const std::vector<QRect> &modelBounds, const QPoint &step,
                                  bool resize);

// A screen-pixel drag offset clamped so that what the drag moves stays inside area (the work
// area's content): for Move the whole frame, for a grip the frame edges it moves. A frame that
// already reaches outside is not pulled in; it only cannot go further out. An axis the grip
// does not move on keeps its delta.
QPoint clampDelta(const QRect &frame, Grip grip, const QPoint &delta, const QRect &area);

} // namespace StretchGeometry

} // namespace quill
