// Draws one label cell: the work label under the cell's objects, as the work area shows it.
#pragma once

#include "PaintContext.h"

#include <QImage>
#include <QSize>

class QPainter;

namespace quill {

class LabelDocument;
class LabelCell;

// Draws cell of page (both from 1; 0 means the current one) onto painter, whose transform
// maps pixels at 100 % of the cell ((0, 0) its top-left corner) to the target. With
// drawWorkLabel the paper, outline, shadow, grid and inner cut outline come first (at
// context.zoom); then every object in z-order, back to front, translated to its Left and Top
// and clipped to its Width x Height. Returns false (drawing nothing) when there is no such
// cell.
bool renderCell(QPainter &painter, const LabelDocument &document, int page, int cell,
                const PaintContext &context, bool drawWorkLabel);

// The objects of one cell only, as above.
void renderCellObjects(QPainter &painter, const LabelCell &cell, const PaintContext &context);

// Screen size of a cell at context.zoom: the cell, plus the drop shadow with the work label.
QSize cellScreenSize(const LabelDocument &document, int zoom, bool drawWorkLabel);

// The cell drawn into a new image of cellScreenSize() at context.zoom, white where nothing
// is drawn. A null image when there is no such cell.
QImage renderCellImage(const LabelDocument &document, int page, int cell,
                       const PaintContext &context, bool drawWorkLabel);

} // namespace quill
