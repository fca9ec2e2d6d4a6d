// The work label's drawing of one cell: paper, outline, drop shadow, grid, inner cut outline.
#pragma once

#include <QSize>

class QPainter;

namespace quill {

class TZR_WorkLabel;

// Size in screen pixels of the work label at a zoom: the cell's screen size plus the drop
// shadow (1.5 % of the cell's screen width, at least 2 pixels; 0 when ShadowFlag is off).
QSize workLabelScreenSize(const TZR_WorkLabel &workLabel, int zoom);

// Draws the work label as the work area shows it at zoom percent. The painter is in pixels
// at 100 % of the cell, (0, 0) at its top-left corner, and its transform scales by zoom / 100
// to the screen (or anything else); the drawing's zoom-dependent lengths (shadow depth, grid
// pitch, corner radius, outline pens) are computed in screen pixels at that zoom, so at the
// zoom's own scale every line lands on whole screen pixels.
void paintWorkLabel(QPainter &painter, const TZR_WorkLabel &workLabel, int zoom);

} // namespace quill
