// Drawing of the shape object: the 19 figure kinds inside the shape's bounds.
#include "ZR_VantorShape.h"

#include "ShapePaintSupport.h"
#include "document/Rounding.h"

#include <QPainter>
#include <QPolygon>

#include <cmath>
#include <numbers>

namespace quill {

namespace {

// The figure's frame: the bounds less the outline width, so that wide outlines stay inside.
struct Frame {
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;
    int s = 0; // the smaller side
};

struct Figure {
    int kind = mstLine;
    int startType = spTop;
    int width = 0;
    int height = 0;
    int penWidth = 0;
    int angle = 0;
    int start = 0;
    bool linePosTop = false;
};

Frame figureFrame(const Figure &f)
{
    Frame r;
    r.x = r.y = f.penWidth / 2;
    r.w = f.width - f.penWidth + 1;
    r.h = f.height - f.penWidth + 1;
    if (f.penWidth == 0) {
        --r.w;
        --r.h;
    }
    r.s = qMin(r.w, r.h);
    if (f.kind == mstSquare || f.kind == mstRoundSquare || f.kind == mstCircle) {
        r.x += (r.w - r.s) / 2;
        r.y += (r.h - r.s) / 2;
        r.w = r.h = r.s;
    }
    return r;
}

bool vertical(int startType)
{
    return startType == spTop || startType == spBottom;
}

void drawLines(QPainter &painter, const Figure &f)
{
    const int q = (f.penWidth + 1) / 2;
    const int w4 = f.width - 4;
    const int h4 = f.height - 4;
    const bool upright = vertical(f.startType);
    if (f.kind == mstLine) {
        if (upright)
            painter.drawLine(q, q, w4 - q, h4 - q);
        else
            painter.drawLine(w4 - q, q, q, h4 - q);
    } else if (f.kind == mstDLine) {
        if (upright) {
            const int y = f.linePosTop ? 0 : roundHalfEven((f.height - f.penWidth) / 2.0);
            painter.drawLine(0, y, f.width, y);
        } else {
            const int x = f.linePosTop ? 0 : roundHalfEven((f.width - f.penWidth) / 2.0);
            painter.drawLine(x, 0, x, f.height);
        }
    } else if (upright) { // mstVLine: across the direction of mstDLine
        const int x = roundHalfEven(f.width / 2.0);
        painter.drawLine(x, 0, x, f.height);
    } else {
        const int y = roundHalfEven(f.height / 2.0);
        painter.drawLine(0, y, f.width, y);
    }
}

QPolygon trianglePoints(const Figure &f)
{
    const int q = (f.penWidth + 1) / 2;
    const int w4 = f.width - 4;
    const int h4 = f.height - 4;
    switch (f.startType) {
    case spRight:
        return QPolygon({QPoint(w4 - q, h4 / 2), QPoint(q, q), QPoint(q, h4 - q)});
    case spBottom:
        return QPolygon({QPoint(w4 / 2, h4 - q), QPoint(q, q), QPoint(w4 - q, q)});
    case spLeft:
        return QPolygon({QPoint(q, h4 / 2), QPoint(w4 - q, q), QPoint(w4 - q, h4 - q)});
    default:
        return QPolygon({QPoint(w4 / 2, q), QPoint(q, h4 - q), QPoint(w4 - q, h4 - q)});
    }
}

// Points of a regular polygon whose horizontal and vertical radii are the centre's own
// coordinates; angles grow clockwise on the screen because y grows downward.
QPolygon regularPoints(const Frame &r, int corners, double offset, int startAngle)
{
    const int cx = r.x + r.w / 2;
    const int cy = r.y + r.h / 2;
    QPolygon points;
    for (int i = 0; i <= corners; ++i) {
        const double degrees = i * 360.0 / corners - startAngle - 90.0 + offset;
        const double a = degrees * std::numbers::pi / 180.0;
        points << QPoint(cx + roundHalfEven(cx * std::cos(a)), cy + roundHalfEven(cy * std::sin(a)));
    }
    return points;
}

QPolygon crossPoints(const Frame &r, int s)
{
    const int x = r.x, y = r.y, R = r.x + r.w, B = r.y + r.h;
    return QPolygon({QPoint(x + s, y), QPoint(x + s, y + s), QPoint(x, y + s), QPoint(x, B - s),
                     QPoint(x + s, B - s), QPoint(x + s, B), QPoint(R - s, B), QPoint(R - s, B - s),
                     QPoint(R, B - s), QPoint(R, y + s), QPoint(R - s, y + s), QPoint(R - s, y)});
}

QPolygon polygonPoints(const Figure &f, const Frame &r)
{
    const int x = r.x, y = r.y, R = r.x + r.w, B = r.y + r.h, s = f.start;
    const int cx = r.x + r.w / 2, cy = r.y + r.h / 2;
    switch (f.kind) {
    case mstTriAngleLean:
        return QPolygon({QPoint(x, y), QPoint(x, B), QPoint(R, B)});
    case mstRectLean:
        return QPolygon({QPoint(x + s, y), QPoint(x, B), QPoint(R - s, B), QPoint(R, y)});
    case mstRectLeanMid:
        return QPolygon({QPoint(x, y), QPoint(x + s, B), QPoint(R - s, B), QPoint(R, y)});
    case mstRectLeanCenter:
        return QPolygon({QPoint(cx, y), QPoint(x, cy), QPoint(cx, B), QPoint(R, cy)});
    case mstFive:
        return regularPoints(r, 5, 0.0, f.angle);
    case mstSix:
        return regularPoints(r, 6, 30.0, f.angle);
    case mstOctopus:
        return regularPoints(r, 8, 22.5, f.angle);
    default:
        return crossPoints(r, s);
    }
}

// The polygon figures always pass 16 points: the listed ones, then the first repeated.
void drawPolygon16(QPainter &painter, QPolygon points)
{
    if (points.isEmpty())
        return;
    while (points.size() < 16)
        points << points.first();
    painter.drawPolygon(points, Qt::OddEvenFill);
}

void drawFigure(QPainter &painter, const Figure &f)
{
    const Frame r = figureFrame(f);
    const QRectF box = shapepaint::figureRect(r.x, r.y, r.x + r.w, r.y + r.h);
    switch (f.kind) {
    case mstLine:
    case mstDLine:
    case mstVLine:
        painter.setBrush(Qt::NoBrush);
        drawLines(painter, f);
        break;
    case mstSquare:
    case mstRectangle:
        painter.drawRect(box);
        break;
    case mstRoundRect:
    case mstRoundSquare: {
        const double radius = (r.s / 4) / 2.0; // corner ellipse of S div 4
        painter.drawRoundedRect(box, radius, radius);
        break;
    }
    case mstEllipse:
    case mstCircle:
        painter.drawEllipse(box);
        break;
    case mstTriAngle:
        painter.drawPolygon(trianglePoints(f), Qt::OddEvenFill);
        break;
    case mstLove:
        break;
    default:
        if (f.kind > mstTriAngle && f.kind < mstLove)
            drawPolygon16(painter, polygonPoints(f, r));
        break;
    }
}

} // namespace

void TZR_VantorShape::paint(QPainter &painter, const PaintContext &context) const
{
    Q_UNUSED(context)
    Figure f;
    f.kind = shape();
    f.startType = startType();
    f.width = bounds().width();
    f.height = bounds().height();
    f.penWidth = qMax(0, penWidth());
    f.angle = angle();
    // The screen recomputes Start as Width div 4 at every paint; doing so for every target keeps
    // printed and recorded drawings identical to the screen even when the stored Start is stale.
    f.start = f.width / 4;
    f.linePosTop = linePosTop();

    // The figure stays on the shape's own surface, as a control's drawing does: square caps
    // of lines running to the edges would otherwise reach past the bounds.
    painter.setClipRect(QRect(0, 0, f.width, f.height), Qt::IntersectClip);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(shapepaint::outlinePen(penColor(), penStyle(), f.penWidth));
    painter.setBrush(shapepaint::fillBrush(brushColor(), brushStyle()));
    drawFigure(painter, f);
}

} // namespace quill
