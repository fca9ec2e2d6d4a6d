// The arithmetic of the work area's rulers and of the pointer read-out in the status bar.
#pragma once

#include <QList>
#include <QPointF>
#include <QString>
#include <QtGlobal>

namespace quill {

namespace RulerScale {

// Unit of the rulers and of the pointer read-out. Inches and Millimetres are the same two
// values under plain English names.
enum TMeasureUnit : quint8 {
    muInch = 0,
    muMilimeter = 1,
    Inches = muInch,
    Millimetres = muMilimeter,
};

// Model pixels per inch: the cell's coordinates at 100 % zoom.
constexpr double PixelsPerInch = 96.0;

// One tick of a ruler. position is in ruler pixels; length in pixels from the ruler's edge
// (millimetres: 5, 10, 15 for millimetres, half centimetres and centimetres; inches: 5, 10,
// 15, 20 for twelfths, quarters, halves and whole inches). label is the number written beside
// the tick, empty for none ("0" and the centimetres, or the whole inches from 1).
struct Tick {
    int position = 0;
    int length = 0;
    QString label;
};

// The ticks from the cell's origin onwards, for a ruler whose zero lies at ruler pixel origin
// (the cell's left or top edge on screen, which moves with the scroll), at zoom percent; only
// those with from <= position < to are returned, so a long ruler scrolled far costs no more
// than a short one. Tick i sits at origin + round(i x step x zoom / 100), step being a
// millimetre or a twelfth of an inch in model pixels.
QList<Tick> ticks(TMeasureUnit unit, int zoom, int origin, int from, int to);

// A length in model pixels (100 %) in the unit: millimetres or inches.
double toUnit(double modelPixels, TMeasureUnit unit);

// A number with 3 significant digits, in plain decimal form ("25.4", "0.333", "254", "-1.5");
// values of 1000 and more are whole numbers ("1234").
QString readoutNumber(double value);

// The status bar's pointer read-out for a point of the cell in model pixels (100 %, from the
// cell's top-left corner): " X : 25.4  Y : 12.7". It reads the same whatever the zoom and
// scroll.
QString pointerReadoutText(const QPointF &cellPixels, TMeasureUnit unit);

// The unit button's caption: "mm" or "Inch".
QString unitCaption(TMeasureUnit unit);

} // namespace RulerScale

} // namespace quill
