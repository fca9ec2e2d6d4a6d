// Paradox (.db) tables through pxlib: the classic list format and the merge tables.
#pragma once

#include "DataTable.h"
#include "Result.h"

namespace quill {

// Reads every field and record; Alpha text is decoded from the table's code page.
Result<DataTable> readParadoxFile(const QString &path);

// Writes the table atomically (temporary file beside it, then rename), CP949 text. Text
// longer than its field is cut at a character boundary, never written empty. A Text field
// of size 0 gets the width of its widest value.
Status writeParadoxFile(const QString &path, const DataTable &table);

} // namespace quill
