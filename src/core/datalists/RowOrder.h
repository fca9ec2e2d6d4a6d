// The rows of a data list in another order or a subset, for the manager's search and sort. The
// list itself is never reordered: callers get row numbers of the table and show them mapped.
#pragma once

#include "DataTable.h"

#include <QList>
#include <QString>

namespace quill {

// The rows (in file order) whose field's text contains text, letter case ignored. An empty text
// gives every row; a field out of range gives none.
QList<int> searchRows(const DataTable &table, int field, const QString &text);

// A stable sort of rows (empty: every row of the table) by one field. Integer and float fields,
// and text fields whose every non-empty value among the rows is a number, compare as numbers;
// date and date-time fields chronologically; other text in Korean dictionary order with digits
// read as numbers ("2" before "10"). Empty values come first ascending and last descending;
// equal values keep their order in both directions. Rows out of range are dropped.
QList<int> sortedRows(const DataTable &table, int field, bool descending, const QList<int> &rows = {});

} // namespace quill
