#include "SheetArithmetic.h"

#include <QtGlobal>

#include <limits>

namespace quill::sheetmath {

int sheetCount(qint64 cells, qint64 startCell, qint64 labelCount)
{
    if (cells <= 0 || labelCount <= 0)
        return 1;
    const qint64 last = qMax(qint64(1), startCell) + labelCount - 1;
    const qint64 sheets = (last + cells - 1) / cells;
    return int(qBound(qint64(1), sheets, qint64(std::numeric_limits<int>::max())));
}

qint64 labelsBeforeSheet(int sheet, qint64 cells, qint64 startCell)
{
    // Every cell before sheet i counts from the start cell on; cells before it print nothing.
    const qint64 cellsBefore = qint64(qMax(sheet, 1) - 1) * cells;
    return qMax(qint64(0), cellsBefore - qMax(qint64(1), startCell) + 1);
}

qint64 sheetFirstRecord(int sheet, qint64 cells, qint64 startCell)
{
    return labelsBeforeSheet(sheet, cells, startCell) + 1;
}

qint64 sheetFirstCell(int sheet, qint64 cells, qint64 startCell)
{
    const qint64 first = qMax(qint64(1), startCell) - qint64(qMax(sheet, 1) - 1) * cells;
    return qBound(qint64(1), first, cells + 1);
}

qint64 serialLabelCount(qint64 start, qint64 end, qint64 step)
{
    if (step == 0)
        return 0;
    return qAbs(end - start) / qAbs(step) + 1;
}

CellPosition perCellPlacement(int index, const TZR_LabelSize &sheet)
{
    const int columns = qMax(1, int(sheet.columns()));
    const int rows = qMax(1, int(sheet.rows()));
    if (sheet.pageHeight() > sheet.pageWidth())
        return {index / columns, index % columns};
    return {rows - 1 - index % rows, index / rows};
}

bool perCellPrinted(qint64 k, qint64 fromLabel, bool partPrint, qint64 labelCount)
{
    if (partPrint)
        return k >= fromLabel && k < fromLabel + labelCount;
    return fromLabel < 2 || k >= fromLabel;
}

} // namespace quill::sheetmath
