// Colours, pens and brushes of the drawn label objects, and the figure conventions they share.
#pragma once

#include "document/ColorNames.h"

#include <QBrush>
#include <QColor>
#include <QPen>
#include <QRectF>

namespace quill::shapepaint {

// A stored colour as drawn: $00BBGGRR, or system colour nn for $FF0000nn resolved through a
// fixed table of the classic system colours so that a document looks the same on every
// desktop. Other high bytes are ignored, as the drawing surface ignores them.
QColor drawColor(TColor color);

// The outline pen of shapes and tables: a geometric pen of the given width with square caps and
// bevel joins whose dash pattern (TPenStyle) is kept at any width. Clear draws no outline;
// inside-frame draws solid. A negative width is taken as 0 (a one-pixel line).
QPen outlinePen(TColor color, int style, int width);

// The fill of closed figures from a TBrushStyle; clear gives no fill.
QBrush fillBrush(TColor color, int style);

// The figure of a rectangle given by its corners as the drawing surface takes them: the right
// and bottom coordinates are exclusive, so (0, 0, 10, 10) covers pixels 0 .. 9.
QRectF figureRect(int left, int top, int right, int bottom);

} // namespace quill::shapepaint
