#include "OverviewPlacement.h"

#include "document/ZR_LabelSize.h"
#include "printing/SheetArithmetic.h"

namespace quill {

QList<QRect> overviewCellRects(const OverviewLayout &layout, const TZR_LabelSize &sheet)
{
    // The layout holds the rectangles in row-major order of sheet positions.
    QList<QRect> rects;
    const int columns = qMax(1, int(sheet.columns()));
    rects.reserve(layout.cells.size());
    for (int index = 0; index < layout.cells.size(); ++index) {
        const CellPosition at = sheetmath::perCellPlacement(index, sheet);
        const int position = at.row * columns + at.column;
        rects.append(layout.cells.value(position));
    }
    return rects;
}

int overviewCellAt(const QList<QRect> &cellRects, const QPoint &point)
{
    for (int i = 0; i < cellRects.size(); ++i) {
        if (cellRects.at(i).contains(point))
            return i + 1;
    }
    return 0;
}

} // namespace quill
