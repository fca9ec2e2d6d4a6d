// Where the cell overview window draws each cell of a page.
#pragma once

#include "document/DocumentSummary.h"

#include <QList>
#include <QRect>

namespace quill {

class TZR_LabelSize;

// The rectangle of cell n (at index n - 1) in the overview box: the sheet position at which
// the cell is printed, so that the miniature sheet shows each cell where it lands on paper.
// Portrait sheets run row by row; on other sheets the cells run up the columns from the
// bottom row, as printing places them.
QList<QRect> overviewCellRects(const OverviewLayout &layout, const TZR_LabelSize &sheet);

// The cell number (from 1) whose rectangle contains point, or 0 for none.
int overviewCellAt(const QList<QRect> &cellRects, const QPoint &point);

} // namespace quill
