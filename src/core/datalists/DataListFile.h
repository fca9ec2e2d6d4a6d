// Opening, listing, writing, creating and exporting data lists by file extension.
#pragma once

#include "DataTable.h"
#include "Result.h"

#include <QStringList>

namespace quill {

enum class DataListFormat { None, Paradox, Dbase, Excel, ExcelXml, OpenDocument, Access, Text, Sqlite };

// The format of a file by its extension, compared in lower case. .tmp, .dbl and .bbl (merge
// tables and their copies) are Paradox; .txt and .csv text; .sqlite and .db3 SQLite.
DataListFormat dataListFormat(const QString &path);
bool canWriteFormat(DataListFormat format);
// True for files that hold several tables or sheets (a table name picks one).
bool hasNamedTables(DataListFormat format);
// The formats a list can be written to, for messages.
QString writableFormatsText();

// The tables or sheets of a file; a single-table format lists its one table (the file name).
Result<QStringList> dataListTables(const QString &path);
// Reads a list; an empty table name means the only or first table or sheet.
Result<DataTable> readDataList(const QString &path, const QString &tableName = {});
// Writes a list in the format of the path's extension (atomic). Access files get a message
// offering the writable formats; .xls goes through LibreOffice when installed.
Status writeDataList(const QString &path, const DataTable &table, const QString &tableName = {});

// Field names that the export renames: "rows" and "columns" (any case) get the prefix "L_".
QString exportFieldName(const QString &name);
// The source field an exported column came from (the reverse of exportFieldName): -1 if none.
int sourceFieldIndex(const DataTable &source, const QString &exportedName);
// Exports a list: a copy with exported field names and values taken from the source field of
// each column (text fields without a size get the width of their widest value).
Status exportDataList(const DataTable &source, const QString &path, const QString &tableName = {});

// Creates an empty list from field definitions "name;type word;size" (size 20 when missing)
// for .db, .dbf, .txt, .csv and .sqlite files.
Status createDataList(const QString &path, const QStringList &definitions,
                      const QString &tableName = {});

} // namespace quill
