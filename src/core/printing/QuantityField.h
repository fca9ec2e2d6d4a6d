// Printing each record of a data list several times, the count taken from one of its fields
// (the rule the logistics barcode uses for its quantity field).
#pragma once

#include "Result.h"
#include "datalists/DataTable.h"

#include <QString>
#include <QStringList>

namespace quill {

struct PrintDataLists;

// The most labels a quantity expansion may ask for: a typing slip in the quantity column
// (a million instead of 10) must not fill the memory with copies.
constexpr qint64 MaxQuantityRecords = 1000000;

// The fields a user may choose as the quantity field: number fields, and text fields whose
// every non-empty value is a whole number (spreadsheets and text lists store numbers as text).
QStringList quantityFieldCandidates(const DataTable &table);

// The table with each record repeated N times, N the record's value of field: a whole number
// from 0 (0 prints the record not at all). A value that is not a whole number, a negative one,
// an unknown field or a total above MaxQuantityRecords fails, naming the record.
Result<DataTable> expandByQuantity(const DataTable &table, const QString &field);

// Applies the quantity field to the lists of a print run: every active list holding the field
// is expanded. Fails when neither list holds it (the user chose a field of another list).
Status applyQuantityField(PrintDataLists &lists, const QString &field);

} // namespace quill
