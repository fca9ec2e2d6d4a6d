// Comma-separated text lists (.txt, .csv): a CSV reader and writer, and the import of a
// text list into a Paradox table beside it.
#pragma once

#include "DataTable.h"
#include "Result.h"

namespace quill {

// Decodes text files: UTF-8 with or without BOM, otherwise CP949.
QString decodeTextFile(const QByteArray &bytes);

// Splits CSV text into records: quoted values may hold commas, doubled quotes and line breaks.
// A blank line is an empty record. lines, when given, receives the 1-based line number each
// record starts on.
QList<QStringList> parseCsv(const QString &text, QList<int> *lines = nullptr);

// The first record names the fields (a trailing empty name is dropped); every field is text.
// Records with fewer values leave the rest empty; extra values are ignored.
Result<DataTable> readTextFile(const QString &path);

// Writes CSV: UTF-8 with BOM for .csv; CP949 for .txt when every character fits, else UTF-8
// with BOM. Atomic.
Status writeTextFile(const QString &path, const DataTable &table);

// Imports a text list into the Paradox table path + ".db" (notes.txt becomes notes.txt.db),
// one text field of 50 characters per name (wider where a value needs it). An existing table
// of that name is replaced. Returns the table's path, which is the list from then on.
Result<QString> importTextFile(const QString &path);

} // namespace quill
