#include "Ruler.h"

#include "document/Rounding.h"

#include <QPainter>
#include <QPaintEvent>

namespace quill {

Ruler::Ruler(Qt::Orientation orientation, QWidget *parent)
    : QWidget(parent), mOrientation(orientation)
{
    setObjectName(orientation == Qt::Horizontal ? QStringLiteral("HRuler1")
                                                : QStringLiteral("VRuler1"));
    setAccessibleName(orientation == Qt::Horizontal ? QStringLiteral("가로 눈금자")
                                                    : QStringLiteral("세로 눈금자"));
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(8);
    setFont(font);
    if (orientation == Qt::Horizontal)
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    else
        setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
}

void Ruler::setMeasureUnit(RulerScale::TMeasureUnit unit)
{
    if (unit == mUnit)
        return;
    mUnit = unit;
    update();
}

void Ruler::setZoomPercent(int zoom)
{
    zoom = qMax(1, zoom);
    if (zoom == mZoom)
        return;
    mZoom = zoom;
    if (mMarker >= 0)
        setPointer(mPointer);
    update();
}

void Ruler::setOrigin(int origin)
{
    if (origin == mOrigin)
        return;
    mOrigin = origin;
    if (mMarker >= 0)
        setPointer(mPointer);
    update();
}

void Ruler::setPointer(double cellPixels)
{
    mPointer = cellPixels;
    const int marker = qMax(0, mOrigin + roundHalfEven(cellPixels * mZoom / 100.0));
    if (marker == mMarker)
        return;
    updateMarkerStrip(mMarker);
    mMarker = marker;
    updateMarkerStrip(mMarker);
}

void Ruler::clearPointer()
{
    if (mMarker < 0)
        return;
    updateMarkerStrip(mMarker);
    mMarker = -1;
}

void Ruler::updateMarkerStrip(int position)
{
    if (position < 0)
        return;
    if (mOrientation == Qt::Horizontal)
        update(QRect(position - 1, 0, 3, height()));
    else
        update(QRect(0, position - 1, width(), 3));
}

QSize Ruler::sizeHint() const
{
    return mOrientation == Qt::Horizontal ? QSize(200, Thickness) : QSize(Thickness, 200);
}

QSize Ruler::minimumSizeHint() const
{
    return mOrientation == Qt::Horizontal ? QSize(0, Thickness) : QSize(Thickness, 0);
}

int Ruler::length() const
{
    return mOrientation == Qt::Horizontal ? width() : height();
}

void Ruler::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setPen(Qt::black);
    painter.setFont(font());
    // Only the exposed stretch: a marker move repaints a couple of pixels, not the ruler.
    const QRect exposed = event->rect();
    const int from = mOrientation == Qt::Horizontal ? exposed.left() : exposed.top();
    const int to = mOrientation == Qt::Horizontal ? exposed.right() + 1 : exposed.bottom() + 1;
    // Numbers extend past their tick, so take the ticks a little before the exposed part.
    const QList<RulerScale::Tick> ticks
        = RulerScale::ticks(mUnit, mZoom, mOrigin, from - 30, qMin(to, length()));
    for (const RulerScale::Tick &tick : ticks)
        paintTick(painter, tick);
    if (mMarker >= 0) {
        painter.setPen(QPen(Qt::red, 1));
        if (mOrientation == Qt::Horizontal)
            painter.drawLine(mMarker, 0, mMarker, height() - 1);
        else
            painter.drawLine(0, mMarker, width() - 1, mMarker);
    }
}

void Ruler::paintTick(QPainter &painter, const RulerScale::Tick &tick) const
{
    if (mOrientation == Qt::Horizontal) {
        const int edge = height();
        painter.drawLine(tick.position, edge - 2, tick.position, edge - tick.length);
        if (!tick.label.isEmpty())
            painter.drawText(QPoint(tick.position + 2, 3 + painter.fontMetrics().ascent()),
                             tick.label);
    } else {
        const int edge = width();
        painter.drawLine(edge - 2, tick.position, edge - tick.length, tick.position);
        if (!tick.label.isEmpty())
            painter.drawText(QPoint(3, tick.position + 2 + painter.fontMetrics().ascent()),
                             tick.label);
    }
}

} // namespace quill
