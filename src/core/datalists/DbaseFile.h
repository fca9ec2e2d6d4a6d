// dBase (.dbf) tables through shapelib: level 4, Korean code page marked in the header.
#pragma once

#include "DataTable.h"
#include "Result.h"

namespace quill {

// Reads every field and record; text is decoded as CP949 unless the table says UTF-8.
Result<DataTable> readDbaseFile(const QString &path);

// Writes the table atomically with LDID 121 (Korean) and CP949 text. Field names are cut to
// ten bytes; text longer than its field is cut at a character boundary.
Status writeDbaseFile(const QString &path, const DataTable &table);

} // namespace quill
