// Parses what the Excel 97-2003 reader process (quill-xls-reader) prints: sheet names or cells.
#pragma once

#include "DataTable.h"
#include "Result.h"

#include <QByteArrayView>
#include <QStringList>

namespace quill {

// The output comes from a process reading a file the user handed over, so it is checked as
// untrusted input: every length against what is left, the cell count against MaxSheetCells
// before anything is allocated, and the trailer and the end. Anything amiss is an error (without
// a file name; the caller adds it), never a partial list.
Result<QStringList> parseXlsSheetNames(QByteArrayView output);
// The sheet's table as tableFromGrid makes it, named sheetName.
Result<DataTable> parseXlsSheet(QByteArrayView output, const QString &sheetName);

// The message for output that does not parse.
QString xlsReaderDamagedMessage(const QString &detail);

} // namespace quill
