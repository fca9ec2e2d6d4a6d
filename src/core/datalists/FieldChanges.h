// Adding, resizing and renaming text fields of a list held in memory (the field dialog). Each
// change either applies whole or leaves the table untouched and says why in Korean.
#pragma once

#include "DataTable.h"
#include "Result.h"

namespace quill {

// Appends a text field of size characters (1..100) with empty values. Refuses an empty name
// and a name already present (letter case ignored).
Status addTextField(DataTable &table, const QString &name, int size);

// Makes the field a text field of the new size, keeping its values (as text). A size shorter
// than an existing value is refused with a message naming the field and the record of the
// longest value: values are never cut.
Status resizeField(DataTable &table, const QString &field, int size);

// Renames the field and gives it the new size: the old field's values under the new name, in
// the same column, the old name gone. Refuses an empty or taken new name (letter case
// ignored, the field's own name aside) and a size that would cut a value.
Status renameField(DataTable &table, const QString &field, const QString &newName, int size);

// The modify action of the field dialog: resize when the name stays (exactly), otherwise
// rename.
Status modifyField(DataTable &table, const QString &field, const QString &newName, int size);

} // namespace quill
