// Where new objects go and what they are like when a tool or an Insert command makes them.
#pragma once

#include "document/ColorNames.h"
#include "document/ObjectTypeCode.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include <functional>
#include <memory>

namespace quill {

class LabelObject;

// What the editor knows at the moment of a placement.
struct PlacementContext {
    int zoom = 100;            // of the work area, percent
    int fontSize = 10;         // the format tool bar's font size box, points at 100 %
    QString fontName = QStringLiteral("굴림"); // the text box font
    TColor fillColour = clWhite; // the fill colour button (shapes)
    TColor lineColour = clBlack; // the line colour button (shapes)
    int shapeKind = 6;         // the shape tool's TZRMultiShapeType; 2 is the vertical line
};

namespace ObjectPlacement {

// The rectangle between two corners in any order (a drag from (200, 150) to (100, 50) gives
// (100, 50), 100 x 100).
QRect rectFromCorners(const QPoint &a, const QPoint &b);

// The size an object of a tool gets from a click without a drag (model pixels at 100 %).
QSize defaultSize(ObjectTypeCode code, int shapeKind = 6);

// The bounds of a dragged placement in model pixels: the rectangle between the corners (each
// side at least StretchGeometry::MinimumSize, so a line drawn straight across keeps some
// thickness), or, when the pointer moved at most 2 pixels either way (a click), the tool's
// default size with its top-left corner at the press. Never 0 x 0.
QRect dragPlacement(ObjectTypeCode code, const QPoint &press, const QPoint &release,
                    int shapeKind = 6);

// A pseudo-random integer from lo to hi inclusive; tests pass a fixed one.
using RandomInt = std::function<int(int lo, int hi)>;
RandomInt defaultRandom();

// The bounds of an object placed at once by its command (text box, picture, barcode, postal
// code barcode, serial number), in model pixels at 100 % of the cell whose size is cellSize:
// - text box: (m + r1, m + r2), 120 x 60, m = 10 mm (38 pixels), r from 0 to 19;
// - picture: (50 + r1, 50 + r2), half the cell's width and height, r1 0..49, r2 0..99;
// - barcode: (r1, r2) with r from 30 to 69, 120 x 100;
// - postal code barcode: (10, 50), 300 x 20;
// - serial number: (r1, r2) with r from 30 to 69, 120 x 30.
// r1 is drawn before r2. Every object has the same size on paper whatever the zoom. Other
// codes: an empty rectangle.
QRect immediateRect(ObjectTypeCode code, const QSize &cellSize, const RandomInt &random);

// A new object of a tool with its creation settings, at bounds (model pixels at 100 %):
// - table: brush solid white, pen black;
// - text box: colour white, transparent, the context's font name, font size and ImsiFontSize
//   the context's size (sizes in the model are those at 100 %), ImsiZoom the zoom, character
//   set 1, the single line "여기에 입력";
// - shape: kind 2 gives a line at 90 degrees (mstDLine, start side spLeft), any other kind is
//   the shape; brush colour the fill colour (clear when white, solid otherwise), pen colour
//   the line colour;
// - serial number: transparent with automatic size;
// - postal code barcode: automatic size, start point 1, bar width 1, black;
// - gradient: start colour $FF0000 (TColor, blue), end colour white, two colours,
//   top-to-bottom style;
// - image: no automatic size, stretched, opaque (TZR_DBImage::applyPlacementSettings());
// - word art, 1D and 2D barcodes, field label: as their constructors make them.
// The bounds are set before the settings, so a serial number fits itself to its text.
// Null for a code that names no class.
std::unique_ptr<LabelObject> createObject(ObjectTypeCode code, const QRect &bounds,
                                          const PlacementContext &context);

} // namespace ObjectPlacement

} // namespace quill
