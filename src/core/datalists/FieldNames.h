// Field names a list can be opened with, whatever its header row holds.
#pragma once

#include "DataTable.h"

#include <QStringList>

namespace quill {

// Makes every field name of table usable: control characters become spaces and outer spaces
// go; an empty name becomes F + its column number; a name equal to an earlier one (letter case
// ignored) gets the first free suffix "_2", "_3", ... Every other name keeps its text, quotes,
// dots, leading digits and Korean included: names reach queries only as quoted identifiers.
// Adds a warning to table.warnings for every name it made up or renamed (in plain words,
// naming the column; trimmed spaces are not worth one), and returns how many names changed.
int normaliseFieldNames(DataTable &table);

// The name an empty header cell stands for: F + the 1-based column number.
QString emptyFieldName(int column);

} // namespace quill
