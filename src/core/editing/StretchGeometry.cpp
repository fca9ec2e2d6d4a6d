#include "StretchGeometry.h"

#include "document/Rounding.h"
#include "document/ZoomMapping.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>

namespace quill::StretchGeometry {

namespace {

// The frame reaches 2 pixels out on the left and top and 3 on the right and bottom; the grips
// and the hit test use the object's rectangle taken 2 pixels out on every side.
constexpr int FrameLead = 2;
constexpr int FrameTrail = 3;
constexpr int HitMargin = 2;
// A corner or an edge grip is found this close to its corner or edge, an edge grip this close
// to the middle of its edge.
constexpr int GripReach = 5;
constexpr int MiddleReach = 3;

// What a grip does on one axis: nothing, moves the leading edge (left or top), the trailing
// edge (right or bottom), or both (a move).
enum class AxisPart { None, Start, End, Both };

AxisPart horizontalPart(Grip grip)
{
    switch (grip) {
    case Grip::Move:
        return AxisPart::Both;
    case Grip::TopLeft:
    case Grip::BottomLeft:
    case Grip::Left:
        return AxisPart::Start;
    case Grip::TopRight:
    case Grip::BottomRight:
    case Grip::Right:
        return AxisPart::End;
    case Grip::Top:
    case Grip::Bottom:
        break;
    }
    return AxisPart::None;
}

AxisPart verticalPart(Grip grip)
{
    switch (grip) {
    case Grip::Move:
        return AxisPart::Both;
    case Grip::TopLeft:
    case Grip::TopRight:
    case Grip::Top:
        return AxisPart::Start;
    case Grip::BottomLeft:
    case Grip::BottomRight:
    case Grip::Bottom:
        return AxisPart::End;
    case Grip::Left:
    case Grip::Right:
        break;
    }
    return AxisPart::None;
}

// One axis of a rectangle: from start, length pixels.
struct Span {
    int start;
    int length;
};

// The span after the grip's edges went where target (old edge -> new edge) sends them. A
// length the grip shrinks stops at MinimumSize with the opposite edge in place; a length that
// is already smaller (a thin line from an old file) does not shrink further, and is not made
// larger either just because the grip touched it.
template<typename Target> Span dragSpan(const Span &span, AxisPart part, const Target &target)
{
    const int end = span.start + span.length;
    const int floor = std::min(span.length, MinimumSize);
    switch (part) {
    case AxisPart::None:
        return span;
    case AxisPart::Both:
        return {target(span.start), span.length};
    case AxisPart::Start: {
        const int start = std::min(target(span.start), end - floor);
        return {start, end - start};
    }
    case AxisPart::End:
        return {span.start, std::max(target(end), span.start + floor) - span.start};
    }
    return span;
}

template<typename TargetX, typename TargetY>
QRect dragRect(Grip grip, const QRect &rect, const TargetX &targetX, const TargetY &targetY)
{
    const Span h = dragSpan(Span {rect.x(), rect.width()}, horizontalPart(grip), targetX);
    const Span v = dragSpan(Span {rect.y(), rect.height()}, verticalPart(grip), targetY);
    return QRect(h.start, v.start, h.length, v.length);
}

// The multiple of step nearest to value, as a whole pixel. A value exactly halfway between two
// multiples goes to the one nearer to from (the edge before the drag), so that a drag there and
// back by the same amount returns an edge on the grid to where it was.
int snapTo(double value, double step, int from)
{
    const double index = value / step;
    const double lower = std::floor(index);
    const double fraction = index - lower;
    double chosen = fraction < 0.5 ? lower : lower + 1;
    if (std::abs(fraction - 0.5) < 1e-9) {
        const double below = lower * step;
        const double above = (lower + 1) * step;
        chosen = std::abs(below - from) <= std::abs(above - from) ? lower : lower + 1;
    }
    return roundHalfEven(chosen * step);
}

bool near(int value, int target, int reach)
{
    return std::abs(value - target) < reach;
}

// The limits of a drag on one axis that keep the moved edges inside [areaStart, areaEnd].
int clampAxis(int delta, AxisPart part, int frameStart, int frameEnd, int areaStart, int areaEnd)
{
    if (part == AxisPart::None)
        return delta;
    long long lo = LLONG_MIN;
    long long hi = LLONG_MAX;
    if (part == AxisPart::Start || part == AxisPart::Both) {
        lo = std::max<long long>(lo, areaStart - frameStart);
        hi = std::min<long long>(hi, areaEnd - frameStart);
    }
    if (part == AxisPart::End || part == AxisPart::Both) {
        lo = std::max<long long>(lo, areaStart - frameEnd);
        hi = std::min<long long>(hi, areaEnd - frameEnd);
    }
    // A frame already partly outside the area is never pulled in against the pointer; it just
    // cannot go further out.
    lo = std::min<long long>(lo, 0);
    hi = std::max<long long>(hi, 0);
    return int(std::clamp<long long>(delta, lo, hi));
}

} // namespace

QRect boundsUnion(const std::vector<QRect> &rects)
{
    if (rects.empty())
        return {};
    int left = rects.front().x();
    int top = rects.front().y();
    int right = left + rects.front().width();
    int bottom = top + rects.front().height();
    for (const QRect &r : rects) {
        left = std::min(left, r.x());
        top = std::min(top, r.y());
        right = std::max(right, r.x() + r.width());
        bottom = std::max(bottom, r.y() + r.height());
    }
    return QRect(left, top, right - left, bottom - top);
}

QRect frameOf(const QRect &objectsUnion)
{
    if (objectsUnion == QRect())
        return {};
    return QRect(objectsUnion.x() - FrameLead, objectsUnion.y() - FrameLead,
        objectsUnion.width() + FrameLead + FrameTrail,
        objectsUnion.height() + FrameLead + FrameTrail);
}

std::vector<QRect> gripSquares(const std::vector<QRect> &objectRects)
{
    std::vector<QRect> squares;
    const bool single = objectRects.size() == 1;
    for (const QRect &r : objectRects) {
        const int left = r.x() - HitMargin;
        const int top = r.y() - HitMargin;
        const int right = r.x() + r.width() + HitMargin - GripSize; // last square's left
        const int bottom = r.y() + r.height() + HitMargin - GripSize;
        const QSize size(GripSize, GripSize);
        squares.emplace_back(QPoint(left, top), size);
        squares.emplace_back(QPoint(right, top), size);
        squares.emplace_back(QPoint(left, bottom), size);
        squares.emplace_back(QPoint(right, bottom), size);
        if (single) {
            // Centred on the middle of each edge: from the middle - 2 to the middle + 3.
            const int middleX = left + (r.width() + 2 * HitMargin) / 2 - 2;
            const int middleY = top + (r.height() + 2 * HitMargin) / 2 - 2;
            squares.emplace_back(QPoint(middleX, top), size);
            squares.emplace_back(QPoint(middleX, bottom), size);
            squares.emplace_back(QPoint(left, middleY), size);
            squares.emplace_back(QPoint(right, middleY), size);
        }
    }
    return squares;
}

Grip gripAt(const QPoint &point, const QRect &frame, int objectCount)
{
    if (objectCount != 1)
        return Grip::Move;
    const int x = point.x() - frame.x();
    const int y = point.y() - frame.y();
    const int w = frame.width();
    const int h = frame.height();
    // Tested in this order, the last match winning: on a small frame the edge grips take over
    // from the corners they overlap.
    Grip grip = Grip::Move;
    if (near(x, 0, GripReach) && near(y, 0, GripReach))
        grip = Grip::TopLeft;
    if (near(x, w, GripReach) && near(y, h, GripReach))
        grip = Grip::BottomRight;
    if (near(x, w, GripReach) && near(y, 0, GripReach))
        grip = Grip::TopRight;
    if (near(x, 0, GripReach) && near(y, h, GripReach))
        grip = Grip::BottomLeft;
    if (near(x, w / 2, MiddleReach) && near(y, 0, GripReach))
        grip = Grip::Top;
    if (near(x, w / 2, MiddleReach) && near(y, h, GripReach))
        grip = Grip::Bottom;
    if (near(y, h / 2, MiddleReach) && near(x, 0, GripReach))
        grip = Grip::Left;
    if (near(y, h / 2, MiddleReach) && near(x, w, GripReach))
        grip = Grip::Right;
    return grip;
}

Qt::CursorShape cursorFor(Grip grip)
{
    switch (grip) {
    case Grip::Move:
        return Qt::SizeAllCursor;
    case Grip::TopLeft:
    case Grip::BottomRight:
        return Qt::SizeFDiagCursor;
    case Grip::TopRight:
    case Grip::BottomLeft:
        return Qt::SizeBDiagCursor;
    case Grip::Top:
    case Grip::Bottom:
        return Qt::SizeVerCursor;
    case Grip::Left:
    case Grip::Right:
        return Qt::SizeHorCursor;
    }
    return Qt::ArrowCursor;
}

bool hitTest(const std::vector<QRect> &objectRects, const QPoint &point)
{
    return std::any_of(objectRects.begin(), objectRects.end(), [&point](const QRect &r) {
        return r.adjusted(-HitMargin, -HitMargin, HitMargin, HitMargin).contains(point);
    });
}

QRect draggedRect(Grip grip, const QRect &rect, const QPoint &delta)
{
    return dragRect(
        grip, rect, [&delta](int edge) { return edge + delta.x(); },
        [&delta](int edge) { return edge + delta.y(); });
}

std::vector<QRect> dragSelection(const std::vector<QRect> &modelBounds, Grip grip,
    const QPoint &screenDelta, int zoom, double gridStep)
{
    std::vector<QRect> result;
    result.reserve(modelBounds.size());
    const int z = std::max(zoom, 1);
    if (gridStep <= 0) {
        // The pointer's movement mapped as a length: the rounding is symmetric, so a drag by
        // -d undoes a drag by d exactly at every zoom, and the values the grip does not move
        // are never mapped at all.
        const QPoint delta(
            ZoomMapping::toModel(screenDelta.x(), z), ZoomMapping::toModel(screenDelta.y(), z));
        for (const QRect &r : modelBounds)
            result.push_back(draggedRect(grip, r, delta));
        return result;
    }

    // On a grid the edges go to the multiple nearest to where the pointer put them, taken
    // without rounding (the grid does the rounding); an axis the pointer did not move on stays.
    const double moveX = screenDelta.x() * 100.0 / z;
    const double moveY = screenDelta.y() * 100.0 / z;
    const auto snapX = [&](int edge) {
        return screenDelta.x() == 0 ? edge : snapTo(edge + moveX, gridStep, edge);
    };
    const auto snapY = [&](int edge) {
        return screenDelta.y() == 0 ? edge : snapTo(edge + moveY, gridStep, edge);
    };
    if (grip == Grip::Move) {
        // The union's left and top edges snap and every object follows by the same amount, so
        // the objects keep their places relative to each other.
        const QRect all = boundsUnion(modelBounds);
        const QPoint shift(snapX(all.x()) - all.x(), snapY(all.y()) - all.y());
        for (const QRect &r : modelBounds)
            result.push_back(r.translated(shift));
        return result;
    }
    for (const QRect &r : modelBounds)
        result.push_back(dragRect(grip, r, snapX, snapY));
    return result;
}

std::vector<QRect> nudgeSelection(
    const std::vector<QRect> &modelBounds, const QPoint &step, bool resize)
{
    // Resizing keeps the left and top edges: it is the bottom-right grip moved by the step.
    const Grip grip = resize ? Grip::BottomRight : Grip::Move;
    std::vector<QRect> result;
    result.reserve(modelBounds.size());
    for (const QRect &r : modelBounds)
        result.push_back(draggedRect(grip, r, step));
    return result;
}

QPoint clampDelta(const QRect &frame, Grip grip, const QPoint &delta, const QRect &area)
{
    const int dx = clampAxis(delta.x(), horizontalPart(grip), frame.x(), frame.x() + frame.width(),
        area.x(), area.x() + area.width());
    const int dy = clampAxis(delta.y(), verticalPart(grip), frame.y(), frame.y() + frame.height(),
        area.y(), area.y() + area.height());
    return QPoint(dx, dy);
}

} // namespace quill::StretchGeometry
