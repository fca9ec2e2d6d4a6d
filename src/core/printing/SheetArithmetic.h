// The counting of a print run: sheet counts, first cells and records of a sheet, placement.
#pragma once

#include "document/ZR_LabelSize.h"

namespace quill {

// Cell numbers count from 1 across all sheets of a run: cell k of sheet i is (i - 1) x cells + k.
namespace sheetmath {

// Sheets needed to print labelCount labels from start cell startCell on sheets of cells cells:
// ceil((startCell + labelCount - 1) / cells). 1 when there is nothing to count (no cells or no
// labels), as a run without data prints one sheet.
int sheetCount(qint64 cells, qint64 startCell, qint64 labelCount);

// Labels printed on the sheets before sheet i of a replicated run that starts at startCell and
// prints every cell from there on: 0 for sheet 1, (cells - startCell + 1) + (i - 2) x cells
// later. A start cell beyond the first sheet leaves the first sheets without labels.
qint64 labelsBeforeSheet(int sheet, qint64 cells, qint64 startCell);

// The record (from 1) with which sheet i of a replicated run starts.
qint64 sheetFirstRecord(int sheet, qint64 cells, qint64 startCell);

// The first cell (1..cells) printed on sheet i, or cells + 1 when the start cell lies on a
// later sheet.
qint64 sheetFirstCell(int sheet, qint64 cells, qint64 startCell);

// Labels a serial number prints from start to end by step: |end - start| div |step| + 1.
// 0 for a step of 0, which never gets anywhere.
qint64 serialLabelCount(qint64 start, qint64 end, qint64 step);

// Row and column of the index-th cell (from 0) of a page of the per-cell design. Portrait
// sheets (PageHeight > PageWidth) run row by row; other sheets run up the columns from the
// bottom row, as a portrait design turned onto a landscape sheet.
CellPosition perCellPlacement(int index, const TZR_LabelSize &sheet);

// Whether cell k (counted over all sheets) of the per-cell design is printed.
bool perCellPrinted(qint64 k, qint64 fromLabel, bool partPrint, qint64 labelCount);

} // namespace sheetmath

} // namespace quill
