// Turns a worksheet's cells into a list table: the first row names the fields.
#pragma once

#include "DataTable.h"
#include "Result.h"

namespace quill {

// The widest and longest sheets a spreadsheet program makes.
constexpr int MaxSheetColumns = 16384;
constexpr int MaxSheetRows = 1048576;
// A sheet whose table would hold more cells than this (every row as wide as the widest) is
// refused rather than exhausting memory: a list of 100,000 rows by 50 fields is 5 million,
// while a few bytes of XML can place one value in the last column of the last row.
constexpr qint64 MaxSheetCells = qint64(60) * 1000 * 1000;

// grid holds the sheet's rows from the first; rows may be ragged. Empty header cells get the
// name "F" + column number (1-based); fully empty rows at the end are dropped. An error when
// the table would hold more than MaxSheetCells cells.
Result<DataTable> tableFromGrid(const QString &name, QList<QVariantList> grid);

// A number cell as the list shows it: integral values become integers.
QVariant numberValue(double value);

} // namespace quill
