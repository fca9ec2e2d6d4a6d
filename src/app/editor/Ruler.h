// A ruler beside the work area: millimetre or inch ticks from the cell's origin at the zoom,
// and a red marker under the pointer.
#pragma once

#include "editing/RulerScale.h"

#include <QWidget>

namespace quill {

// Horizontal rulers run left to right with their ticks rising from the bottom edge and the
// numbers right of their tick; vertical rulers run downwards with their ticks rising from the
// right edge and the numbers below their tick. Positions are ruler pixels: the owner lays the
// ruler out flush with the work area's viewport, so both share their coordinates.
class Ruler : public QWidget {
    Q_OBJECT
public:
    static constexpr int Thickness = 20;

    Ruler(Qt::Orientation orientation, QWidget *parent = nullptr);

    Qt::Orientation orientation() const { return mOrientation; }

    RulerScale::TMeasureUnit measureUnit() const { return mUnit; }
    void setMeasureUnit(RulerScale::TMeasureUnit unit);
    int zoomPercent() const { return mZoom; }
    void setZoomPercent(int zoom);
    // Ruler pixel of the cell's zero (its left or top edge on screen).
    int origin() const { return mOrigin; }
    void setOrigin(int origin);

    // The pointer at a cell coordinate in model pixels (100 %): the marker goes to the ruler
    // pixel showing that coordinate. clearPointer() hides the marker.
    void setPointer(double cellPixels);
    void clearPointer();
    // Ruler pixel of the marker, or -1 while hidden.
    int markerPosition() const { return mMarker; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void paintTick(QPainter &painter, const RulerScale::Tick &tick) const;
    int length() const;
    void updateMarkerStrip(int position);

    Qt::Orientation mOrientation;
    RulerScale::TMeasureUnit mUnit = RulerScale::muMilimeter;
    int mZoom = 100;
    int mOrigin = 0;
    double mPointer = 0.0;
    int mMarker = -1;
};

} // namespace quill
