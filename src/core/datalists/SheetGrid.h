// Turns a worksheet's cells into a list table: the first row names the fields.
#pragma once

#include "DataTable.h"

namespace quill {

// grid holds the sheet's rows from the first; rows may be ragged. Empty header cells get the
// name "F" + column number (1-based); fully empty rows at the end are dropped.
DataTable tableFromGrid(const QString &name, QList<QVariantList> grid);

// A number cell as the list shows it: integral values become integers.
QVariant numberValue(double value);

} // namespace quill
