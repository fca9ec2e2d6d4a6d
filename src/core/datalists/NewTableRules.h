// The rules of the create-table window and of the save-table dialogs, free of widgets: the new
// table's definition list, the suggested table name and the file name's extension.
#pragma once

#include "Result.h"

#include <QString>
#include <QStringList>

namespace quill {

// --- The new table's definition list ("name;type word;size", names unique, compared exactly).

// The row whose definition has this name; -1 when none.
int definitionRow(const QStringList &definitions, const QString &name);
// Adds a template field unless its name is present. With the address rule (the first two
// templates) a field belonging to the address block adds every block field not yet present,
// in block order. Returns how many rows were added.
int addTemplateField(QStringList &definitions, const QString &definition,
                     const QStringList &addressBlock, bool addressRule);
// Adds every template field not yet present, in order. Returns how many rows were added.
int addAllTemplateFields(QStringList &definitions, const QStringList &templateFields);
// Removes one row; false when the row does not exist.
bool removeDefinitionRow(QStringList &definitions, int row);
// The user-defined field: refuses an empty name, a name already present, a name with ';' and
// a size outside 1..100. Returns the new row.
Result<int> addUserField(QStringList &definitions, const QString &name, int size);
// Writes a definition back into a row, with the same checks (the row itself may keep its name).
Status modifyDefinitionRow(QStringList &definitions, int row, const QString &name,
                           const QString &typeWord, int size);

// Creates the new table's file: what createDataList() makes, and also workbooks (.xlsx, and .xls
// where it can be written), which get one sheet with the field names and no rows.
Status createNewTableFile(const QString &path, const QStringList &definitions,
                          const QString &tableName = {});

// --- The table-name window.

// "TABLE1" when there is no table, else the first "TABLE"+n (n = 1..1000) not taken, letter
// case ignored; empty when all are taken.
QString suggestTableName(const QStringList &existing);
// Refuses an empty name and an existing one (letter case ignored).
Status checkNewTableName(const QString &name, const QStringList &existing);

// --- The save dialog's filter and extension rule.

// The extension (without dot) of a filter's pattern: filter is either a list of
// "description|pattern" pairs, of which the index-th (from 1) is taken, or Qt name filters
// "description (*.x)" separated by ";;", of which the index-th is taken. Empty when the
// pattern names no single extension ("*.*").
QString filterExtension(const QString &filter, int index = 1);
// A file name without extension gets the extension of the filter's pattern; one with an
// extension keeps it.
QString withFilterExtension(const QString &fileName, const QString &filter, int index = 1);
// "description|pattern|..." pairs as Qt name filters "description (pattern)".
QStringList qtNameFilters(const QString &pairs);

} // namespace quill
